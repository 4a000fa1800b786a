#pragma once
// What an object accepts: its SMI type with enumerations, value ranges and size ranges, and
// the checks a set runs against them in RFC 3416 order (wrongType, wrongLength, wrongValue).

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "error_status.h"
#include "value.h"

namespace ksw::sim {

enum class Access : uint8_t { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

bool isReadable(Access access);
bool isWritable(Access access);

struct Range {
    int64_t low;
    int64_t high;
};

// Textual conventions whose rules go beyond ranges.
enum class Flavour : uint8_t {
    Plain,
    RowStatus,      // RFC 2579; notReady can be read, never written
    EnableStatus,   // other(1)/disabled(2)/enabled(3) as a row's status: enabled adds, disabled removes
    PortList,       // one bit per port, port 1 the most significant bit of the first octet
    DisplayString,
};

struct Syntax {
    Smi type = Smi::Integer;
    std::vector<int64_t> enums;  // the only values an enumeration accepts
    std::vector<Range> ranges;   // value ranges (numbers) or size ranges (octet strings)
    Flavour flavour = Flavour::Plain;
    int portCount = 0;  // PortList: bits of higher ports are refused
};

namespace syntax {
Syntax integer();
Syntax integer(Range range);
Syntax enumeration(std::initializer_list<int64_t> values);
Syntax enumeration(std::vector<int64_t> values);
Syntax truthValue();
Syntax rowStatus();
Syntax enableStatus();
Syntax unsigned32(Range range);
Syntax gauge32();
Syntax counter32();
Syntax counter64();
Syntax timeTicks();
Syntax objectId();
Syntax ipAddress();
Syntax octets();
Syntax octets(Range sizes);
Syntax displayString(int maxLength);
Syntax macAddress();
Syntax portList(int octets, int portCount);
}  // namespace syntax

namespace rowstatus {
constexpr int64_t Active = 1;
constexpr int64_t NotInService = 2;
constexpr int64_t NotReady = 3;
constexpr int64_t CreateAndGo = 4;
constexpr int64_t CreateAndWait = 5;
constexpr int64_t Destroy = 6;

// True for the columns that create and remove rows (RowStatus and EnableStatus).
bool isStatusColumn(const Syntax& syntax);
// The RFC 2579 action that writing `value` to a status column asks for (CreateAndGo, Destroy,
// Active...); an EnableStatus column's enabled(3) is CreateAndGo on a missing row and Active
// on an existing one, disabled(2) is Destroy.
int64_t command(const Syntax& syntax, int64_t value, bool rowExists);
// The value a status column holds for a row in RFC 2579 state Active or NotInService.
int64_t stored(const Syntax& syntax, int64_t state);
// True when a status column may hold `value` for an existing row (what a state file may list).
bool isSteadyValue(const Syntax& syntax, int64_t value);
}  // namespace rowstatus

// NoError when the value may be written to an object of this syntax.
ErrorStatus checkValue(const Syntax& syntax, const Value& value);
// The value an object starts with when nothing else is declared: the first enumeration value,
// the lowest value of a range that excludes zero, the shortest allowed string of zero octets.
Value defaultValue(const Syntax& syntax);

}  // namespace ksw::sim
