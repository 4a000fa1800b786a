#include "value.h"

#include <charconv>

namespace ksw::sim {

const char* smiName(Smi type)
{
    switch (type) {
    case Smi::Integer: return "INTEGER";
    case Smi::OctetString: return "OCTET STRING";
    case Smi::Null: return "NULL";
    case Smi::ObjectId: return "OBJECT IDENTIFIER";
    case Smi::IpAddress: return "IpAddress";
    case Smi::Counter32: return "Counter32";
    case Smi::Gauge32: return "Gauge32";
    case Smi::TimeTicks: return "TimeTicks";
    case Smi::Opaque: return "Opaque";
    case Smi::Counter64: return "Counter64";
    }
    return "?";
}

bool isUnsignedType(Smi type)
{
    return type == Smi::Counter32 || type == Smi::Gauge32 || type == Smi::TimeTicks ||
           type == Smi::Counter64;
}

bool isOctetType(Smi type)
{
    return type == Smi::OctetString || type == Smi::Opaque || type == Smi::IpAddress;
}

Value Value::Integer(int64_t v)
{
    Value value;
    value.type = Smi::Integer;
    value.integer = v;
    return value;
}

Value Value::Octets(std::string bytes)
{
    Value value;
    value.type = Smi::OctetString;
    value.octets = std::move(bytes);
    return value;
}

Value Value::ObjectId(Oid v)
{
    Value value;
    value.type = Smi::ObjectId;
    value.oid = std::move(v);
    return value;
}

Value Value::IpAddress(std::string fourOctets)
{
    Value value;
    value.type = Smi::IpAddress;
    value.octets = std::move(fourOctets);
    return value;
}

Value Value::Counter32(uint64_t v)
{
    Value value;
    value.type = Smi::Counter32;
    value.number = v & 0xffffffffu;
    return value;
}

Value Value::Gauge32(uint64_t v)
{
    Value value;
    value.type = Smi::Gauge32;
    value.number = v > 0xffffffffu ? 0xffffffffu : v;
    return value;
}

Value Value::TimeTicks(uint64_t v)
{
    Value value;
    value.type = Smi::TimeTicks;
    value.number = v & 0xffffffffu;
    return value;
}

Value Value::Counter64(uint64_t v)
{
    Value value;
    value.type = Smi::Counter64;
    value.number = v;
    return value;
}

Value Value::Opaque(std::string bytes)
{
    Value value;
    value.type = Smi::Opaque;
    value.octets = std::move(bytes);
    return value;
}

bool Value::operator==(const Value& other) const
{
    if (type != other.type) return false;
    switch (type) {
    case Smi::Integer: return integer == other.integer;
    case Smi::ObjectId: return oid == other.oid;
    case Smi::Null: return true;
    default: break;
    }
    if (isUnsignedType(type)) return number == other.number;
    return octets == other.octets;
}

std::string hexText(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

namespace {

bool isPrintable(std::string_view bytes)
{
    for (unsigned char c : bytes)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

std::string quoted(std::string_view bytes)
{
    std::string text = "\"";
    for (char c : bytes) {
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    text += '"';
    return text;
}

std::optional<std::string> unquoted(std::string_view text)
{
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (i + 1 >= text.size()) return std::nullopt;
            c = text[++i];
            if (c != '"' && c != '\\') return std::nullopt;
        } else if (c == '"') {
            return std::nullopt;
        }
        bytes += c;
    }
    return bytes;
}

std::optional<std::string> unhex(std::string_view text)
{
    if (text.size() % 2) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = nibble(text[i]);
        int low = nibble(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

template <typename T>
std::optional<T> number(std::string_view text)
{
    T v{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<std::string> ipv4Octets(std::string_view text)
{
    std::string bytes;
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        size_t dot = text.find('.', start);
        if ((part < 3) != (dot != std::string_view::npos)) return std::nullopt;
        auto v = number<unsigned>(text.substr(start, part < 3 ? dot - start : std::string_view::npos));
        if (!v || *v > 255) return std::nullopt;
        bytes += static_cast<char>(*v);
        start = dot + 1;
    }
    return bytes;
}

}  // namespace

std::string valueText(const Value& value)
{
    switch (value.type) {
    case Smi::Integer: return "INTEGER:" + std::to_string(value.integer);
    case Smi::OctetString:
        return isPrintable(value.octets) ? "STRING:" + quoted(value.octets) : "HEX:" + hexText(value.octets);
    case Smi::Null: return "NULL";
    case Smi::ObjectId: return "OID:" + oidText(value.oid);
    case Smi::IpAddress: {
        if (value.octets.size() != 4) return "IPADDRESS:HEX:" + hexText(value.octets);
        std::string text = "IPADDRESS:";
        for (int i = 0; i < 4; ++i) {
            if (i) text += '.';
            text += std::to_string(static_cast<unsigned char>(value.octets[static_cast<size_t>(i)]));
        }
        return text;
    }
    case Smi::Counter32: return "COUNTER32:" + std::to_string(value.number);
    case Smi::Gauge32: return "GAUGE32:" + std::to_string(value.number);
    case Smi::TimeTicks: return "TIMETICKS:" + std::to_string(value.number);
    case Smi::Opaque: return "OPAQUE:" + hexText(value.octets);
    case Smi::Counter64: return "COUNTER64:" + std::to_string(value.number);
    }
    return "NULL";
}

std::optional<Value> parseValueText(std::string_view text, std::string* error)
{
    auto fail = [&](const std::string& why) -> std::optional<Value> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (text == "NULL") return Value{};
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return fail("value without a type (TYPE:VALUE expected)");
    const std::string_view type = text.substr(0, colon);
    const std::string_view body = text.substr(colon + 1);
    auto unsignedOf = [&](uint64_t limit) -> std::optional<uint64_t> {
        auto v = number<uint64_t>(body);
        if (!v || *v > limit) return std::nullopt;
        return v;
    };
    if (type == "INTEGER") {
        auto v = number<int64_t>(body);
        if (!v || *v < INT32_MIN || *v > INT32_MAX) return fail("bad INTEGER value");
        return Value::Integer(*v);
    }
    if (type == "STRING") {
        auto bytes = unquoted(body);
        if (!bytes) return fail("bad quoted STRING value");
        return Value::Octets(*bytes);
    }
    if (type == "HEX") {
        auto bytes = unhex(body);
        if (!bytes) return fail("bad HEX value");
        return Value::Octets(*bytes);
    }
    if (type == "OID") {
        auto oid = parseOid(body);
        if (!oid) return fail("bad OID value");
        return Value::ObjectId(*oid);
    }
    if (type == "IPADDRESS") {
        auto bytes = ipv4Octets(body);
        if (!bytes) return fail("bad IPADDRESS value");
        return Value::IpAddress(*bytes);
    }
    if (type == "COUNTER32" || type == "GAUGE32" || type == "TIMETICKS") {
        auto v = unsignedOf(0xffffffffu);
        if (!v) return fail("bad " + std::string(type) + " value");
        if (type == "COUNTER32") return Value::Counter32(*v);
        if (type == "GAUGE32") return Value::Gauge32(*v);
        return Value::TimeTicks(*v);
    }
    if (type == "COUNTER64") {
        auto v = unsignedOf(UINT64_MAX);
        if (!v) return fail("bad COUNTER64 value");
        return Value::Counter64(*v);
    }
    if (type == "OPAQUE") {
        auto bytes = unhex(body);
        if (!bytes) return fail("bad OPAQUE value");
        return Value::Opaque(*bytes);
    }
    return fail("unknown value type " + std::string(type));
}

}  // namespace ksw::sim
