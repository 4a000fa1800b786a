#pragma once
// The table page: the list of the table's rows with its counter, and the editor grid of the
// scalar page kept hidden behind it. "Edit" and "Add" show the grid in a modal dialog; "Add"
// and "Delete" create and destroy rows through the table's row-status column.

#include <QString>
#include <functional>

#include "pages/snmp_editor_panel.h"

class TListViewPanel;
class QxListView;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    TSNMPListViewPanel(QWidget* parent, QxSNMPRequest2Edits* binding);

    TListViewPanel* ListViewPanel() const { return listPanel_; }
    QxListView* ListView() const;

    // The status variable and the option label that add (or delete) a row; the label must be
    // an item of the variable's combo box in the editor grid. Shows "Add" (or "Delete").
    void SetAddStatus(int var, const QString& text);
    void SetDeleteStatus(int var, const QString& text);
    // Hides "Edit" and makes a double click on a row do nothing.
    void SetEditHidden(bool hidden);

    // Page hooks around the dialogs. BeforeAdd starts as clearing the editor grid.
    Hook BeforeAdd;
    Hook AfterAdd;
    Hook BeforeEdit;
    Hook AfterEdit;

public slots:
    void btnRefreshClick() override;
    void btnEditClick();
    void btnAddClick();
    void btnDeleteClick();
    void ListView1Click();
    void ListView1DblClick();
    void ListView1Change();
    void ListView1MouseMove(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class DialogKind { Add, Edit };
    void ArrangeButtons();
    void RunAddDialog();
    void RunEditDialog();
    void RunRowDialog(DialogKind kind);
    void ShowRowDialog(DialogKind kind, QxSNMPRequest2Edits* binding);
    void SetRowButtonsEnabled(bool enabled);

    TListViewPanel* listPanel_;
    bool editHidden_ = false;
    bool pressedOnRow_ = false;
    bool dialogOpen_ = false;
};
