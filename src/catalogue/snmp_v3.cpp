// The "SNMP V3" menu: engine, target, USM, VACM, notification and community tables.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"
#include "values/optionlist.h"

namespace ksw::catalogue {
namespace {

// SNMP V3 > SNMP Engine
constexpr QxSNMPVarDesc kSNMPEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", VarType::OctetString, AccessRead},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", VarType::Integer, AccessRead},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", VarType::Integer, AccessRead},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", VarType::Integer, AccessRead},
    {},
};

// SNMP V3 > Message Processing and Dispatching
constexpr QxSNMPVarDesc kMessageProcessingAndDispatching[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", VarType::Counter, AccessRead},
    {},
};

// SNMP V3 > SNMP Target MIB > General Information
constexpr QxSNMPVarDesc kSNMPTargetMIBGeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", VarType::Counter, AccessRead},
    {},
};

// SNMP V3 > SNMP Target MIB > Target Address Table
constexpr FormatAt kSNMPTargetMIBTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}};
constexpr QxSNMPVarDesc kSNMPTargetMIBTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", VarType::ObjectId, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", VarType::BitString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > SNMP Target MIB > Target Parameters
constexpr QxSNMPVarDesc kTargetParameters[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Securit yName", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", VarType::Integer, AccessReadWrite, &kSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "StorageType", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > User-based Security Model > Statistics
constexpr QxSNMPVarDesc kUserBasedSecurityModelStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", VarType::Counter, AccessRead},
    {},
};

// SNMP V3 > User-based Security Model > User Table
// The protocol columns hold OIDs, so their lists are keyed by OID text (value kind 2). The library builds
// those lists on first use, which makes the table dynamically initialised: nothing reads it before main().
const QxSNMPVarDesc kUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", VarType::OctetString, AccessIndex},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", VarType::ObjectId, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", VarType::ObjectId, AccessReadWrite, &UsmAuthProtocols()},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", VarType::ObjectId, AccessReadWrite, &UsmPrivProtocols()},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > Security Group Table
constexpr QxSNMPVarDesc kSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", VarType::Integer, AccessIndex},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > Access Table
const QxOptionList kExactPrefix12{{1, "exact"}, {2, "prefix"}};
constexpr QxSNMPVarDesc kAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", VarType::Integer, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", VarType::Integer, AccessIndex, &kSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", VarType::Integer, AccessReadWrite, &kExactPrefix12},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > View MIB Tree Family Table
constexpr QxSNMPVarDesc kViewMIBTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", VarType::ObjectId, AccessIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", VarType::Integer, AccessReadWrite, &kIncludedExcluded12},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type",
     VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Table
const QxOptionList kTrapInform12{{1, "trap"}, {2, "inform"}};
constexpr QxSNMPVarDesc kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", VarType::Integer, AccessReadWrite, &kTrapInform12},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Filter Profile Table
constexpr QxSNMPVarDesc kNotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Filter Entry Table
constexpr QxSNMPVarDesc kNotifyFilterEntryTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", VarType::ObjectId, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", VarType::Integer, AccessReadWrite, &kIncludedExcluded12},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > Community > Community String Table
constexpr QxSNMPVarDesc kCommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", VarType::Integer, AccessReadWrite, &kStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// SNMP V3 > Community > Target Address Table
constexpr QxSNMPVarDesc kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", VarType::DisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", VarType::Integer, AccessReadWrite},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "snmp_v3", .depth = 0, .caption = "SNMP V3"},
    {.id = "snmp_v3.snmp_engine", .depth = 1, .caption = "SNMP Engine",
     .opens = Opens::Generic, .pageCaption = {.text = "SNMP Engine: "},
     .page = {.table = kSNMPEngine, .kind = VarListKind::ScalarGroup,
              .extras = {.editWidthIncreaseDpi = 30}}},
    {.id = "snmp_v3.snmp_framework_mib", .depth = 1, .caption = "Snmp Framework MIB", .hidden = true},
    {.id = "snmp_v3.message_processing_and_dispatching", .depth = 1, .caption = "Message Processing and Dispatching",
     .opens = Opens::Generic, .pageCaption = {.text = "Message Processing and Dispatching: "},
     .page = {.table = kMessageProcessingAndDispatching, .kind = VarListKind::ScalarGroup}},
    {.id = "snmp_v3.snmp_target_mib", .depth = 1, .caption = "SNMP Target MIB"},
    {.id = "snmp_v3.snmp_target_mib.general_information", .depth = 2, .caption = "General Information",
     .opens = Opens::Generic, .pageCaption = {.text = "General Information: "},
     .page = {.table = kSNMPTargetMIBGeneralInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "snmp_v3.snmp_target_mib.target_address_table", .depth = 2, .caption = "Target Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Address Table: "},
     .page = {.table = kSNMPTargetMIBTargetAddressTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {8, "createAndGo"}, .remove = {8, "destroy"},
              .formats = kSNMPTargetMIBTargetAddressTableFormats}},
    {.id = "snmp_v3.snmp_target_mib.target_parameters", .depth = 2, .caption = "Target Parameters",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Parameters: "},
     .page = {.table = kTargetParameters, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {6, "createAndGo"}, .remove = {6, "destroy"}}},
    {.id = "snmp_v3.user_based_security_model", .depth = 1, .caption = "User-based Security Model"},
    {.id = "snmp_v3.user_based_security_model.statistics", .depth = 2, .caption = "Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "Statistics: "},
     .page = {.table = kUserBasedSecurityModelStatistics, .kind = VarListKind::ScalarGroup}},
    {.id = "snmp_v3.user_based_security_model.user_table", .depth = 2, .caption = "User Table",
     .opens = Opens::Generic, .pageCaption = {.text = "User Table: "},
     .page = {.table = kUserTable, .kind = VarListKind::TableU, .indexCount = 2, .add = {12, "createAndGo"},
              .remove = {12, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model", .depth = 1, .caption = "View-based Access Control Model"},
    {.id = "snmp_v3.view_based_access_control_model.security_group_table", .depth = 2,
     .caption = "Security Group Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Security Group Table: "},
     .page = {.table = kSecurityGroupTable, .kind = VarListKind::TableU, .indexCount = 2,
              .add = {4, "createAndGo"}, .remove = {4, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model.access_table", .depth = 2, .caption = "Access Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Access Table: "},
     .page = {.table = kAccessTable, .kind = VarListKind::TableU, .indexCount = 4, .add = {9, "createAndGo"},
              .remove = {9, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model.view_mib_tree_family_table", .depth = 2,
     .caption = "View MIB Tree Family Table",
     .opens = Opens::Generic, .pageCaption = {.text = "View MIB Tree Family Table: "},
     .page = {.table = kViewMIBTreeFamilyTable, .kind = VarListKind::TableU, .indexCount = 2,
              .add = {5, "createAndGo"}, .remove = {5, "destroy"}}},
    {.id = "snmp_v3.notifications", .depth = 1, .caption = "Notifications"},
    {.id = "snmp_v3.notifications.notify_table", .depth = 2, .caption = "Notify Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Table: "},
     .page = {.table = kNotifyTable, .kind = VarListKind::TableU, .indexCount = 1, .add = {4, "createAndGo"},
              .remove = {4, "destroy"}}},
    {.id = "snmp_v3.notifications.notify_filter_profile_table", .depth = 2, .caption = "Notify Filter Profile Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Filter Profile Table: "},
     .page = {.table = kNotifyFilterProfileTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}}},
    {.id = "snmp_v3.notifications.notify_filter_entry_table", .depth = 2, .caption = "Notify Filter Entry Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Filter Table: "},
     .page = {.table = kNotifyFilterEntryTable, .kind = VarListKind::TableU, .indexCount = 2,
              .add = {5, "createAndGo"}, .remove = {5, "destroy"}}},
    {.id = "snmp_v3.community", .depth = 1, .caption = "Community"},
    {.id = "snmp_v3.community.community_string_table", .depth = 2, .caption = "Community String Table",
     .opens = Opens::Generic, .pageCaption = {.text = "SNMP Community Table: "},
     .page = {.table = kCommunityStringTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {7, "createAndGo"}, .remove = {7, "destroy"}}},
    {.id = "snmp_v3.community.target_address_table", .depth = 2, .caption = "Target Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Address Table: "},
     .page = {.table = kCommunityTargetAddressTable, .kind = VarListKind::TableU, .indexCount = 1}},
};

}  // namespace

std::span<const MenuItem> SnmpV3Menu()
{
    return kItems;
}

}  // namespace ksw::catalogue
