#pragma once
// A transparent button over one port socket of the front panel. It is checkable ("down" marks
// the port the user picked), shows its hint "<port>.<medium>" as tool tip and opens its popup
// menu on a right click, remembering itself as the popup's component.

#include <QAbstractButton>
#include <QPointer>

#include <QMenu>

class TPortButton : public QAbstractButton {
    Q_OBJECT
public:
    TPortButton(const QString& hint, QWidget* parent = nullptr);

    const QString& Hint() const { return hint_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    QMenu* PopupMenu() const { return popupMenu_; }

    // The button a popup menu was opened from (null before the first one, and once that button
    // is destroyed).
    static TPortButton* PopupComponent(const QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString hint_;
    QPointer<QMenu> popupMenu_;
    bool hovered_ = false;
};
