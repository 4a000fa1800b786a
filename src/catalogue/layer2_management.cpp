// The "Layer 2 Management" menu.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Layer 2 Management > Port Management > Jumbo Frame Ctrl
constexpr QxSNMPVarDesc kJumboFrameCtrl[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.3", "Jumbo Frame", VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.4", "Jumbo Frame Maximum Size", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > Port Management > Port Information Table
constexpr QxSNMPVarDesc kPortManagementPortInformationTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.2", "Port Info Medium Type", VarType::Integer, AccessIndex, &kCopperFiber12},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.3", "Port Info Unit ID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.4", "Port Info Type", VarType::Integer, AccessRead, &kPortType},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.5", "Port Info Link Status",
     VarType::Integer, AccessRead, &kOtherLinkPassLinkFail123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.6", "Port Info N-way Status", VarType::Integer, AccessRead, &kPortNwayStatus},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.8", "Port Info Error Disable",
     VarType::Integer, AccessRead, &kErrorDisableCause},
    {},
};

// Layer 2 Management > Port Management > Port Control Table
constexpr QxSNMPVarDesc kPortControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.2", "Medium Type", VarType::Integer, AccessIndex, &kCopperFiber12},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.3", "Unit Index", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.4", "Admin State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.5", "N-way State", VarType::Integer, AccessReadWrite, &kPortNwayState},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.6", "Flow Control State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.7", "Learning State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.2.1.8", "MAC Notification State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {},
};

// Layer 2 Management > Port Management > Port Cable Diagnostics Table (hidden)
const QxOptionList kPortCableDiagnosisCableStatus{
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "not-support"}, {5, "unknown"},
};
const QxOptionList kPortCableDiagnosisPairStatus{
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "fail"}, {4, "not-supported"}, {5, "unknown"},
};
constexpr QxSNMPVarDesc kPortCableDiagnosticsTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.1", "Port Cable Diagnosis Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.2", "Port Cable Diagnosis Pair Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.3", "Port Cable Diagnosis Cable Status",
     VarType::Integer, AccessRead, &kPortCableDiagnosisCableStatus},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.4", "Port Cable Diagnosis Pair Status",
     VarType::Integer, AccessRead, &kPortCableDiagnosisPairStatus},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.5", "Port Cable Diagnosis Pair Length", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.5.1.6", "Port Cable Diagnosis Pair Length Inaccuracy",
     VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > Port Management > Port Counter Control Table
constexpr QxSNMPVarDesc kPortCounterControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.6.1.1", "Port Counter Control Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.6.1.2", "Port Counter Clear Control",
     VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Layer 2 Management > Port Management > Port Error Table
const QxOptionList kOtherErrDisabled12{{1, "other"}, {2, "err-disabled"}};
const QxOptionList kStpLbdStormControl12{{1, "stp-lbd"}, {2, "storm-control"}};
constexpr QxSNMPVarDesc kPortErrorTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.7.1.1", "Port Error Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.7.1.2", "Port Error Port State",
     VarType::Integer, AccessRead, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.7.1.3", "Port Error Port Connection Status",
     VarType::Integer, AccessRead, &kOtherErrDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.7.1.4", "Port Error Port Reason",
     VarType::Integer, AccessRead, &kStpLbdStormControl12},
    {},
};

// Layer 2 Management > Port Management > Trunk Basic Information
const QxOptionList kTrunkAlgorithm{{4, "mac-source-dest"}, {7, "ip-source-dest"}};
constexpr QxSNMPVarDesc kTrunkBasicInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.9.1", "Trunk Max Supported Entries", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.9.2", "Trunk Current Entries Number", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.9.4", "Trunk Algorithm", VarType::Integer, AccessReadWrite, &kTrunkAlgorithm},
    {},
};

// Layer 2 Management > Port Management > LACP Port Table
const QxOptionList kActivePassive12{{1, "active"}, {2, "passive"}};
constexpr QxSNMPVarDesc kLACPPortTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.9.5.1.1", "LACP Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.9.5.1.2", "LACP Port State", VarType::Integer, AccessReadWrite, &kActivePassive12},
    {},
};

// Layer 2 Management > Port Management > Trunk VLAN Table
constexpr QxSNMPVarDesc kTrunkVLANTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.9.6.1.1", "Trunk VLAN Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.9.6.1.2", "Trunk VLAN State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > Port Management > Port Security Management > Port Security Table
const QxOptionList kLockAddressMode{{2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}};
constexpr QxSNMPVarDesc kPortSecurityTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.7.1.1.1", "Port Index", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.7.1.1.2", "Max Learn Address", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.7.1.1.3", "Lock Address Mode", VarType::Integer, AccessReadWrite, &kLockAddressMode},
    {"1.3.6.1.4.1.58126.11.101.2.2.7.1.1.4", "Admin State", VarType::Integer, AccessReadWrite, &kEnableDisable23},
    {"1.3.6.1.4.1.58126.11.101.2.2.7.1.1.5", "Clear Control", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Layer 2 Management > QoS Management > QoS Control
const QxOptionList kStrictWeightfair13{{1, "strict"}, {3, "weightfair"}};
constexpr QxSNMPVarDesc kQoSControl[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.6.5", "QoS Scheduling Mechanism Control",
     VarType::Integer, AccessReadWrite, &kStrictWeightfair13},
    {},
};

// Layer 2 Management > QoS Management > Bandwidth Control Table
constexpr QxSNMPVarDesc kBandwidthControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.6.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.1.1.2", "Receive Rate", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.1.1.3", "Transmit Rate", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.1.1.4", "RADIUS Receive Rate", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.1.1.5", "RADIUS Transmit Rate", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > QoS Management > Scheduling Table
const QxOptionList kQoSSchedulingMechanism{{1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}};
constexpr QxSNMPVarDesc kSchedulingTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.6.2.1.1", "QoS Scheduling Class Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.2.1.2", "QoS Scheduling Max Packets", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.2.1.3", "QoS Scheduling Mechanism",
     VarType::Integer, AccessRead, &kQoSSchedulingMechanism},
    {},
};

// Layer 2 Management > QoS Management > 802.1p User Priority Table
constexpr QxSNMPVarDesc k8021pUserPriorityTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.6.3.1.1", "User Priority Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.3.1.2", "8021p User Priority Class", VarType::Integer, AccessReadWrite},
    {},
};

// Layer 2 Management > QoS Management > 802.1p Default Priority Table
constexpr QxSNMPVarDesc k8021pDefaultPriorityTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.6.4.1.1", "Priority Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.4.1.2", "8021p Default Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.6.4.1.3", "RADIUS Priority", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > Multicast Filter Mode VLAN Table
const QxOptionList kVLANMode{{2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}};
constexpr QxSNMPVarDesc kMulticastFilterModeVLANTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.17.1.1.1", "VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.17.1.1.2", "VLAN Mode       ", VarType::Integer, AccessReadWrite, &kVLANMode},
    {},
};

// Layer 2 Management > Multicast Filter Management > Multicast Filter Profile Table
constexpr QxSNMPVarDesc kMulticastFilterProfileTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.5.1.1.1", "Multicast Filter Profile Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.1.1.2", "Multicast Filter Profile Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.1.1.3", "Multicast Filter Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > Multicast Filter Management > Multicast Filter Profile Address Table
constexpr QxSNMPVarDesc kMulticastFilterProfileAddressTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.5.2.1.1", "Multicast Filter Profile ID Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.2.1.2", "Multicast Filter From IP", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.2.1.3", "Multicast Filter To IP", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.2.1.4", "Multicast Filter Address State",
     VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > Multicast Filter Management > Limited Multicast Filter Port Table
const QxOptionList kPermitDeny12{{1, "permit"}, {2, "deny"}};
const QxOptionList kOtherAddDelete123{{1, "other"}, {2, "add"}, {3, "delete"}};
constexpr QxSNMPVarDesc kLimitedMulticastFilterPortTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.5.3.1.1", "Limited Multicast Filter Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.3.1.2", "Limited Multicast Filter Port Access",
     VarType::Integer, AccessReadWrite, &kPermitDeny12},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.3.1.3", "Limited Multicast Filter Port Profile ID",
     VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.3.1.4", "Limited Multicast Filter Port Profile Status",
     VarType::Integer, AccessReadWrite, &kOtherAddDelete123},
    {},
};

// Layer 2 Management > Multicast Filter Management > Multicast Filter Port Max Group Table
constexpr QxSNMPVarDesc kMulticastFilterPortMaxGroupTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.5.4.1.1", "Multicast Filter Port Max Group Port Index",
     VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.5.4.1.2", "Multicast Filter Port Max Group", VarType::Integer, AccessReadWrite},
    {},
};

// Layer 2 Management > IGMP Multicast VLAN Control
constexpr QxSNMPVarDesc kIGMPMulticastVLANControl[] = {
    {"1.3.6.1.4.1.58126.12.64.1.1", "IGMP Snooping Multicast VLAN Global State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Information
constexpr QxSNMPVarDesc kIGMPSnoopingInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.1", "IGMP Max Supported VLANs", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.2", "IGMP Max IP Group Number Per VLAN", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Control Table
const QxOptionList kQuerierNonQuerier23{{2, "querier"}, {3, "non-querier"}};
constexpr QxSNMPVarDesc kIGMPSnoopingControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.1", "IGMP Control VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.2", "IGMP Query Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.3", "IGMP Max Response Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.4", "IGMP Robustness", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.5", "IGMP Last Member Query Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.6", "IGMP Host Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.7", "IGMP Route Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.8", "IGMP Leave Timer", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.9", "IGMP Query State",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.10", "IGMP Current State",
     VarType::Integer, AccessRead, &kQuerierNonQuerier23},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.11", "IGMP Control State",
     VarType::Integer, AccessReadWrite, &kDisableEnable23},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.12", "IGMP Fast Leave State",
     VarType::Integer, AccessReadWrite, &kDisableEnable23},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.13", "IGMP Query Version", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.14", "IGMP Dynamic IP Multicast VLAN State",
     VarType::Integer, AccessReadWrite, &kDisableEnable23},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.3.1.15", "IGMP Dynamic IP Multicast VLAN Age",
     VarType::Integer, AccessReadWrite, &kDisableEnable23},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Query Information
constexpr QxSNMPVarDesc kIGMPSnoopingQueryInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.4.1.1", "VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.4.1.2", "Query Count", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.4.1.3", "Send Query Count", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Information (hidden)
const QxOptionList kIncludeExclude12{{1, "include"}, {2, "exclude"}};
constexpr QxSNMPVarDesc kIGMPSnoopingInformationTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.1", "IGMP VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.2", "IGMP Group IP Address", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.3", "IGMP MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.4", "IGMP Port Map", VarType::BitString, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.5", "IGMP IP Group Report Count", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.6", "IGMP Version", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.5.1.7", "IGMP Group Mode", VarType::Integer, AccessRead, &kIncludeExclude12},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Multicast VLAN Group (hidden)
constexpr QxSNMPVarDesc kIGMPMulticastVLANGroup[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.8.1.1", "Group VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.8.1.2", "Group From IP", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.8.1.3", "Group To IP", VarType::IpAddress, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.8.1.4", "Group Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMPv3 Table (hidden)
constexpr QxSNMPVarDesc kIGMPv3Table[] = {
    {"", "IGMP VID", VarType::Integer, AccessIndex},
    {"", "IGMP Group IP Address", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.10.1.1", "IGMPv3 Source IP Address", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.10.1.2", "IGMPv3 Forwarding", VarType::Integer, AccessRead, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.10.1.3", "IGMPv3 Expire Timer", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Access Authentication Table
constexpr QxSNMPVarDesc kIGMPAccessAuthenticationTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.11.20.1.1", "IGMP Access Authentication Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.11.20.1.2", "IGMP Access Authentication State",
     VarType::Integer, AccessReadWrite, &kDisableEnable23},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Multicast VLAN Group Profile Table
constexpr QxSNMPVarDesc kIGMPSnoopingMulticastVLANGroupProfileTable[] = {
    {"1.3.6.1.4.1.58126.12.64.3.2.1.1", "Profile Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.64.3.2.1.2", "Profile ID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.64.3.2.1.3", "Profile Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > IGMP Snooping Management > IGMP Snooping Multicast VLAN Group Profile Address Table
const QxOptionList kAddressType{{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"}, {4, "ipv6z"}, {16, "dns"}};
constexpr QxSNMPVarDesc kIGMPSnoopingMulticastVLANGroupProfileAddressTable[] = {
    {"", "Profile Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.64.3.3.1.1", "Address Type", VarType::Integer, AccessIndex, &kAddressType},
    {"1.3.6.1.4.1.58126.12.64.3.3.1.2", "Address Start", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.64.3.3.1.3", "Address End", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.64.3.3.1.4", "Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > DHCP Management > DHCP Basic Configuration
const QxOptionList kReplaceDropKeep123{{1, "replace"}, {2, "drop"}, {3, "keep"}};
constexpr QxSNMPVarDesc kDHCPManagementDHCPBasicConfiguration[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.8.1", "DHCP Relay State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.8.2", "DHCP Relay Hop Count", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.8.3", "DHCP Relay Time Threshold", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.8.4", "DHCP Relay Option82 State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.8.5", "DHCP Relay Option82 Check",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.11.101.2.2.8.6", "DHCP Relay Option82 Policy",
     VarType::Integer, AccessReadWrite, &kReplaceDropKeep123},
    {"1.3.6.1.4.1.58126.11.101.2.2.24.1", "DHCP Local Relay State",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Layer 2 Management > DHCP Management > DHCP Local Relay VLAN Table
constexpr QxSNMPVarDesc kDHCPLocalRelayVLANTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.24.2.1.1", "DHCP Local Relay VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.24.2.1.2", "DHCP Local Relay VLAN State",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Layer 2 Management > Loop Detection Management > Loop Detection Control
const QxOptionList kVlanBasedPortBased12{{1, "vlan-based"}, {2, "port-based"}};
const QxOptionList kTrapMode{{1, "none"}, {2, "loop-detected"}, {3, "loop-cleared"}, {4, "both"}};
constexpr QxSNMPVarDesc kLoopDetectionControl[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.18.1.1", "Admin State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.1.2", "Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.1.3", "Recover Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.1.4", "Mode", VarType::Integer, AccessReadWrite, &kVlanBasedPortBased12},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.1.5", "Trap Mode", VarType::Integer, AccessReadWrite, &kTrapMode},
    {},
};

// Layer 2 Management > Loop Detection Management > Loop Detection Port Management
const QxOptionList kPortLoopStatus{{1, "normal"}, {2, "loop"}, {3, "error"}, {4, "none"}};
constexpr QxSNMPVarDesc kLoopDetectionPortManagement[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.18.2.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.2.1.1.2", "Port State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.2.1.1.3", "Port Loop VLAN", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.18.2.1.1.4", "Port Loop Status", VarType::Integer, AccessRead, &kPortLoopStatus},
    {},
};

// Layer 2 Management > Packet Storm Management > Packet Storm Control
const QxOptionList kStormTrapControl{{1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}};
constexpr QxSNMPVarDesc kPacketStormControl[] = {
    {"1.3.6.1.4.1.58126.12.25.1.2", "Storm Trap Control", VarType::Integer, AccessReadWrite, &kStormTrapControl},
    {},
};

// Layer 2 Management > Packet Storm Management > Packet Storm Control Table
const QxOptionList kDisabledEnabled12{{1, "disabled"}, {2, "enabled"}};
const QxOptionList kShutdownDrop12{{1, "shutdown"}, {2, "drop"}};
const QxOptionList kYesNo12{{1, "yes"}, {2, "no"}};
constexpr QxSNMPVarDesc kPacketStormControlTable[] = {
    {"1.3.6.1.4.1.58126.12.25.3.1.1.1", "Storm Control Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.2", "Storm Control Threshold", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.3", "Storm Control Broadcast Status",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled12},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.4", "Storm Control Multicast Status",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled12},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.5", "Storm Control Unicast Status",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled12},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.6", "Storm Control Action Status",
     VarType::Integer, AccessReadWrite, &kShutdownDrop12},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.7", "Storm Control Count Down", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.8", "Storm Control Time Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.25.3.1.1.9", "Storm Control Shutdown Forever", VarType::Integer, AccessRead, &kYesNo12},
    {},
};

// Layer 2 Management > Access Control Information > ACL Information
constexpr QxSNMPVarDesc kACLInformation[] = {
    {"1.3.6.1.4.1.58126.12.9.1.2", "ACL Total Used Rule Entries", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.9.1.3", "ACL Total Unused Rule Entries", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > Access Control Information > ACL Mask Delete All
constexpr QxSNMPVarDesc kACLMaskDeleteAll[] = {
    {"1.3.6.1.4.1.58126.12.9.2.5", "Delete All State", VarType::Integer, AccessReadWrite, &kNoneStart12},
    {},
};

// Layer 2 Management > CPU Filter > CPU Filter Control
constexpr QxSNMPVarDesc kCPUFilterControl[] = {
    {"1.3.6.1.4.1.58126.12.9.1.1", "CPU Interface Filtering State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > CPU Filter > CPU ACL Mask Delete All
constexpr QxSNMPVarDesc kCPUACLMaskDeleteAll[] = {
    {"1.3.6.1.4.1.58126.12.9.4.5", "Delete All State", VarType::Integer, AccessReadWrite, &kNoneStart12},
    {},
};

// Layer 2 Management > CPU Filter > Ethernet Mask (CPU Filter)
const QxOptionList kCPUACLEthernetMACAddressMaskState{
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"},
};
constexpr FormatAt kEthernetMaskCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {3, "%s{l12}"}, {4, "%s{l12}"}};
constexpr QxSNMPVarDesc kEthernetMaskCPUFilter[] = {
    {"1.3.6.1.4.1.58126.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State",
     VarType::Integer, AccessReadWrite, &kCPUACLEthernetMACAddressMaskState},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask",
     VarType::MacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask",
     VarType::MacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.6", "CPU ACL Ethernet Use 802.1P",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.9.4.1.1.8", "CPU ACL Ethernet Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > CPU Filter > IP Mask (CPU Filter)
const QxOptionList kIPAddressMaskState{{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}};
const QxOptionList kUseProtocolType{{1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}};
const QxOptionList kICMPOption{{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}};
const QxOptionList kTCPOption{{1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}};
constexpr FormatAt kIPMaskCPUFilterFormats[] = {
    {0, "%i{n1x5l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"},
    {16, "%i{n0x255l3}"}, {17, "%s{l8}"},
};
constexpr QxSNMPVarDesc kIPMaskCPUFilter[] = {
    {"1.3.6.1.4.1.58126.12.9.4.2.1.1", "Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.2", "Use VLAN", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.3", "IP Address Mask State",
     VarType::Integer, AccessReadWrite, &kIPAddressMaskState},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.4", "IP Address Mask Source", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.5", "IP Address Mask Destination", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.6", "Use DSCP", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.7", "Use Protocol Type", VarType::Integer, AccessReadWrite, &kUseProtocolType},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.8", "ICMP Option", VarType::Integer, AccessReadWrite, &kICMPOption},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.9", "IGMP Option", VarType::Integer, AccessReadWrite, &kEnableDisable12},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.10", "TCP Option", VarType::Integer, AccessReadWrite, &kTCPOption},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.11", "UDP Option", VarType::Integer, AccessReadWrite, &kTCPOption},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.14", "TCP Flag Bit", VarType::Integer, AccessReadWrite, &kEnableDisable12},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.15", "TCP Flag Bit Mask", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.16", "Protocol ID Option", VarType::Integer, AccessReadWrite, &kEnableDisable12},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.17", "Protocol ID Mask", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.18", "User Mask", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.2.1.19", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > CPU Filter > Packet Content Mask (CPU Filter)
constexpr FormatAt kPacketContentMaskCPUFilterFormats[] = {
    {0, "%i{n1x5l1}"}, {1, "%s{l32}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"},
};
constexpr QxSNMPVarDesc kPacketContentMaskCPUFilter[] = {
    {"1.3.6.1.4.1.58126.12.9.4.3.1.1", "Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.3.1.7", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > CPU Filter > IPv6 Mask Information (CPU Filter)
const QxOptionList kMaskState{{1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}};
constexpr FormatAt kIPv6MaskInformationCPUFilterFormats[] = {{0, "%i{n1x5l1}"}, {4, "%s{l32}"}, {5, "%s{l32}"}};
constexpr QxSNMPVarDesc kIPv6MaskInformationCPUFilter[] = {
    {"1.3.6.1.4.1.58126.12.9.4.4.1.1", "Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.2", "Class", VarType::Integer, AccessReadWrite, &kEnableDisable12},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.3", "Flow Label", VarType::Integer, AccessReadWrite, &kEnableDisable12},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.4", "Mask State", VarType::Integer, AccessReadWrite, &kMaskState},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.5", "Source IPv6 Mask", VarType::Ipv6Address, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.6", "Destination IPv6 Mask", VarType::Ipv6Address, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.9.4.4.1.7", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 2 Management > Time Range > Time Range ACL Table
constexpr QxSNMPVarDesc kTimeRangeACLTable[] = {
    {"1.3.6.1.4.1.58126.12.50.3.2.1.1", "TimeRange ACL Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.50.3.2.1.2", "TimeRange ACL Access ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.50.3.2.1.3", "TimeRange ACL Time Range Name", VarType::DisplayString, AccessReadWrite},
    {},
};

// Layer 2 Management > Time Range > Time Range CPU ACL Table
constexpr QxSNMPVarDesc kTimeRangeCPUACLTable[] = {
    {"1.3.6.1.4.1.58126.12.50.3.3.1.1", "Time Range CPU ACL Profile ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.50.3.3.1.2", "Time Range CPU ACL Access ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.50.3.3.1.3", "Time Range CPU ACL Time Range Name", VarType::DisplayString, AccessReadWrite},
    {},
};

// Layer 2 Management > Filter Management > Filter DHCP Port Table
constexpr QxSNMPVarDesc kFilterDHCPPortTable[] = {
    {"1.3.6.1.4.1.58126.12.37.1.2.1.1", "Filter DHCP Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.37.1.2.1.2", "Filter DHCP Port State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > Filter Management > Filter DHCP Server Log Table
const QxOptionList kDHCPServerIllegalServerLogSuppressDuration{
    {1, "duration_1min"}, {2, "duration_5min"}, {3, "duration_30min"},
};
constexpr QxSNMPVarDesc kFilterDHCPServerLogTable[] = {
    {"1.3.6.1.4.1.58126.12.37.1.3", "DHCP Server Illegal server Log Suppress Duration",
     VarType::Integer, AccessReadWrite, &kDHCPServerIllegalServerLogSuppressDuration},
    {"1.3.6.1.4.1.58126.12.37.1.4", "DHCP Server Trap Log State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > Packet Egress Filter Control Table
constexpr QxSNMPVarDesc kPacketEgressFilterControlTable[] = {
    {"1.3.6.1.4.1.58126.12.37.5.1.1.1", "Packet Egress Filter Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.37.5.1.1.2", "Packet Egress Filter Unknown Unicast Status",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.37.5.1.1.3", "Packet Egress Filter Unknown Multicast Status",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 2 Management > 802.3 ad > Aggregator Table
constexpr QxSNMPVarDesc kAggregatorTable[] = {
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.2", "MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.3", "Actor System Priority", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.4", "Actor System ID", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.5", "Aggregate Or Individual", VarType::Integer, AccessRead, &kTrueFalse12},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.6", "Actor Admin value Key", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.7", "Actor Operational Value Key", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.8", "Partner System ID", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.9", "Partner System Priority", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.10", "Partner Operational Value Key", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.11", "Collector Max Delay", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > 802.3 ad > Aggregator Port List
constexpr QxSNMPVarDesc kAggregatorPortList[] = {
    {"1.3.6.1.4.1.58126.12.4.1.1.1.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.4.1.1.2.1.1", "Ports                ", VarType::BitString, AccessRead},
    {},
};

// Layer 2 Management > MLD Snooping > MLD Snooping Management
constexpr QxSNMPVarDesc kMLDSnoopingManagement[] = {
    {"1.3.6.1.4.1.58126.12.34.1.1", "MLD Snooping Global State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.12.34.3.1", "MLD Snooping Max Supported VLANs", VarType::Integer, AccessRead},
    {},
};

// Layer 2 Management > MLD Snooping > MLD Snooping Control
const QxOptionList kOtherQuerierNonQuerier123{{1, "other"}, {2, "querier"}, {3, "non-querier"}};
const QxOptionList kOtherDisableEnable123{{1, "other"}, {2, "disable"}, {3, "enable"}};
const QxOptionList kVersion1Version212{{1, "version-1"}, {2, "version-2"}};
constexpr QxSNMPVarDesc kMLDSnoopingControl[] = {
    {"1.3.6.1.4.1.58126.12.34.3.2.1.1", "MLD Snooping Control VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.2", "MLD Snooping Query Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.3", "MLD Snooping Max Response Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.4", "MLD Snooping Robustness", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.6", "MLD Snooping Host Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.7", "MLD Snooping Route Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.8", "MLD Snooping Done Timer", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.9", "MLD Snooping Query State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.10", "MLD Snooping Current State",
     VarType::Integer, AccessRead, &kOtherQuerierNonQuerier123},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.11", "MLD Snooping Control State",
     VarType::Integer, AccessReadWrite, &kOtherDisableEnable123},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.12", "MLD Snooping Fast Done State",
     VarType::Integer, AccessReadWrite, &kOtherDisableEnable123},
    {"1.3.6.1.4.1.58126.12.34.3.2.1.13", "MLD Snooping Version",
     VarType::Integer, AccessReadWrite, &kVersion1Version212},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "layer_2_management", .depth = 0, .caption = "Layer 2 Management"},
    {.id = "layer_2_management.layer2_device_control", .depth = 1, .caption = "Layer2 Device Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Layer2 Device Control: "},
     .formClass = "TLayer2ControlForm"},
    {.id = "layer_2_management.port_management", .depth = 1, .caption = "Port Management"},
    {.id = "layer_2_management.port_management.jumbo_frame_ctrl", .depth = 2, .caption = "Jumbo Frame Ctrl",
     .opens = Opens::Generic, .pageCaption = {.text = "Jumbo Frame Control: "},
     .page = {.table = kJumboFrameCtrl, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.port_management.port_information_table", .depth = 2,
     .caption = "Port Information Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Information Table: "},
     .page = {.table = kPortManagementPortInformationTable, .kind = VarListKind::Table, .indexCount = 2}},
    {.id = "layer_2_management.port_management.port_control_table", .depth = 2, .caption = "Port Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Control Table:"},
     .page = {.table = kPortControlTable, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.editWidthPx = 200}}},
    {.id = "layer_2_management.port_management.port_cable_diagnostics_table", .depth = 2,
     .caption = "Port Cable Diagnostics Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Port Cable Diagnostics Table: "},
     .page = {.table = kPortCableDiagnosticsTable, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.port_management.port_counter_control_table", .depth = 2,
     .caption = "Port Counter Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Counter Control Table: "},
     .page = {.table = kPortCounterControlTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.port_management.port_error_table", .depth = 2, .caption = "Port Error Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Error Table: "},
     .page = {.table = kPortErrorTable, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.port_management.trunk_basic_information", .depth = 2,
     .caption = "Trunk Basic Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Trunk Information: "},
     .page = {.table = kTrunkBasicInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.port_management.port_trunk_table", .depth = 2, .caption = "Port Trunk Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Port Trunk: "}, .formClass = "TPortTrunkForm"},
    {.id = "layer_2_management.port_management.lacp_port_table", .depth = 2, .caption = "LACP Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "LACP Port Table: "},
     .page = {.table = kLACPPortTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.port_management.trunk_vlan_table", .depth = 2, .caption = "Trunk VLAN Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Trunk VLAN Table", .separator = " : "},
     .page = {.table = kTrunkVLANTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.port_management.port_mirror_table", .depth = 2, .caption = "Port Mirror Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Port Mirror: "}, .formClass = "TPortMirrorForm"},
    {.id = "layer_2_management.port_management.port_security_management", .depth = 2,
     .caption = "Port Security Management"},
    {.id = "layer_2_management.port_management.port_security_management.port_security_table", .depth = 3,
     .caption = "Port Security Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Security Table: "},
     .page = {.table = kPortSecurityTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.port_management.port_security_management.port_security_delete", .depth = 3,
     .caption = "Port Security Delete",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Port Security Delete: "}, .formClass = "TPrtSecDelCtrlForm"},
    {.id = "layer_2_management.qos_management", .depth = 1, .caption = "QoS Management"},
    {.id = "layer_2_management.qos_management.qos_control", .depth = 2, .caption = "QoS Control",
     .opens = Opens::Generic, .pageCaption = {.text = "QoS Scheduling Mechanism Control: "},
     .page = {.table = kQoSControl, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "layer_2_management.qos_management.bandwidth_control_table", .depth = 2,
     .caption = "Bandwidth Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Bandwidth Control Table: "},
     .page = {.table = kBandwidthControlTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "layer_2_management.qos_management.scheduling_table", .depth = 2, .caption = "Scheduling Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Scheduling Table: "},
     .page = {.table = kSchedulingTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "layer_2_management.qos_management.802_1p_user_priority_table", .depth = 2,
     .caption = "802.1p User Priority Table",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1p User Priority Table: "},
     .page = {.table = k8021pUserPriorityTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "layer_2_management.qos_management.802_1p_default_priority_table", .depth = 2,
     .caption = "802.1p Default Priority Table",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1p Default Priority Table: "},
     .page = {.table = k8021pDefaultPriorityTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "layer_2_management.multicast_filter_mode_vlan_table", .depth = 1,
     .caption = "Multicast Filter Mode VLAN Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multicast Filter Mode VLAN Table: "},
     .page = {.table = kMulticastFilterModeVLANTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450, .editWidthPx = 180}}},
    {.id = "layer_2_management.multicast_filter_management", .depth = 1, .caption = "Multicast Filter Management"},
    {.id = "layer_2_management.multicast_filter_management.multicast_filter_profile_table", .depth = 2,
     .caption = "Multicast Filter Profile Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multicast Filter Profile Table: "},
     .page = {.table = kMulticastFilterProfileTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "layer_2_management.multicast_filter_management.multicast_filter_profile_address_table", .depth = 2,
     .caption = "Multicast Filter Profile Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multicast Filter Profile Address Table: "},
     .page = {.table = kMulticastFilterProfileAddressTable, .kind = VarListKind::TableU, .indexCount = 3,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}, .editHidden = true}},
    {.id = "layer_2_management.multicast_filter_management.limited_multicast_filter_port_table", .depth = 2,
     .caption = "Limited Multicast Filter Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Limited Multicast Filter Port Table: "},
     .page = {.table = kLimitedMulticastFilterPortTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.multicast_filter_management.multicast_filter_port_max_group_table", .depth = 2,
     .caption = "Multicast Filter Port Max Group Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multicast Filter Port Max Group Table : "},
     .page = {.table = kMulticastFilterPortMaxGroupTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.igmp_multicast_vlan_control", .depth = 1, .caption = "IGMP Multicast VLAN Control",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Multicast VLAN Control: "},
     .page = {.table = kIGMPMulticastVLANControl, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.igmp_snooping_management", .depth = 1, .caption = "IGMP Snooping Management"},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_information", .depth = 2,
     .caption = "IGMP Snooping Information",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Information: "},
     .page = {.table = kIGMPSnoopingInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_control_table", .depth = 2,
     .caption = "IGMP Snooping Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Control: "},
     .page = {.table = kIGMPSnoopingControlTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_query_information", .depth = 2,
     .caption = "IGMP Snooping Query Information",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Query Information: "},
     .page = {.table = kIGMPSnoopingQueryInformation, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_information_table", .depth = 2,
     .caption = "IGMP Snooping Information", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Information: "},
     .page = {.table = kIGMPSnoopingInformationTable, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_router_ports", .depth = 2,
     .caption = "IGMP Snooping Router Ports",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IGMP Snooping Router Ports: "},
     .formClass = "TIGMPRouterPortsForm"},
    {.id = "layer_2_management.igmp_snooping_management.igmp_multicast_vlan_table", .depth = 2,
     .caption = "IGMP Multicast VLAN Table", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IGMP Multicast VLAN Table: "},
     .formClass = "TIGMPMulticastVlanForm"},
    {.id = "layer_2_management.igmp_snooping_management.igmp_multicast_vlan_group", .depth = 2,
     .caption = "IGMP Multicast VLAN Group", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Multicast VLAN Group: "},
     .page = {.table = kIGMPMulticastVLANGroup, .kind = VarListKind::TableU, .indexCount = 3,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}, .editHidden = true}},
    {.id = "layer_2_management.igmp_snooping_management.igmpv3_table", .depth = 2, .caption = "IGMPv3 Table",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "IGMPv3 Table: "},
     .page = {.table = kIGMPv3Table, .kind = VarListKind::TableU, .indexCount = 3,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_soonping_group", .depth = 2,
     .caption = "IGMP Soonping Group",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IGMP Snooping Group Table: "},
     .formClass = "TIGMP_SnoopingGroupTableForm"},
    {.id = "layer_2_management.igmp_snooping_management.igmp_access_authentication_table", .depth = 2,
     .caption = "IGMP Access Authentication Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "IGMP Access Authentication Table", .separator = " : "},
     .page = {.table = kIGMPAccessAuthenticationTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_multicast_vlan_table", .depth = 2,
     .caption = "IGMP Snooping Multicast VLAN Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IGMP Snooping Multicast VLAN Table: "},
     .formClass = "TIGMPMulticastVlanForm"},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_multicast_vlan_group_profile_table", .depth = 2,
     .caption = "IGMP Snooping Multicast VLAN Group Profile Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Multicast VLAN Group Proflie Table: "},
     .page = {.table = kIGMPSnoopingMulticastVLANGroupProfileTable, .kind = VarListKind::TableU,
              .indexCount = 1, .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "layer_2_management.igmp_snooping_management.igmp_snooping_multicast_vlan_group_profile_address_table",
     .depth = 2, .caption = "IGMP Snooping Multicast VLAN Group Profile Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IGMP Snooping Multicast VLAN Group Proflie Address Table: "},
     .page = {.table = kIGMPSnoopingMulticastVLANGroupProfileAddressTable, .kind = VarListKind::TableU,
              .indexCount = 4, .add = {4, "createAndGo"}, .remove = {4, "destroy"}, .editHidden = true}},
    {.id = "layer_2_management.dhcp_management", .depth = 1, .caption = "DHCP Management"},
    {.id = "layer_2_management.dhcp_management.dhcp_basic_configuration", .depth = 2,
     .caption = "DHCP Basic Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "DHCP Basic Configuration: "},
     .page = {.table = kDHCPManagementDHCPBasicConfiguration, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.dhcp_management.dhcp_control_table", .depth = 2, .caption = "DHCP Control Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "DHCP Control Table: "}, .formClass = "TBOOTCtrlTableForm"},
    {.id = "layer_2_management.dhcp_management.dhcp_local_relay_vlan_table", .depth = 2,
     .caption = "DHCP Local Relay VLAN Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "DHCP Local Relay VLAN Table", .separator = " : "},
     .page = {.table = kDHCPLocalRelayVLANTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.loop_detection_management", .depth = 1, .caption = "Loop Detection Management"},
    {.id = "layer_2_management.loop_detection_management.loop_detection_control", .depth = 2,
     .caption = "Loop Detection Control",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Loop Detection Control", .separator = " : "},
     .page = {.table = kLoopDetectionControl, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.loop_detection_management.loop_detection_port_management", .depth = 2,
     .caption = "Loop Detection Port Management",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Loop Detection Port Management", .separator = " : "},
     .page = {.table = kLoopDetectionPortManagement, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.packet_storm_management", .depth = 1, .caption = "Packet Storm Management"},
    {.id = "layer_2_management.packet_storm_management.packet_storm_control", .depth = 2,
     .caption = "Packet Storm Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Packet Storm Control:"},
     .page = {.table = kPacketStormControl, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.packet_storm_management.packet_storm_control_table", .depth = 2,
     .caption = "Packet Storm Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Traffic Control Table: "},
     .page = {.table = kPacketStormControlTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.traffic_segmentation_table", .depth = 1, .caption = "Traffic Segmentation Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Traffic Segmentation Table: "},
     .formClass = "TTrafficSegmentationForm"},
    {.id = "layer_2_management.access_control_information", .depth = 1, .caption = "Access Control Information"},
    {.id = "layer_2_management.access_control_information.acl_information", .depth = 2, .caption = "ACL Information",
     .opens = Opens::Generic, .pageCaption = {.text = "ACL Information: "},
     .page = {.table = kACLInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.access_control_information.acl_mask_delete_all", .depth = 2,
     .caption = "ACL Mask Delete All",
     .opens = Opens::Generic, .pageCaption = {.text = "ACL Delete All Mask : "},
     .page = {.table = kACLMaskDeleteAll, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.access_control_information.ethernet_mask_information", .depth = 2,
     .caption = "Ethernet Mask Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Ethernet Mask Information: "},
     .formClass = "TEthernetMaskInformationForm"},
    {.id = "layer_2_management.access_control_information.ethernet_information_rule", .depth = 2,
     .caption = "Ethernet Information Rule",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Ethernet Information Rule: "},
     .formClass = "TEthernetInformationRuleForm"},
    {.id = "layer_2_management.access_control_information.ip_mask_information", .depth = 2,
     .caption = "IP Mask Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP Mask Information: "},
     .formClass = "TIPMaskInformationForm"},
    {.id = "layer_2_management.access_control_information.ip_rule", .depth = 2, .caption = "IP Rule",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP Rule: "}, .formClass = "TIPRuleForm"},
    {.id = "layer_2_management.access_control_information.packet_content_mask", .depth = 2,
     .caption = "Packet Content Mask",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Packet Content Mask Information: "},
     .formClass = "TPktContentMaskForm"},
    {.id = "layer_2_management.access_control_information.packet_content_rule", .depth = 2,
     .caption = "Packet Content Rule",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Packet Content Rule Information: "},
     .formClass = "TPktContentRuleForm"},
    {.id = "layer_2_management.access_control_information.ipv6_mask_information", .depth = 2,
     .caption = "IPv6 Mask Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IPV6 Mask Information: "}, .formClass = "TIPv6MaskInfoForm"},
    {.id = "layer_2_management.access_control_information.ipv6_rule", .depth = 2, .caption = "IPv6 Rule",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IPV6 Rule: "}, .formClass = "TIpv6RuleForm"},
    {.id = "layer_2_management.access_control_information.ip_mac_binding_ethernet_mask", .depth = 2,
     .caption = "IP-MAC Binding Ethernet Mask", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding Ethernet Mask : "},
     .formClass = "TIBPACLEtherMaskForm"},
    {.id = "layer_2_management.access_control_information.ip_mac_binding_ethernet_rule", .depth = 2,
     .caption = "IP-MAC Binding Ethernet Rule", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding Ethernet Rule : "},
     .formClass = "TIBPEtherRuleForm"},
    {.id = "layer_2_management.access_control_information.ip_mac_binding_ip_mask", .depth = 2,
     .caption = "IP-MAC Binding IP Mask", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding IP Mask : "}, .formClass = "TIBPIPMaskForm"},
    {.id = "layer_2_management.access_control_information.ip_mac_binding_ip_rule", .depth = 2,
     .caption = "IP-MAC Binding IP Rule", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding IP Rule : "}, .formClass = "TIBPIPRuleForm"},
    {.id = "layer_2_management.cpu_filter", .depth = 1, .caption = "CPU Filter"},
    {.id = "layer_2_management.cpu_filter.cpu_filter_control", .depth = 2, .caption = "CPU Filter Control",
     .opens = Opens::Generic, .pageCaption = {.text = "CPU Filtering Control: "},
     .page = {.table = kCPUFilterControl, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.cpu_filter.cpu_acl_mask_delete_all", .depth = 2, .caption = "CPU ACL Mask Delete All",
     .opens = Opens::Generic, .pageCaption = {.text = "CPU ACL Delete All Mask : "},
     .page = {.table = kCPUACLMaskDeleteAll, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.cpu_filter.ethernet_mask_cpu_filter", .depth = 2,
     .caption = "Ethernet Mask (CPU Filter)",
     .opens = Opens::Generic, .pageCaption = {.text = "Ethernet Mask (CPU Filter): "},
     .page = {.table = kEthernetMaskCPUFilter, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {7, "createAndGo"}, .remove = {7, "destroy"}, .editHidden = true,
              .formats = kEthernetMaskCPUFilterFormats,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.cpu_filter.ethernet_rule_cpu_filter", .depth = 2,
     .caption = "Ethernet Rule (CPU Filter)",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Ethernet Rule (CPU Filter): "},
     .formClass = "TCPUFilterEthernetRuleForm"},
    {.id = "layer_2_management.cpu_filter.ip_mask_cpu_filter", .depth = 2, .caption = "IP Mask (CPU Filter)",
     .opens = Opens::Generic, .pageCaption = {.text = "IP Mask (CPU Filter): "},
     .page = {.table = kIPMaskCPUFilter, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {18, "createAndGo"}, .remove = {18, "destroy"}, .editHidden = true,
              .formats = kIPMaskCPUFilterFormats,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.cpu_filter.ip_rule_cpu_filter", .depth = 2, .caption = "IP Rule (CPU Filter)",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP Rule (CPU Filter): "},
     .formClass = "TCPUFilterIPRuleForm"},
    {.id = "layer_2_management.cpu_filter.packet_content_mask_cpu_filter", .depth = 2,
     .caption = "Packet Content Mask (CPU Filter)",
     .opens = Opens::Generic, .pageCaption = {.text = "Packet Content Mask (CPU Filter): "},
     .page = {.table = kPacketContentMaskCPUFilter, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {6, "createAndGo"}, .remove = {6, "destroy"}, .editHidden = true,
              .formats = kPacketContentMaskCPUFilterFormats,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.cpu_filter.packet_content_rule_cpu_filter", .depth = 2,
     .caption = "Packet Content Rule (CPU Filter)",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Packet Content Rule (CPU Filter): "},
     .formClass = "TCPUFilterPktCntRuleForm"},
    {.id = "layer_2_management.cpu_filter.ipv6_mask_information_cpu_filter", .depth = 2,
     .caption = "IPv6 Mask Information (CPU Filter)",
     .opens = Opens::Generic, .pageCaption = {.text = "IPV6 Mask Information(CPU Filter): "},
     .page = {.table = kIPv6MaskInformationCPUFilter, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {6, "createAndGo"}, .remove = {6, "destroy"}, .editHidden = true,
              .formats = kIPv6MaskInformationCPUFilterFormats,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.cpu_filter.ipv6_rule_cpu_filter", .depth = 2, .caption = "IPv6 Rule (CPU Filter)",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IPv6 Rule (CPU Filter): "},
     .formClass = "TCPUFilterIPV6RuleForm"},
    {.id = "layer_2_management.time_range", .depth = 1, .caption = "Time Range"},
    {.id = "layer_2_management.time_range.time_range_management", .depth = 2, .caption = "Time Range Management",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Time Range Management: "}, .formClass = "TTimeRangeForm"},
    {.id = "layer_2_management.time_range.time_range_acl_table", .depth = 2, .caption = "Time Range ACL Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Time Range ACL Table: "},
     .page = {.table = kTimeRangeACLTable, .kind = VarListKind::TableU, .indexCount = 2}},
    {.id = "layer_2_management.time_range.time_range_cpu_acl_table", .depth = 2,
     .caption = "Time Range CPU ACL Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Time Range CPU ACL Table: "},
     .page = {.table = kTimeRangeCPUACLTable, .kind = VarListKind::TableU, .indexCount = 2}},
    {.id = "layer_2_management.filter_management", .depth = 1, .caption = "Filter Management"},
    {.id = "layer_2_management.filter_management.filter_dhcp_permit_table", .depth = 2,
     .caption = "Filter DHCP Permit Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Filter DHCP Permit Table: "},
     .formClass = "TFilterDHCPPermitForm"},
    {.id = "layer_2_management.filter_management.filter_dhcp_port_table", .depth = 2,
     .caption = "Filter DHCP Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Filter DHCP Port Table: "},
     .page = {.table = kFilterDHCPPortTable, .kind = VarListKind::TableU, .indexCount = 1}},
    // Two scalars, so a scalar group (kind 0): every set then goes to the object's ".0" instance.
    {.id = "layer_2_management.filter_management.filter_dhcp_server_log_table", .depth = 2,
     .caption = "Filter DHCP Server Log Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Filter DHCP Server Log Table: "},
     .page = {.table = kFilterDHCPServerLogTable, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.packet_egress_filter_control_table", .depth = 1,
     .caption = "Packet Egress Filter Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Packet Egress Filter Control Table: "},
     .page = {.table = kPacketEgressFilterControlTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_2_management.802_3_ad", .depth = 1, .caption = "802.3 ad"},
    {.id = "layer_2_management.802_3_ad.aggregator_table", .depth = 2, .caption = "Aggregator Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Aggregator Table: "},
     .page = {.table = kAggregatorTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "layer_2_management.802_3_ad.aggregator_port_list", .depth = 2, .caption = "Aggregator Port List",
     .opens = Opens::Generic, .pageCaption = {.text = "Aggregator Port List Table: "},
     .page = {.table = kAggregatorPortList, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.802_3_ad.aggregator_port_table", .depth = 2, .caption = "Aggregator Port Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Aggregator Port: "},
     .formClass = "TAggregatorPortTableForm"},
    {.id = "layer_2_management.poe", .depth = 1, .caption = "PoE", .hidden = true},
    {.id = "layer_2_management.poe.system_control", .depth = 2, .caption = "System Control"},
    {.id = "layer_2_management.poe.system_information", .depth = 2, .caption = "System information"},
    {.id = "layer_2_management.poe.port_control", .depth = 2, .caption = "Port Control"},
    {.id = "layer_2_management.poe.port_information", .depth = 2, .caption = "Port information"},
    {.id = "layer_2_management.mld_snooping", .depth = 1, .caption = "MLD Snooping"},
    {.id = "layer_2_management.mld_snooping.mld_snooping_management", .depth = 2,
     .caption = "MLD Snooping Management",
     .opens = Opens::Generic, .pageCaption = {.text = "MLD Snooping Management: "},
     .page = {.table = kMLDSnoopingManagement, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_2_management.mld_snooping.mld_snooping_control", .depth = 2, .caption = "MLD Snooping Control",
     .opens = Opens::Generic, .pageCaption = {.text = "MLD Snooping Control: "},
     .page = {.table = kMLDSnoopingControl, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_2_management.mld_snooping.mld_snooping_group_information", .depth = 2,
     .caption = "MLD Snooping Group Information", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MLD Snooping Group Information: "},
     .formClass = "TMLD_SnoopingGroupForm"},
    {.id = "layer_2_management.mld_snooping.mld_snooping_router_ports", .depth = 2,
     .caption = "MLD Snooping Router Ports",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MLD Snooping Router Ports: "},
     .formClass = "TMLD_SnoopingRouterPortsForm"},
    {.id = "layer_2_management.mld_snooping.mld_snooping_group_table", .depth = 2,
     .caption = "MLD Snooping Group Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MLD Snooping Group Table: "},
     .formClass = "TMLD_SnoopingGroupTableForm"},
};

}  // namespace

std::span<const MenuItem> Layer2ManagementMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
