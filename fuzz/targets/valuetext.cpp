// The value-text conversions of every type code in both directions: received bindings to text
// and back, texts to bindings and back, raw parts to text and back, and parts cut from raw
// values. Besides crashes it checks that a value shown and sent again unchanged is the value
// that was sent (or received), for the codes whose text is exact.

#include <algorithm>

#include "values/valuetext.h"
#include "fuzz_target.h"
#include "fuzz_values.h"
#include "snmp/errors.h"

namespace {

const QString kNull = QStringLiteral("(NULL)");

bool IsHexCode(uint32_t type)
{
    return IsOneOf(type, {VarType::BitString, VarType::OctetString, VarType::Opaque, VarType::MacAddress,
                          VarType::Ipv6Address});
}

// Codes whose text names exactly one value to send: what TextToVb makes of a text, shown by
// VbToText and converted again, is the same binding.
bool IsExactVariableCode(uint32_t type)
{
    return IsHexCode(type) ||
           IsOneOf(type, {VarType::Boolean, VarType::Integer, VarType::Counter, VarType::Gauge, VarType::UInteger,
                          VarType::TimeTicks, VarType::Counter64, VarType::IpAddress, VarType::NsapAddress,
                          VarType::ObjectId, VarType::DisplayString});
}

bool SameBinding(const QxVb& a, const QxVb& b)
{
    return a.Syntax == b.Syntax && a.Integer == b.Integer && a.Unsigned == b.Unsigned && a.Bytes == b.Bytes &&
           a.ObjectId == b.ObjectId;
}

QString Describe(const QxVb& vb)
{
    return QStringLiteral("syntax %1 int %2 uns %3 bytes %4 oid %5")
        .arg(vb.Syntax)
        .arg(vb.Integer)
        .arg(vb.Unsigned)
        .arg(QString::fromLatin1(vb.Bytes.toHex()), vb.ObjectId);
}

bool IsSentAsOctets(uint32_t type)
{
    return IsHexCode(type) || IsOneOf(type, {VarType::Double, VarType::DateTime, VarType::BcDateTime,
                                             VarType::DisplayString});
}

// A received binding shown on a page, then written back unchanged.
void ReceivedThenSent(FuzzInput& in, uint32_t type)
{
    FuzzOptions options;
    QxSNMPVar var;
    var.Type = type;
    var.Options = options.Read(in);
    QxVb received;
    received.Oid = QStringLiteral("1.3.6.1.4.1.58126.1.0");
    received.Syntax = in.Byte();
    received.Integer = in.Number<int64_t>();
    received.Unsigned = in.Number<uint64_t>();
    received.Bytes = in.Field();
    received.ObjectId = in.Text();
    VbToText(var, received);

    QxVb sent;
    sent.Oid = received.Oid;
    TextToVb(var, sent);
    FUZZ_CHECK(sent.Oid == received.Oid, sent.Oid);

    // Octets received for a code sent as an octet string go back byte for byte, whatever text
    // they were shown as (Latin-1, hex for binary display strings, a rounded double).
    const bool octets = received.Syntax == Syntax::OctetString || received.Syntax == Syntax::Opaque;
    if (octets && IsSentAsOctets(type))
        FUZZ_CHECK(sent.Syntax == Syntax::OctetString && sent.Bytes == received.Bytes, Describe(sent));

    // The same text edited: sent in the form it was shown, never failing for a display string.
    if (octets && type == VarType::DisplayString && !var.Options) {
        const QString added = in.Text();
        var.Value += added;
        TextToVb(var, sent);
        const qsizetype zero = received.Bytes.indexOf('\0');
        const bool latin1 = !IsUtf8(zero < 0 ? received.Bytes : received.Bytes.left(zero)) &&
                            std::all_of(var.Value.begin(), var.Value.end(), [](QChar c) { return c.unicode() <= 0xFF; });
        if (!added.isEmpty() && latin1 && !DisplayStringShownAsHex(received.Bytes))
            FUZZ_CHECK(sent.Bytes == var.Value.toLatin1(), Describe(sent));
    }
}

// A text typed by the user sent, shown as the answer shows it, and sent again.
void TypedThenShown(FuzzInput& in, uint32_t type)
{
    FuzzOptions options;
    QxSNMPVar var;
    var.Type = type;
    var.Options = options.Read(in);
    var.Value = in.Text();
    QxVb first;
    first.Oid = QStringLiteral("1.3.6.1.4.1.58126.1.0");
    TextToVb(var, first);

    QxSNMPVar shown = var;
    VbToText(shown, first);
    QxVb second;
    second.Oid = first.Oid;
    TextToVb(shown, second);
    // The marker "(NULL)" sends no value, which shows as the code's empty text.
    if (!var.Options && IsExactVariableCode(type) && var.Value != kNull && !var.Value.contains(QChar(0)))
        FUZZ_CHECK(SameBinding(first, second), Describe(first) + QStringLiteral(" / ") + Describe(second));
}

// Codes whose raw form reads back from its text octet for octet (for the fixed widths: the
// octets the code covers).
bool IsExactRawCode(uint32_t type)
{
    return IsHexCode(type) || IsOneOf(type, {VarType::Integer, VarType::Counter, VarType::Gauge, VarType::UInteger,
                                             VarType::TimeTicks, VarType::Counter64, VarType::Int8, VarType::UInt8,
                                             VarType::Int16, VarType::UInt16, VarType::ObjectId});
}

int ExactRawWidth(uint32_t type, qsizetype available)
{
    if (IsOneOf(type, {VarType::Int8, VarType::UInt8})) return 1;
    if (IsOneOf(type, {VarType::Int16, VarType::UInt16})) return 2;
    if (type == VarType::Counter64) return 8;
    if (type == VarType::ObjectId) return static_cast<int>(available - available % 4);
    if (IsHexCode(type)) return static_cast<int>(available);
    return 4;
}

void TextToRawAndBack(FuzzInput& in, uint32_t type)
{
    const QString text = in.Text();
    const QByteArray raw = TextToRaw(text, type);
    const QString shown = RawToText(raw, type);
    const QByteArray again = TextToRaw(shown, type);
    if (IsExactRawCode(type)) FUZZ_CHECK(again == raw, QString::fromLatin1(raw.toHex() + " / " + again.toHex()));
}

void RawToTextAndBack(FuzzInput& in, uint32_t type)
{
    const QByteArray raw = in.Field();
    const QString shown = RawToText(raw, type);
    const QByteArray again = TextToRaw(shown, type);
    if (IsExactRawCode(type) && !raw.isEmpty()) {
        const QByteArray covered = raw.left(ExactRawWidth(type, raw.size()));
        FUZZ_CHECK(again == covered, shown + QStringLiteral(": ") + QString::fromLatin1(again.toHex()));
    }
}

void PartOfRaw(FuzzInput& in, uint32_t type)
{
    const int offset = in.Number<int32_t>();
    const QByteArray raw = in.Field();
    const QByteArray part = ExtractPart(raw, offset, type);
    FUZZ_CHECK(part.size() <= raw.size(), QString::number(part.size()));
    RawToText(part, type);
}

}  // namespace

KSW_FUZZ_TARGET(valuetext)
{
    FuzzInput in(data, size);
    const uint8_t operation = in.Byte();
    const uint32_t type = PickTypeCode(in);
    try {
        switch (operation % 5) {
        case 0: ReceivedThenSent(in, type); break;
        case 1: TypedThenShown(in, type); break;
        case 2: TextToRawAndBack(in, type); break;
        case 3: RawToTextAndBack(in, type); break;
        default: PartOfRaw(in, type); break;
        }
    } catch (const AppException&) {
        // Refusals are the conversions' way to say no.
    }
    return 0;
}
