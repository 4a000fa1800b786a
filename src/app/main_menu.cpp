#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace ksw::app {

using catalogue::MenuItem;
using catalogue::Opens;

namespace {

void Configure(QAction* action, const MenuItem& item, const MenuBuildHooks& hooks)
{
    action->setObjectName(QString::fromUtf8(item.id));
    if (item.hidden) action->setVisible(false);
    if (hooks.available && !hooks.available(item)) action->setEnabled(false);
    if (item.opens != Opens::Submenu && hooks.triggered)
        QObject::connect(action, &QAction::triggered, action, [&item, triggered = hooks.triggered] { triggered(item); });
}

bool OpensSubmenu(std::span<const MenuItem> items, size_t i)
{
    return i + 1 < items.size() && items[i + 1].depth > items[i].depth;
}

}  // namespace

QString MenuText(const char* caption)
{
    return QString::fromUtf8(caption).replace(u'&', QStringLiteral("&&"));
}

QHash<QString, QAction*> BuildMenuBar(QMenuBar* bar, std::span<const MenuItem> items, const MenuBuildHooks& hooks)
{
    QHash<QString, QAction*> actions;
    std::vector<QMenu*> open;  // the menu of each depth on the current path
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const auto depth = static_cast<size_t>(item.depth);
        open.resize(depth);
        QMenu* parentMenu = depth == 0 ? nullptr : open[depth - 1];
        QAction* action = nullptr;
        if (OpensSubmenu(items, i)) {
            auto* menu = new QMenu(MenuText(item.caption), parentMenu ? static_cast<QWidget*>(parentMenu) : bar);
            menu->setObjectName(QString::fromUtf8(item.id));
            action = menu->menuAction();
            if (parentMenu)
                parentMenu->addMenu(menu);
            else
                bar->addMenu(menu);
            open.push_back(menu);
        } else if (parentMenu) {
            action = parentMenu->addAction(MenuText(item.caption));
        } else {
            action = bar->addAction(MenuText(item.caption));
        }
        Configure(action, item, hooks);
        actions.insert(QString::fromUtf8(item.id), action);
    }
    return actions;
}

QHash<QString, QAction*> BuildPopupMenu(QMenu* menu, std::span<const MenuItem> items, const MenuBuildHooks& hooks)
{
    QHash<QString, QAction*> actions;
    for (const MenuItem& item : items) {
        QAction* action = menu->addAction(MenuText(item.caption));
        Configure(action, item, hooks);
        actions.insert(QString::fromUtf8(item.id), action);
    }
    return actions;
}

}  // namespace ksw::app
