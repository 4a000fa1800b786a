#include "panel/port_button.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace {
constexpr char kPopupComponent[] = "PopupComponent";
}

TPortButton::TPortButton(const QString& hint, QWidget* parent) : QAbstractButton(parent), hint_(hint)
{
    setCheckable(true);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

TPortButton* TPortButton::PopupComponent(const QMenu* menu)
{
    // Guarded: the panel, and its buttons with it, may have been rebuilt since the popup opened.
    return menu ? qobject_cast<TPortButton*>(menu->property(kPopupComponent).value<QPointer<QObject>>().data())
                : nullptr;
}

void TPortButton::paintEvent(QPaintEvent*)
{
    // The socket underneath stays visible: only a frame marks the picked or hovered port.
    if (!isChecked() && !hovered_) return;
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (isChecked()) {
        painter.setPen(QPen(QColor(255, 214, 64), 1));
        painter.drawRect(frame);
        painter.setPen(QPen(QColor(255, 214, 64, 110), 1));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(QPen(QColor(255, 255, 255, 150), 1, Qt::DotLine));
        painter.drawRect(frame);
    }
}

void TPortButton::contextMenuEvent(QContextMenuEvent* event)
{
    if (!popupMenu_) {
        QAbstractButton::contextMenuEvent(event);
        return;
    }
    popupMenu_->setProperty(kPopupComponent, QVariant::fromValue(QPointer<QObject>(this)));
    popupMenu_->popup(event->globalPos());
    event->accept();
}

void TPortButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TPortButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
