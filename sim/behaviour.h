#pragma once
// The switch's own behaviour beyond keeping what a set writes: the checks a real switch makes
// before it takes a set (set rules, any error status), what it does once a set is taken (after-set
// actions: a row appearing elsewhere, counters cleared, an action object back at its idle value),
// and, through SwitchSim::at(), what changes later on the simulated clock.
//
// Every rule has a name from kRules, so that `--rule NAME=off` can switch it off; a rule switched
// off is never registered. Rules are registered per feature by one file each (rules_*.cpp),
// listed in declareBehaviour(). These are not faults: faults.h injects errors for tests of the
// module's error handling, while rules are how the simulated switch itself behaves.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error_status.h"
#include "object_store.h"

namespace ksw::sim {

class SwitchSim;

struct RuleInfo {
    const char* name;
    const char* effect;  // one line for --help
};

// Every rule ksw-sim knows, for --help and to check `--rule` names.
std::span<const RuleInfo> knownRules();
bool isKnownRule(std::string_view name);

// What a set would leave behind, as the set rules see it before anything is applied.
class PendingValues {
public:
    PendingValues(const ObjectStore& store, const std::map<Oid, Value>& written) : store_(store), written_(written) {}
    // The value the set writes to `instance`, else the one stored now; nullopt for neither.
    std::optional<Value> after(const Oid& instance) const;
    bool writes(const Oid& instance) const { return written_.count(instance) != 0; }

private:
    const ObjectStore& store_;
    const std::map<Oid, Value>& written_;
};

// A set's varbind once the set has been applied, with what the instance held before.
struct AppliedVarbind {
    Oid instance;
    Value value;
    std::optional<Value> before;  // nullopt: the instance did not exist
};

// Returns the error status the set is refused with at this varbind, or NoError.
using SetRule = std::function<ErrorStatus(const Oid& instance, const Value& value, const PendingValues& set)>;
using AfterSet = std::function<void(const AppliedVarbind& varbind)>;

class Behaviour {
public:
    explicit Behaviour(std::set<std::string> disabled = {}) : disabled_(std::move(disabled)) {}

    // For varbinds under `prefix`. Ignored when the rule is switched off.
    void onSet(std::string_view rule, const Oid& prefix, SetRule check);
    void afterSet(std::string_view rule, const Oid& prefix, AfterSet action);
    bool enabled(std::string_view rule) const { return !disabled_.count(std::string(rule)); }

    // The first refusal among the varbinds, in their order: {status, 1-based position}, or
    // {NoError, 0}. Only asked for sets that pass every other check.
    std::pair<ErrorStatus, int> check(const std::vector<std::pair<Oid, Value>>& varbinds, const ObjectStore& store) const;
    // Runs the actions of a set that has been taken, in varbind order; true if any ran.
    bool applied(const std::vector<AppliedVarbind>& varbinds) const;

private:
    template <typename F>
    struct Entry {
        Oid prefix;
        F function;
    };

    std::set<std::string> disabled_;
    std::vector<Entry<SetRule>> setRules_;
    std::vector<Entry<AfterSet>> actions_;
};

// Registers every feature's rules (rules_*.cpp); called once the objects are declared.
void declareBehaviour(SwitchSim& sim);
void declareVlanRules(SwitchSim& sim);
void declarePortRules(SwitchSim& sim);

}  // namespace ksw::sim
