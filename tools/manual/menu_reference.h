#pragma once
// The menu part of the manual, written from the menu catalogue so that it follows every change
// of the menus: one section per top menu of the main menu and one for the port popup, each with
// the tree of its entries and, for every entry, what it opens.

#include <QString>
#include <string_view>

namespace manual {

// Anchor of the section of a top menu ("menu-" and the top menu's identity).
QString MenuSectionAnchor(std::string_view topMenuId);
inline constexpr std::string_view kPortPopupId = "port_popup";

// Every section, main menu first, then the port popup.
QString MenuReference();

// The entries that hand over to sibling modules: where they are and what they start.
QString SiblingEntries();

}  // namespace manual
