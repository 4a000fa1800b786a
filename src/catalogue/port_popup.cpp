// The popup menu of the front panel's port buttons.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Port popup menu > Port Information
constexpr QxSNMPVarDesc kPortInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.3", "Port Info Unit ID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.4", "Port Info Type", VarType::Integer, AccessRead, &kPortType},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.5", "Port Info Link Status",
     VarType::Integer, AccessRead, &kOtherLinkPassLinkFail123},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.6", "Port Info N-way Status", VarType::Integer, AccessRead, &kPortNwayStatus},
    {"1.3.6.1.4.1.58126.11.101.2.2.3.1.1.8", "Port Info Error Disable",
     VarType::Integer, AccessRead, &kErrorDisableCause},
    {},
};

// Port popup menu > Port Configuration
constexpr QxSNMPVarDesc kPortConfiguration[] = {
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

constexpr MenuItem kItems[] = {
    {.id = "port_popup.port_information", .depth = 0, .caption = "Port Information",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::TitlePort, .text = "Port Information Table", .separator = " : ", .suffix = " / Port %1"},
     .page = {.table = kPortInformation, .kind = VarListKind::SingleInstance,
              .instance = InstanceRule::PortButtonHint}},
    {.id = "port_popup.port_configuration", .depth = 0, .caption = "Port Configuration",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::TitlePort, .text = "Port Configuration", .separator = " : ", .suffix = " / Port %1"},
     .page = {.table = kPortConfiguration, .kind = VarListKind::SingleInstance,
              .instance = InstanceRule::PortButtonHint}},
};

}  // namespace

std::span<const MenuItem> PortPopupItems()
{
    return kItems;
}

}  // namespace ksw::catalogue
