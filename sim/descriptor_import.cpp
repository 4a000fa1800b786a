#include "descriptor_import.h"

#include "values/optionlist.h"
#include "snmp/vardesc.h"

namespace ksw::sim {

Syntax syntaxForTypeCode(uint32_t typeCode, std::vector<int64_t> enums, int portCount)
{
    Syntax s;
    switch (typeCode) {
    case VarType::Integer:
    case VarType::Boolean:
    case VarType::Bool8:
    case VarType::Int8:
    case VarType::UInt8:
    case VarType::Bool16:
    case VarType::Int16:
    case VarType::UInt16:
        s = enums.empty() ? syntax::integer() : syntax::enumeration(std::move(enums));
        break;
    case VarType::BitString: s = syntax::portList(4, portCount); break;
    case VarType::ObjectId: s = syntax::objectId(); break;
    case VarType::IpAddress: s = syntax::ipAddress(); break;
    case VarType::Counter: s = syntax::counter32(); break;
    case VarType::Gauge: s = syntax::gauge32(); break;
    case VarType::TimeTicks: s = syntax::timeTicks(); break;
    case VarType::Counter64: s = syntax::counter64(); break;
    case VarType::UInteger: s = syntax::unsigned32({0, 4294967295LL}); break;
    case VarType::MacAddress: s = syntax::macAddress(); break;
    case VarType::DateTime:
        s = syntax::octets({8, 8});
        s.ranges.push_back({11, 11});
        break;
    case VarType::DisplayString: s = syntax::displayString(255); break;
    case VarType::Ipv6Address: s = syntax::octets({16, 16}); break;
    default: s = syntax::octets(); break;
    }
    return s;
}

Access accessForCode(uint32_t accessBits, bool creatableTable)
{
    if (accessBits & AccessWrite) return creatableTable ? Access::ReadCreate : Access::ReadWrite;
    if (accessBits & AccessRead) return Access::ReadOnly;
    return Access::NotAccessible;
}

IndexPart indexPartForTypeCode(uint32_t typeCode, uint32_t accessBits)
{
    const bool implied = accessBits & AccessImplied;
    switch (typeCode) {
    case VarType::MacAddress: return IndexPart::fixedOctets(6);
    case VarType::IpAddress: return IndexPart::ipAddress();
    case VarType::Ipv6Address: return IndexPart::fixedOctets(16);
    case VarType::ObjectId: return implied ? IndexPart::impliedObjectId() : IndexPart::objectId();
    case VarType::OctetString:
    case VarType::DisplayString:
    case VarType::BitString:
        return implied ? IndexPart::impliedOctets(0, 128) : IndexPart::octets(0, 128);
    default: return IndexPart::integer(0, 4294967295LL);
    }
}

std::vector<int64_t> enumValues(const QxOptionList* options)
{
    std::vector<int64_t> values;
    if (!options || options->Kind() != OptionKind::Integer) return values;
    for (int i = 0; i < options->Count(); ++i) values.push_back(options->Option(i).intValue);
    return values;
}

const ObjectDef* declareFromDescriptor(ObjectStore& store, std::string_view oid, uint32_t typeCode,
                                       uint32_t accessBits, std::vector<int64_t> enums, TableDef* table,
                                       int portCount, std::string_view label)
{
    auto parsed = parseOid(oid);
    if (!parsed || parsed->empty()) return nullptr;
    ObjectDef def;
    def.oid = *parsed;
    def.name = std::string(label.empty() ? oid : label);
    def.syntax = syntaxForTypeCode(typeCode, std::move(enums), portCount);
    def.access = accessForCode(accessBits, table && table->creatable());
    if (!table) return &store.declareScalar(std::move(def));
    if (!startsWith(def.oid, table->entry) || def.oid.size() != table->entry.size() + 1) return nullptr;
    const uint32_t column = def.oid.back();
    return &store.declareColumn(*table, column, std::move(def));
}

void importDescriptorTable(ObjectStore& store, const QxSNMPVarDesc* descs, uint8_t kind, const ImportOptions& options)
{
    const int count = CountVarDescs(descs);
    if (count == 0) return;
    if (kind == VarListKind::ScalarGroup) {
        for (int i = 0; i < count; ++i)
            declareFromDescriptor(store, descs[i].Oid, descs[i].Type, descs[i].Access, enumValues(descs[i].Options),
                                  nullptr, options.portCount, descs[i].Label ? descs[i].Label : "");
        return;
    }

    auto first = parseOid(descs[0].Oid);
    if (!first || first->size() < 2) return;
    const Oid entry(first->begin(), first->end() - 1);
    std::vector<IndexPart> index = options.index;
    if (index.empty())
        for (int i = 0; i < count; ++i)
            if (descs[i].Access & AccessIndex) index.push_back(indexPartForTypeCode(descs[i].Type, descs[i].Access));
    TableDef& table = store.declareTable(entry, std::string(descs[0].Oid), index);

    // The row status column first, so that the other writable columns become read-create.
    if (options.rowStatusPosition >= 0 && options.rowStatusPosition < count) {
        const QxSNMPVarDesc& d = descs[options.rowStatusPosition];
        if (auto oid = parseOid(d.Oid); oid && startsWith(*oid, entry)) {
            ObjectDef def;
            def.name = d.Label ? d.Label : d.Oid;
            def.syntax = syntax::rowStatus();
            def.access = Access::ReadCreate;
            const uint32_t column = oid->back();
            store.declareColumn(table, column, std::move(def));
        }
    }
    for (int i = 0; i < count; ++i) {
        // Index columns without the readable bit are not-accessible, as INDEX objects usually are.
        declareFromDescriptor(store, descs[i].Oid, descs[i].Type, descs[i].Access, enumValues(descs[i].Options),
                              &table, options.portCount, descs[i].Label ? descs[i].Label : "");
    }
    for (const Oid& row : options.rows) store.addRow(table, row);
}

}  // namespace ksw::sim
