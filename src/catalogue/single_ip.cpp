// The "Single IP" menu.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Single IP > Single IP Control
const QxOptionList kCsCasMs123{{1, "cs"}, {2, "cas"}, {3, "ms"}};
constexpr FormatAt kSingleIPControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};
constexpr QxSNMPVarDesc kSingleIPControl[] = {
    {"1.3.6.1.4.1.58126.12.8.1.2.1", "Single IP Status", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.8.1.2.2", "Single IP Role", 2, 6, &kCsCasMs123},
    {"1.3.6.1.4.1.58126.12.8.1.2.3", "Single IP Holdtime [100-255]", 2, 6},
    {"1.3.6.1.4.1.58126.12.8.1.2.4", "Discovery Interval [30-90]", 2, 6},
    {"1.3.6.1.4.1.58126.12.8.1.2.5", "CS Group Name", 76, 6},
    {},
};

// Single IP > My Information
constexpr QxSNMPVarDesc kMyInformation[] = {
    {"1.3.6.1.4.1.58126.12.8.1.1.1", "Version", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.1.2", "Capability", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.1.3", "Platform", 76, 2},
    {},
};

// Single IP > Member Switch
constexpr FormatAt kMemberSwitchFormats[] = {{8, "%s{l16}"}};
constexpr QxSNMPVarDesc kMemberSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.3.1.1", "Member ID", 2, 1},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.2", "Member Name", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.3", "Member MAC Address", 73, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.4", "Member Firmware Version", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.5", "Member Capability", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.6", "Member Platform", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.7", "Member Holdtime", 2, 2},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.8", "Member Candidate Source", 2, 6},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.9", "Member Password", 76, 6},
    {"1.3.6.1.4.1.58126.12.8.1.3.1.10", "Member Row Status", 2, 6, &kRowStatus},
    {},
};

// Single IP > Candidate Switch
constexpr QxSNMPVarDesc kCandidateSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.4.1.1", "CaS ID", 2, 1},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.2", "Device Name", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.3", "MAC Address", 73, 2},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.4", "Firmware Version", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.5", "Capability", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.6", "Platform", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.4.1.7", "Holdtime", 2, 2},
    {},
};

// Single IP > Group Information
constexpr QxSNMPVarDesc kGroupInformation[] = {
    {"1.3.6.1.4.1.58126.12.8.1.5.1.1", "Group MAC Address", 73, 1},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.2", "Group Name", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.3", "Device Name", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.4", "Member Count", 2, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.5", "Firmware Version", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.6", "Capability", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.7", "Platform", 76, 2},
    {"1.3.6.1.4.1.58126.12.8.1.5.1.8", "Holdtime", 2, 2},
    {},
};

// Single IP > Neighbor Switch
const QxOptionList kCommanderCandidateMember123{{1, "commander"}, {2, "candidate"}, {3, "member"}};
constexpr QxSNMPVarDesc kNeighborSwitch[] = {
    {"1.3.6.1.4.1.58126.12.8.1.6.1.1", "Received Port", 2, 1},
    {"1.3.6.1.4.1.58126.12.8.1.6.1.2", "MAC Address", 73, 1},
    {"1.3.6.1.4.1.58126.12.8.1.6.1.3", "Role", 2, 2, &kCommanderCandidateMember123},
    {},
};

// Single IP > MS Trap Message (hidden)
constexpr QxSNMPVarDesc kMSTrapMessage[] = {
    {"1.3.6.1.4.1.58126.12.8.6.1.1", "Single IP MS Trap Message", 76, 2},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "single_ip", .depth = 0, .caption = "Single IP"},
    {.id = "single_ip.single_ip_control", .depth = 1, .caption = "Single IP Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Single IP Control: "},
     .page = {.table = kSingleIPControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .formats = kSingleIPControlFormats}},
    {.id = "single_ip.my_information", .depth = 1, .caption = "My Information",
     .opens = Opens::Generic, .pageCaption = {.text = "My Information: "},
     .page = {.table = kMyInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "single_ip.member_switch", .depth = 1, .caption = "Member Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Member Switch: "},
     .page = {.table = kMemberSwitch, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {9, "createAndGo"}, .remove = {9, "destroy"}, .editHidden = true,
              .formats = kMemberSwitchFormats}},
    {.id = "single_ip.candidate_switch", .depth = 1, .caption = "Candidate Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Candidate Switch: "},
     .page = {.table = kCandidateSwitch, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "single_ip.group_information", .depth = 1, .caption = "Group Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Group Information: "},
     .page = {.table = kGroupInformation, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "single_ip.neighbor_switch", .depth = 1, .caption = "Neighbor Switch",
     .opens = Opens::Generic, .pageCaption = {.text = "Neighbor Switch: "},
     .page = {.table = kNeighborSwitch, .shape = PageShape::Table, .kind = 2, .indexCount = 2}},
    {.id = "single_ip.ms_trap_message", .depth = 1, .caption = "MS Trap Message", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "MS Trap Message: "},
     .page = {.table = kMSTrapMessage, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
};

}  // namespace

std::span<const MenuItem> SingleIpMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
