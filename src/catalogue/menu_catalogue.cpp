#include "catalogue/menu_catalogue.h"

#include <vector>

#include "catalogue/menu_parts.h"

namespace ksw::catalogue {

std::span<const MenuItem> MainMenu()
{
    static const std::vector<MenuItem> items = [] {
        const std::span<const MenuItem> parts[] = {
            BasicConfigurationMenu(), RmonMenu(),         BridgeMenu(),           VlanMenu(),
            SnmpV3Menu(),             SecurityManagementMenu(), Layer2ManagementMenu(), Layer3ManagementMenu(),
            SingleIpMenu(),           HelpMenu(),
        };
        std::vector<MenuItem> all;
        for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return items;
}

std::span<const MenuItem> PortPopupMenu()
{
    return PortPopupItems();
}

const MenuItem* FindMenuItem(std::string_view id)
{
    for (const auto menu : {MainMenu(), PortPopupMenu()})
        for (const MenuItem& item : menu)
            if (id == item.id) return &item;
    return nullptr;
}

}  // namespace ksw::catalogue
