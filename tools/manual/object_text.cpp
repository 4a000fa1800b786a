#include "object_text.h"

#include <QStringList>

#include "values/optionlist.h"
#include "snmp/vardesc.h"

namespace manual {
namespace {

struct TypeName {
    uint32_t code;
    const char* name;
};

// The names an administrator knows from the MIBs; the library's own codes carried in octet
// strings are named after what they hold.
constexpr TypeName kTypeNames[] = {
    {VarType::Integer, "INTEGER"},
    {VarType::BitString, "port list / bits"},
    {VarType::OctetString, "OCTET STRING"},
    {VarType::Null, "NULL"},
    {VarType::ObjectId, "OBJECT IDENTIFIER"},
    {VarType::IpAddress, "IpAddress"},
    {VarType::Counter, "Counter32"},
    {VarType::Gauge, "Gauge32"},
    {VarType::TimeTicks, "TimeTicks"},
    {VarType::Opaque, "Opaque"},
    {VarType::Counter64, "Counter64"},
    {VarType::MacAddress, "MAC address"},
    {VarType::DateTime, "DateAndTime"},
    {VarType::DisplayString, "DisplayString"},
    {VarType::Ipv6Address, "IPv6 address"},
};

// The number following 'letter' in the brace group of a format ("n0x1440l4": n gives "0").
QString ItemArgument(const QString& items, QChar letter)
{
    const qsizetype at = items.indexOf(letter);
    if (at < 0) return {};
    qsizetype end = at + 1;
    while (end < items.size() && (items.at(end).isDigit() || items.at(end) == u'-' || items.at(end) == u'.')) ++end;
    return items.mid(at + 1, end - at - 1);
}

}  // namespace

QString TypeText(uint32_t type)
{
    for (const TypeName& known : kTypeNames)
        if (known.code == type) return QStringLiteral("%1 (%2)").arg(QLatin1String(known.name)).arg(type);
    const QString label = TypeCodeNames().ValueToLabel(QString::number(type));
    return QStringLiteral("%1 (%2)").arg(label.isEmpty() ? QStringLiteral("code") : label).arg(type);
}

QString AccessText(uint32_t access)
{
    QStringList words;
    const bool read = access & AccessRead;
    const bool write = access & AccessWrite;
    if (read && write)
        words << QStringLiteral("read-write");
    else if (read)
        words << QStringLiteral("read-only");
    else if (write)
        words << QStringLiteral("write-only");
    else
        words << QStringLiteral("not-accessible");
    if (access & AccessImplied) words << QStringLiteral("implied");
    if (access & AccessHidden) words << QStringLiteral("hidden");
    return QStringLiteral("%1 (%2)").arg(words.join(QStringLiteral(", "))).arg(access);
}

QString OptionsText(const QxOptionList* options)
{
    if (!options) return {};
    QStringList pairs;
    for (int i = 0; i < options->Count(); ++i)
        pairs << options->Option(i).label + QStringLiteral(" (") + options->ValueText(i) + u')';
    return pairs.join(QStringLiteral(", "));
}

QString FormatText(const QString& format)
{
    if (format.size() < 2 || format.front() != u'%') return format;
    const QChar conversion = format.at(1);
    QString items;
    if (format.size() > 3 && format.at(2) == u'{' && format.back() == u'}') items = format.mid(3, format.size() - 4);
    else if (format.size() != 2) return format;

    const QString minimum = ItemArgument(items, u'n');
    const QString maximum = ItemArgument(items, u'x');
    const QString length = ItemArgument(items, u'l');
    const bool exact = items.contains(QLatin1String("f"));

    switch (conversion.unicode()) {
    case u's':
        if (items.startsWith(u'I')) return QStringLiteral("IPv4 address");
        if (!length.isEmpty())
            return (exact ? QStringLiteral("text of exactly %1 characters") : QStringLiteral("text of at most %1 characters"))
                .arg(length);
        return QStringLiteral("text");
    case u'h':
        if (!length.isEmpty())
            return (exact ? QStringLiteral("exactly %1 hexadecimal digits") : QStringLiteral("at most %1 hexadecimal digits"))
                .arg(length);
        return QStringLiteral("hexadecimal digits");
    case u'i':
    case u'u':
        if (!minimum.isEmpty() && !maximum.isEmpty())
            return QStringLiteral("whole number from %1 to %2").arg(minimum, maximum);
        if (!length.isEmpty()) return QStringLiteral("whole number of at most %1 digits").arg(length);
        return QStringLiteral("whole number");
    default:
        return format;
    }
}

}  // namespace manual
