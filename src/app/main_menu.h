#pragma once
// The main menu built from the menu catalogue: one menu per submenu item, one action per
// entry, each named (objectName) after its item's id, hidden items invisible.

#include <QHash>
#include <QString>
#include <functional>
#include <span>

#include "catalogue/menu_catalogue.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ksw::app {

struct MenuBuildHooks {
    // Called when the user picks an entry (submenus excluded).
    std::function<void(const catalogue::MenuItem&)> triggered;
    // False leaves the entry present but disabled (a hand-built page that does not exist yet).
    std::function<bool(const catalogue::MenuItem&)> available;
};

// Adds the items to the menu bar, in order; a submenu's items follow it with a greater depth.
// Returns every action (a submenu's is its menu action) by item id.
QHash<QString, QAction*> BuildMenuBar(QMenuBar* bar, std::span<const catalogue::MenuItem> items,
                                      const MenuBuildHooks& hooks);

// Adds depth-0 entries to a popup menu (the port popup).
QHash<QString, QAction*> BuildPopupMenu(QMenu* menu, std::span<const catalogue::MenuItem> items,
                                        const MenuBuildHooks& hooks);

// A caption as a menu shows it: '&' would otherwise mark a shortcut letter.
QString MenuText(const char* caption);

}  // namespace ksw::app
