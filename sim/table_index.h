#pragma once
// INDEX clauses: how a table's instance suffix splits into index values (RFC 2578, 7.7).

#include <optional>
#include <vector>

#include "syntax.h"
#include "value.h"

namespace ksw::sim {

enum class IndexKind : uint8_t {
    Integer,          // one arc within a range (INTEGER, Unsigned32)
    FixedOctets,      // a fixed-size string, one arc per octet, no length (MacAddress)
    Octets,           // length arc, then one arc per octet
    ImpliedOctets,    // the last index: every remaining arc is an octet
    IpAddress,        // four arcs
    ObjectId,         // length arc, then the arcs
    ImpliedObjectId,  // the last index: every remaining arc
};

struct IndexPart {
    IndexKind kind = IndexKind::Integer;
    Range range{0, 0xffffffffLL};  // values (Integer) or sizes (strings and OIDs)

    static IndexPart integer(int64_t low, int64_t high);
    static IndexPart fixedOctets(int length);
    static IndexPart octets(int minSize, int maxSize);
    static IndexPart impliedOctets(int minSize, int maxSize);
    static IndexPart ipAddress();
    static IndexPart objectId();
    static IndexPart impliedObjectId();
};

// The index values of an instance suffix (Integer, octet-string or OID values), or nullopt when
// the suffix does not fit the INDEX types exactly.
std::optional<std::vector<Value>> decodeIndex(const std::vector<IndexPart>& parts, const Oid& suffix);
Oid encodeIndex(const std::vector<IndexPart>& parts, const std::vector<Value>& values);

}  // namespace ksw::sim
