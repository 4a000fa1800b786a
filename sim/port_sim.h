#pragma once
// Port links and traffic over simulated time. Each port's time is cut into slots of a few
// minutes (length and phase drawn from the seed); in each slot the link is up or down, on which
// medium and at which speed, all drawn from (seed, port, slot). The same seed gives the same
// switch at the same simulated time. The configuration (admin state, forced speed) is read
// through callbacks at every evaluation, so a port disabled by a set goes dark at once.

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "switch_model.h"

namespace ksw::sim {

struct PortMode {
    bool enabled = true;
    int forcedSpeedMbps = 0;  // 0: auto-negotiation
    bool fullDuplex = true;
    bool flowControl = false;
};

struct LinkState {
    bool up = false;
    int medium = medium::Copper;
    int speedMbps = 0;
    bool fullDuplex = true;
    bool activity = false;
};

struct Traffic {
    uint64_t inOctets = 0, inUcast = 0, inMulticast = 0, inBroadcast = 0;
    uint64_t outOctets = 0, outUcast = 0, outMulticast = 0, outBroadcast = 0;
};

class PortSim {
public:
    using ModeSource = std::function<PortMode(int port, int medium)>;

    PortSim(const ModelInfo& model, uint64_t seed);
    void setModeSource(ModeSource source) { modeOf_ = std::move(source); }

    LinkState link(int port, uint64_t ms) const;
    // When the schedule last took the link up or down (0 if not since power-on).
    uint64_t lastChangeMs(int port, uint64_t ms) const;
    int portsUp(uint64_t ms) const;

    // Counts the traffic of every port up to ms; counters only grow, until cleared.
    void advance(uint64_t ms);
    Traffic traffic(int port) const;
    // The port's counters start again from zero.
    void clearCounters(int port);
    // A held link is down whatever the schedule says, as while it negotiates.
    void holdLinkDown(int port, bool hold);

private:
    struct Plan {
        uint64_t slotMs;
        uint64_t phaseMs;
        uint64_t upShare;  // percent of slots with the link up
    };
    struct Accumulated {  // rate x milliseconds, so that partial slots add up exactly
        uint64_t inOctets = 0, inPackets = 0, outOctets = 0, outPackets = 0;
    };

    uint64_t draw(int port, uint64_t slot, uint64_t what) const;
    uint64_t slotAt(int port, uint64_t ms) const;
    uint64_t slotStart(int port, uint64_t slot) const;
    int mediumIn(int port, uint64_t slot) const;
    bool upIn(int port, uint64_t slot) const;
    PortMode mode(int port, int medium) const;

    const ModelInfo& model_;
    uint64_t seed_;
    std::vector<Plan> plans_;          // [port - 1]
    std::vector<Accumulated> totals_;  // [port - 1]
    std::vector<Accumulated> cleared_;  // [port - 1]: the totals when last cleared
    std::vector<bool> held_;            // [port - 1]
    uint64_t countedUntilMs_ = 0;
    ModeSource modeOf_;
    // While advance() counts, the configuration cannot change: each port's mode is looked up
    // in the object store once, not once per slot (a long --clock-start spans many slots).
    mutable std::map<std::pair<int, int>, PortMode> heldModes_;
    bool holdingModes_ = false;
};

}  // namespace ksw::sim
