// The text forms that several value conversions share: hex, time ticks, doubles,
// DateAndTime and the days-since-1899 date.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QStringDecoder>
#include <QTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "valuetext.h"

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 0;  // not a digit: counts as 0
}

// Reads optional blanks, an optional sign and the digits at 'pos'; the magnitude saturates.
// Returns false when no digit follows.
bool ReadSignedDigits(const QString& text, qsizetype& pos, bool& negative, uint64_t& magnitude)
{
    while (pos < text.size() && text[pos].isSpace()) ++pos;
    negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    magnitude = 0;
    bool any = false;
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    while (pos < text.size() && IsAsciiDigit(text[pos])) {
        const uint64_t digit = static_cast<uint64_t>(text[pos].unicode() - '0');
        magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
        any = true;
        ++pos;
    }
    return any;
}

int64_t Saturated(bool negative, uint64_t magnitude)
{
    constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (negative) {
        if (magnitude > kMaxPositive) return std::numeric_limits<int64_t>::min();
        return -static_cast<int64_t>(magnitude);
    }
    return magnitude > kMaxPositive ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
}

// A small scanf: "%d" reads blanks, a sign and digits (at least one); any other format
// character must match the text exactly. Returns how many numbers were read.
int ScanNumbers(const QString& text, const char* format, int32_t* out)
{
    qsizetype pos = 0;
    int count = 0;
    for (const char* f = format; *f; ++f) {
        if (f[0] == '%' && f[1] == 'd') {
            bool negative = false;
            uint64_t magnitude = 0;
            if (!ReadSignedDigits(text, pos, negative, magnitude)) return count;
            const int64_t value = Saturated(negative, magnitude);
            out[count++] = static_cast<int32_t>(
                std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
            ++f;
            continue;
        }
        if (pos >= text.size() || text[pos] != QLatin1Char(*f)) return count;
        ++pos;
    }
    return count;
}

const QDate& DateBase()
{
    static const QDate base(1899, 12, 30);
    return base;
}

constexpr int64_t kMsPerDay = 86400000;

}  // namespace

// ---- QxDateTime ------------------------------------------------------------------------

QxDateTime::QxDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    year = static_cast<uint16_t>(date.year());
    month = static_cast<uint8_t>(date.month());
    day = static_cast<uint8_t>(date.day());
    hour = static_cast<uint8_t>(time.hour());
    minutes = static_cast<uint8_t>(time.minute());
    seconds = static_cast<uint8_t>(time.second());
}

QxDateTime::QxDateTime(const QString& text)
{
    struct Form {
        const char* format;
        int fields;
        char direction;
    };
    static const Form kForms[] = {
        {"%d-%d-%d,%d:%d:%d.%d,+%d:%d", 9, '+'},
        {"%d-%d-%d,%d:%d:%d.%d,-%d:%d", 9, '-'},
        {"%d-%d-%d,%d:%d:%d.%d", 7, '+'},
    };
    for (const Form& form : kForms) {
        int32_t v[9] = {};
        if (ScanNumbers(text, form.format, v) != form.fields) continue;
        year = static_cast<uint16_t>(v[0]);
        month = static_cast<uint8_t>(v[1]);
        day = static_cast<uint8_t>(v[2]);
        hour = static_cast<uint8_t>(v[3]);
        minutes = static_cast<uint8_t>(v[4]);
        seconds = static_cast<uint8_t>(v[5]);
        deciSeconds = static_cast<uint8_t>(v[6]);
        direction = form.direction;
        utcHours = static_cast<uint8_t>(v[7]);
        utcMinutes = static_cast<uint8_t>(v[8]);
        return;
    }
}

QxDateTime QxDateTime::FromBytes(const QByteArray& bytes)
{
    QxDateTime t{Zero{}};
    auto octet = [&bytes](int i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : uint8_t{0}; };
    t.year = static_cast<uint16_t>((octet(0) << 8) | octet(1));
    t.month = octet(2);
    t.day = octet(3);
    t.hour = octet(4);
    t.minutes = octet(5);
    t.seconds = octet(6);
    t.deciSeconds = octet(7);
    t.direction = bytes.size() > 8 ? static_cast<char>(bytes[8]) : '+';
    t.utcHours = octet(9);
    t.utcMinutes = octet(10);
    return t;
}

QByteArray QxDateTime::ToBytes() const
{
    QByteArray b(11, '\0');
    b[0] = static_cast<char>(year >> 8);
    b[1] = static_cast<char>(year & 0xFF);
    b[2] = static_cast<char>(month);
    b[3] = static_cast<char>(day);
    b[4] = static_cast<char>(hour);
    b[5] = static_cast<char>(minutes);
    b[6] = static_cast<char>(seconds);
    b[7] = static_cast<char>(deciSeconds);
    b[8] = direction;
    b[9] = static_cast<char>(utcHours);
    b[10] = static_cast<char>(utcMinutes);
    return b;
}

QString QxDateTime::ToText() const
{
    QString text = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds, deciSeconds);
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-'))
        text += QString::asprintf(",%c%d:%d", direction, utcHours, utcMinutes);
    return text;
}

// ---- QxBinaryString --------------------------------------------------------------------

bool QxBinaryString::Bit(int bit) const
{
    if (bit < 0 || bit / 8 >= bytes_.size()) return false;
    return (static_cast<uint8_t>(bytes_[bit / 8]) & (0x80 >> (bit % 8))) != 0;
}

void QxBinaryString::SetBit(int bit, bool on)
{
    if (bit < 0) return;
    const int index = bit / 8;
    if (index >= bytes_.size()) bytes_.append(index + 1 - bytes_.size(), '\0');
    const auto mask = static_cast<uint8_t>(0x80 >> (bit % 8));
    auto octet = static_cast<uint8_t>(bytes_[index]);
    octet = on ? static_cast<uint8_t>(octet | mask) : static_cast<uint8_t>(octet & ~mask);
    bytes_[index] = static_cast<char>(octet);
}

QString QxBinaryString::ToHex() const
{
    return HexText(bytes_);
}

// ---- Hex, integers, doubles ------------------------------------------------------------

QString HexText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray HexToBytes(const QString& text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (!c.isSpace()) digits.append(c);
    QByteArray bytes;
    bytes.reserve(digits.size() / 2 + 1);
    qsizetype i = 0;
    if (digits.size() % 2 == 1) bytes.append(static_cast<char>(HexDigitValue(digits[i++])));
    for (; i + 1 < digits.size(); i += 2)
        bytes.append(static_cast<char>(HexDigitValue(digits[i]) * 16 + HexDigitValue(digits[i + 1])));
    return bytes;
}

int64_t LeadingInteger(const QString& text)
{
    qsizetype pos = 0;
    bool negative = false;
    uint64_t magnitude = 0;
    if (!ReadSignedDigits(text, pos, negative, magnitude)) return 0;
    return Saturated(negative, magnitude);
}

uint64_t LeadingUnsigned(const QString& text)
{
    qsizetype pos = 0;
    bool negative = false;
    uint64_t magnitude = 0;
    if (!ReadSignedDigits(text, pos, negative, magnitude)) return 0;
    return negative ? uint64_t{0} - magnitude : magnitude;
}

QString DoubleText(double value)
{
    return QString::number(value, 'g', 15);
}

double DoubleFromText(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    const bool plus = begin != end && *begin == '+';
    if (plus) ++begin;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (stop == begin) return 0;
    // Out of range: let Qt's C locale give the infinity or zero the number stands for.
    if (error == std::errc::result_out_of_range) return QLocale::c().toDouble(QString::fromLatin1(begin, stop - begin));
    return value;
}

namespace {

// Keeps a leading byte-order mark as a character, so the text encodes back to the same octets.
std::optional<QString> DecodedUtf8(const QByteArray& octets)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString decoded = utf8(octets);
    if (utf8.hasError()) return std::nullopt;
    return decoded;
}

bool IsOtherControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
           c != QLatin1Char('\r');
}

}  // namespace

QString OctetsAsText(const QByteArray& octets)
{
    if (auto decoded = DecodedUtf8(octets)) return *decoded;
    return QString::fromLatin1(octets);
}

bool IsUtf8(const QByteArray& octets)
{
    return DecodedUtf8(octets).has_value();
}

QString DisplayStringText(const QByteArray& octets)
{
    const qsizetype zero = octets.indexOf('\0');
    return OctetsAsText(zero < 0 ? octets : octets.left(zero));
}

bool DisplayStringShownAsHex(const QByteArray& octets)
{
    const QString text = DisplayStringText(octets);
    return std::any_of(text.begin(), text.end(), IsOtherControl);
}

QString ShownDisplayString(const QByteArray& octets)
{
    return DisplayStringShownAsHex(octets) ? HexText(octets) : DisplayStringText(octets);
}

std::optional<QByteArray> Ipv4Octets(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return std::nullopt;
    QByteArray octets;
    for (const QString& part : parts) {
        // At most three digits, so the number cannot overflow whatever the text holds.
        if (part.isEmpty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), IsAsciiDigit))
            return std::nullopt;
        int value = 0;
        for (QChar c : part) value = value * 10 + (c.unicode() - '0');
        if (value > 255) return std::nullopt;
        octets.append(static_cast<char>(value));
    }
    return octets;
}

// ---- Time ticks ------------------------------------------------------------------------

QString TimeTicksText(uint32_t hundredths)
{
    const unsigned long days = hundredths / 8640000UL;
    unsigned long rest = hundredths % 8640000UL;
    const unsigned long hours = rest / 360000UL;
    rest %= 360000UL;
    const unsigned long minutes = rest / 6000UL;
    rest %= 6000UL;
    const unsigned long seconds = rest / 100UL;
    const unsigned long centis = rest % 100UL;
    if (days == 0) return QString::asprintf("%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, centis);
    if (days == 1) return QString::asprintf("1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, centis);
    return QString::asprintf("%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds, centis);
}

uint32_t TimeTicksFromText(const QString& text)
{
    QString rest = text;
    int64_t days = 0, hours = 0, minutes = 0, seconds = 0, centis = 0;
    const qsizetype dayWord = rest.indexOf(QLatin1String("day"), 0, Qt::CaseInsensitive);
    if (dayWord >= 0) {
        days = LeadingInteger(rest.left(dayWord));
        const bool plural = rest.mid(dayWord + 3, 1).compare(QLatin1String("s"), Qt::CaseInsensitive) == 0;
        rest = rest.mid(dayWord + (plural ? 4 : 3)).trimmed();
        if (rest.startsWith(QLatin1Char(','))) rest = rest.mid(1);
    }
    qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        hours = LeadingInteger(rest.left(colon));
        rest = rest.mid(colon + 1);
        colon = rest.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            minutes = LeadingInteger(rest.left(colon));
            rest = rest.mid(colon + 1);
        }
    }
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        seconds = LeadingInteger(rest.left(dot));
        centis = LeadingInteger(rest.mid(dot + 1));
    }
    // Unsigned arithmetic: out-of-range input wraps to 32 bits instead of overflowing.
    const uint64_t total = static_cast<uint64_t>(days) * 8640000u + static_cast<uint64_t>(hours) * 360000u +
                           static_cast<uint64_t>(minutes) * 6000u + static_cast<uint64_t>(seconds) * 100u +
                           static_cast<uint64_t>(centis);
    return static_cast<uint32_t>(total);
}

// ---- Days since 1899-12-30 -------------------------------------------------------------
//
// The text is "yyyy/mm/dd hh:nn:ss am" (four-digit year, two-digit fields, 12-hour clock,
// "am"/"pm" in lower case), always with "/" and ":": agents store this value in a fixed
// binary form, so its text should not change with the desktop's locale, and fixed
// separators let pages and tests compare texts. A value with no such date (not finite, or
// outside the years 1 to 9999) is shown as its plain number, which the reader accepts too.
//
// Reading accepts what the formatter writes and the usual variants of it: "-" or "." as date
// separators, a 24-hour time without "am"/"pm", a time without seconds or no time at all,
// "am"/"pm" (or "a"/"p") in any case. Seconds are rounded to the nearest millisecond first,
// then cut, so 0.5 reads as 12:00:00 and not 11:59:59. Negative values count days before the
// base with the time of day as a positive fraction, as that date encoding does. A text that is
// neither a date nor a plain number reads as 0 (1899-12-30 00:00:00).

QString DaysSince1899Text(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 4.0e6) return DoubleText(days);
    double whole = std::trunc(days);
    int64_t ms = std::llround(std::fabs(days - whole) * static_cast<double>(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        whole += days < 0 ? -1.0 : 1.0;
    }
    const QDate date = DateBase().addDays(static_cast<qint64>(whole));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return DoubleText(days);
    const int secondsOfDay = static_cast<int>(ms / 1000);
    const int hour = secondsOfDay / 3600;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(), date.day(), hour12,
                             secondsOfDay / 60 % 60, secondsOfDay % 60, hour < 12 ? "am" : "pm");
}

double DaysSince1899FromText(const QString& text)
{
    static const QRegularExpression kDate(
        QStringLiteral(R"(^\s*(\d{1,4})[/.-](\d{1,2})[/.-](\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*(am|pm|a|p)?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = kDate.match(text);
    if (!m.hasMatch()) {
        bool ok = false;
        const double plain = QLocale::c().toDouble(text.trimmed(), &ok);
        return ok ? plain : 0.0;
    }
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid()) return 0.0;
    int hour = m.captured(4).toInt();
    const int minute = m.captured(5).toInt();
    const int second = m.captured(6).toInt();
    const QString half = m.captured(7).toLower();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12) return 0.0;
        hour = hour % 12 + (half.startsWith(QLatin1Char('p')) ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) return 0.0;
    const double whole = static_cast<double>(DateBase().daysTo(date));
    const double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    return whole < 0 ? whole - fraction : whole + fraction;
}

double NowAsDaysSince1899()
{
    const QDateTime now = QDateTime::currentDateTime();
    const double whole = static_cast<double>(DateBase().daysTo(now.date()));
    return whole + now.time().msecsSinceStartOfDay() / static_cast<double>(kMsPerDay);
}
