// The "RMON" menu.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// RMON > RMON Control
constexpr QxSNMPVarDesc kRMONControl[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.1.2.4", "RMON State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// RMON > Probe Config > Net Configuration
constexpr QxSNMPVarDesc kNetConfiguration[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Config IP Address", VarType::IpAddress, AccessRead},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Config Subnet Mask", VarType::IpAddress, AccessRead},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Config Status", VarType::Integer, AccessRead, &kRowStatus},
    {},
};

// RMON > Probe Config > Net Default Gateway
constexpr QxSNMPVarDesc kNetDefaultGateway[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", VarType::IpAddress, AccessReadWrite},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "rmon", .depth = 0, .caption = "RMON"},
    {.id = "rmon.rmon_control", .depth = 1, .caption = "RMON Control",
     .opens = Opens::Generic, .pageCaption = {.text = "RMON Control: "},
     .page = {.table = kRMONControl, .kind = VarListKind::ScalarGroup},
     .statusRefresh = StatusRefresh::RmonAfterClose},
    {.id = "rmon.statistics", .depth = 1, .caption = "Statistics",
     .opens = Opens::Sibling, .siblingSwitch = "/TRmon_Statistics"},
    {.id = "rmon.history", .depth = 1, .caption = "History",
     .opens = Opens::Sibling, .siblingSwitch = "/TRmon_History"},
    {.id = "rmon.alarm_event", .depth = 1, .caption = "Alarm/Event",
     .opens = Opens::Sibling, .siblingSwitch = "/TRmon_AlarmEvent"},
    {.id = "rmon.probe_config", .depth = 1, .caption = "Probe Config"},
    {.id = "rmon.probe_config.probe_basic_information", .depth = 2, .caption = "Probe Basic Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Probe Basic Information: "},
     .formClass = "TProbeBasicInformationForm"},
    {.id = "rmon.probe_config.net_configuration", .depth = 2, .caption = "Net Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "Net Configuration Table: "},
     .page = {.table = kNetConfiguration, .kind = VarListKind::Table}},
    {.id = "rmon.probe_config.net_default_gateway", .depth = 2, .caption = "Net Default Gateway",
     .opens = Opens::Generic, .pageCaption = {.text = "Net Default Gateway: "},
     .page = {.table = kNetDefaultGateway, .kind = VarListKind::ScalarGroup}},
};

}  // namespace

std::span<const MenuItem> RmonMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
