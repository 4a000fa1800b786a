// The maker's enterprise objects that the main window, the front panel and the port popups
// read: device information, the front-panel LEDs, the RMON and STP status objects, and the
// port information and port control rows at <port>.<medium>.

#include "front_panel.h"
#include "mib_oids.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

PortMedium portMediumOf(const Oid& index)
{
    if (index.size() < 2) return {0, 0};
    return {static_cast<int>(index[0]), static_cast<int>(index[1])};
}

// Port Info N-way Status: 0 link-down, then by speed: full with flow control, full, half with
// back pressure, half (1-4 for 10 Mb/s, 5-8 for 100, 9-12 for 1000).
int64_t nwayStatus(const LinkState& link, bool flowControl)
{
    if (!link.up) return 0;
    const int64_t base = link.speedMbps >= 1000 ? 9 : link.speedMbps >= 100 ? 5 : 1;
    return base + (link.fullDuplex ? 0 : 2) + (flowControl ? 0 : 1);
}

}  // namespace

void declareEnterprise(SwitchSim& sim)
{
    const SwitchSim* s = &sim;
    ObjectStore& store = sim.store();
    // The link as one row (port and medium) sees it: down unless that medium carries it.
    auto linkOn = [s](const Oid& index) {
        const PortMedium pm = portMediumOf(index);
        LinkState link = s->ports().link(pm.port, s->nowMs());
        if (link.medium != pm.medium) link.up = false;
        return link;
    };

    const ScalarDecl scalars[] = {
        {"1.3.6.1.4.1.58126.11.101.2.2.1.1.1", "Total Number of Ports", syntax::integer(), Access::ReadOnly,
         Value::Integer(sim.model().ports)},
        {"1.3.6.1.4.1.58126.11.101.2.2.1.1.2", "Number of Ports In Use", syntax::integer(), Access::ReadOnly, {},
         [s](const Oid&) { return Value::Integer(s->ports().portsUp(s->nowMs())); }},
        {oids::kFrontPanelLeds, "swDevInfoFrontPanelLedStatus", syntax::octets(), Access::ReadOnly, {},
         [s](const Oid&) { return Value::Octets(frontPanelLeds(s->model(), s->ports(), s->nowMs())); }},
        {"1.3.6.1.4.1.58126.11.101.2.2.1.2.4", "RMON State", syntax::enumeration({2, 3}), Access::ReadWrite,
         Value::Integer(3)},  // enabled
        {"1.3.6.1.4.1.58126.12.15.1.2", "STP Version", syntax::enumeration({0, 1, 2}), Access::ReadWrite,
         Value::Integer(1)},  // rstp
    };
    store.declare(scalars);

    const std::vector<IndexPart> portMediumIndex = {IndexPart::integer(1, sim.model().ports), IndexPart::integer(1, 2)};
    const Syntax otherDisabledEnabled = syntax::enumeration({1, 2, 3});

    const TableDecl portInfo = {
        oids::kPortInfoEntry, "Port Information", portMediumIndex,
        {
            {1, "Port Index", syntax::integer(), Access::NotAccessible},
            {2, "Port Info Medium Type", syntax::enumeration({1, 2}), Access::NotAccessible},
            {3, "Port Info Unit ID", syntax::integer(), Access::ReadOnly, Value::Integer(1)},
            {4, "Port Info Type", syntax::enumeration({0, 2, 3, 4, 5, 6, 7, 8, 9, 10}), Access::ReadOnly, {},
             [](const Oid& index) {
                 return Value::Integer(portMediumOf(index).medium == medium::Fiber ? 5 : 4);  // 1000Base-X or -T
             }},
            {5, "Port Info Link Status", syntax::enumeration({1, 2, 3}), Access::ReadOnly, {},
             [linkOn](const Oid& index) { return Value::Integer(linkOn(index).up ? 2 : 3); }},
            {6, "Port Info N-way Status", syntax::integer({0, 18}), Access::ReadOnly, {},
             [s, linkOn](const Oid& index) {
                 const PortMedium pm = portMediumOf(index);
                 const Oid flow = concat(oidOf(oids::kPortCtrlEntry), {oids::kPortCtrlFlowControl,
                                                                       static_cast<uint32_t>(pm.port),
                                                                       static_cast<uint32_t>(pm.medium)});
                 const auto flowState = s->store().read(flow);
                 return Value::Integer(nwayStatus(linkOn(index), flowState && flowState->integer == 3));
             }},
            {8, "Port Info Error Disable", syntax::enumeration({0, 1, 2, 3}), Access::ReadOnly, Value::Integer(0)},
        },
    };
    const TableDecl portCtrl = {
        oids::kPortCtrlEntry, "Port Control", portMediumIndex,
        {
            {1, "Port Index", syntax::integer(), Access::NotAccessible},
            {2, "Medium Type", syntax::enumeration({1, 2}), Access::NotAccessible},
            {3, "Unit Index", syntax::integer(), Access::ReadOnly, Value::Integer(1)},
            {oids::kPortCtrlAdminState, "Admin State", otherDisabledEnabled, Access::ReadWrite, Value::Integer(3)},
            {oids::kPortCtrlNwayState, "N-way State", syntax::enumeration({1, 2, 3, 4, 5, 6, 9, 10}),
             Access::ReadWrite, Value::Integer(2)},  // nway-enabled
            {oids::kPortCtrlFlowControl, "Flow Control State", otherDisabledEnabled, Access::ReadWrite,
             Value::Integer(2)},
            {7, "Learning State", otherDisabledEnabled, Access::ReadWrite, Value::Integer(3)},
            {8, "MAC Notification State", otherDisabledEnabled, Access::ReadWrite, Value::Integer(2)},
        },
    };
    for (const TableDecl* tableDecl : {&portInfo, &portCtrl}) {
        TableDef& table = store.declare(*tableDecl);
        for (const PortMedium& pm : sim.model().portMedia())
            store.addRow(table, {static_cast<uint32_t>(pm.port), static_cast<uint32_t>(pm.medium)});
    }
}

}  // namespace ksw::sim
