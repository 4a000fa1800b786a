#include "editformat.h"

#include <limits>

#include "snmp/errors.h"

namespace {

constexpr int kBadFormatSlot = 2;

[[noreturn]] void BadFormat()
{
    RaiseCommonError(kBadFormatSlot);
}

bool IsConversion(QChar c)
{
    return c.unicode() < 128 && QByteArrayView("shiufn").contains(static_cast<char>(c.unicode()));
}

// The longest run at 'pos' of characters from 'allowed'; advances pos past it.
QString TakeRun(const QString& text, qsizetype& pos, qsizetype end, QLatin1String allowed)
{
    const qsizetype start = pos;
    while (pos < end && allowed.contains(text[pos])) ++pos;
    return text.mid(start, pos - start);
}

// A bound must be a whole decimal number ("-5", "0.5", "65535"); "1-2" or "." is a bad format.
double BoundValue(const QString& run)
{
    if (run.isEmpty()) BadFormat();
    bool ok = false;
    const double value = run.toDouble(&ok);  // C locale, whatever the user's locale is
    if (!ok) BadFormat();
    return value;
}

int32_t DigitsValue(const QString& run)
{
    if (run.isEmpty()) BadFormat();
    bool ok = false;
    const int32_t value = run.toInt(&ok);
    if (!ok) BadFormat();
    return value;
}

void SetDefaultBounds(EditFormat& format)
{
    switch (format.conversion) {
    case 'i':
        format.minimum = std::numeric_limits<int32_t>::min();
        format.maximum = std::numeric_limits<int32_t>::max();
        break;
    case 'u':
    case 'n':
        format.minimum = 0.0;
        format.maximum = std::numeric_limits<uint32_t>::max();
        break;
    case 'f':
        // The lowest double, not the smallest positive one: 0 and negative numbers are
        // ordinary values of a decimal field, and the typing filter lets a minus sign through.
        format.minimum = std::numeric_limits<double>::lowest();
        format.maximum = std::numeric_limits<double>::max();
        break;
    default:
        break;
    }
}

}  // namespace

EditFormat ParseEditFormat(const QString& segment)
{
    if (segment.size() < 2 || segment[0] != QLatin1Char('%') || !IsConversion(segment[1])) BadFormat();
    EditFormat format;
    format.conversion = static_cast<char>(segment[1].unicode());
    SetDefaultBounds(format);
    qsizetype pos = 2;
    if (format.conversion == 'n') {
        if (pos >= segment.size()) BadFormat();
        format.delimiter = segment[pos++];
    }
    if (pos == segment.size()) return format;
    if (segment[pos] != QLatin1Char('{') || !segment.endsWith(QLatin1Char('}')) || pos == segment.size() - 1) BadFormat();

    const qsizetype end = segment.size() - 1;  // the closing brace
    ++pos;
    const QLatin1String numberChars("-0123456789.");
    const QLatin1String digits("0123456789");
    while (pos < end) {
        const QChar item = segment[pos++];
        switch (item.unicode()) {
        case 'n':
            format.minimum = BoundValue(TakeRun(segment, pos, end, numberChars));
            break;
        case 'x':
            format.maximum = BoundValue(TakeRun(segment, pos, end, numberChars));
            break;
        case 'l':
            format.maxLength = DigitsValue(TakeRun(segment, pos, end, digits));
            for (int letters = 0; letters < 3 && pos < end; ++letters, ++pos) {
                const QChar flag = segment[pos];
                if (flag == QLatin1Char('a'))
                    format.lengthFlags |= LengthFlag::AutoAdvance;
                else if (flag == QLatin1Char('f'))
                    format.lengthFlags |= LengthFlag::Exact;
                else if (flag == QLatin1Char('n'))
                    format.lengthFlags |= LengthFlag::NotEmpty;
                else
                    break;
            }
            break;
        case 'w':
            format.width = DigitsValue(TakeRun(segment, pos, end, digits));
            break;
        case 'e':
            if (pos >= end) BadFormat();
            format.jump = segment[pos++];
            break;
        case 'I': {
            // The character after "I" (or after "I6") is consumed whatever it is, the closing
            // brace included.
            bool six = pos <= end && segment[pos] == QLatin1Char('6');
            if (six) ++pos;
            const bool multicast = pos <= end && segment[pos] == QLatin1Char('m');
            ++pos;
            format.address = six ? (multicast ? AddressKind::MulticastIPv6 : AddressKind::IPv6)
                                 : (multicast ? AddressKind::MulticastIPv4 : AddressKind::IPv4);
            break;
        }
        case 'M': {
            const QChar kind = pos <= end ? segment[pos] : QChar();
            ++pos;
            format.address = kind == QLatin1Char('m')   ? AddressKind::MulticastMac
                             : kind == QLatin1Char('u') ? AddressKind::UnicastMac
                                                        : AddressKind::Mac;
            break;
        }
        case 'Z':
            format.custom = true;
            break;
        default:
            BadFormat();
        }
    }
    return format;
}

QStringList SplitEditFormat(const QString& format)
{
    QStringList segments;
    QString current;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == QLatin1Char('%') && i > 0) {
            segments << current;
            current.clear();
        }
        current += format[i];
    }
    if (!current.isEmpty()) segments << current;
    return segments;
}

int CountEditFormatFields(const QString& format)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < format.size(); ++i)
        if (format[i] == QLatin1Char('%') && IsConversion(format[i + 1])) ++count;
    return count;
}
