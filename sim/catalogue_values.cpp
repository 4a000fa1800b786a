#include "catalogue_values.h"

#include <arpa/inet.h>

#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "values/optionlist.h"
#include "descriptor_import.h"
#include "snmp/vardesc.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

// Where a standard MIB types an object otherwise than the page's type code does, the standard
// wins: the module must cope with what real agents send.
enum class Standard : uint8_t {
    PageType,     // the page's type code is right
    BridgeId,     // BRIDGE-MIB BridgeId: 8 octets, priority then MAC address
    PortId,       // BRIDGE-MIB dot1dStpPortDesignatedPort: 2 octets
    PortList,     // Q-BRIDGE-MIB PortList
    Bits,         // a BITS object of up to 8 named bits: one octet
    TAddress,     // SNMPv2-TM TAddress: 1 to 255 octets (6 for UDP)
    DateAndTime,  // SNMPv2-TC DateAndTime: 8 or 11 octets
};

struct StandardObject {
    const char* oid;
    Standard syntax;
    const char* value;  // in the state file's form (value.h); null: by type
};

constexpr StandardObject kStandardObjects[] = {
    {"1.3.6.1.2.1.17.2.15.1.6", Standard::BridgeId, nullptr},   // dot1dStpPortDesignatedRoot
    {"1.3.6.1.2.1.17.2.15.1.8", Standard::BridgeId, nullptr},   // dot1dStpPortDesignatedBridge
    {"1.3.6.1.2.1.17.2.15.1.9", Standard::PortId, "HEX:8001"},  // dot1dStpPortDesignatedPort
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", Standard::PageType, "INTEGER:8"},  // dot1dPortNumTrafficClasses
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", Standard::PortList, nullptr},  // dot1qTpGroupEgressPorts
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", Standard::PortList, nullptr},  // dot1qTpGroupLearnt
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", Standard::PageType, "INTEGER:1"},  // dot1vProtocolPortGroupVid
    {"1.0.8802.1.1.1.1.1.2.1.3", Standard::Bits, "HEX:80"},  // dot1xPaePortCapabilities: authenticator
    // Ping and traceroute targets given by name (dns(16)): the pages show the address as text.
    {"1.3.6.1.2.1.80.1.3.1.2", Standard::PageType, "INTEGER:16"},
    {"1.3.6.1.2.1.80.1.3.1.10", Standard::DateAndTime, nullptr},  // pingResultsLastGoodProbe
    {"1.3.6.1.2.1.81.1.3.1.4", Standard::PageType, "INTEGER:16"},
    {"1.3.6.1.2.1.81.1.3.1.8", Standard::DateAndTime, nullptr},  // traceRouteResultsLastGoodPath
    {"1.3.6.1.2.1.81.1.5.1.2", Standard::PageType, "INTEGER:16"},
    {"1.3.6.1.2.1.81.1.5.1.10", Standard::DateAndTime, nullptr},  // traceRouteHopsLastGoodProbe
    {"1.3.6.1.6.3.12.1.2.1.2", Standard::PageType, "OID:1.3.6.1.6.1.1"},  // snmpUDPDomain
    {"1.3.6.1.6.3.12.1.2.1.3", Standard::TAddress, "HEX:0a5a5a0a00a2"},  // 10.90.90.10, port 162
    {"1.3.6.1.6.3.12.1.2.1.4", Standard::PageType, "INTEGER:1500"},      // snmpTargetAddrTimeout
    {"1.3.6.1.6.3.12.1.2.1.5", Standard::PageType, "INTEGER:3"},         // snmpTargetAddrRetryCount
    {"1.3.6.1.6.3.12.1.3.1.2", Standard::PageType, "INTEGER:3"},         // snmpTargetParamsMPModel: v3
    {"1.3.6.1.6.3.12.1.3.1.3", Standard::PageType, "INTEGER:3"},         // snmpTargetParamsSecurityModel: USM
    {"1.3.6.1.6.3.18.1.2.1.2", Standard::PageType, "INTEGER:484"},       // snmpTargetAddrMMS
};

// Texts of DisplayString objects by a part of their label, first match wins (case ignored).
// "@model" stands for the model's name; "@uptime" and "@clock" make the object follow the
// switch's clock (read-only objects only).
struct TextByLabel {
    const char* labelPart;
    const char* text;
};

constexpr TextByLabel kTexts[] = {
    // Before "File", which "Profile" contains.
    {"Profile Name", "profile1"},
    {"Profile ID", "1"},
    {"Firmware Version", "1.00.010"},
    {"Prom Version", "1.00.003"},
    {"Hardware Version", "A1"},
    {"Version", "1.00.010"},
    {"Serial", "KS7100160000123"},
    {"Module Name", "@model"},
    {"Platform", "@model"},
    {"Device Name", "@model"},
    {"Member Name", "@model"},
    {"Client Identifier", "@model"},
    {"Description", "@model"},
    {"MSTP Name", "@model"},
    {"Capability", "L2 Switch"},
    {"Parity", "none"},
    {"System UpTime", "@uptime"},
    {"Current Time", "@clock"},
    {"BootTime", "2025-06-01 08:00:00"},
    {"Time Range Name", "workday"},
    {"Time", "2025-06-01 08:00:00"},
    {"Community", "public"},
    {"Password", ""},
    {"Key Change", ""},
    {"Public", ""},
    {"Mask", ""},
    {"VLAN Name", "default"},
    {"Loop VLAN", ""},
    {"Certificate Key File", "c:/ssl/key.pem"},
    {"Certificate File", "c:/ssl/cert.pem"},
    {"Directory Path", "c:/"},
    {"Redirect Path", "http://10.90.90.10/"},
    {"URL", "http://10.90.90.10/"},
    {"Source Name", "c:/config.cfg"},
    {"Target Name", "c:/config_backup.cfg"},
    {"Delete Name", ""},
    {"Interface", "System"},
    {"File System Type", "FFS"},
    {"Partition", "c:"},
    {"File", "c:/config.cfg"},
    {"Type", "Flash"},
    {"From", "10.90.90.10"},
    {"Target Address", "10.90.90.1"},
    {"Send User", "admin"},
    {"Login Method", "local"},
    {"Enable Method", "local_enable"},
    {"Page Title", "Web Authentication"},
    {"Login Window", "Login"},
    {"Logout Window", "Logout"},
    {"Element User Name", "User Name"},
    {"Session ID", "00000001"},
    {"Host Name", "host1"},
    {"Transport Tag", ""},
    {"Tag", "manager"},
    {"Params", "params1"},
    {"Context Name", ""},
    {"Securit", "admin"},  // "Security Name", and the catalogue's "Securit yName"
    {"View", "all"},
    {"CS Group Name", "sim-group"},
    {"Group Name", "rwgroup"},
    {"User Name", "admin"},
    {"Trap Message", ""},
    {"ID", "00000001"},
};

// Bytes and texts every imported object of that kind starts with.
const char kBootDate[] = "2025-06-01 08:00:00";
constexpr unsigned char kBootDateAndTime[11] = {0x07, 0xe9, 6, 1, 8, 0, 0, 0, '+', 0, 0};  // 2025-06-01,8:00:00.0

bool contains(std::string_view text, std::string_view part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

std::string_view labelOf(const QxSNMPVarDesc& desc)
{
    return desc.Label ? std::string_view(desc.Label) : std::string_view();
}

const StandardObject* standardObject(const QxSNMPVarDesc& desc)
{
    if (!desc.Oid) return nullptr;
    for (const StandardObject& s : kStandardObjects)
        if (std::string_view(s.oid) == desc.Oid) return &s;
    return nullptr;
}

// A range written into the label ("Aging Time[10-875]", "[ -779..839]", "[Sec:0-300]"): the
// lowest and highest number after the '['.
std::optional<Range> labelRange(std::string_view label)
{
    const size_t open = label.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    std::vector<int64_t> numbers;
    for (size_t i = open + 1; i < label.size();) {
        const bool negative = label[i] == '-' && i + 1 < label.size() && std::isdigit(static_cast<unsigned char>(label[i + 1])) &&
                              (i == open + 1 || label[i - 1] == ' ' || label[i - 1] == '[');
        if (negative || std::isdigit(static_cast<unsigned char>(label[i]))) {
            size_t j = negative ? i + 1 : i;
            int64_t n = 0;
            while (j < label.size() && std::isdigit(static_cast<unsigned char>(label[j])) && n < 100000000) n = n * 10 + (label[j++] - '0');
            numbers.push_back(negative ? -n : n);
            i = j;
        } else {
            ++i;
        }
    }
    if (numbers.size() < 2) return std::nullopt;
    const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
    return Range{*low, *high};
}

std::string ipv4(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
}

std::string ipv6(const char* text)
{
    unsigned char bytes[16] = {};
    inet_pton(AF_INET6, text, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::string bridgeId(const SwitchSim& sim)
{
    return std::string("\x80\x00", 2) + sim.bridgeMac();  // priority 32768
}

std::string uptimeText(uint64_t ms)
{
    const uint64_t s = ms / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "%llu days %02llu:%02llu:%02llu", static_cast<unsigned long long>(s / 86400),
                  static_cast<unsigned long long>(s / 3600 % 24), static_cast<unsigned long long>(s / 60 % 60),
                  static_cast<unsigned long long>(s % 60));
    return text;
}

// The boot date plus the simulated time since power-on.
std::string clockText(uint64_t ms)
{
    const uint64_t s = ms / 1000 + 8 * 3600;  // booted at 08:00:00
    const uint64_t day = 1 + s / 86400;       // June has 30 days; later days keep counting
    char text[48];
    std::snprintf(text, sizeof text, "2025-06-%02llu %02llu:%02llu:%02llu", static_cast<unsigned long long>(day),
                  static_cast<unsigned long long>(s / 3600 % 24), static_cast<unsigned long long>(s / 60 % 60),
                  static_cast<unsigned long long>(s % 60));
    return text;
}

InitialValue displayText(std::string_view label, const Syntax& syntax, bool readOnly, const SwitchSim& sim)
{
    for (const TextByLabel& t : kTexts) {
        if (!contains(label, t.labelPart)) continue;
        const std::string_view text = t.text;
        if (text == "@model") return {Value::Octets(sim.model().name), {}};
        if (text == "@uptime" || text == "@clock") {
            if (!readOnly) return {Value::Octets(kBootDate), {}};
            const bool uptime = text == "@uptime";
            const SwitchSim* s = &sim;
            return {std::nullopt, [s, uptime](const Oid&) {
                        return Value::Octets(uptime ? uptimeText(s->nowMs()) : clockText(s->nowMs()));
                    }};
        }
        return {Value::Octets(std::string(text)), {}};
    }
    return {defaultValue(syntax), {}};
}

Value octetValue(const QxSNMPVarDesc& desc, const Syntax& syntax, const SwitchSim& sim)
{
    const std::string_view label = labelOf(desc);
    switch (desc.Type) {
    case VarType::MacAddress:
        return Value::Octets(contains(label, "Mask") ? std::string(6, '\xff') : sim.bridgeMac());
    case VarType::Ipv6Address:
        if (contains(label, "Mask")) return Value::Octets(ipv6("ffff:ffff:ffff:ffff::"));
        if (contains(label, "Link Local")) return Value::Octets(ipv6("fe80::4b:53ff:fe00:1"));
        return Value::Octets(ipv6("2001:db8::10"));
    case VarType::DateTime:
        return Value::Octets(std::string(reinterpret_cast<const char*>(kBootDateAndTime), sizeof kBootDateAndTime));
    case VarType::OctetString:
        if (contains(label, "Engine")) return Value::Octets(sim.engineId());
        if (contains(label, "Bridge")) return Value::Octets(bridgeId(sim));
        if (contains(label, "VLAN Range [1-64]")) return Value::Octets(std::string("\x80\0\0\0\0\0\0\0", 8));  // VLAN 1
        if (contains(label, "VLAN Range")) return Value::Octets(std::string(8, '\0'));
        if (contains(label, "Mask")) return Value::Octets(std::string(2, '\xff'));
        if (contains(label, "Address")) return Value::Octets(ipv4(10, 90, 90, 10));  // an InetAddress of type ipv4
        return defaultValue(syntax);
    default:
        return defaultValue(syntax);
    }
}

Value ipValue(std::string_view label)
{
    if (contains(label, "Mask")) return Value::IpAddress(ipv4(255, 255, 255, 0));
    if (contains(label, "Gateway")) return Value::IpAddress(ipv4(10, 90, 90, 254));
    if (contains(label, "Virtual")) return Value::IpAddress(ipv4(1, 1, 1, 1));
    if (contains(label, "Group") || contains(label, "Multicast")) return Value::IpAddress(ipv4(239, 1, 1, 1));
    if (label == "IP Address") return Value::IpAddress(ipv4(10, 90, 90, 90));  // the switch's own
    return Value::IpAddress(ipv4(10, 90, 90, 10));
}

// The option a switch would show first: the first one that is not "other" or "unknown".
std::optional<Value> optionValue(const QxSNMPVarDesc& desc)
{
    const QxOptionList* options = desc.Options;
    if (!options || options->Count() == 0) return std::nullopt;
    int chosen = 0;
    for (int i = 0; i < options->Count(); ++i) {
        const QString label = options->Option(i).label;
        if (label.compare(QLatin1String("other"), Qt::CaseInsensitive) != 0 &&
            label.compare(QLatin1String("unknown"), Qt::CaseInsensitive) != 0) {
            chosen = i;
            break;
        }
    }
    const QxOption& option = options->Option(chosen);
    if (options->Kind() == OptionKind::Integer) return Value::Integer(option.intValue);
    if (auto oid = parseOid(option.strValue.toStdString())) return Value::ObjectId(*oid);
    return std::nullopt;
}

}  // namespace

bool isRowStatusOptionList(const QxSNMPVarDesc& desc)
{
    const QxOptionList* options = desc.Options;
    return options && options->Kind() == OptionKind::Integer &&
           options->FindByValue(QStringLiteral("4")) >= 0 && options->FindByValue(QStringLiteral("6")) >= 0 &&
           options->FindByLabel(QStringLiteral("createAndGo")) >= 0 && options->FindByLabel(QStringLiteral("destroy")) >= 0;
}

Syntax catalogueSyntax(const QxSNMPVarDesc& desc, StatusKind statusKind, int portCount)
{
    if (statusKind == StatusKind::RowStatus) return syntax::rowStatus();
    if (statusKind == StatusKind::EnableStatus) return syntax::enableStatus();
    if (const StandardObject* s = standardObject(desc)) {
        switch (s->syntax) {
        case Standard::PageType: break;
        case Standard::BridgeId: return syntax::octets({8, 8});
        case Standard::PortId: return syntax::octets({2, 2});
        case Standard::PortList: return syntax::portList(4, portCount);
        case Standard::Bits: return syntax::octets({0, 1});
        case Standard::TAddress: return syntax::octets({1, 255});
        case Standard::DateAndTime: return syntaxForTypeCode(VarType::DateTime, {}, portCount);
        }
    }
    Syntax s = syntaxForTypeCode(desc.Type, enumValues(desc.Options), portCount);
    if (s.type == Smi::Integer && s.enums.empty())
        if (auto range = labelRange(labelOf(desc))) s.ranges = {*range};
    return s;
}

InitialValue catalogueValue(const QxSNMPVarDesc& desc, const Syntax& syntax, const SwitchSim& sim)
{
    if (rowstatus::isStatusColumn(syntax)) return {defaultValue(syntax), {}};
    if (const StandardObject* s = standardObject(desc)) {
        if (s->value)
            if (auto v = parseValueText(s->value)) return {*v, {}};
        if (s->syntax == Standard::BridgeId) return {Value::Octets(bridgeId(sim)), {}};
        if (s->syntax == Standard::DateAndTime)
            return {Value::Octets(std::string(reinterpret_cast<const char*>(kBootDateAndTime), sizeof kBootDateAndTime)), {}};
    }
    if (auto option = optionValue(desc)) return {*option, {}};

    const std::string_view label = labelOf(desc);
    const bool readOnly = !(desc.Access & AccessWrite);
    switch (syntax.type) {
    case Smi::IpAddress: return {ipValue(label), {}};
    case Smi::ObjectId:
        // zeroDotZero, the null pointer of RFC 2579 (RowPointer, cloneFrom).
        return {Value::ObjectId({0, 0}), {}};
    case Smi::OctetString:
        if (syntax.flavour == Flavour::DisplayString) return displayText(label, syntax, readOnly, sim);
        return {octetValue(desc, syntax, sim), {}};
    default: return {defaultValue(syntax), {}};
    }
}

Value indexValueAs(const Value& decoded, const Syntax& syntax)
{
    if (decoded.type != Smi::Integer) return decoded;
    switch (syntax.type) {
    case Smi::Gauge32: return Value::Gauge32(static_cast<uint64_t>(decoded.integer));
    case Smi::Counter32: return Value::Counter32(static_cast<uint64_t>(decoded.integer));
    case Smi::TimeTicks: return Value::TimeTicks(static_cast<uint64_t>(decoded.integer));
    default: return decoded;
    }
}

Value valueForRow(const Value& value, const Syntax& syntax, int row)
{
    if (row == 0) return value;
    Value copy = value;
    std::string& bytes = copy.octets;
    const bool address = value.type == Smi::IpAddress ||
                         (value.type == Smi::OctetString && syntax.ranges.size() == 1 &&
                          syntax.ranges.front().low == 6 && syntax.ranges.front().high == 6);  // a MAC address
    if (!address || bytes.empty()) return value;
    const auto first = static_cast<unsigned char>(bytes.front());
    const auto last = static_cast<unsigned char>(bytes.back());
    // Masks, broadcast and unset addresses stay as they are.
    if (first == 0xff || first == 0 || last == 0xff) return value;
    bytes.back() = static_cast<char>(last + row);
    return copy;
}

}  // namespace ksw::sim
