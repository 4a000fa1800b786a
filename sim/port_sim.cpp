#include "port_sim.h"

#include <algorithm>

namespace ksw::sim {

namespace {

uint64_t mix(uint64_t x)
{
    // splitmix64 finaliser: every input bit moves every output bit.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

enum Draw : uint64_t { SlotLength = 1, Phase, UpShare, LinkUp, Medium, Speed, Activity, InLoad, OutLoad, PacketSize };

constexpr uint64_t kActivityPeriodMs = 2500;

}  // namespace

PortSim::PortSim(const ModelInfo& model, uint64_t seed) : model_(model), seed_(seed)
{
    for (int port = 1; port <= model.ports; ++port) {
        Plan plan;
        plan.slotMs = (90 + draw(port, 0, SlotLength) % 271) * 1000;  // 1.5 to 6 minutes
        plan.phaseMs = draw(port, 0, Phase) % plan.slotMs;
        plan.upShare = 25 + draw(port, 0, UpShare) % 71;  // 25 to 95 percent
        plans_.push_back(plan);
    }
    totals_.resize(plans_.size());
    cleared_.resize(plans_.size());
    held_.resize(plans_.size());
}

uint64_t PortSim::draw(int port, uint64_t slot, uint64_t what) const
{
    return mix(mix(mix(seed_) ^ static_cast<uint64_t>(port)) ^ mix(slot * 16 + what));
}

uint64_t PortSim::slotAt(int port, uint64_t ms) const
{
    const Plan& p = plans_[static_cast<size_t>(port - 1)];
    return (ms + p.phaseMs) / p.slotMs;
}

uint64_t PortSim::slotStart(int port, uint64_t slot) const
{
    const Plan& p = plans_[static_cast<size_t>(port - 1)];
    const uint64_t start = slot * p.slotMs;
    return start > p.phaseMs ? start - p.phaseMs : 0;
}

int PortSim::mediumIn(int port, uint64_t slot) const
{
    if (model_.hasMedium(port, medium::Fiber) && draw(port, slot, Medium) % 3 == 0) return medium::Fiber;
    return medium::Copper;
}

PortMode PortSim::mode(int port, int m) const
{
    if (!modeOf_) return PortMode{};
    if (!holdingModes_) return modeOf_(port, m);
    const auto [it, fresh] = heldModes_.try_emplace({port, m});
    if (fresh) it->second = modeOf_(port, m);
    return it->second;
}

bool PortSim::upIn(int port, uint64_t slot) const
{
    const Plan& p = plans_[static_cast<size_t>(port - 1)];
    return draw(port, slot, LinkUp) % 100 < p.upShare && mode(port, mediumIn(port, slot)).enabled &&
           !held_[static_cast<size_t>(port - 1)];
}

LinkState PortSim::link(int port, uint64_t ms) const
{
    LinkState state;
    if (port < 1 || port > model_.ports) return state;
    const uint64_t slot = slotAt(port, ms);
    state.medium = mediumIn(port, slot);
    if (!upIn(port, slot)) return state;
    const PortMode m = mode(port, state.medium);
    state.up = true;
    state.fullDuplex = m.fullDuplex;
    if (m.forcedSpeedMbps) {
        state.speedMbps = m.forcedSpeedMbps;
    } else if (state.medium == medium::Fiber) {
        state.speedMbps = 1000;
    } else {
        const uint64_t r = draw(port, slot, Speed) % 20;
        state.speedMbps = r < 15 ? 1000 : r < 19 ? 100 : 10;
    }
    state.activity = draw(port, ms / kActivityPeriodMs, Activity) % 3 != 0;
    return state;
}

uint64_t PortSim::lastChangeMs(int port, uint64_t ms) const
{
    // Dated from the schedule alone: a port disabled by a set shows the last scheduled change.
    // Runs of equal slots are short (at most 95 percent of slots are up), so this stays quick.
    if (port < 1 || port > model_.ports) return 0;
    const Plan& p = plans_[static_cast<size_t>(port - 1)];
    auto scheduledUp = [&](uint64_t slot) { return draw(port, slot, LinkUp) % 100 < p.upShare; };
    uint64_t slot = slotAt(port, ms);
    const bool up = scheduledUp(slot);
    for (int steps = 0; slot > 0 && steps < 10000; ++steps, --slot)
        if (scheduledUp(slot - 1) != up) return slotStart(port, slot);
    return 0;
}

int PortSim::portsUp(uint64_t ms) const
{
    int count = 0;
    for (int port = 1; port <= model_.ports; ++port) count += link(port, ms).up ? 1 : 0;
    return count;
}

void PortSim::advance(uint64_t ms)
{
    if (ms <= countedUntilMs_) return;
    holdingModes_ = true;
    for (int port = 1; port <= model_.ports; ++port) {
        Accumulated& total = totals_[static_cast<size_t>(port - 1)];
        const Plan& plan = plans_[static_cast<size_t>(port - 1)];
        uint64_t t = countedUntilMs_;
        while (t < ms) {
            const uint64_t slot = slotAt(port, t);
            const uint64_t end = std::min(ms, (slot + 1) * plan.slotMs - plan.phaseMs);
            const LinkState state = link(port, t);
            if (state.up) {
                const uint64_t lineRate = static_cast<uint64_t>(state.speedMbps) * 125000;  // octets per second
                const uint64_t inRate = lineRate * (1 + draw(port, slot, InLoad) % 12) / 100;
                const uint64_t outRate = lineRate * (1 + draw(port, slot, OutLoad) % 12) / 100;
                const uint64_t packetSize = 300 + draw(port, slot, PacketSize) % 1000;
                const uint64_t span = end - t;
                total.inOctets += inRate * span;
                total.outOctets += outRate * span;
                total.inPackets += inRate / packetSize * span;
                total.outPackets += outRate / packetSize * span;
            }
            t = end;
        }
    }
    holdingModes_ = false;
    heldModes_.clear();
    countedUntilMs_ = ms;
}

Traffic PortSim::traffic(int port) const
{
    Traffic t;
    if (port < 1 || port > model_.ports) return t;
    const Accumulated& a = totals_[static_cast<size_t>(port - 1)];
    const Accumulated& c = cleared_[static_cast<size_t>(port - 1)];
    const uint64_t inPackets = (a.inPackets - c.inPackets) / 1000;
    const uint64_t outPackets = (a.outPackets - c.outPackets) / 1000;
    t.inOctets = (a.inOctets - c.inOctets) / 1000;
    t.outOctets = (a.outOctets - c.outOctets) / 1000;
    // Of the packets: 94 percent unicast, 4 multicast, 2 broadcast.
    // Each share is rounded down on its own so that every counter only grows.
    t.inUcast = inPackets * 94 / 100;
    t.inMulticast = inPackets * 4 / 100;
    t.inBroadcast = inPackets * 2 / 100;
    t.outUcast = outPackets * 94 / 100;
    t.outMulticast = outPackets * 4 / 100;
    t.outBroadcast = outPackets * 2 / 100;
    return t;
}

void PortSim::clearCounters(int port)
{
    if (port < 1 || port > model_.ports) return;
    cleared_[static_cast<size_t>(port - 1)] = totals_[static_cast<size_t>(port - 1)];
}

void PortSim::holdLinkDown(int port, bool hold)
{
    if (port < 1 || port > model_.ports) return;
    held_[static_cast<size_t>(port - 1)] = hold;
}

}  // namespace ksw::sim
