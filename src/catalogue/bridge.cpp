// The "Bridge" menu: spanning tree and the 802.1D bridge.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Bridge > 802.1d > Information
constexpr FormatAt k8021dInformationFormats[] = {{2, "%i{n10x875l3a}"}};
constexpr QxSNMPVarDesc k8021dInformation[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-875]", VarType::Integer, AccessReadWrite},
    {},
};

// Bridge > Spanning Tree > Configuration Identification
constexpr QxSNMPVarDesc kConfigurationIdentification[] = {
    {"1.3.6.1.4.1.58126.12.15.2.1", "MSTP Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.2", "MSTP Revision Level", VarType::Integer, AccessReadWrite},
    {},
};

// Bridge > Spanning Tree > Instance Information
const QxOptionList kCistMsti01{{0, "cist"}, {1, "msti"}};
constexpr QxSNMPVarDesc kInstanceInformation[] = {
    {"1.3.6.1.4.1.58126.12.15.2.3.1.1", "MSTP Instance ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.2", "VLAN Range [1-64]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.3", "VLAN Range [65-128]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.4", "VLAN Range [129-192]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.5", "VLAN Range [193-256]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.6", "VLAN Range [257-320]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.7", "VLAN Range [321-384]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.8", "VLAN Range [385-448]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.9", "VLAN Range [449-512]", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.10", "Type", VarType::Integer, AccessRead, &kCistMsti01},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.11", "Status", VarType::Integer, AccessRead, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.12", "Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.13", "Designated Root Bridge", VarType::OctetString, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.14", "External Root Cost", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.15", "Regional Root Bridge", VarType::OctetString, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.16", "Internal Root Cost", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.17", "Designated Bridge", VarType::OctetString, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.18", "Root Port", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.19", "Max Age", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.20", "Forward Delay", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.21", "Last Topology Change", VarType::TimeTicks, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.22", "Top Changes Count", VarType::Counter, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.23", "Remain Hops", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.24", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Bridge > Spanning Tree > Port MSTP Information
const QxOptionList kMSTPortStatus{
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"},
    {7, "no-stp-enabled"}, {8, "err-disabled"},
};
const QxOptionList kMSTPortRole{
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "designated"}, {5, "master"}, {6, "nonstp"},
    {7, "loopback"},
};
constexpr QxSNMPVarDesc kPortMSTPInformation[] = {
    {"1.3.6.1.4.1.58126.12.15.2.5.1.1", "MST Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.2", "MST Port Instance ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.3", "MST Port Designated Bridge", VarType::OctetString, AccessRead},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.4", "MST Port Internal Path Cost", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.5", "MST Port Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.6", "MST Port Status", VarType::Integer, AccessRead, &kMSTPortStatus},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.7", "MST Port Role", VarType::Integer, AccessRead, &kMSTPortRole},
    {},
};

// Bridge > Spanning Tree > STP Port Table (hidden)
const QxOptionList kSTPPortTableStatus{
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"},
};
constexpr QxSNMPVarDesc kSTPPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", VarType::Integer, AccessRead, &kSTPPortTableStatus},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", VarType::Counter, AccessRead},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "bridge", .depth = 0, .caption = "Bridge",
     .opens = Opens::Shell, .action = ShellAction::None},
    {.id = "bridge.spanning_tree_algorithm", .depth = 1, .caption = "Spanning Tree Algorithm",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Spanning Tree Algorithm: "},
     .formClass = "TSpanningTreeAlgorithmForm"},
    {.id = "bridge.802_1d", .depth = 1, .caption = "802.1d"},
    {.id = "bridge.802_1d.information", .depth = 2, .caption = "Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Bridge 802.1d Information: "},
     .page = {.table = k8021dInformation, .kind = VarListKind::ScalarGroup,
              .formats = k8021dInformationFormats}},
    {.id = "bridge.802_1d.port_table", .depth = 2, .caption = "Port Table", .hidden = true,
     .opens = Opens::Sibling, .siblingSwitch = "/TBridge_Port"},
    {.id = "bridge.spanning_tree", .depth = 1, .caption = "Spanning Tree"},
    {.id = "bridge.spanning_tree.stp_control", .depth = 2, .caption = "STP Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Spanning Tree Information: "}, .formClass = "TSTP_Info",
     .statusRefresh = StatusRefresh::StpBeforeOpen},
    {.id = "bridge.spanning_tree.configuration_identification", .depth = 2, .caption = "Configuration Identification",
     .opens = Opens::Generic, .pageCaption = {.text = "MSTP Configuration Identification: "},
     .page = {.table = kConfigurationIdentification, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "bridge.spanning_tree.instance_information", .depth = 2, .caption = "Instance Information",
     .opens = Opens::Generic, .pageCaption = {.text = "MSTP Instance Control: "},
     .page = {.table = kInstanceInformation, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {23, "createAndGo"}, .remove = {23, "destroy"},
              .extras = {.editorGridHeightPx = 650,
                         .note = {.text = "Note:Each bit means one VID unit in VLAN range list!", .colour = 0x0000FF,
                                  .colourName = "red", .fontSize = 10}}}},
    {.id = "bridge.spanning_tree.port_state_information", .depth = 2, .caption = "Port State Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MSTP Port State Information: "},
     .formClass = "TMSTPPortStateForm"},
    {.id = "bridge.spanning_tree.port_mstp_information", .depth = 2, .caption = "Port MSTP Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Port MSTP Information: "},
     .page = {.table = kPortMSTPInformation, .kind = VarListKind::TableU, .indexCount = 2}},
    {.id = "bridge.spanning_tree.stp_port_table", .depth = 2, .caption = "STP Port Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Spanning Tree Port Table: "},
     .page = {.table = kSTPPortTable, .kind = VarListKind::Table, .indexCount = 1},
     .statusRefresh = StatusRefresh::StpBeforeOpen},
    {.id = "bridge.transparent_bridge", .depth = 1, .caption = "Transparent Bridge"},
    {.id = "bridge.transparent_bridge.forwarding_table", .depth = 2, .caption = "Forwarding Table",
     .opens = Opens::Sibling, .siblingSwitch = "/TBridge_Forwarding"},
    {.id = "bridge.transparent_bridge.static_table", .depth = 2, .caption = "Static Table", .hidden = true,
     .opens = Opens::Sibling, .siblingSwitch = "/TBridge_StaticFilter"},
    {.id = "bridge.transparent_bridge.port_counters", .depth = 2, .caption = "Port Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TBridge_TpPortInfo"},
};

}  // namespace

std::span<const MenuItem> BridgeMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
