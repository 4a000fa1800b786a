#include "catalogue_rows.h"

#include <arpa/inet.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "values/optionlist.h"
#include "snmp/vardesc.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

// Tables whose rows the rule gets wrong. Each row lists its index values separated by '|', in
// the page's index order: numbers, dotted IPv4 or OID texts, IPv6 texts, MAC addresses as
// 02:1a:..., names as they stand, and "@engine" for the switch's snmpEngineID.
struct ExplicitRows {
    const char* entry;
    const char* rows[3];
};

constexpr ExplicitRows kExplicitRows[] = {
    // A stand-alone switch is unit 1 of its stack.
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1", {"1"}},
    // SNMP-TARGET-MIB and SNMP-NOTIFICATION-MIB: one trap receiver and its parameters.
    {"1.3.6.1.6.3.12.1.3.1", {"params1"}},
    {"1.3.6.1.6.3.13.1.1.1", {"trap"}},
    // A multicast profile's address range: IPv4 (type 1) 239.1.1.1 to 239.1.1.10.
    {"1.3.6.1.4.1.58126.12.64.3.3.1", {"profile1|1|239.1.1.1|239.1.1.10"}},
};

// Index values of names by a part of their label, first match wins (case ignored).
struct NamesByLabel {
    const char* labelPart;
    const char* names[2];
};

constexpr NamesByLabel kNames[] = {
    {"Start", {"239.1.1.1"}},
    {"End", {"239.1.1.10"}},
    {"Interface", {"System"}},
    {"Directory", {"config", "log"}},
    {"Owner", {"admin"}},
    {"Test", {"test1"}},
    {"User", {"admin", "monitor"}},
    {"View", {"all"}},
    {"Profile", {"profile1"}},
    {"Params", {"params1"}},
    {"Address Name", {"manager1"}},
    {"Group", {"rwgroup"}},
};
constexpr const char* kOtherName = "entry1";

bool contains(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

// The label's last word, after "Index", "ID" and "Number": what the index counts.
std::string_view countedThing(std::string_view label)
{
    while (true) {
        while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
        const size_t space = label.rfind(' ');
        const std::string_view word = space == std::string_view::npos ? label : label.substr(space + 1);
        if (word != "Index" && word != "ID" && word != "Id" && word != "Number") return word;
        if (space == std::string_view::npos) return {};
        label = label.substr(0, space);
    }
}

bool isIntegerType(uint32_t type)
{
    switch (type) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::TimeTicks:
    case VarType::UInteger: return true;
    default: return false;
    }
}

bool isPortColumn(const IndexColumn& column)
{
    return isIntegerType(column.type) && !column.options && countedThing(column.label) == "Port";
}

std::vector<Value> range(int64_t first, int64_t last)
{
    std::vector<Value> values;
    for (int64_t v = first; v <= last; ++v) values.push_back(Value::Integer(v));
    return values;
}

Value ip(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return Value::IpAddress({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)});
}

Value mac(unsigned last)
{
    return Value::Octets({'\x02', '\x1a', '\x2b', '\x3c', '\x4d', static_cast<char>(last)});
}

std::optional<std::string> ipv6Bytes(const std::string& text)
{
    unsigned char bytes[16];
    if (inet_pton(AF_INET6, text.c_str(), bytes) != 1) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::vector<Value> integerCandidates(const IndexColumn& column, bool besidePort, const SwitchSim& sim)
{
    if (column.options && column.options->Count() > 0) {
        std::vector<Value> values;
        const int count = std::min(column.options->Count(), besidePort ? 1 : 2);
        for (int i = 0; i < count; ++i) values.push_back(Value::Integer(column.options->Option(i).intValue));
        return values;
    }
    const std::string_view thing = countedThing(column.label);
    if (thing == "Port") return range(1, sim.model().ports);
    if (thing == "VLAN" || thing == "VID" || thing == "Unit") return range(1, 1);
    if (thing == "Priority") return range(0, 7);  // IEEE 802.1D user priorities
    if (thing == "Pair") return range(1, 4);      // the four pairs of a copper cable
    if (thing == "Class") return range(0, 3);     // traffic classes (queues)
    if (thing == "Len") return range(64, 64);     // an IPv6 prefix length
    return range(1, 2);
}

std::vector<Value> candidates(const IndexColumn& column, bool besidePort, const SwitchSim& sim)
{
    const std::string_view label = column.label;
    switch (column.type) {
    case VarType::MacAddress:
        if (contains(label, "Group Address")) return {Value::Octets({'\x01', '\x00', '\x5e', '\x01', '\x01', '\x01'})};
        if (besidePort) return {mac(0)};  // one host per port (valueForPort below)
        return {mac(1), mac(2)};
    case VarType::IpAddress:
    case VarType::NsapAddress:
        if (contains(label, "Mask")) return {ip(255, 255, 255, 0)};
        if (contains(label, " To ") || countedThing(label) == "To" || contains(label, "End")) return {ip(239, 1, 1, 10)};
        if (contains(label, "From") || contains(label, "Group") || contains(label, "Start")) return {ip(239, 1, 1, 1)};
        if (contains(label, "Source")) return {ip(10, 90, 90, 20)};
        return {ip(10, 90, 90, 21), ip(10, 90, 90, 22)};
    case VarType::Ipv6Address: return {Value::Octets(*ipv6Bytes("2001:db8::20"))};
    case VarType::ObjectId: return {Value::ObjectId({1, 3, 6, 1})};
    case VarType::OctetString:
    case VarType::BitString:
    case VarType::Opaque:
        if (contains(label, "Engine")) return {Value::Octets(sim.engineId())};
        return {Value::Octets("\x08\x00"), Value::Octets(std::string("\x86\xdd", 2))};  // IPv4, IPv6 EtherTypes
    case VarType::DisplayString:
        for (const NamesByLabel& n : kNames) {
            if (!contains(label, n.labelPart)) continue;
            std::vector<Value> values;
            for (const char* name : n.names)
                if (name) values.push_back(Value::Octets(name));
            return values;
        }
        return {Value::Octets(kOtherName)};
    default: return integerCandidates(column, besidePort, sim);
    }
}

std::optional<Value> parseIndexValue(const IndexColumn& column, const IndexPart& part, const std::string& text,
                                     const SwitchSim& sim)
{
    switch (part.kind) {
    case IndexKind::Integer: {
        bool ok = false;
        const qlonglong v = QString::fromStdString(text).toLongLong(&ok);
        if (!ok) return std::nullopt;
        return Value::Integer(v);
    }
    case IndexKind::IpAddress: {
        unsigned char bytes[4];
        if (inet_pton(AF_INET, text.c_str(), bytes) != 1) return std::nullopt;
        return Value::IpAddress(std::string(reinterpret_cast<const char*>(bytes), 4));
    }
    case IndexKind::FixedOctets:
        if (part.range.low == 16) {
            auto bytes = ipv6Bytes(text);
            return bytes ? std::optional<Value>(Value::Octets(*bytes)) : std::nullopt;
        } else {
            const QByteArray bytes = QByteArray::fromHex(QByteArray::fromStdString(text).replace(':', ""));
            if (bytes.size() != part.range.low) return std::nullopt;
            return Value::Octets(bytes.toStdString());
        }
    case IndexKind::Octets:
    case IndexKind::ImpliedOctets:
        if (text == "@engine") return Value::Octets(sim.engineId());
        if (column.type == VarType::DisplayString) return Value::Octets(text);
        return Value::Octets(QByteArray::fromHex(QByteArray::fromStdString(text)).toStdString());
    case IndexKind::ObjectId:
    case IndexKind::ImpliedObjectId:
        if (auto oid = parseOid(text)) return Value::ObjectId(*oid);
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<Oid> explicitRows(const ExplicitRows& explicitRows, const std::vector<IndexColumn>& columns,
                              const std::vector<IndexPart>& parts, const SwitchSim& sim)
{
    std::vector<Oid> rows;
    for (const char* row : explicitRows.rows) {
        if (!row) continue;
        std::vector<Value> values;
        const QStringList texts = QString::fromUtf8(row).split(QLatin1Char('|'));
        if (static_cast<size_t>(texts.size()) != parts.size()) continue;
        for (size_t i = 0; i < parts.size(); ++i) {
            auto value = parseIndexValue(columns[i], parts[i], texts[static_cast<int>(i)].toStdString(), sim);
            if (!value) break;
            values.push_back(*value);
        }
        if (values.size() == parts.size()) rows.push_back(encodeIndex(parts, values));
    }
    return rows;
}

}  // namespace

std::vector<Oid> catalogueRows(std::string_view entry, const std::vector<IndexColumn>& columns,
                               const std::vector<IndexPart>& parts, const SwitchSim& sim)
{
    if (columns.empty() || columns.size() != parts.size()) return {{1}};
    for (const ExplicitRows& e : kExplicitRows)
        if (entry == e.entry) return explicitRows(e, columns, parts, sim);

    const auto portColumn = std::find_if(columns.begin(), columns.end(), isPortColumn);
    const bool hasPort = portColumn != columns.end();
    std::vector<std::vector<Value>> lists;
    for (const IndexColumn& column : columns) lists.push_back(candidates(column, hasPort && !isPortColumn(column), sim));

    // Every combination, the first column varying slowest (the agent's walk order).
    std::vector<Oid> rows;
    std::vector<size_t> at(lists.size(), 0);
    if (std::any_of(lists.begin(), lists.end(), [](const auto& list) { return list.empty(); })) return rows;
    while (true) {
        std::vector<Value> values;
        for (size_t i = 0; i < lists.size(); ++i) values.push_back(lists[i][at[i]]);
        if (hasPort) {
            const int64_t port = values[static_cast<size_t>(portColumn - columns.begin())].integer;
            for (size_t i = 0; i < columns.size(); ++i)
                if (columns[i].type == VarType::MacAddress && values[i].octets[5] == 0)
                    values[i].octets[5] = static_cast<char>(port);  // the host on that port
        }
        rows.push_back(encodeIndex(parts, values));
        size_t i = lists.size();
        while (i > 0 && ++at[i - 1] == lists[i - 1].size()) at[--i] = 0;
        if (i == 0) break;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace ksw::sim
