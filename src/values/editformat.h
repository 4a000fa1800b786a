#pragma once
// Format strings of edit constraints ("%i{n0x65535l5}", "%s{l32}", "%h{l32f}", "%s{I}") and
// their parsed form. Plain data: the widget side is QxEditConstraint.
//
// A format is "%", a conversion letter (s text, h hex digits, i signed integer, u unsigned
// integer, f decimal number, n delimited number list followed by its delimiter), then an
// optional brace group that closes the format. Items of the group, read left to right:
//   n<number> minimum, x<number> maximum, l<digits>[a|f|n]{0,3} maximum length (for "n": the
//   number of items) with the flags a (auto-advance when full), f (exact length), n (not empty),
//   w<digits> width in pixels, e<char> jump character, I IPv4 / Im multicast IPv4 / I6 IPv6 /
//   I6m multicast IPv6 (the character after "I" or "I6" is always consumed), M MAC / Mm
//   multicast MAC / Mu unicast MAC (the character after "M" is always consumed), Z custom flag.

#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

enum class AddressKind : uint8_t {
    None = 0,
    IPv4 = 1,
    MulticastIPv4 = 2,
    IPv6 = 3,
    MulticastIPv6 = 4,
    Mac = 5,
    MulticastMac = 6,
    UnicastMac = 7,
};

namespace LengthFlag {
constexpr uint16_t AutoAdvance = 1;
constexpr uint16_t Exact = 2;
constexpr uint16_t NotEmpty = 4;
}  // namespace LengthFlag

struct EditFormat {
    char conversion = 's';
    QChar delimiter;  // "n" only
    double minimum = 0.0;
    double maximum = 0.0;
    int32_t maxLength = 0;  // 0 = no limit; for "n" the number of items
    bool custom = false;
    AddressKind address = AddressKind::None;
    uint16_t lengthFlags = 0;
    int32_t width = 0;  // pixels; 0 = leave the field's width alone
    QChar jump;         // null = none
};

// Parses one conversion. Any violation raises AppException -2 ("Bad format specifier of
// edit's constraint!").
EditFormat ParseEditFormat(const QString& segment);

// One segment per "%" conversion; literal text between conversions stays in the preceding
// segment (and makes it malformed).
QStringList SplitEditFormat(const QString& format);

// The number of fields a format binds: its "%" signs followed by one of "shiufn".
int CountEditFormatFields(const QString& format);
