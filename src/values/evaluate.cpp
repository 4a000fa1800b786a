#include "evaluate.h"

#include <QDateTime>
#include <array>
#include <clocale>
#include <cstdlib>
#include <string_view>

#include "snmp/errors.h"

namespace {

// Both evaluators recurse into parenthesised groups and left operands; a text nested deeper
// than this is read as a plain number (arithmetic) or refused as a bad operand (conditions),
// so a hostile value substituted into an expression cannot exhaust the stack.
constexpr int kMaxDepth = 200;

constexpr int kBadLogicOperandSlot = 1;

// The current local date and time as days since 1899-12-30, the time of day as the fraction.
long double NowAsDays()
{
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<long double>(QDate(1899, 12, 30).daysTo(now.date())) +
           static_cast<long double>(now.time().msecsSinceStartOfDay()) / 86400000.0L;
}

bool IsNow(const QString& text)
{
    return text.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0;
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the longest prefix of text[from..] that reads as a decimal number: optional sign,
// digits with an optional fraction (at least one digit), optional exponent.
qsizetype DecimalPrefixLength(const QString& text, qsizetype from)
{
    qsizetype i = from;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i - from;
}

// Converts a validated decimal text independently of the user's locale (Qt programs run
// with the environment's LC_NUMERIC, where the decimal mark may be a comma).
long double DecimalValue(const QString& decimal)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const QByteArray bytes = decimal.toLatin1();
    return strtold_l(bytes.constData(), nullptr, cLocale);
}

// A text read as a number: "NOW", or the longest leading decimal number after leading blanks,
// or 0.
long double ReadNumber(const QString& text)
{
    if (IsNow(text.trimmed())) return NowAsDays();
    qsizetype from = 0;
    while (from < text.size() && text[from].unicode() <= ' ') ++from;
    const qsizetype length = DecimalPrefixLength(text, from);
    return length == 0 ? 0.0L : DecimalValue(text.mid(from, length));
}

// Position of the ")" that closes the "(" at 'open', or -1.
qsizetype MatchingClose(QStringView text, qsizetype open)
{
    int nesting = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('('))
            ++nesting;
        else if (text[i] == QLatin1Char(')') && --nesting == 0)
            return i;
    }
    return -1;
}

// First occurrences of operator characters in a text that the evaluation loops shorten from
// the left: a character absent from the text is absent from every rest of it, so it is looked
// for only once (a long chain "1+1+...+1" stays linear).
class OperatorFinder {
public:
    qsizetype Find(QStringView text, char op)
    {
        const auto key = static_cast<unsigned char>(op) & 0x7f;
        if (absent_[key]) return -1;
        const qsizetype position = text.indexOf(QLatin1Char(op));
        if (position < 0) absent_[key] = true;
        return position;
    }
    // After a group has been replaced the text is new.
    void Forget() { absent_.fill(false); }

private:
    std::array<bool, 128> absent_{};
};

// The rules are applied in a loop rather than by recursing into every right operand:
// the value of the text is always total + factor * value(rest).
long double Arithmetic(QStringView text, int depth)
{
    if (depth > kMaxDepth) return ReadNumber(text.toString());
    long double total = 0.0L;
    long double factor = 1.0L;
    QString replaced;  // holds the text once a group has been replaced by its value
    OperatorFinder find;
    for (;;) {
        const qsizetype open = find.Find(text, '(');
        if (open >= 0) {
            const qsizetype close = MatchingClose(text, open);
            if (close > open) {
                const long double inner = Arithmetic(text.mid(open + 1, close - open - 1), depth + 1);
                replaced = text.left(open).toString() + RealNumberText(inner) + text.mid(close + 1).toString();
                text = replaced;
                find.Forget();
                continue;
            }
        }
        if (const qsizetype plus = find.Find(text, '+'); plus >= 0) {
            total += factor * Arithmetic(text.left(plus), depth + 1);
            text = text.mid(plus + 1);
            continue;
        }
        if (const qsizetype minus = find.Find(text, '-'); minus >= 0) {
            total += factor * Arithmetic(text.left(minus), depth + 1);
            factor = -factor;
            text = text.mid(minus + 1);
            continue;
        }
        if (const qsizetype times = find.Find(text, '*'); times >= 0) {
            factor *= ReadNumber(text.left(times).toString());
            text = text.mid(times + 1);
            continue;
        }
        if (const qsizetype divide = find.Find(text, '/'); divide >= 0) {
            const long double dividend = ReadNumber(text.left(divide).toString());
            const long double divisor = Arithmetic(text.mid(divide + 1), depth + 1);
            // 0 rather than an infinity: results end up in integer values, where an
            // infinity has no meaning (and converting one would be undefined).
            return total + factor * (divisor == 0.0L ? 0.0L : dividend / divisor);
        }
        return total + factor * ReadNumber(text.toString());
    }
}

// The part of a condition from its first double quote to the next one.
struct QuotedPart {
    qsizetype open = -1;
    qsizetype close = -1;

    QuotedPart(QStringView text, OperatorFinder& find)
    {
        open = find.Find(text, '"');
        if (open >= 0) close = text.indexOf(QLatin1Char('"'), open + 1);
    }
    bool Holds(qsizetype position) const { return open >= 0 && close > open && position > open && position < close; }
};

// The first occurrence of an operator, or -1 when it lies inside the quoted part.
qsizetype OperatorAt(QStringView text, char op, const QuotedPart& quoted, OperatorFinder& find)
{
    const qsizetype position = find.Find(text, op);
    return position >= 0 && !quoted.Holds(position) ? position : -1;
}

QString ComparisonSide(QStringView side)
{
    qsizetype begin = 0;
    qsizetype end = side.size();
    while (begin < end && side[begin].unicode() <= ' ') ++begin;
    while (end > begin && side[end - 1].unicode() <= ' ') --end;
    QString value = side.mid(begin, end - begin).toString();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    if (IsNow(value)) value = RealNumberText(NowAsDays());
    return value;
}

bool Comparison(QStringView text)
{
    static constexpr std::array<std::string_view, 6> kOperators = {"<>", ">=", "<=", ">", "<", "="};
    for (std::string_view op : kOperators) {
        const QLatin1String opText(op.data(), static_cast<qsizetype>(op.size()));
        const qsizetype position = text.indexOf(opText);
        if (position < 0) continue;
        const int order = QString::compare(ComparisonSide(text.left(position)),
                                           ComparisonSide(text.mid(position + opText.size())), Qt::CaseSensitive);
        if (op == "<>") return order != 0;
        if (op == ">=") return order >= 0;
        if (op == "<=") return order <= 0;
        if (op == ">") return order > 0;
        if (op == "<") return order < 0;
        return order == 0;
    }
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    RaiseCommonError(kBadLogicOperandSlot);
}

// As above, a loop over the right operands: the value of the text is negate XOR value(rest).
bool Condition(QStringView text, int depth)
{
    if (depth > kMaxDepth) RaiseCommonError(kBadLogicOperandSlot);
    bool negate = false;
    QString replaced;
    OperatorFinder find;
    for (;;) {
        const QuotedPart quoted(text, find);
        if (const qsizetype open = OperatorAt(text, '(', quoted, find); open >= 0) {
            const qsizetype close = MatchingClose(text, open);
            if (close > open && !quoted.Holds(close)) {
                const bool inner = Condition(text.mid(open + 1, close - open - 1), depth + 1);
                replaced = text.left(open).toString() + QLatin1String(inner ? "true" : "false") + text.mid(close + 1).toString();
                text = replaced;
                find.Forget();
                continue;
            }
        }
        if (const qsizetype orAt = OperatorAt(text, '|', quoted, find); orAt >= 0) {
            if (Condition(text.left(orAt), depth + 1)) return !negate;
            text = text.mid(orAt + 1);
            continue;
        }
        if (const qsizetype andAt = OperatorAt(text, '&', quoted, find); andAt >= 0) {
            if (!Condition(text.left(andAt), depth + 1)) return negate;
            text = text.mid(andAt + 1);
            continue;
        }
        if (OperatorAt(text, '!', quoted, find) >= 0) {
            negate = !negate;
            text = text.mid(1);
            continue;
        }
        return negate != Comparison(text);
    }
}

}  // namespace

long double EvaluateArithmetic(const QString& text)
{
    return Arithmetic(text, 0);
}

bool EvaluateCondition(const QString& text)
{
    return Condition(text, 0);
}

QString RealNumberText(long double value)
{
    QString text = QString::number(static_cast<double>(value), 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0) return text;
    QString exponent = text.mid(e + 1);
    const bool negative = exponent.startsWith(QLatin1Char('-'));
    if (negative || exponent.startsWith(QLatin1Char('+'))) exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
    return text.left(e) + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
}
