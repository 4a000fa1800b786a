#pragma once
// OIDs the simulator's behaviour depends on (the rest live only in the catalogue tables).

namespace ksw::sim::oids {

inline constexpr const char* kIfAdminStatus = "1.3.6.1.2.1.2.2.1.7";
inline constexpr const char* kVlanStaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
inline constexpr const char* kTpFdbEntry = "1.3.6.1.2.1.17.7.1.2.2.1";
inline constexpr const char* kFrontPanelLeds = "1.3.6.1.4.1.58126.11.101.2.2.1.1.4";
inline constexpr const char* kPortInfoEntry = "1.3.6.1.4.1.58126.11.101.2.2.3.1.1";
inline constexpr const char* kPortCtrlEntry = "1.3.6.1.4.1.58126.11.101.2.2.3.2.1";

// Served by net-snmp's own SNMPv3 modules (agent.cpp), never by the object store: the users and
// access rules shown there are the ones requests are checked against.
inline constexpr const char* kLibraryServed[] = {
    "1.3.6.1.6.3.15",  // SNMP-USER-BASED-SM-MIB: usmStats, usmUserTable
    "1.3.6.1.6.3.16",  // SNMP-VIEW-BASED-ACM-MIB: contexts, groups, access, views
};

// Port Counter Clear Control, indexed by port: other(1) at rest, start(2) clears.
inline constexpr const char* kPortCounterClear = "1.3.6.1.4.1.58126.11.101.2.2.3.6.1.2";

// Columns of the port control table.
inline constexpr unsigned kPortCtrlAdminState = 4;
inline constexpr unsigned kPortCtrlNwayState = 5;
inline constexpr unsigned kPortCtrlFlowControl = 6;

}  // namespace ksw::sim::oids
