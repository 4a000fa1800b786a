#pragma once
// Text forms of values and the conversions between them and SNMP bindings, instance
// suffixes and raw byte parts. Errors raise AppException with -511, -518 or -519 (and -509
// for an IpAddress text that is not dotted decimal, -514 for an instance suffix that ends too
// early).
//
// A value is sent as it came: a descriptor whose Value is still the text it was decoded as
// (QxSNMPVar::Untouched) sends the octets, or addresses the instance, it was decoded from. A
// display string the user edited is encoded as it was shown: hex text when it arrived as binary
// octets shown as hex, Latin-1 when it arrived as 8-bit text and every character fits, else UTF-8.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "snmp/vardesc.h"
#include "snmp/vb.h"

// DateAndTime (RFC 2579) as held in memory.
struct QxDateTime {
    QxDateTime();  // now, local time, deci-seconds 0, "+" and offset 0
    // Reads "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m". A text that fits none of the
    // forms gives the all-zero value (year 0 ... offset 0, "+"), which MIBs use for "not set".
    explicit QxDateTime(const QString& text);
    // 11 octets, year big-endian. Shorter input (RFC 2579 also allows 8 octets, without the
    // offset) leaves the missing fields 0 and the direction "+".
    static QxDateTime FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
    QString ToText() const;

    uint16_t year = 0;
    uint8_t month = 0, day = 0, hour = 0, minutes = 0, seconds = 0, deciSeconds = 0;
    char direction = '+';
    uint8_t utcHours = 0, utcMinutes = 0;

private:
    struct Zero {};
    explicit QxDateTime(Zero) {}
};

// A byte string whose bits follow the port-list rule (bit 0 = MSB of the first octet).
class QxBinaryString {
public:
    QxBinaryString() = default;
    explicit QxBinaryString(QByteArray bytes) : bytes_(std::move(bytes)) {}
    int Length() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& Bytes() const { return bytes_; }
    bool Bit(int bit) const;        // false beyond the end
    void SetBit(int bit, bool on);  // grows with zero octets as needed
    QString ToHex() const;

private:
    QByteArray bytes_;
};

// Shared text forms.
QString HexText(const QByteArray& bytes);
QByteArray HexToBytes(const QString& text);
QString TimeTicksText(uint32_t hundredths);
uint32_t TimeTicksFromText(const QString& text);
QString DoubleText(double value);
double DoubleFromText(const QString& text);  // leading decimal number, 0 when there is none
QString DaysSince1899Text(double days);
double DaysSince1899FromText(const QString& text);
double NowAsDaysSince1899();
int64_t LeadingInteger(const QString& text);    // saturates at the 64-bit range
uint64_t LeadingUnsigned(const QString& text);  // as strtoull: "-1" wraps, overflow saturates
// Characters of octets: UTF-8 when they are valid UTF-8, else Latin-1 (agents and older
// configurations still send 8-bit text).
QString OctetsAsText(const QByteArray& octets);
bool IsUtf8(const QByteArray& octets);
// A received DisplayString: its octets up to the first zero octet, as OctetsAsText.
QString DisplayStringText(const QByteArray& octets);
// A DisplayString value as shown: DisplayStringText, unless its text holds control characters
// other than tab and line ends; such octets are binary (bridge IDs and DateAndTime where a page
// expects text) and are shown as hex like any octet string.
QString ShownDisplayString(const QByteArray& octets);
bool DisplayStringShownAsHex(const QByteArray& octets);
// Four decimal numbers of 1 to 3 digits, each 0 to 255, separated by "."; nothing else.
std::optional<QByteArray> Ipv4Octets(const QString& text);

// The four conversions of a request's descriptor; 'isLastIndex' is true for the last index
// column of its list, which is where the IMPLIED rule applies.
void VbToText(QxSNMPVar& var, const QxVb& vb);
void TextToVb(const QxSNMPVar& var, QxVb& vb);
QString IndexToText(QxSNMPVar& var, const QString& suffix, bool isLastIndex);
QString TextToIndex(const QxSNMPVar& var, bool isLastIndex);

// Raw byte forms for parts of values.
QByteArray TextToRaw(const QString& text, uint32_t type);
QString RawToText(const QByteArray& raw, uint32_t type);
QByteArray ExtractPart(const QByteArray& raw, int offset, uint32_t partType);
