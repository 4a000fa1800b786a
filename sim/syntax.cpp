#include "syntax.h"

#include <algorithm>

namespace ksw::sim {

bool isReadable(Access access)
{
    return access != Access::NotAccessible;
}

bool isWritable(Access access)
{
    return access == Access::ReadWrite || access == Access::ReadCreate;
}

namespace syntax {

namespace {
Syntax of(Smi type)
{
    Syntax s;
    s.type = type;
    return s;
}
}  // namespace

Syntax integer()
{
    return of(Smi::Integer);
}

Syntax integer(Range range)
{
    Syntax s = of(Smi::Integer);
    s.ranges = {range};
    return s;
}

Syntax enumeration(std::initializer_list<int64_t> values)
{
    return enumeration(std::vector<int64_t>(values));
}

Syntax enumeration(std::vector<int64_t> values)
{
    Syntax s = of(Smi::Integer);
    s.enums = std::move(values);
    return s;
}

Syntax truthValue()
{
    return enumeration({1, 2});
}

Syntax rowStatus()
{
    Syntax s = enumeration({rowstatus::Active, rowstatus::NotInService, rowstatus::NotReady,
                            rowstatus::CreateAndGo, rowstatus::CreateAndWait, rowstatus::Destroy});
    s.flavour = Flavour::RowStatus;
    return s;
}

Syntax enableStatus()
{
    Syntax s = enumeration({1, 2, 3});
    s.flavour = Flavour::EnableStatus;
    return s;
}

Syntax unsigned32(Range range)
{
    Syntax s = of(Smi::Gauge32);
    s.ranges = {range};
    return s;
}

Syntax gauge32()
{
    return of(Smi::Gauge32);
}

Syntax counter32()
{
    return of(Smi::Counter32);
}

Syntax counter64()
{
    return of(Smi::Counter64);
}

Syntax timeTicks()
{
    return of(Smi::TimeTicks);
}

Syntax objectId()
{
    return of(Smi::ObjectId);
}

Syntax ipAddress()
{
    Syntax s = of(Smi::IpAddress);
    s.ranges = {{4, 4}};
    return s;
}

Syntax octets()
{
    return of(Smi::OctetString);
}

Syntax octets(Range sizes)
{
    Syntax s = of(Smi::OctetString);
    s.ranges = {sizes};
    return s;
}

Syntax displayString(int maxLength)
{
    Syntax s = octets({0, maxLength});
    s.flavour = Flavour::DisplayString;
    return s;
}

Syntax macAddress()
{
    return octets({6, 6});
}

Syntax portList(int octetCount, int portCount)
{
    Syntax s = octets({octetCount, octetCount});
    s.flavour = Flavour::PortList;
    s.portCount = portCount;
    return s;
}

}  // namespace syntax

namespace {

constexpr int64_t kEnableStatusOther = 1;
constexpr int64_t kEnableStatusDisabled = 2;
constexpr int64_t kEnableStatusEnabled = 3;

bool inRanges(const std::vector<Range>& ranges, int64_t v)
{
    if (ranges.empty()) return true;
    return std::any_of(ranges.begin(), ranges.end(), [v](const Range& r) { return v >= r.low && v <= r.high; });
}

bool portBitsWithin(const std::string& bits, int portCount)
{
    for (size_t i = 0; i < bits.size(); ++i) {
        const auto octet = static_cast<unsigned char>(bits[i]);
        for (int bit = 0; bit < 8; ++bit) {
            const int port = static_cast<int>(i) * 8 + bit + 1;
            if ((octet & (0x80 >> bit)) && port > portCount) return false;
        }
    }
    return true;
}

}  // namespace

ErrorStatus checkValue(const Syntax& syntax, const Value& value)
{
    if (value.type != syntax.type) return ErrorStatus::WrongType;
    switch (syntax.type) {
    case Smi::Integer:
        if (syntax.flavour == Flavour::RowStatus && value.integer == rowstatus::NotReady)
            return ErrorStatus::WrongValue;
        if (syntax.flavour == Flavour::EnableStatus && value.integer == kEnableStatusOther)
            return ErrorStatus::WrongValue;
        if (!syntax.enums.empty() &&
            std::find(syntax.enums.begin(), syntax.enums.end(), value.integer) == syntax.enums.end())
            return ErrorStatus::WrongValue;
        return inRanges(syntax.ranges, value.integer) ? ErrorStatus::NoError : ErrorStatus::WrongValue;
    case Smi::Gauge32:
    case Smi::Counter32:
    case Smi::TimeTicks:
    case Smi::Counter64:
        if (value.number > static_cast<uint64_t>(INT64_MAX)) return ErrorStatus::WrongValue;
        return inRanges(syntax.ranges, static_cast<int64_t>(value.number)) ? ErrorStatus::NoError
                                                                           : ErrorStatus::WrongValue;
    case Smi::OctetString:
    case Smi::Opaque:
    case Smi::IpAddress:
        if (!inRanges(syntax.ranges, static_cast<int64_t>(value.octets.size()))) return ErrorStatus::WrongLength;
        if (syntax.flavour == Flavour::PortList && !portBitsWithin(value.octets, syntax.portCount))
            return ErrorStatus::WrongValue;
        return ErrorStatus::NoError;
    case Smi::ObjectId:
    case Smi::Null:
        return ErrorStatus::NoError;
    }
    return ErrorStatus::NoError;
}

Value defaultValue(const Syntax& syntax)
{
    auto lowest = [&]() -> int64_t {
        if (!syntax.enums.empty()) return syntax.enums.front();
        if (syntax.ranges.empty() || inRanges(syntax.ranges, 0)) return 0;
        return syntax.ranges.front().low;
    };
    switch (syntax.type) {
    case Smi::Integer:
        if (rowstatus::isStatusColumn(syntax)) return Value::Integer(rowstatus::stored(syntax, rowstatus::Active));
        return Value::Integer(lowest());
    case Smi::Gauge32: return Value::Gauge32(static_cast<uint64_t>(std::max<int64_t>(0, lowest())));
    case Smi::Counter32: return Value::Counter32(0);
    case Smi::TimeTicks: return Value::TimeTicks(0);
    case Smi::Counter64: return Value::Counter64(0);
    case Smi::ObjectId: return Value::ObjectId({0, 0});
    case Smi::IpAddress: return Value::IpAddress(std::string(4, '\0'));
    case Smi::Opaque: return Value::Opaque({});
    case Smi::OctetString: {
        const int64_t size = syntax.ranges.empty() ? 0 : std::max<int64_t>(0, syntax.ranges.front().low);
        return Value::Octets(std::string(static_cast<size_t>(size), '\0'));
    }
    case Smi::Null: return Value{};
    }
    return Value{};
}

namespace rowstatus {

bool isStatusColumn(const Syntax& syntax)
{
    return syntax.flavour == Flavour::RowStatus || syntax.flavour == Flavour::EnableStatus;
}

int64_t command(const Syntax& syntax, int64_t value, bool rowExists)
{
    if (syntax.flavour != Flavour::EnableStatus) return value;
    if (value == kEnableStatusDisabled) return Destroy;
    return rowExists ? Active : CreateAndGo;
}

int64_t stored(const Syntax& syntax, int64_t state)
{
    if (syntax.flavour == Flavour::EnableStatus) return kEnableStatusEnabled;
    return state;
}

bool isSteadyValue(const Syntax& syntax, int64_t value)
{
    if (syntax.flavour == Flavour::EnableStatus) return value == kEnableStatusEnabled;
    return value == Active || value == NotInService;
}

}  // namespace rowstatus

}  // namespace ksw::sim
