#include "behaviour.h"

#include <algorithm>

#include "switch_sim.h"

namespace ksw::sim {

namespace {

// One line per rule: page work adds its rules here and its feature file to declareBehaviour().
constexpr RuleInfo kRules[] = {
    {"vlan-membership",
     "a static VLAN's untagged ports lie within its egress ports, and no port is both egress and forbidden "
     "(else inconsistentValue)"},
    {"port-counter-clear", "Port Counter Clear Control \"start\" zeroes that port's counters and reads back \"other\""},
    {"link-settle", "a port whose ifAdminStatus goes from down to up keeps its link down for 3 simulated seconds"},
};

}  // namespace

std::span<const RuleInfo> knownRules()
{
    return kRules;
}

bool isKnownRule(std::string_view name)
{
    return std::any_of(std::begin(kRules), std::end(kRules), [&](const RuleInfo& r) { return name == r.name; });
}

std::optional<Value> PendingValues::after(const Oid& instance) const
{
    if (auto it = written_.find(instance); it != written_.end()) return it->second;
    return store_.read(instance);
}

void Behaviour::onSet(std::string_view rule, const Oid& prefix, SetRule check)
{
    if (enabled(rule)) setRules_.push_back({prefix, std::move(check)});
}

void Behaviour::afterSet(std::string_view rule, const Oid& prefix, AfterSet action)
{
    if (enabled(rule)) actions_.push_back({prefix, std::move(action)});
}

std::pair<ErrorStatus, int> Behaviour::check(const std::vector<std::pair<Oid, Value>>& varbinds,
                                             const ObjectStore& store) const
{
    if (setRules_.empty()) return {ErrorStatus::NoError, 0};
    const std::map<Oid, Value> written(varbinds.begin(), varbinds.end());
    const PendingValues pending(store, written);
    for (size_t i = 0; i < varbinds.size(); ++i)
        for (const auto& rule : setRules_) {
            if (!startsWith(varbinds[i].first, rule.prefix)) continue;
            const ErrorStatus status = rule.function(varbinds[i].first, varbinds[i].second, pending);
            if (status != ErrorStatus::NoError) return {status, static_cast<int>(i) + 1};
        }
    return {ErrorStatus::NoError, 0};
}

bool Behaviour::applied(const std::vector<AppliedVarbind>& varbinds) const
{
    bool any = false;
    for (const AppliedVarbind& varbind : varbinds)
        for (const auto& action : actions_)
            if (startsWith(varbind.instance, action.prefix)) {
                action.function(varbind);
                any = true;
            }
    return any;
}

void declareBehaviour(SwitchSim& sim)
{
    declareVlanRules(sim);
    declarePortRules(sim);
}

}  // namespace ksw::sim
