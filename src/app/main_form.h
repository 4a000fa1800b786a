#pragma once
// The module's only top-level window: the front panel of the switch in a scroll box above the
// status bar, three hidden status texts that follow the agent's RMON, spanning-tree and 802.1X
// states, and the main menu built from the menu catalogue.

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "catalogue/menu_catalogue.h"
#include "snmp/vardesc.h"
#include "panel/ksw7116_panel_form.h"
#include "panel/panel_host.h"

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QxSNMPRequest2Edits;

class TPortButton;

class TMainForm : public QMainWindow, public TPanelHost {
    Q_OBJECT
public:
    // 'parameters' are the program's arguments without the program. Raises AppException when
    // the session cannot be created or a number on the command line or in the device
    // configuration file is not valid.
    explicit TMainForm(const QStringList& parameters, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up found no parameter: "No parameter input" was shown and the program ends.
    bool TerminateRequested() const { return terminateRequested_; }

    QLabel* StatusPanel() const override { return statusPanel0_; }
    void AddPortButton(TPortButton* button) override;

    const QList<TPortButton*>& PortButtons() const { return portButtons_; }
    const QList<QPointer<TKSW7116PanelForm>>& PanelWindows() const { return panelWindows_; }
    TKSW7116PanelForm* CurrentPanel() const { return currentPanel_; }
    QAction* MenuAction(const char* itemId) const;
    bool FirstActivationDone() const { return activated_; }

    static constexpr char kModel7110[] = "KSW-7110";
    static constexpr char kModel7116[] = "KSW-7116";

public slots:
    // The first activation: the front panel, the port buttons, the RMON and 802.1X states.
    void FormActivate();
    void RefreshRmonStatus();
    void RefreshStpStatus();
    void RefreshDot1xStatus();
    void RefreshPanel();
    void PortInformationClick();
    void PortConfigurationClick();

protected:
    // The front panel's bindings and polling, the step of embedding that talks to the agent; a
    // seam for a set-up that fails.
    virtual void SetUpPanelBindings(TKSW7116PanelForm& panel);

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateWidgets();
    void ApplyStartup(const QStringList& parameters);
    void FormCreate();
    void BuildMenus();
    QMenu* BuildPortPopupMenu();
    void SetMenuVisible(const char* caption, bool visible);

    void EmbedPanel();
    void SizeAroundPanel(const TKSW7116PanelForm& panel);
    void GiveButtonsPopupAndClick();
    void PortButtonClick(TPortButton* button);
    void PressOnly(TPortButton* button);
    void ClosePanels();

    std::unique_ptr<QxSNMPRequest2Edits> CreateStatusBinding(const QxSNMPVarDesc* table, QLabel* statusText);
    // Reads a status synchronously; an error goes to status bar panel 0. False on an error.
    bool ReadStatus(QxSNMPRequest2Edits* binding);
    void EnableByStatus(QLabel* statusText, std::initializer_list<const char*> itemIds);

    void MenuItemClick(const ksw::catalogue::MenuItem& item);
    void OpenGenericEntry(const ksw::catalogue::MenuItem& item);
    void OpenHandBuiltEntry(const ksw::catalogue::MenuItem& item);
    void RunShellAction(const ksw::catalogue::MenuItem& item);
    void OpenPortPage(const char* itemId);
    void ShowStatusText(const QString& text);

    QScrollArea* scrollBox1_ = nullptr;
    QWidget* scrollContents_ = nullptr;
    QLabel* stRmonState_ = nullptr;
    QLabel* stStpVersion_ = nullptr;
    QLabel* st8021xStatus_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusPanel0_ = nullptr;
    QMenu* portInfoPopupMenu_ = nullptr;
    QHash<QString, QAction*> menuActions_;

    QList<TPortButton*> portButtons_;
    QList<QPointer<TKSW7116PanelForm>> panelWindows_;
    QPointer<TKSW7116PanelForm> currentPanel_;

    std::unique_ptr<QxSNMPRequest2Edits> rmonStatus_;
    std::unique_ptr<QxSNMPRequest2Edits> stpStatus_;
    std::unique_ptr<QxSNMPRequest2Edits> dot1xStatus_;

    QString model7110_;
    QString model7116_;
    bool terminateRequested_ = false;
    bool activationDue_ = false;
    bool activated_ = false;
};
