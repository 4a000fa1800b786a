#pragma once
// The front panel of a KSW-7116 (and KSW-7110) inside the main window: the photograph of the
// unit, LEDs for power, console and every port that follow the agent's front-panel LED object,
// link pictures over the sockets and a button over each socket.

#include <QList>
#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;
class QxSNMPRequest2Edits;
class QxSNMPRequest2Leds;
class TPanelHost;
class TPortButton;

class TKSW7116PanelForm : public QWidget {
    Q_OBJECT
public:
    TKSW7116PanelForm(QWidget* owner, TPanelHost* host);
    ~TKSW7116PanelForm() override;

    // Creates the label binding that feeds the link pictures and the LED binding, and starts
    // polling. A step that fails is skipped; its message goes to the host's status panel.
    void SetUpBindings();
    // Collects the port pictures into their lists and hides them, and the combo pictures.
    void SetUpPictures();

    int UnitNumber = 1;

    QxSNMPRequest2Leds* LedBinding() const { return ledBinding_.get(); }
    QxSNMPRequest2Edits* LabelBinding() const { return labelBinding_.get(); }
    const QList<TPortButton*>& PortButtons() const { return portButtons_; }

    // Shows or hides the link pictures of every slot for the LED object's value in hex text.
    void ShowLinkPictures(const QString& hexValue);

public slots:
    // Every 5 seconds: reads the LED object into Portspeed and shows the link pictures.
    void Timer1Timer();
    // Stops polling and waits for a poll that is under way before the LED binding goes.
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateImage();
    void CreateLedPanels();
    void CreateLinkPictures();
    void CreatePortButtons();
    QWidget* CreateLedPanel(const QString& name, QPoint designPosition);
    QLabel* CreatePicture(const QString& name, const QString& resource, QPoint designPosition, QSize designSize);
    void SetLinkPictures(const QString& base, int slot, const QString& hexValue);
    void ReportStatus(const QString& message);

    TPanelHost* host_;
    QLabel* portspeed_;
    QTimer* timer1_;
    QList<QLabel*> portPicturesG_;
    QList<QLabel*> portPicturesO_;
    QList<TPortButton*> portButtons_;
    std::unique_ptr<QxSNMPRequest2Edits> labelBinding_;
    std::unique_ptr<QxSNMPRequest2Leds> ledBinding_;
    bool closed_ = false;
};
