#include "set_transaction.h"

namespace ksw::sim {

namespace {

bool isCreate(int64_t status)
{
    return status == rowstatus::CreateAndGo || status == rowstatus::CreateAndWait;
}

}  // namespace

ErrorStatus SetTransaction::stage(int vbIndex, const Oid& oid, const Value& value)
{
    const ObjectDef* def = store_.objectFor(oid);
    ErrorStatus status = ErrorStatus::NoError;
    Oid suffix;
    if (!def || !isWritable(def->access)) {
        status = ErrorStatus::NotWritable;
    } else {
        status = checkValue(def->syntax, value);
        suffix = tailAfter(oid, def->oid.size());
        if (status == ErrorStatus::NoError) {
            const bool instanceFits = def->table ? decodeIndex(def->table->index, suffix).has_value()
                                                 : suffix == Oid{0};
            if (!instanceFits) status = ErrorStatus::NoCreation;
        }
    }
    if (status != ErrorStatus::NoError) {
        fail(vbIndex, status);
        return status;
    }
    staged_.push_back({vbIndex, oid, value, def, std::move(suffix)});
    return status;
}

void SetTransaction::fail(int vbIndex, ErrorStatus status)
{
    errors_.emplace(vbIndex, status);  // the first error of a varbind stays
}

ErrorStatus SetTransaction::errorFor(int vbIndex) const
{
    auto it = errors_.find(vbIndex);
    return it == errors_.end() ? ErrorStatus::NoError : it->second;
}

std::pair<ErrorStatus, int> SetTransaction::prepare()
{
    plans_.clear();
    for (const Staged& item : staged_) {
        if (!item.def->table) continue;
        TableDef* table = item.def->table;
        RowPlan* plan = nullptr;
        for (RowPlan& p : plans_)
            if (p.table == table && p.index == item.rowIndex) plan = &p;
        if (!plan) {
            plans_.push_back({table, item.rowIndex, RowAction::Modify, std::nullopt, {}});
            plan = &plans_.back();
        }
        plan->members.push_back(&item);
        if (item.def == table->rowStatus) plan->newStatus = item.value.integer;
    }

    for (RowPlan& plan : plans_) {
        const bool exists = plan.table->rows.count(plan.index) != 0;
        const Staged* statusItem = nullptr;
        const Staged* firstOther = nullptr;
        for (const Staged* member : plan.members) {
            if (member->def == plan.table->rowStatus) statusItem = member;
            else if (!firstOther) firstOther = member;
        }
        if (!plan.newStatus) {
            // Plain column writes need the row to exist already.
            if (!exists) {
                fail(firstOther->vbIndex, ErrorStatus::NoCreation);
                plan.action = RowAction::Nothing;
            }
            continue;
        }
        const int64_t status = rowstatus::command(plan.table->rowStatus->syntax, *plan.newStatus, exists);
        plan.newStatus = status;
        if (!exists) {
            if (isCreate(status)) {
                plan.action = RowAction::Create;
            } else if (status == rowstatus::Destroy) {
                plan.action = RowAction::Nothing;  // destroying a missing row is no error
                if (firstOther) fail(firstOther->vbIndex, ErrorStatus::NoCreation);
            } else {
                fail(statusItem->vbIndex, ErrorStatus::InconsistentValue);
            }
            continue;
        }
        if (isCreate(status)) {
            fail(statusItem->vbIndex, ErrorStatus::InconsistentValue);
        } else if (status == rowstatus::Destroy) {
            plan.action = RowAction::Destroy;
            if (plan.table->permanentRows.count(plan.index))
                fail(statusItem->vbIndex, ErrorStatus::InconsistentValue);
            else if (firstOther)
                fail(firstOther->vbIndex, ErrorStatus::InconsistentValue);
        }
    }

    if (errors_.empty() && behaviour_) {
        std::vector<std::pair<Oid, Value>> varbinds;
        for (const Staged& item : staged_) varbinds.emplace_back(item.oid, item.value);
        const auto [status, position] = behaviour_->check(varbinds, store_);
        if (status != ErrorStatus::NoError) fail(staged_[static_cast<size_t>(position - 1)].vbIndex, status);
    }
    if (errors_.empty()) return {ErrorStatus::NoError, 0};
    return {errors_.begin()->second, errors_.begin()->first};
}

void SetTransaction::saveRow(TableDef& table, const Oid& index)
{
    for (const Saved& s : saved_)
        if (s.table == &table && s.index == index) return;
    Saved saved{&table, index, table.rows.count(index) != 0, {}};
    if (saved.existed)
        for (const ObjectDef* def : table.columns) {
            const Oid instance = concat(def->oid, index);
            if (const Cell* c = store_.cell(instance)) saved.cells.emplace_back(instance, c->value);
        }
    saved_.push_back(std::move(saved));
}

void SetTransaction::saveCell(const Oid& instance)
{
    for (const Saved& s : saved_)
        if (!s.table && s.index == instance) return;
    const Cell* c = store_.cell(instance);
    saved_.push_back({nullptr, instance, c != nullptr, {}});
    if (c) saved_.back().cells.emplace_back(instance, c->value);
}

void SetTransaction::apply()
{
    if (applied_) return;
    applied_ = true;
    appliedVarbinds_.clear();
    for (const Staged& item : staged_) appliedVarbinds_.push_back({item.oid, item.value, store_.read(item.oid)});
    for (const Staged& item : staged_)
        if (!item.def->table) {
            saveCell(item.oid);
            store_.store(item.oid, item.value);
        }
    for (RowPlan& plan : plans_) {
        TableDef& table = *plan.table;
        saveRow(table, plan.index);
        switch (plan.action) {
        case RowAction::Nothing:
            break;
        case RowAction::Destroy:
            store_.removeRow(table, plan.index);
            break;
        case RowAction::Create:
            store_.addRow(table, plan.index);
            [[fallthrough]];
        case RowAction::Modify:
            for (const Staged* member : plan.members)
                if (member->def != table.rowStatus) store_.store(member->oid, member->value);
            if (plan.newStatus) {
                int64_t status = *plan.newStatus;
                if (status == rowstatus::CreateAndGo) status = rowstatus::Active;
                if (status == rowstatus::CreateAndWait) status = rowstatus::NotInService;
                store_.store(concat(table.rowStatus->oid, plan.index),
                             Value::Integer(rowstatus::stored(table.rowStatus->syntax, status)));
            }
            break;
        }
    }
}

void SetTransaction::undo()
{
    if (!applied_) return;
    applied_ = false;
    appliedVarbinds_.clear();
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->table) {
            if (!it->existed) {
                store_.removeRow(*it->table, it->index);
                continue;
            }
            store_.addRow(*it->table, it->index);
        }
        for (const auto& [instance, value] : it->cells) store_.store(instance, value);
    }
    saved_.clear();
}

SetOutcome applySet(ObjectStore& store, const std::vector<std::pair<Oid, Value>>& varbinds,
                    const Behaviour* behaviour)
{
    SetTransaction transaction(store, behaviour);
    std::optional<SetOutcome> first;
    for (size_t i = 0; i < varbinds.size(); ++i) {
        const int vbIndex = static_cast<int>(i) + 1;
        const ErrorStatus status = transaction.stage(vbIndex, varbinds[i].first, varbinds[i].second);
        if (status != ErrorStatus::NoError && !first) first = SetOutcome{status, vbIndex};
    }
    if (first) return *first;
    const auto [status, index] = transaction.prepare();
    if (status != ErrorStatus::NoError) return {status, index};
    transaction.apply();
    if (behaviour) behaviour->applied(transaction.appliedVarbinds());
    return {};
}

}  // namespace ksw::sim
