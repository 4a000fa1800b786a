// The seven conversions between a value's text and its SNMP, instance and raw forms.

#include "valuetext.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "values/optionlist.h"
#include "snmp/dotted_numbers.h"
#include "snmp/errors.h"

namespace {

const QString kNullText = QStringLiteral("(NULL)");
// A column without a row at the walk's position: neither read nor typed, so never sent.
const QString kNotDoneText = QStringLiteral("(NOTDONE)");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

bool IsVariableType(uint32_t type)
{
    return (type >= VarType::Boolean && type <= VarType::ObjectId) ||
           (type >= VarType::IpAddress && type <= VarType::Ipv6Address);
}

bool IsPartType(uint32_t type)
{
    return IsVariableType(type) || (type >= VarType::Bool8 && type <= VarType::UInt16);
}

void RequireVariableType(uint32_t type)
{
    if (!IsVariableType(type)) RaiseLibraryError(LibErr::BadSyntax);
}

void RequirePartType(uint32_t type)
{
    if (!IsPartType(type)) RaiseLibraryError(LibErr::BadSyntax);
}

bool IsHexType(uint32_t type)
{
    return type == VarType::BitString || type == VarType::OctetString || type == VarType::Opaque ||
           type == VarType::MacAddress || type == VarType::Ipv6Address;
}

QString ToLabel(const QxSNMPVar& var, const QString& text)
{
    return var.Options ? var.Options->ValueToLabel(text) : text;
}

QString FromLabel(const QxSNMPVar& var, const QString& text)
{
    return var.Options ? var.Options->LabelToValue(text) : text;
}

// ---- Byte orders -----------------------------------------------------------------------

void AppendLittle32(QByteArray& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void AppendBig16(QByteArray& out, uint16_t v)
{
    out.append(static_cast<char>(v >> 8));
    out.append(static_cast<char>(v & 0xFF));
}

uint8_t Octet(const QByteArray& bytes, qsizetype i)
{
    return static_cast<uint8_t>(bytes[i]);
}

uint32_t Little32(const QByteArray& bytes, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | Octet(bytes, at + i);
    return v;
}

uint64_t Little64(const QByteArray& bytes, qsizetype at)
{
    return (static_cast<uint64_t>(Little32(bytes, at + 4)) << 32) | Little32(bytes, at);
}

uint16_t Big16(const QByteArray& bytes)
{
    return static_cast<uint16_t>((Octet(bytes, 0) << 8) | Octet(bytes, 1));
}

QByteArray Little64Bytes(uint64_t v)
{
    QByteArray out;
    AppendLittle32(out, static_cast<uint32_t>(v));
    AppendLittle32(out, static_cast<uint32_t>(v >> 32));
    return out;
}

QByteArray DoubleBytes(double value)
{
    return Little64Bytes(std::bit_cast<uint64_t>(value));
}

double DoubleOf(const QByteArray& bytes)
{
    return std::bit_cast<double>(Little64(bytes, 0));
}

// ---- Numbers and dotted texts ----------------------------------------------------------

uint32_t Low32(const QString& text)
{
    return static_cast<uint32_t>(static_cast<uint64_t>(LeadingInteger(text)));
}

int32_t Integer32(const QString& text)
{
    // Like strtol: a number beyond Integer32 is held at its limit rather than wrapped.
    return static_cast<int32_t>(std::clamp<int64_t>(LeadingInteger(text), INT32_MIN, INT32_MAX));
}

// The numbers of a dotted text; empty pieces (a leading or doubled ".") are skipped.
std::vector<uint32_t> SubIds(const QString& dotted)
{
    std::vector<uint32_t> ids;
    // The usual form in one pass; anything else piece by piece.
    if (ParseDottedNumbers(dotted, ids)) return ids;
    for (const QString& piece : dotted.split(QLatin1Char('.'), Qt::SkipEmptyParts)) ids.push_back(Low32(piece));
    return ids;
}

QString JoinSubIds(const std::vector<uint32_t>& ids, size_t from = 0)
{
    return from < ids.size() ? DottedNumbersText(ids.data() + from, ids.size() - from) : QString();
}

QString DottedQuad(const QByteArray& four)
{
    return QStringLiteral("%1.%2.%3.%4").arg(Octet(four, 0)).arg(Octet(four, 1)).arg(Octet(four, 2)).arg(Octet(four, 3));
}

// Addresses are numbers only: a name would be looked up, which changes what the page says
// with whatever the resolver answers, and blocks the window while it asks.
QByteArray IpAddressOf(const QString& text)
{
    if (auto quad = Ipv4Octets(text.trimmed())) return *quad;
    RaiseLibraryError(LibErr::BadAddress);
}

// Codes whose value goes out as an OCTET STRING.
bool IsSentAsOctets(uint32_t type)
{
    switch (type) {
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::Double:
    case VarType::MacAddress:
    case VarType::DateTime:
    case VarType::BcDateTime:
    case VarType::DisplayString:
    case VarType::Ipv6Address: return true;
    default: return false;
    }
}

// Hex digits in pairs, blanks allowed between them.
bool IsHexText(const QString& text)
{
    qsizetype digits = 0;
    for (QChar c : text) {
        if (c.isSpace()) continue;
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'))) return false;
        ++digits;
    }
    return digits % 2 == 0;
}

bool FitsLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The octets of a display-string text the user edited, in the form its received value was shown:
// hex text for octets shown as hex, Latin-1 for 8-bit text; otherwise, and for new values, UTF-8.
QByteArray EditedDisplayOctets(const QxSNMPVar& var, const QString& text)
{
    if (var.Received) {
        const QByteArray& was = var.Received->Octets;
        if (!var.Received->FromIndex && DisplayStringShownAsHex(was) && IsHexText(text)) return HexToBytes(text);
        const qsizetype zero = was.indexOf('\0');
        if (!IsUtf8(zero < 0 ? was : was.left(zero)) && FitsLatin1(text)) return text.toLatin1();
    }
    return text.toUtf8();
}

// ---- Received bindings -----------------------------------------------------------------

bool CarriesOctets(const QxVb& vb)
{
    return vb.Syntax == Syntax::OctetString || vb.Syntax == Syntax::Opaque;
}

bool CarriesNumber(const QxVb& vb)
{
    switch (vb.Syntax) {
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Counter64: return true;
    default: return false;
    }
}

QString NumberText(const QxVb& vb)
{
    return vb.Syntax == Syntax::Integer ? QString::number(vb.Integer) : QString::number(vb.Unsigned);
}

// No value, or a value whose text would be empty: a NULL or exception, an empty octet string.
bool CarriesNoText(const QxVb& vb)
{
    if (!vb.HasValue()) return true;
    if (CarriesOctets(vb) || vb.Syntax == Syntax::IpAddress) return vb.Bytes.isEmpty();
    if (vb.Syntax == Syntax::ObjectId) return vb.ObjectId.isEmpty();
    return false;
}

// The value as its own SMI type shows it; used where the agent sent another type than the
// descriptor expects, so the user sees what arrived instead of a guess.
QString TextAsReceived(const QxVb& vb)
{
    switch (vb.Syntax) {
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::Counter64: return NumberText(vb);
    case Syntax::TimeTicks:
        return vb.Unsigned <= UINT32_MAX ? TimeTicksText(static_cast<uint32_t>(vb.Unsigned)) : NumberText(vb);
    case Syntax::IpAddress: return vb.Bytes.size() == 4 ? DottedQuad(vb.Bytes) : HexText(vb.Bytes);
    case Syntax::OctetString:
    case Syntax::Opaque: return HexText(vb.Bytes);
    case Syntax::ObjectId: return vb.ObjectId;
    default: return kNullText;
    }
}

bool NumberIsNonZero(const QxVb& vb)
{
    return vb.Syntax == Syntax::Integer ? vb.Integer != 0 : vb.Unsigned != 0;
}

QString ReceivedText(uint32_t type, const QxVb& vb)
{
    if (IsHexType(type)) {
        if (CarriesOctets(vb)) return HexText(vb.Bytes);
        // No value shows as no octets; another type shows as it arrived.
        return vb.HasValue() ? TextAsReceived(vb) : QString(QLatin1String(""));
    }
    if (type == VarType::Null) return kNullText;
    if (CarriesNoText(vb)) return type == VarType::DisplayString ? QString(QLatin1String("")) : kNullText;

    switch (type) {
    case VarType::Boolean:
        if (CarriesNumber(vb)) return NumberIsNonZero(vb) ? kTrue : kFalse;
        break;
    case VarType::Integer:
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger:
    case VarType::Counter64:
        // The full received value, whatever its width: a Counter64 arriving for a 32-bit
        // counter code (the high-capacity counters) must not be cut to 32 bits.
        if (CarriesNumber(vb)) return NumberText(vb);
        break;
    case VarType::TimeTicks:
        if (CarriesNumber(vb) && vb.Syntax != Syntax::Integer && vb.Unsigned <= UINT32_MAX)
            return TimeTicksText(static_cast<uint32_t>(vb.Unsigned));
        if (vb.Syntax == Syntax::Integer && vb.Integer >= 0 && vb.Integer <= INT64_C(0xFFFFFFFF))
            return TimeTicksText(static_cast<uint32_t>(vb.Integer));
        break;
    case VarType::ObjectId:
        if (vb.Syntax == Syntax::ObjectId) return vb.ObjectId;
        break;
    case VarType::IpAddress:
    case VarType::NsapAddress:
        // Some agents send addresses as 4-octet strings; both read the same.
        if ((vb.Syntax == Syntax::IpAddress || CarriesOctets(vb)) && vb.Bytes.size() == 4) return DottedQuad(vb.Bytes);
        break;
    // An octet string shorter than its code needs is shown as hex text of what arrived: nothing
    // is read past its end, and the user still sees the agent's value.
    case VarType::Double:
        if (CarriesOctets(vb) && vb.Bytes.size() >= 8) return DoubleText(DoubleOf(vb.Bytes));
        break;
    case VarType::DateTime:
        // RFC 2579 allows 8 octets (no offset from UTC) as well as 11.
        if (CarriesOctets(vb) && vb.Bytes.size() >= 8) return QxDateTime::FromBytes(vb.Bytes.left(11)).ToText();
        break;
    case VarType::BcDateTime:
        if (CarriesOctets(vb) && vb.Bytes.size() >= 8) return DaysSince1899Text(DoubleOf(vb.Bytes));
        break;
    case VarType::DisplayString:
        if (CarriesOctets(vb)) return ShownDisplayString(vb.Bytes);
        break;
    default: break;
    }
    return TextAsReceived(vb);
}

// ---- Instance suffixes -----------------------------------------------------------------

class SuffixReader {
public:
    explicit SuffixReader(const QString& suffix) : ids_(SubIds(suffix)) {}

    size_t Remaining() const { return ids_.size() - used_; }
    uint32_t Take()
    {
        Need(1);
        return ids_[used_++];
    }
    // n sub-identifiers, each taken as one octet (its low 8 bits).
    QByteArray TakeOctets(size_t n)
    {
        Need(n);
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(n));
        for (size_t i = 0; i < n; ++i) bytes.append(static_cast<char>(ids_[used_++] & 0xFF));
        return bytes;
    }
    std::vector<uint32_t> TakeIds(size_t n)
    {
        Need(n);
        std::vector<uint32_t> out(ids_.begin() + static_cast<std::ptrdiff_t>(used_),
                                  ids_.begin() + static_cast<std::ptrdiff_t>(used_ + n));
        used_ += n;
        return out;
    }
    QString Rest() const { return JoinSubIds(ids_, used_); }
    // The sub-identifiers taken so far.
    QString Read() const { return DottedNumbersText(ids_.data(), used_); }

private:
    // An instance that ends inside an index value cannot address a row.
    void Need(size_t n) const
    {
        if (Remaining() < n) RaiseLibraryError(LibErr::KeyCount);
    }

    std::vector<uint32_t> ids_;
    size_t used_ = 0;
};

QString IndexOctetsText(uint32_t type, const QByteArray& octets)
{
    // Index strings keep every octet (a zero too), so that the text addresses the same row.
    return type == VarType::DisplayString ? OctetsAsText(octets) : HexText(octets);
}

void AppendOctetIds(std::vector<uint32_t>& ids, const QByteArray& octets)
{
    for (char c : octets) ids.push_back(static_cast<uint8_t>(c));
}

// ---- Raw parts -------------------------------------------------------------------------

// Octets a part of this type needs; -1 for "all that remain".
int PartWidth(uint32_t type)
{
    switch (type) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::IpAddress:
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::TimeTicks:
    case VarType::NsapAddress:
    case VarType::UInteger: return 4;
    case VarType::Counter64:
    case VarType::Double:
    case VarType::BcDateTime: return 8;
    case VarType::MacAddress: return 6;
    case VarType::DateTime: return 11;
    case VarType::Ipv6Address: return 16;
    case VarType::Bool8:
    case VarType::Int8:
    case VarType::UInt8: return 1;
    case VarType::Bool16:
    case VarType::Int16:
    case VarType::UInt16: return 2;
    case VarType::Null: return 0;
    default: return -1;  // bit and octet strings, OIDs, Opaque, DisplayString
    }
}

// Octets RawToText needs before it can show a value of this type.
int RawBytesNeeded(uint32_t type)
{
    switch (type) {
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::Null:
    case VarType::ObjectId:
    case VarType::DisplayString: return 0;
    default: return PartWidth(type);
    }
}

}  // namespace

// ---- Received value to text ------------------------------------------------------------

void VbToText(QxSNMPVar& var, const QxVb& vb)
{
    RequireVariableType(var.Type);
    var.Value = ToLabel(var, ReceivedText(var.Type, vb));
    var.Received.reset();
    if (CarriesOctets(vb)) var.Received = QxSNMPReceived{var.Value, vb.Bytes, {}, false};
}

// ---- Text to the value to send ---------------------------------------------------------

void TextToVb(const QxSNMPVar& var, QxVb& vb)
{
    RequireVariableType(var.Type);
    QxVb out;
    out.Oid = vb.Oid;
    const QxSNMPReceived* untouched = var.Untouched();
    if (untouched && !untouched->FromIndex && IsSentAsOctets(var.Type)) {
        out.Syntax = Syntax::OctetString;
        out.Bytes = untouched->Octets;
        vb = out;
        return;
    }
    const QString text = FromLabel(var, var.Value);
    if (text == kNotDoneText) RaiseLibraryError(LibErr::PartValue);
    if (text == kNullText) {
        vb = out;  // NULL
        return;
    }
    switch (var.Type) {
    case VarType::Boolean:
        out.Syntax = Syntax::Integer;
        out.Integer = text == kTrue ? 1 : 0;
        break;
    case VarType::Integer:
        out.Syntax = Syntax::Integer;
        out.Integer = Integer32(text);
        break;
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::MacAddress:
    case VarType::Ipv6Address:
        out.Syntax = Syntax::OctetString;
        out.Bytes = HexToBytes(text);
        break;
    case VarType::Null: break;
    case VarType::ObjectId: {
        // Read as the numbers it holds; a text without any sends 0.0, the null OID, since an
        // OBJECT IDENTIFIER needs at least two sub-identifiers on the wire.
        const std::vector<uint32_t> ids = SubIds(text);
        out.Syntax = Syntax::ObjectId;
        out.ObjectId = ids.empty() ? QStringLiteral("0.0") : JoinSubIds(ids);
        break;
    }
    case VarType::IpAddress:
    case VarType::NsapAddress:
        // A name that does not resolve is reported (-509) rather than sent as 0.0.0.0.
        out.Syntax = Syntax::IpAddress;
        out.Bytes = IpAddressOf(text);
        break;
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger:
        out.Syntax = Syntax::Gauge32;
        out.Unsigned = Low32(text);
        break;
    case VarType::TimeTicks:
        out.Syntax = Syntax::TimeTicks;
        out.Unsigned = TimeTicksFromText(text);
        break;
    case VarType::Counter64:
        out.Syntax = Syntax::Counter64;
        out.Unsigned = LeadingUnsigned(text);
        break;
    case VarType::Double:
        out.Syntax = Syntax::OctetString;
        out.Bytes = DoubleBytes(DoubleFromText(text));
        break;
    case VarType::DateTime:
        out.Syntax = Syntax::OctetString;
        out.Bytes = QxDateTime(text).ToBytes();
        break;
    case VarType::BcDateTime:
        out.Syntax = Syntax::OctetString;
        out.Bytes = DoubleBytes(DaysSince1899FromText(text));
        break;
    case VarType::DisplayString:
        out.Syntax = Syntax::OctetString;
        out.Bytes = EditedDisplayOctets(var, text);
        break;
    default: RaiseLibraryError(LibErr::BadSyntax);
    }
    vb = out;
}

// ---- Instance suffix to index text -----------------------------------------------------

QString IndexToText(QxSNMPVar& var, const QString& suffix, bool isLastIndex)
{
    RequireVariableType(var.Type);
    const bool impliedLast = isLastIndex && (var.Access & AccessImplied);
    SuffixReader in(suffix);
    QString text;
    QByteArray octets;
    switch (var.Type) {
    case VarType::Boolean: text = in.Take() != 0 ? kTrue : kFalse; break;
    case VarType::Integer: text = QString::number(static_cast<int32_t>(in.Take())); break;
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger: text = QString::number(in.Take()); break;
    case VarType::TimeTicks: text = TimeTicksText(in.Take()); break;
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::DisplayString: {
        const size_t length = impliedLast ? in.Remaining() : in.Take();
        octets = in.TakeOctets(length);
        text = IndexOctetsText(var.Type, octets);
        break;
    }
    case VarType::ObjectId: {
        const size_t length = impliedLast ? in.Remaining() : in.Take();
        text = JoinSubIds(in.TakeIds(length));
        break;
    }
    case VarType::IpAddress:
    case VarType::NsapAddress: text = DottedQuad(in.TakeOctets(4)); break;
    case VarType::Counter64: {
        const uint64_t high = in.Take();
        text = QString::number((high << 32) | in.Take());
        break;
    }
    case VarType::Double:
    case VarType::BcDateTime: {
        const uint64_t low = in.Take();
        const double value = std::bit_cast<double>((static_cast<uint64_t>(in.Take()) << 32) | low);
        text = var.Type == VarType::Double ? DoubleText(value) : DaysSince1899Text(value);
        break;
    }
    case VarType::MacAddress: text = HexText(in.TakeOctets(6)); break;
    case VarType::DateTime: text = QxDateTime::FromBytes(in.TakeOctets(11)).ToText(); break;
    case VarType::Ipv6Address: text = HexText(in.TakeOctets(impliedLast ? in.Remaining() : 16)); break;
    case VarType::Null: text = kNullText; break;
    default: RaiseLibraryError(LibErr::BadSyntax);
    }
    var.Value = ToLabel(var, text);
    var.Received = QxSNMPReceived{var.Value, octets, in.Read(), true};
    return in.Rest();
}

// ---- Index text to instance sub-identifiers --------------------------------------------

QString TextToIndex(const QxSNMPVar& var, bool isLastIndex)
{
    RequireVariableType(var.Type);
    // A row is addressed by the instance it was read with.
    if (const QxSNMPReceived* untouched = var.Untouched(); untouched && untouched->FromIndex) return untouched->Instance;
    const bool impliedLast = isLastIndex && (var.Access & AccessImplied);
    const QString text = FromLabel(var, var.Value);
    std::vector<uint32_t> ids;
    switch (var.Type) {
    case VarType::Boolean: ids.push_back(text == kTrue ? 1 : 0); break;
    case VarType::Integer: ids.push_back(static_cast<uint32_t>(Integer32(text))); break;
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger: ids.push_back(Low32(text)); break;
    case VarType::TimeTicks: ids.push_back(TimeTicksFromText(text)); break;
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::DisplayString: {
        const QByteArray octets = var.Type == VarType::DisplayString ? EditedDisplayOctets(var, text) : HexToBytes(text);
        if (!impliedLast) ids.push_back(static_cast<uint32_t>(octets.size()));
        AppendOctetIds(ids, octets);
        break;
    }
    case VarType::ObjectId: {
        const std::vector<uint32_t> oid = SubIds(text);
        if (!impliedLast) ids.push_back(static_cast<uint32_t>(oid.size()));
        ids.insert(ids.end(), oid.begin(), oid.end());
        break;
    }
    case VarType::IpAddress:
    case VarType::NsapAddress: {
        // Always four: a shorter text is completed with zeros, so the columns after it stay
        // where the agent expects them.
        std::vector<uint32_t> quad = SubIds(text);
        quad.resize(4, 0);
        for (uint32_t v : quad) ids.push_back(v & 0xFF);
        break;
    }
    case VarType::Counter64: {
        const uint64_t value = LeadingUnsigned(text);
        ids.push_back(static_cast<uint32_t>(value >> 32));
        ids.push_back(static_cast<uint32_t>(value));
        break;
    }
    case VarType::Double:
    case VarType::BcDateTime: {
        const double value = var.Type == VarType::Double ? DoubleFromText(text) : DaysSince1899FromText(text);
        const uint64_t bits = std::bit_cast<uint64_t>(value);
        ids.push_back(static_cast<uint32_t>(bits));
        ids.push_back(static_cast<uint32_t>(bits >> 32));
        break;
    }
    case VarType::MacAddress:
    case VarType::Ipv6Address: {
        const qsizetype width = var.Type == VarType::MacAddress ? 6 : 16;
        const QByteArray octets = HexToBytes(text);
        if (octets.size() >= width) AppendOctetIds(ids, octets.left(width));
        break;
    }
    case VarType::DateTime: AppendOctetIds(ids, QxDateTime(text).ToBytes()); break;
    case VarType::Null: break;
    default: RaiseLibraryError(LibErr::BadSyntax);
    }
    return JoinSubIds(ids);
}

// ---- Raw parts -------------------------------------------------------------------------

QByteArray TextToRaw(const QString& text, uint32_t type)
{
    RequirePartType(type);
    // No value: the marker's letters are not hex digits or a number to read.
    if (text == kNullText || text == kNotDoneText) return {};
    QByteArray raw;
    switch (type) {
    case VarType::Boolean: AppendLittle32(raw, text == kTrue ? 1 : 0); break;
    case VarType::Bool8: raw.append(text == kTrue ? '\1' : '\0'); break;
    case VarType::Bool16: AppendBig16(raw, text == kTrue ? 1 : 0); break;
    case VarType::Integer:
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger: AppendLittle32(raw, Low32(text)); break;
    case VarType::Int8:
    case VarType::UInt8: raw.append(static_cast<char>(Low32(text) & 0xFF)); break;
    case VarType::Int16:
    case VarType::UInt16: AppendBig16(raw, static_cast<uint16_t>(Low32(text))); break;
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::MacAddress:
    case VarType::Ipv6Address: raw = HexToBytes(text); break;
    case VarType::Null: break;
    case VarType::ObjectId:
        for (uint32_t id : SubIds(text)) AppendLittle32(raw, id);
        break;
    case VarType::IpAddress:
    case VarType::NsapAddress:
        for (uint32_t v : SubIds(text)) raw.append(static_cast<char>(v & 0xFF));
        break;
    case VarType::TimeTicks: AppendLittle32(raw, TimeTicksFromText(text)); break;
    case VarType::Counter64: raw = Little64Bytes(LeadingUnsigned(text)); break;
    case VarType::Double: raw = DoubleBytes(DoubleFromText(text)); break;
    case VarType::DateTime: raw = QxDateTime(text).ToBytes(); break;
    case VarType::BcDateTime: raw = DoubleBytes(DaysSince1899FromText(text)); break;
    case VarType::DisplayString: raw = text.toUtf8(); break;
    default: RaiseLibraryError(LibErr::BadSyntax);
    }
    return raw;
}

QString RawToText(const QByteArray& raw, uint32_t type)
{
    RequirePartType(type);
    if (raw.isEmpty()) return type == VarType::DisplayString ? QString(QLatin1String("")) : kNullText;
    if (raw.size() < RawBytesNeeded(type)) RaiseLibraryError(LibErr::PartValue);
    switch (type) {
    case VarType::Boolean: return Little32(raw, 0) != 0 ? kTrue : kFalse;
    case VarType::Integer: return QString::number(static_cast<int32_t>(Little32(raw, 0)));
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
    case VarType::MacAddress:
    case VarType::Ipv6Address: return HexText(raw);
    case VarType::Null: return kNullText;
    case VarType::ObjectId: {
        std::vector<uint32_t> ids;
        for (qsizetype at = 0; at + 4 <= raw.size(); at += 4) ids.push_back(Little32(raw, at));
        return JoinSubIds(ids);
    }
    case VarType::IpAddress:
    case VarType::NsapAddress: return DottedQuad(raw);
    case VarType::Counter:
    case VarType::Gauge:
    case VarType::UInteger: return QString::number(Little32(raw, 0));
    case VarType::TimeTicks: return TimeTicksText(Little32(raw, 0));
    case VarType::Counter64: return QString::number(Little64(raw, 0));
    case VarType::Double: return DoubleText(DoubleOf(raw));
    case VarType::DateTime: return QxDateTime::FromBytes(raw.left(11)).ToText();
    case VarType::BcDateTime: return DaysSince1899Text(DoubleOf(raw));
    case VarType::DisplayString: return DisplayStringText(raw);
    case VarType::Bool8: return Octet(raw, 0) != 0 ? kTrue : kFalse;
    case VarType::Int8: return QString::number(static_cast<int8_t>(Octet(raw, 0)));
    case VarType::UInt8: return QString::number(Octet(raw, 0));
    case VarType::Bool16: return Big16(raw) != 0 ? kTrue : kFalse;
    // int16 is shown without sign, as uint16: pages read these fields as 0..65535, and the
    // text reads back to the same two octets either way.
    case VarType::Int16:
    case VarType::UInt16: return QString::number(Big16(raw));
    default: RaiseLibraryError(LibErr::BadSyntax);
    }
}

QByteArray ExtractPart(const QByteArray& raw, int offset, uint32_t partType)
{
    RequirePartType(partType);
    if (raw.isEmpty()) return {};
    const int width = PartWidth(partType);
    if (offset < 0 || offset > raw.size()) RaiseLibraryError(LibErr::PartRange);
    if (width < 0) return raw.mid(offset);
    if (raw.size() - offset < width) RaiseLibraryError(LibErr::PartRange);
    return raw.mid(offset, width);
}
