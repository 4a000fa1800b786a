#include "platform/window_placement.h"

#include <QWidget>

void CentreOnMainWindow(QWidget* window)
{
    QWidget* main = nullptr;
    for (QWidget* w = window->parentWidget(); w; w = w->parentWidget())
        main = w->window();
    if (!main)
        return;
    QRect placed = window->frameGeometry();
    placed.moveCenter(main->frameGeometry().center());
    window->move(placed.topLeft());
}
