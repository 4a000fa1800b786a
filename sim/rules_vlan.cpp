// Static VLANs as a switch keeps them consistent (RFC 4363): a port sent untagged must be one the
// VLAN sends on, and a forbidden port cannot also be an egress port.

#include "behaviour.h"
#include "mib_oids.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

constexpr uint32_t kEgress = 2;
constexpr uint32_t kForbidden = 3;
constexpr uint32_t kUntagged = 4;
constexpr uint32_t kRowStatus = 5;

// Octets of `a` that are set where `b` is clear; port lists of different lengths compare as if
// the shorter one went on with zeros.
bool anyOutside(const std::string& a, const std::string& b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        const auto mask = static_cast<unsigned char>(i < b.size() ? b[i] : 0);
        if (static_cast<unsigned char>(a[i]) & ~mask) return true;
    }
    return false;
}

bool anyShared(const std::string& a, const std::string& b)
{
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (static_cast<unsigned char>(a[i]) & static_cast<unsigned char>(b[i])) return true;
    return false;
}

}  // namespace

void declareVlanRules(SwitchSim& sim)
{
    const Oid entry = oidOf(oids::kVlanStaticEntry);
    sim.behaviour().onSet("vlan-membership", entry, [entry](const Oid& instance, const Value&, const PendingValues& set) {
        const uint32_t column = instance.size() > entry.size() ? instance[entry.size()] : 0;
        if (column != kEgress && column != kForbidden && column != kUntagged) return ErrorStatus::NoError;
        const Oid row = tailAfter(instance, entry.size() + 1);
        auto cell = [&](uint32_t c) { return concat(concat(entry, {c}), row); };
        const auto status = set.after(cell(kRowStatus));
        if (status && status->integer == rowstatus::Destroy) return ErrorStatus::NoError;
        auto ports = [&](uint32_t c) {
            const auto value = set.after(cell(c));
            return value ? value->octets : std::string();
        };
        const std::string egress = ports(kEgress);
        const bool consistent = !anyOutside(ports(kUntagged), egress) && !anyShared(egress, ports(kForbidden));
        return consistent ? ErrorStatus::NoError : ErrorStatus::InconsistentValue;
    });
}

}  // namespace ksw::sim
