// The "Layer 3 Management" menu.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Layer 3 Management > IP Management > All Interface State
constexpr QxSNMPVarDesc kAllInterfaceState[] = {
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.7", "All Interface State",
     VarType::Integer, AccessReadWrite, &kOtherEnabledDisabled123},
    {},
};

// Layer 3 Management > IP Management > IP Control Table
const QxOptionList kOtherBootpDhcp134{{1, "other"}, {3, "bootp"}, {4, "dhcp"}};
constexpr QxSNMPVarDesc kIPControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.1", "Interface Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.2", "If Index", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.3", "IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.4", "IP Subnet Mask", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.5", "VLAN Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.8", "Mode", VarType::Integer, AccessReadWrite, &kOtherBootpDhcp134},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.9", "Admin State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.14", "IPv6 Link Local Address", VarType::Ipv6Address, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.15", "IPv6 Link Local Prefix Len", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.16", "State", VarType::Integer, AccessReadWrite, &kRowStatus},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.3.1.17", "IPv6 Link Local Auto State",
     VarType::Integer, AccessReadWrite, &kOtherEnabledDisabled123},
    {},
};

// Layer 3 Management > IP Management > IPv6 Control Table (hidden)
constexpr QxSNMPVarDesc kIPv6ControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.1", "Interface Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.2", "Max Reassmbly Size", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.3", "Retrans Timer", VarType::Gauge, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.5", "Ra State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.6", "Ra Min Router Advertisement Interval",
     VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.7", "Ra Max Router Advertisement Interval",
     VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.8", "Ra Life Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.9", "Ra Reachable Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.10", "Ra Retrans Time", VarType::Gauge, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.11", "Ra Hop Limit", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.12", "Ra Managed Flag",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.4.1.13", "Ra Other Config Flag",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Layer 3 Management > IP Management > IPv6 Address Control Table (hidden)
constexpr QxSNMPVarDesc kIPv6AddressControlTable[] = {
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.1", "Interface Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.2", "IPv6 Address", VarType::Ipv6Address, AccessIndex},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.3", "Prefix Len", VarType::Integer, AccessImpliedIndex},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.4", "Preferred Life Time", VarType::Gauge, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.5", "Valid Life Time", VarType::Gauge, AccessReadWrite},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.6", "On Link Flag", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.7", "Autonomous Flag",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.11.101.2.3.2.1.5.1.8", "State", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Layer 3 Management > IPv6 Management > IPv6 Neighbor Cache Delete Action
const QxOptionList kIPv6NeighborCacheDeleteActionOptions{{1, "all"}, {2, "static"}, {3, "dynamic"}, {4, "other"}};
constexpr QxSNMPVarDesc kIPv6NeighborCacheDeleteAction[] = {
    {"1.3.6.1.4.1.58126.12.26.4.2", "IPv6 Neighbor Cache Delete Action",
     VarType::Integer, AccessReadWrite, &kIPv6NeighborCacheDeleteActionOptions},
    {},
};

// Layer 3 Management > IPv6 Management > IPv6 Neighbor Cache Table
const QxOptionList kReachState{
    {1, "incomplete"}, {2, "reachable"}, {3, "stale"}, {4, "delay"}, {5, "probe"}, {6, "static"},
};
constexpr QxSNMPVarDesc kIPv6NeighborCacheTable[] = {
    {"1.3.6.1.4.1.58126.12.26.4.1.1.1", "IPv6 Address", VarType::Ipv6Address, AccessIndex},
    {"1.3.6.1.4.1.58126.12.26.4.1.1.2", "MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.26.4.1.1.3", "Interface Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.26.4.1.1.4", "Reach State", VarType::Integer, AccessRead, &kReachState},
    {"1.3.6.1.4.1.58126.12.26.4.1.1.5", "Cache Route Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "layer_3_management", .depth = 0, .caption = "Layer 3 Management"},
    {.id = "layer_3_management.device_control", .depth = 1, .caption = "Device Control", .hidden = true},
    {.id = "layer_3_management.ip_management", .depth = 1, .caption = "IP Management"},
    {.id = "layer_3_management.ip_management.all_interface_state", .depth = 2, .caption = "All Interface State",
     .opens = Opens::Generic, .pageCaption = {.text = "All Interface State: "},
     .page = {.table = kAllInterfaceState, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_3_management.ip_management.arp_aging_time", .depth = 2, .caption = "ARP Aging Time",
     .hidden = true},
    {.id = "layer_3_management.ip_management.ip_control_table", .depth = 2, .caption = "IP Control Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IP Control Table: "},
     .page = {.table = kIPControlTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "layer_3_management.ip_management.ipv6_control_table", .depth = 2, .caption = "IPv6 Control Table",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "IPv6 Control Table: "},
     .page = {.table = kIPv6ControlTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "layer_3_management.ip_management.ipv6_address_control_table", .depth = 2,
     .caption = "IPv6 Address Control Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "IPV6 Address Control Table: "},
     .page = {.table = kIPv6AddressControlTable, .kind = VarListKind::TableU, .indexCount = 3,
              .add = {7, "createAndGo"}, .remove = {7, "destroy"}}},
    {.id = "layer_3_management.ip_management.ip_forwarding_table", .depth = 2, .caption = "IP Forwarding Table",
     .hidden = true},
    {.id = "layer_3_management.ip_management.ip_static_route_table", .depth = 2, .caption = "IP Static Route Table",
     .hidden = true},
    {.id = "layer_3_management.ipv6_management", .depth = 1, .caption = "IPv6 Management"},
    {.id = "layer_3_management.ipv6_management.ipv6_static_route_table", .depth = 2,
     .caption = "IPv6 Static Route Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IPV6 Static Route: "}, .formClass = "TIpv6StaticRouteForm"},
    {.id = "layer_3_management.ipv6_management.ipv6_neighbor_cache_delete_action", .depth = 2,
     .caption = "IPv6 Neighbor Cache Delete Action",
     .opens = Opens::Generic, .pageCaption = {.text = "IPv6 Neighbor Cache Delete Action: "},
     .page = {.table = kIPv6NeighborCacheDeleteAction, .kind = VarListKind::ScalarGroup}},
    {.id = "layer_3_management.ipv6_management.ipv6_neighbor_cache_table", .depth = 2,
     .caption = "IPv6 Neighbor Cache Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IPv6 Neighbor Cache Table: "},
     .page = {.table = kIPv6NeighborCacheTable, .kind = VarListKind::TableU, .indexCount = 3,
              .add = {4, "createAndGo"}, .remove = {4, "destroy"}, .editHidden = true}},
    {.id = "layer_3_management.dhcp_bootp_relay", .depth = 1, .caption = "DHCP/BOOTP Relay", .hidden = true},
    {.id = "layer_3_management.dhcp_bootp_relay.dhcp_basic_configuration", .depth = 2,
     .caption = "DHCP Basic Configuration"},
    {.id = "layer_3_management.dhcp_bootp_relay.dhcp_control_table", .depth = 2, .caption = "DHCP Control Table"},
};

}  // namespace

std::span<const MenuItem> Layer3ManagementMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
