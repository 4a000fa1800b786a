#pragma once
// Object identifiers as arc vectors. std::vector's lexicographic ordering is SNMP's ordering,
// so an ordered map keyed by Oid gives get-next for free.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksw::sim {

using Oid = std::vector<uint32_t>;

// "1.3.6.1" or ".1.3.6.1"; nullopt for anything else (empty arcs, signs, values above 2^32-1).
std::optional<Oid> parseOid(std::string_view text);
// For literals in the object catalogue; a malformed literal is a programming error.
Oid oidOf(std::string_view text);
std::string oidText(const Oid& oid);

bool startsWith(const Oid& oid, const Oid& prefix);
Oid concat(const Oid& head, const Oid& tail);
Oid tailAfter(const Oid& oid, size_t prefixLength);

}  // namespace ksw::sim
