#pragma once
// The two models of the family: their front ports, the combo ports' second medium, and the
// eighteen LED slots of the front panel.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksw::sim {

namespace medium {
constexpr int Copper = 1;
constexpr int Fiber = 2;
}  // namespace medium

struct PortMedium {
    int port;
    int medium;
    bool operator==(const PortMedium&) const = default;
};

struct ModelInfo {
    std::string name;             // "KSW-7116"
    int ports = 0;                // front ports, ifIndex 1..ports
    std::vector<int> comboPorts;  // ports with a fiber medium besides copper

    bool hasMedium(int port, int medium) const;
    // Every port and medium in index order: the rows of the port information tables.
    std::vector<PortMedium> portMedia() const;
    // What LED slot k (1..18) shows: slots 1-14 ports 1-14, 15 port 15, 16 the first combo
    // port, 17 port 16, 18 the second combo port; nullopt for a slot without a port.
    std::optional<PortMedium> slot(int k) const;
};

constexpr int kLedSlots = 18;

// "KSW-7116" or "KSW-7110" (exact); null for any other text.
const ModelInfo* findModel(std::string_view name);

}  // namespace ksw::sim
