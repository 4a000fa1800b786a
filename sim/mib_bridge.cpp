// BRIDGE-MIB basics (RFC 4188) with the per-port frame counters (32-bit, high-capacity and
// overflow, read side by side by the High Capacity pages), and the Q-BRIDGE-MIB tables of the
// first VLAN and forwarding pages (RFC 4363): the static VLAN table with its RowStatus, and the
// learned addresses.

#include <random>
#include <set>

#include "mib_oids.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

constexpr int kPortListOctets = 4;  // what the module's pages write
constexpr uint32_t kDefaultVlan = 1;

// Distinct unicast addresses, none of them the switch's own.
std::vector<std::string> learnedAddresses(const SwitchSim& sim, int count)
{
    std::mt19937_64 random(sim.settings().seed ^ 0x46444221ULL);
    std::set<std::string> seen;
    for (int port = 0; port <= sim.model().ports; ++port) seen.insert(sim.portMac(port));
    std::vector<std::string> list;
    while (static_cast<int>(list.size()) < count) {
        const uint64_t r = random();
        std::string mac(6, '\0');
        for (int i = 0; i < 6; ++i) mac[static_cast<size_t>(i)] = static_cast<char>(r >> (8 * i));
        mac[0] = static_cast<char>(static_cast<unsigned char>(mac[0]) & 0xfc);  // unicast, global
        if (seen.insert(mac).second) list.push_back(mac);
    }
    return list;
}

int portOf(const Oid& index)
{
    return index.empty() ? 0 : static_cast<int>(index[0]);
}

void declareFrameCounters(SwitchSim& sim)
{
    const SwitchSim* s = &sim;
    auto inFrames = [s](const Oid& index) {
        const Traffic t = s->ports().traffic(portOf(index));
        return t.inUcast + t.inMulticast + t.inBroadcast;
    };
    auto outFrames = [s](const Oid& index) {
        const Traffic t = s->ports().traffic(portOf(index));
        return t.outUcast + t.outMulticast + t.outBroadcast;
    };
    const std::vector<IndexPart> portIndex = {IndexPart::integer(1, 65535)};
    const TableDecl tpPortTable = {
        "1.3.6.1.2.1.17.4.4.1", "dot1dTpPortEntry", portIndex,
        {
            {1, "dot1dTpPort", syntax::integer({1, 65535}), Access::ReadOnly, {},
             [](const Oid& index) { return Value::Integer(portOf(index)); }},
            {2, "dot1dTpPortMaxInfo", syntax::integer(), Access::ReadOnly, Value::Integer(1500)},
            {3, "dot1dTpPortInFrames", syntax::counter32(), Access::ReadOnly, {},
             [inFrames](const Oid& i) { return Value::Counter32(inFrames(i)); }},
            {4, "dot1dTpPortOutFrames", syntax::counter32(), Access::ReadOnly, {},
             [outFrames](const Oid& i) { return Value::Counter32(outFrames(i)); }},
            {5, "dot1dTpPortInDiscards", syntax::counter32(), Access::ReadOnly},
        },
    };
    const TableDecl hcPortTable = {
        "1.3.6.1.2.1.17.4.5.1", "dot1dTpHCPortEntry", portIndex,
        {
            {1, "dot1dTpHCPortInFrames", syntax::counter64(), Access::ReadOnly, {},
             [inFrames](const Oid& i) { return Value::Counter64(inFrames(i)); }},
            {2, "dot1dTpHCPortOutFrames", syntax::counter64(), Access::ReadOnly, {},
             [outFrames](const Oid& i) { return Value::Counter64(outFrames(i)); }},
            {3, "dot1dTpHCPortInDiscards", syntax::counter64(), Access::ReadOnly},
        },
    };
    // The high 32 bits of the frame counts, for managers that only see the 32-bit counters.
    const TableDecl overflowTable = {
        "1.3.6.1.2.1.17.4.6.1", "dot1dTpPortOverflowEntry", portIndex,
        {
            {1, "dot1dTpPortInOverflowFrames", syntax::counter32(), Access::ReadOnly, {},
             [inFrames](const Oid& i) { return Value::Counter32(inFrames(i) >> 32); }},
            {2, "dot1dTpPortOutOverflowFrames", syntax::counter32(), Access::ReadOnly, {},
             [outFrames](const Oid& i) { return Value::Counter32(outFrames(i) >> 32); }},
            {3, "dot1dTpPortInOverflowDiscards", syntax::counter32(), Access::ReadOnly},
        },
    };
    for (const TableDecl* tableDecl : {&tpPortTable, &hcPortTable, &overflowTable}) {
        TableDef& table = sim.store().declare(*tableDecl);
        for (int port = 1; port <= sim.model().ports; ++port) sim.store().addRow(table, {static_cast<uint32_t>(port)});
    }
}

}  // namespace

void declareBridge(SwitchSim& sim)
{
    const int ports = sim.model().ports;
    const int fdbEntries = sim.settings().fdbEntries;
    ObjectStore& store = sim.store();

    const ScalarDecl scalars[] = {
        {"1.3.6.1.2.1.17.1.1", "dot1dBaseBridgeAddress", syntax::macAddress(), Access::ReadOnly,
         Value::Octets(sim.bridgeMac())},
        {"1.3.6.1.2.1.17.1.2", "dot1dBaseNumPorts", syntax::integer(), Access::ReadOnly, Value::Integer(ports)},
        {"1.3.6.1.2.1.17.1.3", "dot1dBaseType", syntax::enumeration({1, 2, 3, 4}), Access::ReadOnly,
         Value::Integer(2)},  // transparent-only
        {"1.3.6.1.2.1.17.4.2", "dot1dTpAgingTime", syntax::integer({10, 1000000}), Access::ReadWrite,
         Value::Integer(300)},
    };
    store.declare(scalars);
    declareFrameCounters(sim);

    const TableDecl fdbTable = {
        "1.3.6.1.2.1.17.7.1.2.1.1", "dot1qFdbEntry", {IndexPart::integer(1, 4294967295LL)},
        {
            {1, "dot1qFdbId", syntax::unsigned32({1, 4294967295LL}), Access::NotAccessible},
            {2, "dot1qFdbDynamicCount", syntax::counter32(), Access::ReadOnly},
        },
    };
    const TableDecl tpFdbTable = {
        oids::kTpFdbEntry, "dot1qTpFdbEntry", {IndexPart::integer(1, 4294967295LL), IndexPart::fixedOctets(6)},
        {
            {1, "dot1qTpFdbAddress", syntax::macAddress(), Access::NotAccessible},
            {2, "dot1qTpFdbPort", syntax::integer({0, 65535}), Access::ReadOnly},
            {3, "dot1qTpFdbStatus", syntax::enumeration({1, 2, 3, 4, 5}), Access::ReadOnly},
        },
    };
    const TableDecl vlanStaticTable = {
        oids::kVlanStaticEntry, "dot1qVlanStaticEntry", {IndexPart::integer(1, 4094)},
        {
            {1, "dot1qVlanStaticName", syntax::displayString(32), Access::ReadCreate, Value::Octets("")},
            {2, "dot1qVlanStaticEgressPorts", syntax::portList(kPortListOctets, ports), Access::ReadCreate},
            {3, "dot1qVlanForbiddenEgressPorts", syntax::portList(kPortListOctets, ports), Access::ReadCreate},
            {4, "dot1qVlanStaticUntaggedPorts", syntax::portList(kPortListOctets, ports), Access::ReadCreate},
            {5, "dot1qVlanStaticRowStatus", syntax::rowStatus(), Access::ReadCreate},
        },
    };

    TableDef& fdb = store.declare(fdbTable);
    store.addRow(fdb, {kDefaultVlan}, {{2, Value::Counter32(static_cast<uint64_t>(fdbEntries))}});

    TableDef& tpFdb = store.declare(tpFdbTable);
    std::mt19937 portDraw(static_cast<uint32_t>(sim.settings().seed));
    for (const std::string& mac : learnedAddresses(sim, fdbEntries)) {
        Oid index = {kDefaultVlan};
        for (unsigned char c : mac) index.push_back(c);
        const int port = 1 + static_cast<int>(portDraw() % static_cast<uint32_t>(ports));
        store.addRow(tpFdb, index, {{2, Value::Integer(port)}, {3, Value::Integer(3)}});  // learned
    }

    TableDef& vlans = store.declare(vlanStaticTable);
    const std::string everyPort = portListOf(1, ports, kPortListOctets);
    store.addRow(vlans, {kDefaultVlan},
                 {{1, Value::Octets("default")}, {2, Value::Octets(everyPort)}, {4, Value::Octets(everyPort)}});
    vlans.permanentRows.insert({kDefaultVlan});
}

}  // namespace ksw::sim
