// The "Single IP" menu.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Single IP > Single IP Control
const QxOptionList kCsCasMs123{{1, "cs"}, {2, "cas"}, {3, "ms"}};
constexpr FormatAt kSingleIPControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};
constexpr QxSNMPVarDesc kSingleIPControl[] = {
    {"1.3.6.1.4.1.58126.12.8.1.2.1", "Single IP Status", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.8.1.2.2", "Single IP Role", VarType::Integer, AccessReadWrite, &kCsCasMs123},
    {"1.3.6.1.4.1.58126.12.8.1.2.3", "Single IP Holdtime [100-255]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.8.1.2.4", "Discovery Interval [30-90]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.8.1.2.5", "CS Group Name", VarType::DisplayString, AccessReadWrite},
    {},
};

// Single IP > My Information
constexpr QxSNMPVarDesc kMyInformation[] = {
    {"1.3.6.1.4.1.58126.12.8.1.1.1", "Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.1.2", "Capability", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.1.3", "Platform", VarType::DisplayString, AccessRead},
    {},
};

// Single IP > Member Switch
constexpr FormatAt kMemberSwitchFormats[] = {{8, "%s{l16}"}};
constexpr QxSNMPVarDesc kMemberSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.3.1.1", "Member ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.2", "Member Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.3", "Member MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.4", "Member Firmware Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.5", "Member Capability", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.6", "Member Platform", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.7", "Member Holdtime", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.8", "Member Candidate Source", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.9", "Member Password", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.10", "Member Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Single IP > Candidate Switch
constexpr QxSNMPVarDesc kCandidateSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.4.1.1", "CaS ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.2", "Device Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.3", "MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.4", "Firmware Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.5", "Capability", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.6", "Platform", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.7", "Holdtime", VarType::Integer, AccessRead},
    {},
};

// Single IP > Group Information
constexpr QxSNMPVarDesc kGroupInformation[] = {
    {"1.3.6.1.4.1.58126.12.8.1.5.1.1", "Group MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.2", "Group Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.3", "Device Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.4", "Member Count", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.5", "Firmware Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.6", "Capability", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.7", "Platform", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.8", "Holdtime", VarType::Integer, AccessRead},
    {},
};

// Single IP > Neighbor Switch
const QxOptionList kCommanderCandidateMember123{{1, "commander"}, {2, "candidate"}, {3, "member"}};
constexpr QxSNMPVarDesc kNeighborSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.6.1.1", "Received Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.8.1.6.1.2", "MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.8.1.6.1.3", "Role", VarType::Integer, AccessRead, &kCommanderCandidateMember123},
    {},
};

// Single IP > MS Trap Message (hidden)
constexpr QxSNMPVarDesc kMSTrapMessage[] = {
    {"1.3.6.1.4.1.58126.12.8.6.1.1", "Single IP MS Trap Message", VarType::DisplayString, AccessRead},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "single_ip", .depth = 0, .caption = "Single IP"},
    {.id = "single_ip.single_ip_control", .depth = 1, .caption = "Single IP Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Single IP Control: "},
     .page = {.table = kSingleIPControl, .kind = VarListKind::ScalarGroup,
              .formats = kSingleIPControlFormats}},
    {.id = "single_ip.my_information", .depth = 1, .caption = "My Information",
     .opens = Opens::Generic, .pageCaption = {.text = "My Information: "},
     .page = {.table = kMyInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "single_ip.member_switch", .depth = 1, .caption = "Member Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Member Switch: "},
     .page = {.table = kMemberSwitch, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {9, "createAndGo"}, .remove = {9, "destroy"}, .editHidden = true,
              .formats = kMemberSwitchFormats}},
    {.id = "single_ip.candidate_switch", .depth = 1, .caption = "Candidate Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Candidate Switch: "},
     .page = {.table = kCandidateSwitch, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "single_ip.group_information", .depth = 1, .caption = "Group Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Group Information: "},
     .page = {.table = kGroupInformation, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "single_ip.neighbor_switch", .depth = 1, .caption = "Neighbor Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Neighbor Switch: "},
     .page = {.table = kNeighborSwitch, .kind = VarListKind::Table, .indexCount = 2}},
    {.id = "single_ip.ms_trap_message", .depth = 1, .caption = "MS Trap Message", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "MS Trap Message: "},
     .page = {.table = kMSTrapMessage, .kind = VarListKind::ScalarGroup}},
};

}  // namespace

std::span<const MenuItem> SingleIpMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
