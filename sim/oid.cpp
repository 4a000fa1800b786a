#include "oid.h"

#include <algorithm>
#include <stdexcept>

namespace ksw::sim {

namespace {
constexpr size_t kMaxArcs = 128;  // RFC 2578: at most 128 sub-identifiers
}

std::optional<Oid> parseOid(std::string_view text)
{
    if (!text.empty() && text.front() == '.') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    Oid oid;
    uint64_t arc = 0;
    bool digits = false;
    for (char c : text) {
        if (c == '.') {
            if (!digits) return std::nullopt;
            oid.push_back(static_cast<uint32_t>(arc));
            arc = 0;
            digits = false;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        arc = arc * 10 + static_cast<uint64_t>(c - '0');
        if (arc > UINT32_MAX) return std::nullopt;
        digits = true;
    }
    if (!digits) return std::nullopt;
    oid.push_back(static_cast<uint32_t>(arc));
    if (oid.size() > kMaxArcs) return std::nullopt;
    return oid;
}

Oid oidOf(std::string_view text)
{
    auto oid = parseOid(text);
    if (!oid) throw std::invalid_argument("malformed OID literal: " + std::string(text));
    return *oid;
}

std::string oidText(const Oid& oid)
{
    std::string text;
    text.reserve(oid.size() * 4);
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}

bool startsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid concat(const Oid& head, const Oid& tail)
{
    Oid oid;
    oid.reserve(head.size() + tail.size());
    oid.insert(oid.end(), head.begin(), head.end());
    oid.insert(oid.end(), tail.begin(), tail.end());
    return oid;
}

Oid tailAfter(const Oid& oid, size_t prefixLength)
{
    if (prefixLength >= oid.size()) return {};
    return Oid(oid.begin() + static_cast<std::ptrdiff_t>(prefixLength), oid.end());
}

}  // namespace ksw::sim
