#pragma once
// The About box, shown modally by the main window.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

public slots:
    void FormActivate();
    void BT_OkClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shift+Alt+F3 on the OK button reveals the build date.
    bool BT_OkKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void WidenToFitTexts();

    QLabel* aboutLabel_;
    QLabel* aboutLabel2_;
    QLabel* versionLabel_;
    QLabel* image7110_;
    QLabel* image7116_;
    QPushButton* okButton_;
};
