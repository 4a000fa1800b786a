// Instance suffixes to index texts and back, for every type code, with and without the IMPLIED
// rule of a last index. Besides crashes it checks, for the codes whose text is exact, that an
// index text turns back into the sub-identifiers it was read from, and that the rest of the
// suffix is what was not read.

#include <QStringList>
#include <vector>

#include "values/valuetext.h"
#include "fuzz_target.h"
#include "fuzz_values.h"
#include "snmp/errors.h"

namespace {

using Ids = std::vector<uint32_t>;

// The sub-identifiers of a dotted text as the conversions read them: empty pieces skipped,
// each piece's leading number cut to 32 bits.
Ids SubIdsOf(const QString& dotted)
{
    Ids ids;
    for (const QString& piece : dotted.split(QLatin1Char('.'), Qt::SkipEmptyParts))
        ids.push_back(static_cast<uint32_t>(static_cast<uint64_t>(LeadingInteger(piece))));
    return ids;
}

QString Dotted(const Ids& ids)
{
    QStringList pieces;
    for (uint32_t id : ids) pieces << QString::number(id);
    return pieces.join(QLatin1Char('.'));
}

bool IsOctetCode(uint32_t type)
{
    return IsOneOf(type, {VarType::BitString, VarType::OctetString, VarType::Opaque, VarType::DisplayString});
}

// Codes whose index text gives back the sub-identifiers it was read from (octets as their
// low eight bits, a boolean as 0 or 1).
bool IsExactIndexCode(uint32_t type, bool impliedLast)
{
    if (type == VarType::Ipv6Address) return !impliedLast;
    return IsOctetCode(type) ||
           IsOneOf(type, {VarType::Boolean, VarType::Integer, VarType::Counter, VarType::Gauge, VarType::UInteger,
                          VarType::TimeTicks, VarType::ObjectId, VarType::IpAddress, VarType::NsapAddress,
                          VarType::Counter64, VarType::MacAddress, VarType::Null});
}

// What TextToIndex should give for the sub-identifiers IndexToText read.
Ids Normalised(uint32_t type, bool impliedLast, Ids ids)
{
    if (type == VarType::Boolean) {
        for (uint32_t& id : ids) id = id != 0 ? 1 : 0;
        return ids;
    }
    const bool octets = IsOctetCode(type) || IsOneOf(type, {VarType::IpAddress, VarType::NsapAddress,
                                                            VarType::MacAddress, VarType::Ipv6Address});
    if (!octets) return ids;
    const size_t first = IsOctetCode(type) && !impliedLast ? 1 : 0;  // the length stays a number
    for (size_t i = first; i < ids.size(); ++i) ids[i] &= 0xFF;
    return ids;
}

QByteArray OctetsOf(const Ids& ids, size_t from)
{
    QByteArray octets;
    for (size_t i = from; i < ids.size(); ++i) octets.append(static_cast<char>(ids[i]));
    return octets;
}

// A suffix received in a walk, shown as its index text, then used to address the row again.
void SuffixThenText(FuzzInput& in, QxSNMPVar& var, bool isLast)
{
    const QString suffix = in.Text();
    const QString rest = IndexToText(var, suffix, isLast);
    const QString index = TextToIndex(var, isLast);

    const Ids all = SubIdsOf(suffix);
    const Ids restIds = SubIdsOf(rest);
    FUZZ_CHECK(restIds.size() <= all.size(), rest);
    const size_t used = all.size() - restIds.size();
    FUZZ_CHECK(Ids(all.begin() + static_cast<std::ptrdiff_t>(used), all.end()) == restIds, rest);

    // The row is addressed by the instance it was read with, whatever its text shows.
    const Ids read(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(used));
    FUZZ_CHECK(SubIdsOf(index) == read, index + QStringLiteral(" from ") + Dotted(read));

    // The same index typed again: its text gives back the sub-identifiers it was read from.
    const bool impliedLast = isLast && (var.Access & AccessImplied);
    if (var.Options || !IsExactIndexCode(var.Type, impliedLast)) return;
    QxSNMPVar typed = var;
    typed.Received.reset();
    const Ids expected = Normalised(var.Type, impliedLast, read);
    if (var.Type == VarType::DisplayString) {
        // Typed text is UTF-8 unless the row's octets came as 8-bit text.
        const QByteArray octets = OctetsOf(expected, impliedLast ? 0 : 1);
        if (QString::fromUtf8(octets).toUtf8() != octets) return;
    }
    FUZZ_CHECK(SubIdsOf(TextToIndex(typed, isLast)) == expected, index + QStringLiteral(" typed from ") + Dotted(read));
}

// An index text typed or kept by a page, made a suffix, then read back from that suffix.
void TextThenSuffix(FuzzInput& in, QxSNMPVar& var, bool isLast)
{
    var.Value = in.Text();
    const QString suffix = TextToIndex(var, isLast);
    QxSNMPVar back = var;
    back.Value.clear();
    const QString rest = IndexToText(back, suffix, isLast);
    const QString again = TextToIndex(back, isLast);
    const bool impliedLast = isLast && (var.Access & AccessImplied);
    if (var.Options || !IsExactIndexCode(var.Type, impliedLast)) return;
    FUZZ_CHECK(rest.isEmpty(), suffix + QStringLiteral(" leaves ") + rest);
    FUZZ_CHECK(again == suffix, suffix + QStringLiteral(" / ") + again);
}

}  // namespace

KSW_FUZZ_TARGET(index)
{
    FuzzInput in(data, size);
    const uint8_t operation = in.Byte();
    FuzzOptions options;
    QxSNMPVar var;
    var.Type = PickTypeCode(in);
    var.Access = in.Byte();
    const bool isLast = in.Flag();
    var.Options = options.Read(in);
    try {
        if (operation % 2 == 0)
            SuffixThenText(in, var, isLast);
        else
            TextThenSuffix(in, var, isLast);
    } catch (const AppException&) {
        // Refusals (a suffix that ends inside a value, a code without an index form) are answers.
    }
    return 0;
}
