#pragma once
// The simulated switch: its model, clock, ports and the object store holding its MIB.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "behaviour.h"
#include "object_store.h"
#include "port_sim.h"
#include "sim_clock.h"
#include "switch_model.h"

namespace ksw::sim {

struct SimSettings {
    const ModelInfo* model = findModel("KSW-7116");
    uint64_t seed = 1;
    int fdbEntries = 50;
    double clockRate = 1.0;  // simulated seconds per real second
    uint64_t clockStartMs = 0;
    std::set<std::string> disabledRules;  // names from knownRules()
};

class SwitchSim {
public:
    explicit SwitchSim(const SimSettings& settings);
    SwitchSim(const SwitchSim&) = delete;
    SwitchSim& operator=(const SwitchSim&) = delete;

    const ModelInfo& model() const { return model_; }
    const SimSettings& settings() const { return settings_; }
    ObjectStore& store() { return store_; }
    const ObjectStore& store() const { return store_; }
    const PortSim& ports() const { return ports_; }
    PortSim& ports() { return ports_; }
    const Behaviour& behaviour() const { return behaviour_; }
    Behaviour& behaviour() { return behaviour_; }
    uint64_t nowMs() const { return clock_.nowMs(); }

    // Runs `action` once the simulated clock reaches dueMs, before the request that sees that
    // time; a timer of the same key is replaced. Timers due together run in the order set.
    void at(uint64_t dueMs, std::string key, std::function<void()> action);
    void cancel(const std::string& key);

    // Runs the timers that are due and brings the traffic counters up to the present; called
    // before every request.
    void tick();

    std::string bridgeMac() const;      // 6 octets
    std::string portMac(int port) const;
    // The snmpEngineID the MIB shows: the maker's enterprise number in RFC 3411's format
    // (80 00 E3 0E), 03 (a MAC address follows), then the bridge address.
    std::string engineId() const;

private:
    struct Timer {
        uint64_t dueMs;
        uint64_t order;
        std::string key;
        std::function<void()> action;
    };

    PortMode portMode(int port, int medium) const;
    int64_t readInteger(const Oid& instance, int64_t fallback) const;

    SimSettings settings_;
    const ModelInfo& model_;
    SimClock clock_;
    PortSim ports_;
    ObjectStore store_;
    Behaviour behaviour_;
    std::vector<Timer> timers_;
    uint64_t timersSet_ = 0;
};

// The object catalogue, one function per MIB group (mib_*.cpp).
void declareSystemGroup(SwitchSim& sim);
void declareInterfaces(SwitchSim& sim);
void declareBridge(SwitchSim& sim);
void declarePortAccessEntity(SwitchSim& sim);
void declareEnterprise(SwitchSim& sim);
void declareSnmpEngine(SwitchSim& sim);
// Last: every object of the module's generic pages not declared above (catalogue_import.cpp).
void declareCatalogue(SwitchSim& sim);

// Port lists: bit k (port k + 1) in octet k / 8 under 0x80 >> (k % 8).
std::string portListOf(int firstPort, int lastPort, int octets = 4);

}  // namespace ksw::sim
