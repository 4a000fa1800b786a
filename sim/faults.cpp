#include "faults.h"

#include <charconv>

namespace ksw::sim {

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
    if (kind == "genErr") fault.kind = FaultKind::GenErr;
    else if (kind == "noSuchName") fault.kind = FaultKind::NoSuchName;
    else if (kind == "wrongType") fault.kind = FaultKind::WrongType;
    else if (kind == "short") fault.kind = FaultKind::ShortString;
    else if (kind.substr(0, 6) == "short:") {
        fault.kind = FaultKind::ShortString;
        const std::string_view n = kind.substr(6);
        auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), fault.shortLength);
        if (ec != std::errc() || end != n.data() + n.size() || fault.shortLength < 0)
            return fail("bad length in fault \"" + std::string(text) + "\"");
    } else {
        return fail("unknown fault kind \"" + std::string(kind) + "\" (genErr, noSuchName, wrongType, short[:N])");
    }
    return fault;
}

std::string prefixFaultText(const PrefixFault& fault)
{
    std::string kind;
    switch (fault.kind) {
    case FaultKind::GenErr: kind = "genErr"; break;
    case FaultKind::NoSuchName: kind = "noSuchName"; break;
    case FaultKind::WrongType: kind = "wrongType"; break;
    case FaultKind::ShortString:
        kind = fault.shortLength < 0 ? "short" : "short:" + std::to_string(fault.shortLength);
        break;
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
    return value;
}

}  // namespace ksw::sim
