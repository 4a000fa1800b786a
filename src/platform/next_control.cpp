#include "next_control.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace {

bool TakesTabFocus(const QWidget* widget, const QWidget* window)
{
    return widget->window() == window && widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget->focusProxy();
}

}  // namespace

void MoveToNextControl(QWidget* window)
{
    if (!window) return;
    window = window->window();
    QWidget* current = QApplication::focusWidget();
    if (!current || current->window() != window) current = window->focusWidget();
    if (!current) current = window;
    for (QWidget* next = current->nextInFocusChain(); next && next != current; next = next->nextInFocusChain()) {
        if (TakesTabFocus(next, window)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void PostMoveToNextControl(QWidget* window)
{
    if (!window) return;
    QPointer<QWidget> guarded(window);
    QMetaObject::invokeMethod(
        window, [guarded] { MoveToNextControl(guarded); }, Qt::QueuedConnection);
}
