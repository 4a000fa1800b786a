#include "input_checks.h"

#include <algorithm>
#include <charconv>

#include <QStringList>

#include "values/valuetext.h"

namespace {

constexpr qsizetype kLongestIpv4Text = 15;

bool IsHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

std::optional<QByteArray> CheckedIpv4(const QString& text)
{
    if (text.size() > kLongestIpv4Text) return std::nullopt;
    std::optional<QByteArray> octets = Ipv4Octets(text);
    if (!octets) return std::nullopt;
    for (const QString& part : text.split(QLatin1Char('.')))
        if (part.size() > 1 && part.count(QLatin1Char('0')) == part.size()) return std::nullopt;
    return octets;
}

Ipv4Class ClassOfIpv4(const QByteArray& octets)
{
    const int first = octets.isEmpty() ? 0 : static_cast<uint8_t>(octets[0]);
    if (first >= 240) return Ipv4Class::Reserved;
    if (first >= 224) return Ipv4Class::Multicast;
    return Ipv4Class::Unicast;
}

bool IsMulticastIpv4(const QString& text)
{
    const std::optional<QByteArray> octets = CheckedIpv4(text);
    return octets && ClassOfIpv4(*octets) == Ipv4Class::Multicast;
}

std::optional<QByteArray> CheckedHex(const QString& text, int digits)
{
    if (digits <= 0 || digits % 2 != 0 || text.size() != digits) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), IsHexDigit)) return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

std::optional<QByteArray> CheckedMacIndex(const QString& text)
{
    return CheckedHex(text, 12);
}

std::optional<long long> CheckedNumberIn(const QString& text, long long minimum, long long maximum)
{
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty()) return std::nullopt;
    const char* begin = latin.constData();
    const char* end = begin + latin.size();
    long long value = 0;
    // from_chars takes no "+" and no blanks; it refuses what does not fit instead of wrapping.
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

bool IsValidName(const QString& text, int maxLength)
{
    if (text.isEmpty() || text.size() > maxLength) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7e; });
}
