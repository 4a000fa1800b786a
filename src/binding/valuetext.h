#pragma once
// Text forms of values and the conversions between them and SNMP bindings, instance
// suffixes and raw byte parts. Errors raise AppException with -511, -518 or -519.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "snmp/vardesc.h"
#include "snmp/vb.h"

// DateAndTime (RFC 2579) as held in memory.
struct QxDateTime {
    QxDateTime();  // now, local time, deci-seconds 0, "+" and offset 0
    explicit QxDateTime(const QString& text);
    static QxDateTime FromBytes(const QByteArray& bytes);  // 11 octets, year big-endian
    QByteArray ToBytes() const;
    QString ToText() const;

    uint16_t year = 0;
    uint8_t month = 0, day = 0, hour = 0, minutes = 0, seconds = 0, deciSeconds = 0;
    char direction = '+';
    uint8_t utcHours = 0, utcMinutes = 0;
};

// A byte string whose bits follow the port-list rule (bit 0 = MSB of the first octet).
class QxBinaryString {
public:
    QxBinaryString() = default;
    explicit QxBinaryString(QByteArray bytes) : bytes_(std::move(bytes)) {}
    int Length() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& Bytes() const { return bytes_; }
    bool Bit(int bit) const;
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
QString DaysSince1899Text(double days);
double DaysSince1899FromText(const QString& text);
double NowAsDaysSince1899();
int64_t LeadingInteger(const QString& text);

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
