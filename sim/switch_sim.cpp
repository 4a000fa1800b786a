#include "switch_sim.h"

#include <algorithm>

#include "mib_oids.h"

namespace ksw::sim {

SwitchSim::SwitchSim(const SimSettings& settings)
    : settings_(settings),
      model_(*settings.model),
      clock_(settings.clockRate, settings.clockStartMs),
      ports_(model_, settings.seed),
      behaviour_(settings.disabledRules)
{
    declareSystemGroup(*this);
    declareInterfaces(*this);
    declareBridge(*this);
    declarePortAccessEntity(*this);
    declareEnterprise(*this);
    declareSnmpEngine(*this);
    declareCatalogue(*this);
    declareBehaviour(*this);
    ports_.setModeSource([this](int port, int medium) { return portMode(port, medium); });
    tick();
}

void SwitchSim::at(uint64_t dueMs, std::string key, std::function<void()> action)
{
    cancel(key);
    timers_.push_back({dueMs, timersSet_++, std::move(key), std::move(action)});
}

void SwitchSim::cancel(const std::string& key)
{
    std::erase_if(timers_, [&](const Timer& t) { return t.key == key; });
}

void SwitchSim::tick()
{
    const uint64_t now = clock_.nowMs();
    while (true) {
        auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
            return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.order < b.order;
        });
        if (next == timers_.end() || next->dueMs > now) break;
        // The traffic up to the timer is counted as things were before it.
        ports_.advance(next->dueMs);
        const std::function<void()> action = std::move(next->action);
        timers_.erase(next);
        action();
    }
    ports_.advance(now);
}

int64_t SwitchSim::readInteger(const Oid& instance, int64_t fallback) const
{
    const Cell* c = store_.cell(instance);
    return c && c->value.type == Smi::Integer ? c->value.integer : fallback;
}

PortMode SwitchSim::portMode(int port, int medium) const
{
    static const Oid adminStatus = oidOf(oids::kIfAdminStatus);
    static const Oid ctrl = oidOf(oids::kPortCtrlEntry);
    const Oid row = {static_cast<uint32_t>(port), static_cast<uint32_t>(medium)};
    PortMode mode;
    mode.enabled = readInteger(concat(adminStatus, {static_cast<uint32_t>(port)}), 1) == 1 &&
                   readInteger(concat(concat(ctrl, {oids::kPortCtrlAdminState}), row), 3) != 2;
    mode.flowControl = readInteger(concat(concat(ctrl, {oids::kPortCtrlFlowControl}), row), 2) == 3;
    switch (readInteger(concat(concat(ctrl, {oids::kPortCtrlNwayState}), row), 2)) {
    case 3: mode.forcedSpeedMbps = 10; mode.fullDuplex = false; break;
    case 4: mode.forcedSpeedMbps = 10; break;
    case 5: mode.forcedSpeedMbps = 100; mode.fullDuplex = false; break;
    case 6: mode.forcedSpeedMbps = 100; break;
    case 9:
    case 10: mode.forcedSpeedMbps = 1000; break;
    default: break;
    }
    return mode;
}

std::string SwitchSim::bridgeMac() const
{
    // Locally administered (02:...), the rest from the seed.
    std::string mac = {0x02, 0x4b, 0x53, 0, 0, 0};
    const uint64_t s = settings_.seed * 0x9e3779b97f4a7c15ULL;
    mac[3] = static_cast<char>(s >> 56);
    mac[4] = static_cast<char>(s >> 48);
    mac[5] = static_cast<char>(static_cast<unsigned char>(s >> 40) & 0xc0);
    return mac;
}

std::string SwitchSim::portMac(int port) const
{
    std::string mac = bridgeMac();
    mac[5] = static_cast<char>(static_cast<unsigned char>(mac[5]) | static_cast<unsigned char>(port));
    return mac;
}

std::string SwitchSim::engineId() const
{
    return std::string("\x80\x00\xe3\x0e\x03", 5) + bridgeMac();
}

std::string portListOf(int firstPort, int lastPort, int octets)
{
    std::string bits(static_cast<size_t>(octets), '\0');
    for (int port = firstPort; port <= lastPort; ++port) {
        const int k = port - 1;
        if (k < 0 || k / 8 >= octets) continue;
        bits[static_cast<size_t>(k / 8)] = static_cast<char>(bits[static_cast<size_t>(k / 8)] | (0x80 >> (k % 8)));
    }
    return bits;
}

}  // namespace ksw::sim
