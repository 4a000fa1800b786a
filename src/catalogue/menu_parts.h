#pragma once
// The menu's parts, one per file, each in menu order with absolute depths; menu_catalogue.cpp
// joins them. Only the catalogue's own files include this.

#include <span>

#include "catalogue/menu_catalogue.h"
#include "values/optionlist.h"

namespace ksw::catalogue {

// The access combinations the descriptor rows use, beside the single bits of vardesc.h.
constexpr uint32_t AccessReadWrite = AccessRead | AccessWrite;
constexpr uint32_t AccessImpliedIndex = AccessIndex | AccessImplied;  // an IMPLIED last index

std::span<const MenuItem> BasicConfigurationMenu();
std::span<const MenuItem> RmonMenu();
std::span<const MenuItem> BridgeMenu();
std::span<const MenuItem> VlanMenu();
std::span<const MenuItem> SnmpV3Menu();
std::span<const MenuItem> SecurityManagementMenu();
std::span<const MenuItem> Layer2ManagementMenu();
std::span<const MenuItem> Layer3ManagementMenu();
std::span<const MenuItem> SingleIpMenu();
std::span<const MenuItem> HelpMenu();
std::span<const MenuItem> PortPopupItems();

}  // namespace ksw::catalogue
