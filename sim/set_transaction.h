#pragma once
// One SET request against the object store, in the phases of an SNMP agent: every varbind is
// checked alone (stage), then all together (prepare: rows created and destroyed, RowStatus
// transitions of RFC 2579), then applied at once (apply) with what it replaced kept for undo.
// Nothing is applied unless every varbind passes, so a set is all-or-nothing.

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "behaviour.h"
#include "error_status.h"
#include "object_store.h"

namespace ksw::sim {

class SetTransaction {
public:
    // With `behaviour`, the switch's set rules are the last check of prepare().
    explicit SetTransaction(ObjectStore& store, const Behaviour* behaviour = nullptr)
        : store_(store), behaviour_(behaviour)
    {
    }

    // The checks of one varbind (1-based position vbIndex) alone, in RFC 3416 order:
    // notWritable, wrongType, wrongLength, wrongValue, noCreation (an instance that can never
    // exist). A varbind that passes is kept for the later phases.
    ErrorStatus stage(int vbIndex, const Oid& oid, const Value& value);

    // The checks that need the whole request: a column of a missing row without its RowStatus
    // creating it (noCreation), createAndGo/createAndWait on an existing row, active or
    // notInService on a missing one, destroy of a permanent row (inconsistentValue); then, for
    // a set that passes all of them, the switch's set rules.
    // Returns the first failing varbind, or {NoError, 0}.
    std::pair<ErrorStatus, int> prepare();
    ErrorStatus errorFor(int vbIndex) const;

    // Applies every staged varbind; undo() restores what apply() replaced.
    void apply();
    void undo();
    bool applied() const { return applied_; }
    // What apply() wrote, in varbind order, with what each instance held before.
    const std::vector<AppliedVarbind>& appliedVarbinds() const { return appliedVarbinds_; }

private:
    enum class RowAction { Modify, Create, Destroy, Nothing };

    struct Staged {
        int vbIndex;
        Oid oid;
        Value value;
        const ObjectDef* def;
        Oid rowIndex;  // instance suffix after the column OID; {0} for scalars
    };
    struct RowPlan {
        TableDef* table = nullptr;
        Oid index;
        RowAction action = RowAction::Modify;
        std::optional<int64_t> newStatus;  // the value written, then the RFC 2579 action it asks for
        std::vector<const Staged*> members;
    };
    struct Saved {
        TableDef* table = nullptr;  // null: a scalar or a single cell
        Oid index;                  // row index, or the instance of a single cell
        bool existed = false;
        std::vector<std::pair<Oid, Value>> cells;
    };

    void fail(int vbIndex, ErrorStatus status);
    void saveRow(TableDef& table, const Oid& index);
    void saveCell(const Oid& instance);

    ObjectStore& store_;
    const Behaviour* behaviour_;
    std::vector<Staged> staged_;
    std::vector<RowPlan> plans_;
    std::map<int, ErrorStatus> errors_;
    std::vector<Saved> saved_;
    std::vector<AppliedVarbind> appliedVarbinds_;
    bool applied_ = false;
};

struct SetOutcome {
    ErrorStatus status = ErrorStatus::NoError;
    int index = 0;  // 1-based position of the failing varbind
    bool operator==(const SetOutcome&) const = default;
};

// All phases at once, as a client sees them: the error of the first failing varbind, or success
// with every value applied and then the behaviour's after-set actions run.
SetOutcome applySet(ObjectStore& store, const std::vector<std::pair<Oid, Value>>& varbinds,
                    const Behaviour* behaviour = nullptr);

}  // namespace ksw::sim
