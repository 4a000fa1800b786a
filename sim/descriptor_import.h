#pragma once
// Declaring objects from the module's own page descriptor tables (snmp/vardesc.h): each
// QxSNMPVarDesc record gives an OID, a type code (VarType::*), access bits and an option list;
// this maps them to the store's syntax, access and INDEX types and gives every object the
// default value of its type. Objects already declared keep their first declaration, so the
// hand-written objects with behaviour (mib_*.cpp) win over an import of the same OID.
//
//   importDescriptorTable(store, kAlarmControl, VarListKind::ScalarGroup, {});
//   importDescriptorTable(store, kPortCounterTable, VarListKind::TableU, {.rows = portRows});

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "object_store.h"

struct QxSNMPVarDesc;
class QxOptionList;

namespace ksw::sim {

// Type code to syntax: 2 (and the 8/16-bit codes) INTEGER, 3 port list of 4 octets,
// 4 OCTET STRING, 6 OBJECT IDENTIFIER, 64 IpAddress, 65 Counter32, 66 Gauge32, 67 TimeTicks,
// 70 Counter64, 71 Unsigned32, 73 MacAddress, 74 DateAndTime (8 or 11 octets),
// 76 DisplayString, 77 IPv6 address (16 octets); anything else an OCTET STRING.
Syntax syntaxForTypeCode(uint32_t typeCode, std::vector<int64_t> enums, int portCount);
// Access bits to access: writable (4) is read-write, or read-create in a table with a row
// status column; readable (2) read-only; an index (1) alone not-accessible.
Access accessForCode(uint32_t accessBits, bool creatableTable);
// The INDEX part an index descriptor stands for; the implied bit (64) makes strings implied.
IndexPart indexPartForTypeCode(uint32_t typeCode, uint32_t accessBits);
// The values of an integer option list (kind 1); empty for other kinds.
std::vector<int64_t> enumValues(const QxOptionList* options);

// One object: a scalar when `table` is null, else a column of it (the table's entry is the
// OID without its last arc).
const ObjectDef* declareFromDescriptor(ObjectStore& store, std::string_view oid, uint32_t typeCode,
                                       uint32_t accessBits, std::vector<int64_t> enums, TableDef* table,
                                       int portCount, std::string_view label = {});

struct ImportOptions {
    int portCount = 16;
    int rowStatusPosition = -1;       // the page's Add position: that column is the RowStatus
    std::vector<IndexPart> index;     // empty: from the index descriptors (access bit 1), in order
    std::vector<Oid> rows;            // index suffixes of the rows to create
};

// A whole descriptor table: scalars for list kind 0, a table for the other kinds.
void importDescriptorTable(ObjectStore& store, const QxSNMPVarDesc* table, uint8_t kind, const ImportOptions& options);

}  // namespace ksw::sim
