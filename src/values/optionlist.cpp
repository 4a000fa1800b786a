#include "optionlist.h"

namespace {

QString FromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

bool SameText(const QString& a, const QString& b, bool caseSensitive)
{
    return QString::compare(a, b, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

// Prefix match byte for byte, ignoring ASCII case unless case-sensitive.
bool HasPrefix(const QString& text, const QString& prefix, bool caseSensitive)
{
    if (text.size() < prefix.size()) return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        QChar a = text[i], b = prefix[i];
        if (!caseSensitive) {
            if (a.unicode() < 128) a = a.toLower();
            if (b.unicode() < 128) b = b.toLower();
        }
        if (a != b) return false;
    }
    return true;
}

}  // namespace

QxOptionList::QxOptionList(const QxIntPair* table, uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    for (const QxIntPair* p = table; p && p->label; ++p) {
        QxOption option;
        option.intValue = p->value;
        option.label = FromUtf8(p->label);
        options_.push_back(std::move(option));
    }
}

QxOptionList::QxOptionList(const QxStrPair* table, uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    for (const QxStrPair* p = table; p && p->label; ++p) {
        QxOption option;
        option.strValue = FromUtf8(p->value);
        option.label = FromUtf8(p->label);
        options_.push_back(std::move(option));
    }
}

QxOptionList::QxOptionList(std::initializer_list<QxIntPair> pairs)
    : kind_(OptionKind::Integer), caseSensitive_(false)
{
    options_.reserve(pairs.size());
    for (const QxIntPair& p : pairs) {
        // Same rule as the pair tables: a null label ends the list, so a table copied here
        // with its terminator does not gain an option without a label.
        if (!p.label) break;
        QxOption option;
        option.intValue = p.value;
        option.label = FromUtf8(p.label);
        options_.push_back(std::move(option));
    }
}

QString QxOptionList::ValueText(int i) const
{
    const QxOption& o = Option(i);
    return kind_ == OptionKind::Integer ? QString::number(o.intValue) : o.strValue;
}

int QxOptionList::FindByLabel(const QString& text) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString& label = options_[static_cast<size_t>(i)].label;
        const bool match = kind_ == OptionKind::Prefix ? HasPrefix(text, label, caseSensitive_)
                                                       : SameText(label, text, caseSensitive_);
        if (match) return i;
    }
    return -1;
}

int QxOptionList::FindByValue(const QString& text) const
{
    if (kind_ == OptionKind::Integer) {
        if (text == QLatin1String("(NULL)")) return -1;
        bool ok = false;
        const int value = text.toInt(&ok, 10);
        if (!ok) return -1;
        for (int i = 0; i < Count(); ++i)
            if (options_[static_cast<size_t>(i)].intValue == value) return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const QString& value = options_[static_cast<size_t>(i)].strValue;
        const bool match = kind_ == OptionKind::Prefix ? HasPrefix(text, value, caseSensitive_)
                                                       : SameText(value, text, caseSensitive_);
        if (match) return i;
    }
    return -1;
}

QString QxOptionList::ValueToLabel(const QString& text) const
{
    const int i = FindByValue(text);
    if (i < 0) return text;
    const QxOption& o = Option(i);
    if (kind_ == OptionKind::Prefix) return o.label + text.mid(o.strValue.size());
    return o.label;
}

QString QxOptionList::LabelToValue(const QString& text) const
{
    const int i = FindByLabel(text);
    if (i < 0) return text;
    const QxOption& o = Option(i);
    if (kind_ == OptionKind::Prefix) return o.strValue + text.mid(o.label.size());
    return ValueText(i);
}

template <typename T>
void QxNumList<T>::Parse(const QString& text)
{
    items_.clear();
    if (text.isEmpty()) return;
    const QChar delimiter = QLatin1Char(Delimiter);
    items_.assign(static_cast<size_t>(text.count(delimiter)) + 1, T(0));
    size_t i = 0;
    bool fraction = false;
    for (QChar c : text) {
        if (c == delimiter) {
            ++i;
            fraction = false;
        } else if (c == QLatin1Char('.')) {
            fraction = true;
        } else if (!fraction) {
            // Unvalidated on purpose: any character folds in like a digit, in 32-bit arithmetic.
            const uint32_t folded = static_cast<uint32_t>(items_[i]) * 10u +
                                    static_cast<uint32_t>(static_cast<int>(c.unicode()) - '0');
            items_[i] = static_cast<T>(folded);
        }
    }
}

template <typename T>
int QxNumList<T>::IndexOf(T value) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value) return static_cast<int>(i);
    return -1;
}

template <typename T>
bool QxNumList<T>::AllWithin(T minimum, T maximum) const
{
    using U = std::make_unsigned_t<T>;
    for (T v : items_)
        if (static_cast<U>(v) < static_cast<U>(minimum) || static_cast<U>(v) > static_cast<U>(maximum)) return false;
    return true;
}

template class QxNumList<int32_t>;
template class QxNumList<uint32_t>;

const QxOptionList& VarListKindNames()
{
    static const QxOptionList list{{0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}};
    return list;
}

const QxOptionList& TypeCodeNames()
{
    static const QxOptionList list{
        {2, "integer"},     {3, "bitstr"},      {4, "octetstr"},    {5, "null"},       {6, "objectid"},
        {64, "ipaddress"},  {65, "counter"},    {66, "guage"},      {67, "timeticks"}, {68, "opaque"},
        {70, "counter64"},  {1, "boolean"},     {69, "nsapaddr"},   {71, "uinteger"},  {72, "double"},
        {73, "macaddress"}, {74, "datetime"},   {75, "bcdatetime"}, {76, "displaystr"}, {193, "bool8"},
        {194, "int8"},      {195, "uint8"},     {196, "bool16"},    {197, "int16"},    {198, "uint16"},
        {77, "ipv6address"},
    };
    return list;
}

const QxOptionList& AccessCodeNames()
{
    static const QxOptionList list{{1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
                                   {8, "derived"},   {16, "hidden"},  {32, "invalid"}};
    return list;
}

const QxOptionList& UsmAuthProtocols()
{
    static const QxStrPair pairs[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                      {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                      {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                      {nullptr, nullptr}};
    static const QxOptionList list(pairs, OptionKind::String, false);
    return list;
}

const QxOptionList& UsmPrivProtocols()
{
    static const QxStrPair pairs[] = {
        {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr}};
    static const QxOptionList list(pairs, OptionKind::String, false);
    return list;
}
