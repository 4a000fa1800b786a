#pragma once
// The button column on the right of every generic page and of its add and edit dialogs: a row
// counter with its "Samples" caption and the page's buttons, stacked from the top. Hidden
// controls take no place; the column is laid out again whenever one is shown or hidden.

#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QPushButton;

class TCtrlBtnPanel : public QWidget {
    Q_OBJECT
public:
    explicit TCtrlBtnPanel(QWidget* parent = nullptr);

    // Stacks the visible controls; runs by itself when one is shown or hidden.
    void Arrange();
    // Height that shows every visible control with the column's bottom margin.
    int PreferredHeight() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QLabel* lblCounter;
    QLabel* lblSamples;
    QPushButton* btnRefresh;
    QPushButton* btnEdit;
    QPushButton* btnSetChecked;
    QPushButton* btnAdd;
    QPushButton* btnDelete;
    QPushButton* btnCheckAll;
    QPushButton* btnClearChecks;
    QPushButton* btnClose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, const char* pictureFile);
    QList<QWidget*> Stack() const;

    int preferredHeight_ = 0;
    bool arranging_ = false;
};

// A button's caption. A button that shows its picture keeps no caption on its face: the text
// goes to its tooltip instead, so that the picture still explains itself.
void SetButtonCaption(QAbstractButton* button, const QString& caption);
QString ButtonCaption(const QAbstractButton* button);
