#pragma once
// Deterministic faults for tests of the module's error handling: dropped requests (a share,
// drawn from the seed in request order), delayed answers, tooBig above a number of varbinds,
// and per OID prefix genErr, noSuchName, an exception value in place of the value (v2c, v3), a
// value of the wrong SMI type, a short or empty octet string, or an error status to a set.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "value.h"

namespace ksw::sim {

enum class FaultKind : uint8_t {
    GenErr,      // error status to gets, get-nexts and sets
    NoSuchName,  // the same
    NoSuchObject,  // exception values in the answer (v2c, v3; SNMPv1 gets noSuchName)
    NoSuchInstance,
    EndOfMibView,  // with the name the request asked for, as at the end of the agent's MIB
    WrongType,
    ShortString,
    Empty,             // an octet string without octets, whatever the object's type
    SetTooBig,         // error statuses to a set only; gets are answered normally
    SetNotWritable,
    SetWrongValue,
    SetAuthorizationError,
};

// An exception value takes the place of the value in the answer.
bool isExceptionFault(FaultKind kind);
// The error status a set under this fault is refused with, or 0 when it is not refused.
int setErrorOf(FaultKind kind);

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

// "OID=KIND": genErr, noSuchName, noSuchObject, noSuchInstance, endOfMibView, wrongType,
// short, short:N, empty, tooBig, notWritable, wrongValue or authorizationError.
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
    // Empty: an octet string without octets.
    static Value distorted(const PrefixFault& fault, const Value& value);

private:
    FaultSettings settings_;
    std::mt19937_64 random_;
};

}  // namespace ksw::sim
