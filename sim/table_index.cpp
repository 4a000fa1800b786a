#include "table_index.h"

namespace ksw::sim {

IndexPart IndexPart::integer(int64_t low, int64_t high)
{
    return {IndexKind::Integer, {low, high}};
}

IndexPart IndexPart::fixedOctets(int length)
{
    return {IndexKind::FixedOctets, {length, length}};
}

IndexPart IndexPart::octets(int minSize, int maxSize)
{
    return {IndexKind::Octets, {minSize, maxSize}};
}

IndexPart IndexPart::impliedOctets(int minSize, int maxSize)
{
    return {IndexKind::ImpliedOctets, {minSize, maxSize}};
}

IndexPart IndexPart::ipAddress()
{
    return {IndexKind::IpAddress, {4, 4}};
}

IndexPart IndexPart::objectId()
{
    return {IndexKind::ObjectId, {0, 128}};
}

IndexPart IndexPart::impliedObjectId()
{
    return {IndexKind::ImpliedObjectId, {0, 128}};
}

namespace {

bool within(const Range& r, int64_t v)
{
    return v >= r.low && v <= r.high;
}

std::optional<std::string> takeOctets(const Oid& suffix, size_t& pos, size_t count)
{
    if (suffix.size() - pos < count) return std::nullopt;
    std::string bytes;
    bytes.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t arc = suffix[pos + i];
        if (arc > 255) return std::nullopt;
        bytes += static_cast<char>(arc);
    }
    pos += count;
    return bytes;
}

}  // namespace

std::optional<std::vector<Value>> decodeIndex(const std::vector<IndexPart>& parts, const Oid& suffix)
{
    std::vector<Value> values;
    size_t pos = 0;
    for (const IndexPart& part : parts) {
        const size_t left = suffix.size() - pos;
        switch (part.kind) {
        case IndexKind::Integer: {
            if (left < 1) return std::nullopt;
            const int64_t v = suffix[pos++];
            if (!within(part.range, v)) return std::nullopt;
            values.push_back(Value::Integer(v));
            break;
        }
        case IndexKind::FixedOctets:
        case IndexKind::IpAddress: {
            auto bytes = takeOctets(suffix, pos, static_cast<size_t>(part.range.low));
            if (!bytes) return std::nullopt;
            values.push_back(part.kind == IndexKind::IpAddress ? Value::IpAddress(*bytes) : Value::Octets(*bytes));
            break;
        }
        case IndexKind::Octets: {
            if (left < 1 || !within(part.range, suffix[pos])) return std::nullopt;
            const size_t count = suffix[pos++];
            auto bytes = takeOctets(suffix, pos, count);
            if (!bytes) return std::nullopt;
            values.push_back(Value::Octets(*bytes));
            break;
        }
        case IndexKind::ImpliedOctets: {
            if (!within(part.range, static_cast<int64_t>(left))) return std::nullopt;
            auto bytes = takeOctets(suffix, pos, left);
            if (!bytes) return std::nullopt;
            values.push_back(Value::Octets(*bytes));
            break;
        }
        case IndexKind::ObjectId: {
            if (left < 1 || !within(part.range, suffix[pos]) || left - 1 < suffix[pos]) return std::nullopt;
            const size_t count = suffix[pos++];
            values.push_back(Value::ObjectId(Oid(suffix.begin() + static_cast<std::ptrdiff_t>(pos),
                                                 suffix.begin() + static_cast<std::ptrdiff_t>(pos + count))));
            pos += count;
            break;
        }
        case IndexKind::ImpliedObjectId:
            if (!within(part.range, static_cast<int64_t>(left))) return std::nullopt;
            values.push_back(Value::ObjectId(tailAfter(suffix, pos)));
            pos = suffix.size();
            break;
        }
    }
    if (pos != suffix.size()) return std::nullopt;
    return values;
}

Oid encodeIndex(const std::vector<IndexPart>& parts, const std::vector<Value>& values)
{
    Oid suffix;
    for (size_t i = 0; i < parts.size() && i < values.size(); ++i) {
        const Value& v = values[i];
        switch (parts[i].kind) {
        case IndexKind::Integer:
            suffix.push_back(static_cast<uint32_t>(v.type == Smi::Integer ? v.integer : static_cast<int64_t>(v.number)));
            break;
        case IndexKind::Octets:
            suffix.push_back(static_cast<uint32_t>(v.octets.size()));
            [[fallthrough]];
        case IndexKind::FixedOctets:
        case IndexKind::IpAddress:
        case IndexKind::ImpliedOctets:
            for (unsigned char c : v.octets) suffix.push_back(c);
            break;
        case IndexKind::ObjectId:
            suffix.push_back(static_cast<uint32_t>(v.oid.size()));
            [[fallthrough]];
        case IndexKind::ImpliedObjectId:
            suffix.insert(suffix.end(), v.oid.begin(), v.oid.end());
            break;
        }
    }
    return suffix;
}

}  // namespace ksw::sim
