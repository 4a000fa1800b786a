#include "switch_model.h"

#include <algorithm>

namespace ksw::sim {

bool ModelInfo::hasMedium(int port, int m) const
{
    if (port < 1 || port > ports) return false;
    if (m == medium::Copper) return true;
    return m == medium::Fiber && std::find(comboPorts.begin(), comboPorts.end(), port) != comboPorts.end();
}

std::vector<PortMedium> ModelInfo::portMedia() const
{
    std::vector<PortMedium> list;
    for (int port = 1; port <= ports; ++port)
        for (int m : {medium::Copper, medium::Fiber})
            if (hasMedium(port, m)) list.push_back({port, m});
    return list;
}

std::optional<PortMedium> ModelInfo::slot(int k) const
{
    std::optional<PortMedium> shown;
    if (k >= 1 && k <= 15) shown = PortMedium{k, medium::Copper};
    else if (k == 17) shown = PortMedium{16, medium::Copper};
    else if ((k == 16 || k == 18) && comboPorts.size() > static_cast<size_t>(k == 18))
        shown = PortMedium{comboPorts[k == 18 ? 1 : 0], medium::Fiber};
    if (shown && !hasMedium(shown->port, shown->medium)) return std::nullopt;
    return shown;
}

const ModelInfo* findModel(std::string_view name)
{
    static const ModelInfo models[] = {
        {"KSW-7116", 16, {15, 16}},
        {"KSW-7110", 10, {}},
    };
    for (const ModelInfo& m : models)
        if (m.name == name) return &m;
    return nullptr;
}

}  // namespace ksw::sim
