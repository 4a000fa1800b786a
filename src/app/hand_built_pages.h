#pragma once
// The hand-built pages the menu can open, by the form class the catalogue names. An entry
// whose page is not here yet stays in the menu, disabled.

#include <QDialog>
#include <string_view>

namespace ksw::app {

// Creates the page window, owned by 'owner'; the caller sets the caption and shows it modally.
using HandBuiltPageFactory = QDialog* (*)(QWidget* owner);

// Null when the page does not exist yet.
HandBuiltPageFactory FindHandBuiltPage(std::string_view formClass);

}  // namespace ksw::app
