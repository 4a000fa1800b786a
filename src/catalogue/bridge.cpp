// The "Bridge" menu: spanning tree and the 802.1D bridge.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Bridge > 802.1d > Information
constexpr FormatAt k8021dInformationFormats[] = {{2, "%i{n10x875l3a}"}};
constexpr QxSNMPVarDesc k8021dInformation[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", 2, 2},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", 65, 2},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-875]", 2, 6},
    {},
};

// Bridge > Spanning Tree > Configuration Identification
constexpr QxSNMPVarDesc kConfigurationIdentification[] = {
    {"1.3.6.1.4.1.58126.12.15.2.1", "MSTP Name", 76, 6},
    {"1.3.6.1.4.1.58126.12.15.2.2", "MSTP Revision Level", 2, 6},
    {},
};

// Bridge > Spanning Tree > Instance Information
const QxOptionList kCistMsti01{{0, "cist"}, {1, "msti"}};
constexpr QxSNMPVarDesc kInstanceInformation[] = {
    {"1.3.6.1.4.1.58126.12.15.2.3.1.1", "MSTP Instance ID", 2, 1},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.2", "VLAN Range [1-64]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.3", "VLAN Range [65-128]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.4", "VLAN Range [129-192]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.5", "VLAN Range [193-256]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.6", "VLAN Range [257-320]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.7", "VLAN Range [321-384]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.8", "VLAN Range [385-448]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.9", "VLAN Range [449-512]", 4, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.10", "Type", 2, 2, &kCistMsti01},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.11", "Status", 2, 2, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.12", "Priority", 2, 6},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.13", "Designated Root Bridge", 4, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.14", "External Root Cost", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.15", "Regional Root Bridge", 4, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.16", "Internal Root Cost", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.17", "Designated Bridge", 4, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.18", "Root Port", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.19", "Max Age", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.20", "Forward Delay", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.21", "Last Topology Change", 67, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.22", "Top Changes Count", 65, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.23", "Remain Hops", 2, 2},
    {"1.3.6.1.4.1.58126.12.15.2.3.1.24", "Row Status", 2, 6, &kRowStatus},
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
    {"1.3.6.1.4.1.58126.12.15.2.5.1.1", "MST Port", 2, 1},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.2", "MST Port Instance ID", 2, 1},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.3", "MST Port Designated Bridge", 4, 2},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.4", "MST Port Internal Path Cost", 2, 6},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.5", "MST Port Priority", 2, 6},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.6", "MST Port Status", 2, 2, &kMSTPortStatus},
    {"1.3.6.1.4.1.58126.12.15.2.5.1.7", "MST Port Role", 2, 2, &kMSTPortRole},
    {},
};

// Bridge > Spanning Tree > STP Port Table (hidden)
const QxOptionList kSTPPortTableStatus{
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"},
};
constexpr QxSNMPVarDesc kSTPPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", 2, 1},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", 2, 6},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", 2, 2, &kSTPPortTableStatus},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", 2, 6},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", 76, 2},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", 2, 2},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", 76, 2},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", 76, 2},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", 65, 2},
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
     .page = {.table = k8021dInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .formats = k8021dInformationFormats}},
    {.id = "bridge.802_1d.port_table", .depth = 2, .caption = "Port Table", .hidden = true,
     .opens = Opens::Sibling, .siblingSwitch = "/TBridge_Port"},
    {.id = "bridge.spanning_tree", .depth = 1, .caption = "Spanning Tree"},
    {.id = "bridge.spanning_tree.stp_control", .depth = 2, .caption = "STP Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Spanning Tree Information: "}, .formClass = "TSTP_Info",
     .statusRefresh = StatusRefresh::StpBeforeOpen},
    {.id = "bridge.spanning_tree.configuration_identification", .depth = 2, .caption = "Configuration Identification",
     .opens = Opens::Generic, .pageCaption = {.text = "MSTP Configuration Identification: "},
     .page = {.table = kConfigurationIdentification, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "bridge.spanning_tree.instance_information", .depth = 2, .caption = "Instance Information",
     .opens = Opens::Generic, .pageCaption = {.text = "MSTP Instance Control: "},
     .page = {.table = kInstanceInformation, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {23, "createAndGo"}, .remove = {23, "destroy"},
              .extras = {.editorGridHeightPx = 650,
                         .note = {.text = "Note:Each bit means one VID unit in VLAN range list!", .colour = 0x0000FF,
                                  .colourName = "red", .fontSize = 10}}}},
    {.id = "bridge.spanning_tree.port_state_information", .depth = 2, .caption = "Port State Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MSTP Port State Information: "},
     .formClass = "TMSTPPortStateForm"},
    {.id = "bridge.spanning_tree.port_mstp_information", .depth = 2, .caption = "Port MSTP Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Port MSTP Information: "},
     .page = {.table = kPortMSTPInformation, .shape = PageShape::Table, .kind = 3, .indexCount = 2}},
    {.id = "bridge.spanning_tree.stp_port_table", .depth = 2, .caption = "STP Port Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Spanning Tree Port Table: "},
     .page = {.table = kSTPPortTable, .shape = PageShape::Table, .kind = 2, .indexCount = 1},
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
