#include "editchecks.h"

#include <QStringList>

#include "values/evaluate.h"
#include "values/valuetext.h"
#include "snmp/errors.h"

namespace {

// Common catalogue slots.
constexpr int kEmptySlot = 3;
constexpr int kStringTooLongSlot = 4;
constexpr int kStringLengthSlot = 5;
constexpr int kHexTooLongSlot = 6;
constexpr int kHexLengthSlot = 7;
constexpr int kNumberRangeSlot = 8;
constexpr int kListTooManySlot = 9;
constexpr int kListCountSlot = 10;
constexpr int kListRangeSlot = 11;
constexpr int kFirstAddressSlot = 19;  // IPv4; the other kinds follow in AddressKind order

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

bool AllHex(const QString& text)
{
    for (QChar c : text)
        if (HexValue(c) < 0) return false;
    return true;
}

bool AllDigits(const QString& text)
{
    for (QChar c : text)
        if (!IsDigit(c)) return false;
    return true;
}

bool Allowed(const EditFormat& format, QChar c, const QString& kept)
{
    switch (format.conversion) {
    case 'i':
        return IsDigit(c) || (c == QLatin1Char('-') && kept.isEmpty());
    case 'u':
        return IsDigit(c);
    case 'f':
        return IsDigit(c) || (c == QLatin1Char('-') && kept.isEmpty()) ||
               (c == QLatin1Char('.') && !kept.contains(QLatin1Char('.')));
    case 'h':
        return HexValue(c) >= 0;
    case 'n':
        if (c == format.delimiter) return !kept.isEmpty() && !kept.endsWith(format.delimiter);
        return IsDigit(c);
    default:
        return true;
    }
}

// A whole text that is a decimal number: optional sign, digits with an optional fraction,
// optional exponent. Nothing else, not even blanks.
bool ReadDecimal(const QString& text, double& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == QLatin1Char('.'))
        for (++i; i < n && IsDigit(text[i]); ++i) ++digits;
    if (digits == 0) return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
        if (i == n || !IsDigit(text[i])) return false;
        while (i < n && IsDigit(text[i])) ++i;
    }
    if (i != n) return false;
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}

// A bound of a number list as an unsigned 32-bit number, cut to a whole number and kept
// inside the unsigned range (a negative minimum means 0).
uint32_t ListBound(double bound)
{
    if (!(bound > 0.0)) return 0;
    if (bound >= 4294967295.0) return 4294967295u;
    return static_cast<uint32_t>(bound);
}

struct Placeholders {
    QString minimum;
    QString maximum;
    QString length;
    QString delimiter;
};

ExitVerdict Refuse(int slot, const Placeholders& values)
{
    QString message = CatalogueText(Catalogue::Common, slot);
    message.replace(QLatin1String("[MIN]"), values.minimum)
        .replace(QLatin1String("[MAX]"), values.maximum)
        .replace(QLatin1String("[MAXLEN]"), values.length)
        .replace(QLatin1String("[LEN]"), values.length)
        .replace(QLatin1String("[MAXCOUNT]"), values.length)
        .replace(QLatin1String("[COUNT]"), values.length)
        .replace(QLatin1String("[DELIMITER]"), values.delimiter);
    return {ExitVerdict::Refused, message};
}

ExitVerdict CheckNumberList(const EditFormat& format, const QString& text, const Placeholders& values)
{
    const uint32_t minimum = ListBound(format.minimum);
    const uint32_t maximum = ListBound(format.maximum);
    Placeholders listValues = values;
    listValues.minimum = QString::number(minimum);
    listValues.maximum = QString::number(maximum);

    // Items are read here rather than by QxNumList, which folds any character into a number
    // and wraps at 32 bits: text set by the program is not filtered, and 4294967297 must not
    // pass as 1. An empty item ("5,") is 0, as in a number list.
    const QStringList items = text.split(format.delimiter);
    for (const QString& item : items)
        if (!AllDigits(item)) return Refuse(kListRangeSlot, listValues);
    if (format.maxLength > 0) {
        const qsizetype limit = format.maxLength;
        if ((format.lengthFlags & LengthFlag::Exact) && items.size() != limit) return Refuse(kListCountSlot, listValues);
        if (!(format.lengthFlags & LengthFlag::Exact) && items.size() > limit) return Refuse(kListTooManySlot, listValues);
    }
    for (const QString& item : items) {
        bool ok = true;
        const qulonglong value = item.isEmpty() ? 0 : item.toULongLong(&ok);
        if (!ok || value < minimum || value > maximum) return Refuse(kListRangeSlot, listValues);
    }
    return {};
}

bool IsValidIPv4(const QString& text, bool multicast)
{
    if (text.size() > 16) return false;
    const std::optional<QByteArray> octets = Ipv4Octets(text);
    if (!octets) return false;
    const auto first = static_cast<uint8_t>(octets->at(0));
    return !multicast || (first >= 224 && first <= 239);
}

bool IsValidMac(const QString& text)
{
    if (text.size() == 12) return AllHex(text);
    const QChar separator = text.contains(QLatin1Char('-'))   ? QLatin1Char('-')
                            : text.contains(QLatin1Char('.')) ? QLatin1Char('.')
                                                              : QChar();
    if (separator.isNull()) return false;
    const QStringList groups = text.split(separator);
    if (groups.size() != 6) return false;
    for (const QString& group : groups)
        if (group.size() != 2 || !AllHex(group)) return false;
    return true;
}

}  // namespace

bool IsValueMarker(const QString& text)
{
    return text == QLatin1String("(NULL)") || text == QLatin1String("(NOTDONE)");
}

FilteredText FilterTypedText(const EditFormat& format, const QString& text, int cursor)
{
    FilteredText result;
    result.cursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Allowed(format, text[i], result.text)) {
            result.text += text[i];
            continue;
        }
        ++result.removed;
        if (i < cursor) --result.cursor;
    }
    return result;
}

bool IsValidAddress(AddressKind kind, const QString& text)
{
    switch (kind) {
    case AddressKind::None:
        return true;
    case AddressKind::IPv4:
        return IsValidIPv4(text, false);
    case AddressKind::MulticastIPv4:
        return IsValidIPv4(text, true);
    case AddressKind::IPv6:
        return text.size() == 32 && AllHex(text);
    case AddressKind::MulticastIPv6:
        // ff00::/8, written in the 32-digit form of IPv6 fields.
        return text.size() == 32 && AllHex(text) && text.startsWith(QLatin1String("ff"), Qt::CaseInsensitive);
    case AddressKind::Mac:
        return IsValidMac(text);
    case AddressKind::MulticastMac:
        return IsValidMac(text) && (HexValue(text[1]) & 1) == 1 && text.count(QLatin1Char('F'), Qt::CaseInsensitive) != 12 &&
               text.mid(2).count(QLatin1Char('0')) <= 9;
    case AddressKind::UnicastMac:
        return IsValidMac(text) && (HexValue(text[1]) & 1) == 0 && text.count(QLatin1Char('0')) != 12;
    }
    return false;
}

ExitVerdict CheckExitText(const EditFormat& format, const QString& text)
{
    Placeholders values{RealNumberText(format.minimum), RealNumberText(format.maximum), QString::number(format.maxLength),
                        QString(format.delimiter)};
    if (text.isEmpty()) {
        if (format.lengthFlags & LengthFlag::NotEmpty) return Refuse(kEmptySlot, values);
        return {ExitVerdict::EmptyAccepted, {}};
    }
    switch (format.conversion) {
    case 'i':
    case 'u':
    case 'f': {
        // A text that is no number at all (a lone "-", or program text) fails like one out of range.
        double value = 0.0;
        if (!ReadDecimal(text, value) || value < format.minimum || value > format.maximum)
            return Refuse(kNumberRangeSlot, values);
        return {};
    }
    case 's':
    case 'h': {
        if (format.address != AddressKind::None) {
            if (IsValidAddress(format.address, text)) return {};
            return Refuse(kFirstAddressSlot + static_cast<int>(format.address) - 1, values);
        }
        if (format.maxLength <= 0) return {};
        const bool hex = format.conversion == 'h';
        if (format.lengthFlags & LengthFlag::Exact) {
            if (text.size() != format.maxLength) return Refuse(hex ? kHexLengthSlot : kStringLengthSlot, values);
        } else if (text.size() > format.maxLength) {
            return Refuse(hex ? kHexTooLongSlot : kStringTooLongSlot, values);
        }
        return {};
    }
    case 'n':
        return CheckNumberList(format, text, values);
    default:
        return {};
    }
}
