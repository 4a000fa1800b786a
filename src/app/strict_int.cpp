#include "strict_int.h"

#include "snmp/errors.h"

namespace {

[[noreturn]] void Raise(QString message, const QString& where)
{
    if (!where.isEmpty()) message += u' ' + where;
    throw AppException(message);
}

}  // namespace

int StrictToInt(const QString& text, const QString& where)
{
    qsizetype digitsFrom = 0;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) digitsFrom = 1;
    bool digitsOnly = text.size() > digitsFrom;
    for (qsizetype i = digitsFrom; i < text.size() && digitsOnly; ++i)
        digitsOnly = text.at(i) >= u'0' && text.at(i) <= u'9';

    bool fits = false;
    const int value = digitsOnly ? text.toInt(&fits, 10) : 0;
    if (!fits) Raise(QStringLiteral("'%1' is not a valid integer value").arg(text), where);
    return value;
}

int StrictToIntIn(const QString& text, int minimum, int maximum, const QString& where)
{
    const int value = StrictToInt(text, where);
    if (value < minimum || value > maximum)
        Raise(QStringLiteral("'%1' is out of range (%2 to %3)").arg(text).arg(minimum).arg(maximum), where);
    return value;
}
