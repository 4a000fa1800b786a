// IF-MIB ifTable and ifXTable (RFC 2863): one row per front port, counters from the port
// simulation.

#include "switch_sim.h"

namespace ksw::sim {

namespace {

int portOf(const Oid& index)
{
    return index.empty() ? 0 : static_cast<int>(index[0]);
}

}  // namespace

void declareInterfaces(SwitchSim& sim)
{
    // Generators keep a pointer to the switch, which owns the store that owns them.
    const SwitchSim* s = &sim;
    auto link = [s](const Oid& index) { return s->ports().link(portOf(index), s->nowMs()); };
    auto traffic = [s](const Oid& index) { return s->ports().traffic(portOf(index)); };
    auto speedMbps = [link](const Oid& index) {
        const LinkState state = link(index);
        return state.up ? state.speedMbps : 1000;  // the nominal speed while down
    };
    const Syntax upDown = syntax::enumeration({1, 2, 3, 4, 5, 6, 7});

    const TableDecl ifTable = {
        "1.3.6.1.2.1.2.2.1", "ifEntry", {IndexPart::integer(1, 2147483647)},
        {
            {1, "ifIndex", syntax::integer({1, 2147483647}), Access::ReadOnly, {},
             [](const Oid& index) { return Value::Integer(portOf(index)); }},
            {2, "ifDescr", syntax::displayString(255), Access::ReadOnly, {},
             [s](const Oid& index) { return Value::Octets(s->model().name + " Port " + std::to_string(portOf(index))); }},
            {3, "ifType", syntax::integer(), Access::ReadOnly, Value::Integer(6)},  // ethernetCsmacd
            {4, "ifMtu", syntax::integer(), Access::ReadOnly, Value::Integer(1500)},
            {5, "ifSpeed", syntax::gauge32(), Access::ReadOnly, {},
             [speedMbps](const Oid& index) { return Value::Gauge32(static_cast<uint64_t>(speedMbps(index)) * 1000000); }},
            {6, "ifPhysAddress", syntax::octets(), Access::ReadOnly, {},
             [s](const Oid& index) { return Value::Octets(s->portMac(portOf(index))); }},
            {7, "ifAdminStatus", syntax::enumeration({1, 2, 3}), Access::ReadWrite, Value::Integer(1)},
            {8, "ifOperStatus", upDown, Access::ReadOnly, {},
             [link](const Oid& index) { return Value::Integer(link(index).up ? 1 : 2); }},
            {9, "ifLastChange", syntax::timeTicks(), Access::ReadOnly, {},
             [s](const Oid& index) {
                 return Value::TimeTicks(s->ports().lastChangeMs(portOf(index), s->nowMs()) / 10);
             }},
            {10, "ifInOctets", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).inOctets); }},
            {11, "ifInUcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).inUcast); }},
            {12, "ifInNUcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).inMulticast + traffic(i).inBroadcast); }},
            {13, "ifInDiscards", syntax::counter32(), Access::ReadOnly},
            {14, "ifInErrors", syntax::counter32(), Access::ReadOnly},
            {15, "ifInUnknownProtos", syntax::counter32(), Access::ReadOnly},
            {16, "ifOutOctets", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).outOctets); }},
            {17, "ifOutUcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).outUcast); }},
            {18, "ifOutNUcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).outMulticast + traffic(i).outBroadcast); }},
            {19, "ifOutDiscards", syntax::counter32(), Access::ReadOnly},
            {20, "ifOutErrors", syntax::counter32(), Access::ReadOnly},
            {21, "ifOutQLen", syntax::gauge32(), Access::ReadOnly},
            {22, "ifSpecific", syntax::objectId(), Access::ReadOnly},
        },
    };

    const TableDecl ifXTable = {
        "1.3.6.1.2.1.31.1.1.1", "ifXEntry", {IndexPart::integer(1, 2147483647)},
        {
            {1, "ifName", syntax::displayString(255), Access::ReadOnly, {},
             [](const Oid& index) { return Value::Octets("Port " + std::to_string(portOf(index))); }},
            {2, "ifInMulticastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).inMulticast); }},
            {3, "ifInBroadcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).inBroadcast); }},
            {4, "ifOutMulticastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).outMulticast); }},
            {5, "ifOutBroadcastPkts", syntax::counter32(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter32(traffic(i).outBroadcast); }},
            {6, "ifHCInOctets", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).inOctets); }},
            {7, "ifHCInUcastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).inUcast); }},
            {8, "ifHCInMulticastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).inMulticast); }},
            {9, "ifHCInBroadcastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).inBroadcast); }},
            {10, "ifHCOutOctets", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).outOctets); }},
            {11, "ifHCOutUcastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).outUcast); }},
            {12, "ifHCOutMulticastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).outMulticast); }},
            {13, "ifHCOutBroadcastPkts", syntax::counter64(), Access::ReadOnly, {},
             [traffic](const Oid& i) { return Value::Counter64(traffic(i).outBroadcast); }},
            {14, "ifLinkUpDownTrapEnable", syntax::enumeration({1, 2}), Access::ReadWrite, Value::Integer(1)},
            {15, "ifHighSpeed", syntax::gauge32(), Access::ReadOnly, {},
             [speedMbps](const Oid& index) { return Value::Gauge32(static_cast<uint64_t>(speedMbps(index))); }},
            {16, "ifPromiscuousMode", syntax::truthValue(), Access::ReadWrite, Value::Integer(2)},
            {17, "ifConnectorPresent", syntax::truthValue(), Access::ReadOnly, Value::Integer(1)},
            {18, "ifAlias", syntax::displayString(64), Access::ReadWrite, Value::Octets("")},
            {19, "ifCounterDiscontinuityTime", syntax::timeTicks(), Access::ReadOnly},
        },
    };

    ObjectStore& store = sim.store();
    for (const TableDecl* tableDecl : {&ifTable, &ifXTable}) {
        TableDef& table = store.declare(*tableDecl);
        for (int port = 1; port <= sim.model().ports; ++port) store.addRow(table, {static_cast<uint32_t>(port)});
    }
}

}  // namespace ksw::sim
