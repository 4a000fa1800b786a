#pragma once
// SMI values as the simulator stores them, and their one-line text form ("INTEGER:4",
// "STRING:\"lab\"", "HEX:ffff0000"), shared by the state file and the request log.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "oid.h"

namespace ksw::sim {

// BER tags of the SMI types. Unsigned32 shares Gauge32's tag.
enum class Smi : uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
};

const char* smiName(Smi type);
bool isUnsignedType(Smi type);  // Counter32, Gauge32, TimeTicks, Counter64
bool isOctetType(Smi type);     // OctetString, Opaque, IpAddress

struct Value {
    Smi type = Smi::Null;
    int64_t integer = 0;     // Integer
    uint64_t number = 0;     // the unsigned types
    std::string octets;      // OctetString, Opaque, IpAddress (4 octets)
    Oid oid;                 // ObjectId

    static Value Integer(int64_t v);
    static Value Octets(std::string bytes);
    static Value ObjectId(Oid v);
    static Value IpAddress(std::string fourOctets);
    static Value Counter32(uint64_t v);  // reduced modulo 2^32, as a counter wraps
    static Value Gauge32(uint64_t v);    // capped at 2^32-1, as a gauge latches
    static Value TimeTicks(uint64_t v);  // reduced modulo 2^32
    static Value Counter64(uint64_t v);
    static Value Opaque(std::string bytes);

    bool operator==(const Value& other) const;
};

// "TYPE:VALUE": INTEGER:-3, STRING:"text" (printable ASCII, \" and \\ escaped), HEX:0a0b (other
// octet strings), OID:1.3.6, IPADDRESS:10.0.0.1, COUNTER32:5, GAUGE32:5, TIMETICKS:5,
// COUNTER64:5, OPAQUE:HEX, NULL.
std::string valueText(const Value& value);
// Reverse of valueText; nullopt with a reason when the text is malformed.
std::optional<Value> parseValueText(std::string_view text, std::string* error = nullptr);

std::string hexText(std::string_view bytes);

}  // namespace ksw::sim
