// The "VLAN" menu: 802.1P and 802.1Q bridges, protocol and MAC-based VLANs.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// VLAN > 802.1P > Priority Information > Default User Priorities of Each Port
constexpr QxSNMPVarDesc kDefaultUserPrioritiesOfEachPort[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", VarType::Integer, AccessRead},
    {},
};

// VLAN > 802.1P > Priority Information > Regenerated User Priorities (hidden)
constexpr QxSNMPVarDesc kRegeneratedUserPriorities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", VarType::Integer, AccessReadWrite},
    {},
};

// VLAN > 802.1P > Priority Information > User Priorities To Traffic Class
constexpr QxSNMPVarDesc kUserPrioritiesToTrafficClass[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", VarType::Integer, AccessReadWrite},
    {},
};

// VLAN > 802.1P > Priority Information > Port Outbound Access Priorities (hidden)
constexpr QxSNMPVarDesc kPortOutboundAccessPriorities[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", VarType::Integer, AccessRead},
    {},
};

// VLAN > 802.1P > High Capacity > Port Table (hidden)
constexpr QxSNMPVarDesc kHighCapacityPortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", VarType::Integer, AccessRead},
    {},
};

// VLAN > 802.1P > High Capacity > Port Overflow (hidden)
constexpr QxSNMPVarDesc kHighCapacityPortOverflow[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", VarType::Counter, AccessRead},
    {},
};

// VLAN > 802.1Q > Forwarding/Filtering > Unicast Forwarding Information
const QxOptionList kUnicastForwardingInformationStatus{
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"},
};
constexpr QxSNMPVarDesc kUnicastForwardingInformation[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", VarType::Integer, AccessRead, &kUnicastForwardingInformationStatus},
    {},
};

// VLAN > 802.1Q > Forwarding/Filtering > Filtering Database
constexpr QxSNMPVarDesc kFilteringDatabase[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", VarType::Gauge, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", VarType::Counter, AccessRead},
    {},
};

// VLAN > 802.1Q > Forwarding/Filtering > Filtering Information (hidden)
constexpr QxSNMPVarDesc kFilteringInformation[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", VarType::Gauge, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", VarType::OctetString, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", VarType::OctetString, AccessRead},
    {},
};

// VLAN > Protocol VLAN > Protocol VLAN Group
const QxOptionList kEthernetRfc1042LlcOther125{{1, "ethernet"}, {2, "rfc1042"}, {5, "llcOther"}};
constexpr QxSNMPVarDesc kProtocolVLANGroup[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", VarType::Integer, AccessIndex, &kEthernetRfc1042LlcOther125},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", VarType::OctetString, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// VLAN > Protocol VLAN > Protocol VLAN Port
constexpr QxSNMPVarDesc kProtocolVLANPort[] = {
    {"", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VID", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {},
};

// VLAN > Protocol VLAN > Protocol VLAN Group Priority
constexpr QxSNMPVarDesc kProtocolVLANGroupPriority[] = {
    {"", "Port", VarType::Integer, AccessIndex},
    {"", "Group ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.16.1.2.1.1", "Port Group Priority", VarType::Integer, AccessReadWrite},
    {},
};

// VLAN > Static MAC-Based VLAN
constexpr QxSNMPVarDesc kStaticMACBasedVLAN[] = {
    {"1.3.6.1.4.1.58126.12.56.3.1.1.1", "Static MAC-Based VLAN Control MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.56.3.1.1.2", "Static MAC-Based VLAN Control VLAN Name",
     VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.56.3.1.1.3", "Static MAC-Based VLAN Control Status",
     VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {},
};

// VLAN > PVID VLAN Auto Assignment State
constexpr QxSNMPVarDesc kPVIDVLANAutoAssignmentState[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.2.2", "PVID Auto Assignment State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// VLAN > VLAN Static Management
constexpr QxSNMPVarDesc kVLANStaticManagement[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.2.1.1.1", "VLAN Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.2.1.1.2", "VLAN Advertisement",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// VLAN > VLAN Port Information
const QxOptionList kPortRole{{1, "none"}, {2, "untagged"}, {3, "tagged"}, {4, "dynamic"}, {5, "forbidden"}};
constexpr QxSNMPVarDesc kVLANPortInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.2.3.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.2.3.1.2", "VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.2.2.3.1.3", "Port Role", VarType::Integer, AccessRead, &kPortRole},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "vlan", .depth = 0, .caption = "VLAN"},
    {.id = "vlan.802_1p", .depth = 1, .caption = "802.1P"},
    {.id = "vlan.802_1p.basic_configure", .depth = 2, .caption = "Basic Configure",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "802.1P Basic Configure: "},
     .formClass = "TPBridgeConfigForm"},
    {.id = "vlan.802_1p.priority_information", .depth = 2, .caption = "Priority Information"},
    {.id = "vlan.802_1p.priority_information.default_user_priorities_of_each_port", .depth = 3,
     .caption = "Default User Priorities of Each Port",
     .opens = Opens::Generic, .pageCaption = {.text = "Default User Priorities of Each Port: "},
     .page = {.table = kDefaultUserPrioritiesOfEachPort, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "vlan.802_1p.priority_information.regenerated_user_priorities", .depth = 3,
     .caption = "Regenerated User Priorities", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Regenerated User Priorities: "},
     .page = {.table = kRegeneratedUserPriorities, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "vlan.802_1p.priority_information.user_priorities_to_traffic_class", .depth = 3,
     .caption = "User Priorities To Traffic Class",
     .opens = Opens::Generic, .pageCaption = {.text = "User Priorities To Traffic Class: "},
     .page = {.table = kUserPrioritiesToTrafficClass, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "vlan.802_1p.priority_information.port_outbound_access_priorities", .depth = 3,
     .caption = "Port Outbound Access Priorities", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Port Outbound Access Priorities: "},
     .page = {.table = kPortOutboundAccessPriorities, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "vlan.802_1p.gmrp", .depth = 2, .caption = "GMRP", .hidden = true},
    {.id = "vlan.802_1p.garp", .depth = 2, .caption = "GARP",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "GARP: "}, .formClass = "TGARPForm"},
    {.id = "vlan.802_1p.port_capability", .depth = 2, .caption = "Port Capability",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Port Capability Form: "},
     .formClass = "TPortCapabilities8021dForm"},
    {.id = "vlan.802_1p.high_capacity", .depth = 2, .caption = "High Capacity", .hidden = true},
    {.id = "vlan.802_1p.high_capacity.port_table", .depth = 3, .caption = "Port Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "High Capacity Port Table: "},
     .page = {.table = kHighCapacityPortTable, .kind = VarListKind::Table}},
    {.id = "vlan.802_1p.high_capacity.port_overflow", .depth = 3, .caption = "Port Overflow", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "High Capacity Port Overflow Table: "},
     .page = {.table = kHighCapacityPortOverflow, .kind = VarListKind::Table}},
    {.id = "vlan.802_1q", .depth = 1, .caption = "802.1Q"},
    {.id = "vlan.802_1q.802_1q_bridge", .depth = 2, .caption = "802.1Q Bridge"},
    {.id = "vlan.802_1q.802_1q_bridge.basic_configure", .depth = 3, .caption = "Basic Configure",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "802.1Q Basic Configure: "},
     .formClass = "TVLanGeneralInfoForm"},
    {.id = "vlan.802_1q.802_1q_bridge.port_information", .depth = 3, .caption = "Port Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "VLAN Port Information Form: "},
     .formClass = "TVLanPortInfomationForm"},
    {.id = "vlan.802_1q.forwarding_filtering", .depth = 2, .caption = "Forwarding/Filtering"},
    {.id = "vlan.802_1q.forwarding_filtering.unicast_forwarding_information", .depth = 3,
     .caption = "Unicast Forwarding Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Unicast Forwarding Information: "},
     .page = {.table = kUnicastForwardingInformation, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "vlan.802_1q.forwarding_filtering.tp_group_destination_forwarded", .depth = 3,
     .caption = "Tp Group Destination Forwarded", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Tp Group Destination Forwarded: "},
     .formClass = "TTpGroupDestinationForwardedForm"},
    {.id = "vlan.802_1q.forwarding_filtering.multicast_forwarding_information", .depth = 3,
     .caption = "Multicast Forwarding Information", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Multicast Forwarding Information: "},
     .formClass = "TMulticastForwardingInformationForm"},
    {.id = "vlan.802_1q.forwarding_filtering.forward_unregistered_information", .depth = 3,
     .caption = "Forward Unregistered Information", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Forward Unregistered Information: "},
     .formClass = "TForwardUnregisteredInformationForm"},
    {.id = "vlan.802_1q.forwarding_filtering.filtering_database", .depth = 3, .caption = "Filtering Database",
     .opens = Opens::Generic, .pageCaption = {.text = "Filtering Database: "},
     .page = {.table = kFilteringDatabase, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "vlan.802_1q.forwarding_filtering.filtering_information", .depth = 3, .caption = "Filtering Information",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Filtering information: "},
     .page = {.table = kFilteringInformation, .kind = VarListKind::Table, .indexCount = 2}},
    {.id = "vlan.802_1q.802_1q_vlan", .depth = 2, .caption = "802.1Q VLAN"},
    {.id = "vlan.802_1q.802_1q_vlan.static_table", .depth = 3, .caption = "Static Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "VLAN Static: "}, .formClass = "TVlanStaticForm"},
    {.id = "vlan.802_1q.802_1q_vlan.current_table", .depth = 3, .caption = "Current Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "VLAN Current: "}, .formClass = "TVLanCurrentTableForm"},
    {.id = "vlan.802_1q.static_filtering", .depth = 2, .caption = "Static Filtering"},
    {.id = "vlan.802_1q.static_filtering.unicast_information", .depth = 3, .caption = "Unicast Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Unicast Filter Information: "},
     .formClass = "TUnicastFilterInformationForm"},
    {.id = "vlan.802_1q.static_filtering.multicast_information", .depth = 3, .caption = "Multicast Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Multicast Filter Information: "},
     .formClass = "TMulticastFilterInformationForm"},
    {.id = "vlan.protocol_vlan", .depth = 1, .caption = "Protocol VLAN"},
    {.id = "vlan.protocol_vlan.protocol_vlan_group", .depth = 2, .caption = "Protocol VLAN Group",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Protocol VLAN Group", .separator = ":"},
     .page = {.table = kProtocolVLANGroup, .kind = VarListKind::TableU, .indexCount = 2,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}, .editHidden = true}},
    {.id = "vlan.protocol_vlan.protocol_vlan_port", .depth = 2, .caption = "Protocol VLAN Port",
     .opens = Opens::Generic, .pageCaption = {.text = "Protocol VLAN Port: "},
     .page = {.table = kProtocolVLANPort, .kind = VarListKind::TableU, .indexCount = 2,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}, .editHidden = true}},
    {.id = "vlan.protocol_vlan.protocol_vlan_group_priority", .depth = 2, .caption = "Protocol VLAN Group Priority",
     .opens = Opens::Generic, .pageCaption = {.text = "Protocol VLAN Group Priority : "},
     .page = {.table = kProtocolVLANGroupPriority, .kind = VarListKind::TableU, .indexCount = 2,
              .extras = {.pageHeightDpi = 450, .pageWidthIncreaseDpi = 100}}},
    {.id = "vlan.static_mac_based_vlan", .depth = 1, .caption = "Static MAC-Based VLAN",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Static MAC-Based VLAN", .separator = ": "},
     .page = {.table = kStaticMACBasedVLAN, .kind = VarListKind::Table, .indexCount = 1,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "vlan.double_vlan", .depth = 1, .caption = "Double VLAN", .hidden = true},
    {.id = "vlan.double_vlan.global_state", .depth = 2, .caption = "Global State"},
    {.id = "vlan.double_vlan.double_vlan_control_table", .depth = 2, .caption = "Double VLAN Control  Table"},
    {.id = "vlan.pvid_vlan_auto_assignment_state", .depth = 1, .caption = "PVID VLAN Auto Assignment State",
     .opens = Opens::Generic, .pageCaption = {.text = "PVID VLAN Auto Assignment State: "},
     .page = {.table = kPVIDVLANAutoAssignmentState, .kind = VarListKind::ScalarGroup}},
    {.id = "vlan.vlan_static_management", .depth = 1, .caption = "VLAN Static Management",
     .opens = Opens::Generic, .pageCaption = {.text = "VLAN Static Management : "},
     .page = {.table = kVLANStaticManagement, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "vlan.vlan_port_information", .depth = 1, .caption = "VLAN Port Information",
     .opens = Opens::Generic, .pageCaption = {.text = "VLAN Port Information : "},
     .page = {.table = kVLANPortInformation, .kind = VarListKind::Table, .indexCount = 2}},
};

}  // namespace

std::span<const MenuItem> VlanMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
