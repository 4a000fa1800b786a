#pragma once
// Deterministic faults for tests of the module's error handling: dropped requests (a share,
// drawn from the seed in request order), delayed answers, tooBig above a number of varbinds,
// and per OID prefix genErr, noSuchName, a value of the wrong SMI type, or a short octet string.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "value.h"

namespace ksw::sim {

enum class FaultKind : uint8_t { GenErr, NoSuchName, WrongType, ShortString };

struct PrefixFault {
    Oid prefix;
    FaultKind kind = FaultKind::GenErr;
    int shortLength = -1;  // ShortString: octets kept; -1 keeps half
};

struct FaultSettings {
    int dropPercent = 0;
    int delayMs = 0;
    int tooBigAbove = 0;  // 0: never
    std::vector<PrefixFault> prefixes;
};

// "OID=genErr", "OID=noSuchName", "OID=wrongType", "OID=short" or "OID=short:N".
std::optional<PrefixFault> parsePrefixFault(std::string_view text, std::string* error);
std::string prefixFaultText(const PrefixFault& fault);

class Faults {
public:
    Faults(FaultSettings settings, uint64_t seed);

    // One draw per request received, in order: the same seed drops the same requests.
    bool dropNext();
    bool tooBig(int varbinds) const { return settings_.tooBigAbove > 0 && varbinds > settings_.tooBigAbove; }
    int delayMs() const { return settings_.delayMs; }
    // The fault of the longest prefix of the instance, or null.
    const PrefixFault* faultFor(const Oid& instance) const;
    // WrongType: an octet string becomes INTEGER 0, anything else the octet string "wrong type".
    // ShortString: an octet string keeps shortLength octets (half when unset); other types stay.
    static Value distorted(const PrefixFault& fault, const Value& value);

private:
    FaultSettings settings_;
    std::mt19937_64 random_;
};

}  // namespace ksw::sim
