// The "SNMP V3" menu: engine, target, USM, VACM, notification and community tables.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"
#include "values/optionlist.h"

namespace ksw::catalogue {
namespace {

// SNMP V3 > SNMP Engine
constexpr QxSNMPVarDesc kSNMPEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", 4, 2},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", 2, 2},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", 2, 2},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", 2, 2},
    {},
};

// SNMP V3 > Message Processing and Dispatching
constexpr QxSNMPVarDesc kMessageProcessingAndDispatching[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", 65, 2},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", 65, 2},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", 65, 2},
    {},
};

// SNMP V3 > SNMP Target MIB > General Information
constexpr QxSNMPVarDesc kSNMPTargetMIBGeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", 2, 6},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", 65, 2},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", 65, 2},
    {},
};

// SNMP V3 > SNMP Target MIB > Target Address Table
constexpr FormatAt kSNMPTargetMIBTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}};
constexpr QxSNMPVarDesc kSNMPTargetMIBTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", 76, 65},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", 6, 6},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", 3, 6},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", 2, 6},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", 2, 6},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", 76, 6},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", 76, 6},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > SNMP Target MIB > Target Parameters
constexpr QxSNMPVarDesc kTargetParameters[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", 76, 65},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", 2, 6},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", 2, 6},
    {"1.3.6.1.6.3.12.1.3.1.4", "Securit yName", 76, 6},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", 2, 6, &kSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "StorageType", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > User-based Security Model > Statistics
constexpr QxSNMPVarDesc kUserBasedSecurityModelStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", 65, 2},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", 65, 2},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", 65, 2},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", 65, 2},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", 65, 2},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", 65, 2},
    {},
};

// SNMP V3 > User-based Security Model > User Table
// The protocol columns hold OIDs, so their lists are keyed by OID text (value kind 2). The library builds
// those lists on first use, which makes the table dynamically initialised: nothing reads it before main().
const QxSNMPVarDesc kUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", 4, 1},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", 76, 1},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", 76, 2},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", 6, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", 6, 6, &UsmAuthProtocols()},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", 76, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", 76, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", 6, 6, &UsmPrivProtocols()},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", 76, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", 76, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", 76, 6},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > Security Group Table
constexpr QxSNMPVarDesc kSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", 2, 1},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", 76, 1},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", 76, 6},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > Access Table
const QxOptionList kExactPrefix12{{1, "exact"}, {2, "prefix"}};
constexpr QxSNMPVarDesc kAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", 76, 1},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", 76, 1},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", 2, 1},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", 2, 1, &kSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", 2, 6, &kExactPrefix12},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", 76, 6},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", 76, 6},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", 76, 6},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > View-based Access Control Model > View MIB Tree Family Table
constexpr QxSNMPVarDesc kViewMIBTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", 76, 1},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", 6, 1},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", 76, 6},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", 2, 6, &kIncludedExcluded12},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Table
const QxOptionList kTrapInform12{{1, "trap"}, {2, "inform"}};
constexpr QxSNMPVarDesc kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", 76, 65},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", 76, 6},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", 2, 6, &kTrapInform12},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Filter Profile Table
constexpr QxSNMPVarDesc kNotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", 76, 65},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", 76, 6},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > Notifications > Notify Filter Entry Table
constexpr QxSNMPVarDesc kNotifyFilterEntryTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", 76, 1},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", 6, 65},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", 76, 6},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", 2, 6, &kIncludedExcluded12},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > Community > Community String Table
constexpr QxSNMPVarDesc kCommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", 76, 65},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", 76, 6},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", 76, 6},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", 4, 6},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", 76, 6},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", 76, 6},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", 2, 6, &kStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", 2, 6, &kRowStatus},
    {},
};

// SNMP V3 > Community > Target Address Table
constexpr QxSNMPVarDesc kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", 76, 65},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", 76, 6},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", 2, 6},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "snmp_v3", .depth = 0, .caption = "SNMP V3"},
    {.id = "snmp_v3.snmp_engine", .depth = 1, .caption = "SNMP Engine",
     .opens = Opens::Generic, .pageCaption = {.text = "SNMP Engine: "},
     .page = {.table = kSNMPEngine, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .extras = {.editWidthIncreaseDpi = 30}}},
    {.id = "snmp_v3.snmp_framework_mib", .depth = 1, .caption = "Snmp Framework MIB", .hidden = true},
    {.id = "snmp_v3.message_processing_and_dispatching", .depth = 1, .caption = "Message Processing and Dispatching",
     .opens = Opens::Generic, .pageCaption = {.text = "Message Processing and Dispatching: "},
     .page = {.table = kMessageProcessingAndDispatching, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "snmp_v3.snmp_target_mib", .depth = 1, .caption = "SNMP Target MIB"},
    {.id = "snmp_v3.snmp_target_mib.general_information", .depth = 2, .caption = "General Information",
     .opens = Opens::Generic, .pageCaption = {.text = "General Information: "},
     .page = {.table = kSNMPTargetMIBGeneralInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "snmp_v3.snmp_target_mib.target_address_table", .depth = 2, .caption = "Target Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Address Table: "},
     .page = {.table = kSNMPTargetMIBTargetAddressTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {8, "createAndGo"}, .remove = {8, "destroy"},
              .formats = kSNMPTargetMIBTargetAddressTableFormats}},
    {.id = "snmp_v3.snmp_target_mib.target_parameters", .depth = 2, .caption = "Target Parameters",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Parameters: "},
     .page = {.table = kTargetParameters, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {6, "createAndGo"}, .remove = {6, "destroy"}}},
    {.id = "snmp_v3.user_based_security_model", .depth = 1, .caption = "User-based Security Model"},
    {.id = "snmp_v3.user_based_security_model.statistics", .depth = 2, .caption = "Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "Statistics: "},
     .page = {.table = kUserBasedSecurityModelStatistics, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "snmp_v3.user_based_security_model.user_table", .depth = 2, .caption = "User Table",
     .opens = Opens::Generic, .pageCaption = {.text = "User Table: "},
     .page = {.table = kUserTable, .shape = PageShape::Table, .kind = 3, .indexCount = 2, .add = {12, "createAndGo"},
              .remove = {12, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model", .depth = 1, .caption = "View-based Access Control Model"},
    {.id = "snmp_v3.view_based_access_control_model.security_group_table", .depth = 2,
     .caption = "Security Group Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Security Group Table: "},
     .page = {.table = kSecurityGroupTable, .shape = PageShape::Table, .kind = 3, .indexCount = 2,
              .add = {4, "createAndGo"}, .remove = {4, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model.access_table", .depth = 2, .caption = "Access Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Access Table: "},
     .page = {.table = kAccessTable, .shape = PageShape::Table, .kind = 3, .indexCount = 4, .add = {9, "createAndGo"},
              .remove = {9, "destroy"}}},
    {.id = "snmp_v3.view_based_access_control_model.view_mib_tree_family_table", .depth = 2,
     .caption = "View MIB Tree Family Table",
     .opens = Opens::Generic, .pageCaption = {.text = "View MIB Tree Family Table: "},
     .page = {.table = kViewMIBTreeFamilyTable, .shape = PageShape::Table, .kind = 3, .indexCount = 2,
              .add = {5, "createAndGo"}, .remove = {5, "destroy"}}},
    {.id = "snmp_v3.notifications", .depth = 1, .caption = "Notifications"},
    {.id = "snmp_v3.notifications.notify_table", .depth = 2, .caption = "Notify Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Table: "},
     .page = {.table = kNotifyTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1, .add = {4, "createAndGo"},
              .remove = {4, "destroy"}}},
    {.id = "snmp_v3.notifications.notify_filter_profile_table", .depth = 2, .caption = "Notify Filter Profile Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Filter Profile Table: "},
     .page = {.table = kNotifyFilterProfileTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}}},
    {.id = "snmp_v3.notifications.notify_filter_entry_table", .depth = 2, .caption = "Notify Filter Entry Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Notify Filter Table: "},
     .page = {.table = kNotifyFilterEntryTable, .shape = PageShape::Table, .kind = 3, .indexCount = 2,
              .add = {5, "createAndGo"}, .remove = {5, "destroy"}}},
    {.id = "snmp_v3.community", .depth = 1, .caption = "Community"},
    {.id = "snmp_v3.community.community_string_table", .depth = 2, .caption = "Community String Table",
     .opens = Opens::Generic, .pageCaption = {.text = "SNMP Community Table: "},
     .page = {.table = kCommunityStringTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .add = {7, "createAndGo"}, .remove = {7, "destroy"}}},
    {.id = "snmp_v3.community.target_address_table", .depth = 2, .caption = "Target Address Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Target Address Table: "},
     .page = {.table = kCommunityTargetAddressTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
};

}  // namespace

std::span<const MenuItem> SnmpV3Menu()
{
    return kItems;
}

}  // namespace ksw::catalogue
