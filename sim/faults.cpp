#include "faults.h"

#include <charconv>

#include "error_status.h"

namespace ksw::sim {

namespace {

struct KindName {
    FaultKind kind;
    const char* name;
};

// Every kind but short:N, which carries its length.
constexpr KindName kKindNames[] = {
    {FaultKind::GenErr, "genErr"},
    {FaultKind::NoSuchName, "noSuchName"},
    {FaultKind::NoSuchObject, "noSuchObject"},
    {FaultKind::NoSuchInstance, "noSuchInstance"},
    {FaultKind::EndOfMibView, "endOfMibView"},
    {FaultKind::WrongType, "wrongType"},
    {FaultKind::ShortString, "short"},
    {FaultKind::Empty, "empty"},
    {FaultKind::SetTooBig, "tooBig"},
    {FaultKind::SetNotWritable, "notWritable"},
    {FaultKind::SetWrongValue, "wrongValue"},
    {FaultKind::SetAuthorizationError, "authorizationError"},
};

}  // namespace

bool isExceptionFault(FaultKind kind)
{
    return kind == FaultKind::NoSuchObject || kind == FaultKind::NoSuchInstance || kind == FaultKind::EndOfMibView;
}

int setErrorOf(FaultKind kind)
{
    switch (kind) {
    case FaultKind::GenErr: return static_cast<int>(ErrorStatus::GenErr);
    case FaultKind::NoSuchName: return static_cast<int>(ErrorStatus::NoSuchName);
    case FaultKind::SetTooBig: return static_cast<int>(ErrorStatus::TooBig);
    case FaultKind::SetNotWritable: return static_cast<int>(ErrorStatus::NotWritable);
    case FaultKind::SetWrongValue: return static_cast<int>(ErrorStatus::WrongValue);
    case FaultKind::SetAuthorizationError: return static_cast<int>(ErrorStatus::AuthorizationError);
    default: return 0;
    }
}

std::optional<PrefixFault> parsePrefixFault(std::string_view text, std::string* error)
{
    auto fail = [&](const std::string& why) -> std::optional<PrefixFault> {
        if (error) *error = why;
        return std::nullopt;
    };
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) return fail("fault \"" + std::string(text) + "\" is not OID=KIND");
    PrefixFault fault;
    auto prefix = parseOid(text.substr(0, eq));
    if (!prefix) return fail("bad OID prefix in fault \"" + std::string(text) + "\"");
    fault.prefix = *prefix;
    std::string_view kind = text.substr(eq + 1);
    for (const KindName& known : kKindNames)
        if (kind == known.name) {
            fault.kind = known.kind;
            return fault;
        }
    if (kind.substr(0, 6) != "short:")
        return fail("unknown fault kind \"" + std::string(kind) +
                    "\" (genErr, noSuchName, noSuchObject, noSuchInstance, endOfMibView, wrongType, short[:N], "
                    "empty, tooBig, notWritable, wrongValue, authorizationError)");
    fault.kind = FaultKind::ShortString;
    const std::string_view n = kind.substr(6);
    auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), fault.shortLength);
    if (ec != std::errc() || end != n.data() + n.size() || fault.shortLength < 0)
        return fail("bad length in fault \"" + std::string(text) + "\"");
    return fault;
}

std::string prefixFaultText(const PrefixFault& fault)
{
    std::string kind;
    if (fault.kind == FaultKind::ShortString && fault.shortLength >= 0) {
        kind = "short:" + std::to_string(fault.shortLength);
    } else {
        for (const KindName& known : kKindNames)
            if (known.kind == fault.kind) kind = known.name;
    }
    return oidText(fault.prefix) + "=" + kind;
}

Faults::Faults(FaultSettings settings, uint64_t seed) : settings_(std::move(settings)), random_(seed ^ 0x64726f70ULL)
{
}

bool Faults::dropNext()
{
    if (settings_.dropPercent <= 0) return false;
    return static_cast<int>(random_() % 100) < settings_.dropPercent;
}

const PrefixFault* Faults::faultFor(const Oid& instance) const
{
    const PrefixFault* best = nullptr;
    for (const PrefixFault& f : settings_.prefixes)
        if (startsWith(instance, f.prefix) && (!best || f.prefix.size() > best->prefix.size())) best = &f;
    return best;
}

Value Faults::distorted(const PrefixFault& fault, const Value& value)
{
    if (fault.kind == FaultKind::WrongType)
        return value.type == Smi::OctetString ? Value::Integer(0) : Value::Octets("wrong type");
    if (fault.kind == FaultKind::ShortString && value.type == Smi::OctetString) {
        Value v = value;
        const size_t keep = fault.shortLength < 0 ? v.octets.size() / 2 : static_cast<size_t>(fault.shortLength);
        if (keep < v.octets.size()) v.octets.resize(keep);
        return v;
    }
    if (fault.kind == FaultKind::Empty) return Value::Octets({});
    return value;
}

}  // namespace ksw::sim
