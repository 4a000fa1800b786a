#include "object_store.h"

#include <algorithm>
#include <stdexcept>

namespace ksw::sim {

const ObjectDef* TableDef::column(uint32_t number) const
{
    for (const ObjectDef* def : columns)
        if (def->column == number) return def;
    return nullptr;
}

ObjectDef& ObjectStore::insertObject(ObjectDef def)
{
    auto it = objects_.find(def.oid);
    if (it != objects_.end()) return *it->second;
    const Oid key = def.oid;
    return *objects_.emplace(key, std::make_unique<ObjectDef>(std::move(def))).first->second;
}

ObjectDef& ObjectStore::declareScalar(ObjectDef def)
{
    const bool known = objects_.count(def.oid) != 0;
    ObjectDef& stored = insertObject(std::move(def));
    if (!known && isReadable(stored.access)) {
        Cell cell{&stored, stored.initial.value_or(defaultValue(stored.syntax))};
        cells_.emplace(concat(stored.oid, {0}), std::move(cell));
    }
    return stored;
}

TableDef& ObjectStore::declareTable(const Oid& entry, std::string name, std::vector<IndexPart> index)
{
    auto it = tables_.find(entry);
    if (it != tables_.end()) return *it->second;
    auto table = std::make_unique<TableDef>();
    table->entry = entry;
    table->name = std::move(name);
    table->index = std::move(index);
    return *tables_.emplace(entry, std::move(table)).first->second;
}

ObjectDef& ObjectStore::declareColumn(TableDef& table, uint32_t column, ObjectDef def)
{
    def.oid = concat(table.entry, {column});
    def.table = &table;
    def.column = column;
    if (objects_.count(def.oid)) return *objects_.at(def.oid);
    ObjectDef& stored = insertObject(std::move(def));
    auto pos = std::lower_bound(table.columns.begin(), table.columns.end(), column,
                                [](const ObjectDef* d, uint32_t n) { return d->column < n; });
    table.columns.insert(pos, &stored);
    if (rowstatus::isStatusColumn(stored.syntax)) table.rowStatus = &stored;
    // Rows that already exist get the new column too.
    if (isReadable(stored.access))
        for (const Oid& index : table.rows)
            cells_.emplace(concat(stored.oid, index), Cell{&stored, stored.initial.value_or(defaultValue(stored.syntax))});
    return stored;
}

void ObjectStore::declare(std::span<const ScalarDecl> scalars)
{
    for (const ScalarDecl& scalar : scalars) {
        ObjectDef def;
        def.oid = oidOf(scalar.oid);
        def.name = scalar.name;
        def.syntax = scalar.syntax;
        def.access = scalar.access;
        def.initial = scalar.initial;
        def.generator = scalar.generator;
        declareScalar(std::move(def));
    }
}

TableDef& ObjectStore::declare(const TableDecl& tableDecl)
{
    TableDef& table = declareTable(oidOf(tableDecl.entry), tableDecl.name, tableDecl.index);
    for (const ColumnDecl& col : tableDecl.columns) {
        ObjectDef def;
        def.name = col.name;
        def.syntax = col.syntax;
        def.access = col.access;
        def.initial = col.initial;
        def.generator = col.generator;
        declareColumn(table, col.column, std::move(def));
    }
    return table;
}

bool ObjectStore::addRow(TableDef& table, const Oid& index, const std::vector<std::pair<uint32_t, Value>>& values)
{
    if (table.rows.count(index) || !decodeIndex(table.index, index)) return false;
    table.rows.insert(index);
    for (const ObjectDef* def : table.columns) {
        if (!isReadable(def->access)) continue;
        Value value = def->initial.value_or(defaultValue(def->syntax));
        for (const auto& [column, given] : values)
            if (column == def->column) value = given;
        cells_.insert_or_assign(concat(def->oid, index), Cell{def, std::move(value)});
    }
    return true;
}

void ObjectStore::removeRow(TableDef& table, const Oid& index)
{
    if (!table.rows.erase(index)) return;
    for (const ObjectDef* def : table.columns) cells_.erase(concat(def->oid, index));
}

const ObjectDef* ObjectStore::objectFor(const Oid& oid) const
{
    auto it = objects_.upper_bound(oid);
    if (it == objects_.begin()) return nullptr;
    --it;
    return startsWith(oid, it->first) ? it->second.get() : nullptr;
}

TableDef* ObjectStore::table(const Oid& entry)
{
    auto it = tables_.find(entry);
    return it == tables_.end() ? nullptr : it->second.get();
}

std::vector<const TableDef*> ObjectStore::tables() const
{
    std::vector<const TableDef*> list;
    for (const auto& [entry, table] : tables_) list.push_back(table.get());
    return list;
}

const Cell* ObjectStore::cell(const Oid& instance) const
{
    auto it = cells_.find(instance);
    return it == cells_.end() ? nullptr : &it->second;
}

Cell* ObjectStore::cell(const Oid& instance)
{
    auto it = cells_.find(instance);
    return it == cells_.end() ? nullptr : &it->second;
}

ObjectStore::CellMap::const_iterator ObjectStore::next(const Oid& oid, bool inclusive) const
{
    return inclusive ? cells_.lower_bound(oid) : cells_.upper_bound(oid);
}

Value ObjectStore::read(const Oid& instance, const Cell& cell) const
{
    if (cell.def->generator) return cell.def->generator(tailAfter(instance, cell.def->oid.size()));
    return cell.value;
}

std::optional<Value> ObjectStore::read(const Oid& instance) const
{
    const Cell* c = cell(instance);
    if (!c) return std::nullopt;
    return read(instance, *c);
}

bool ObjectStore::store(const Oid& instance, Value value)
{
    Cell* c = cell(instance);
    if (!c) return false;
    c->value = std::move(value);
    return true;
}

std::vector<Oid> ObjectStore::subtreeRoots() const
{
    static const Oid internet = {1, 3, 6, 1};
    std::vector<Oid> roots;
    for (const auto& [oid, def] : objects_) {
        const size_t depth = startsWith(oid, internet) ? 7 : 6;
        Oid root(oid.begin(), oid.begin() + static_cast<std::ptrdiff_t>(std::min(depth, oid.size() - 1)));
        if (!roots.empty() && startsWith(root, roots.back())) continue;
        while (!roots.empty() && startsWith(roots.back(), root)) roots.pop_back();
        roots.push_back(std::move(root));
    }
    return roots;
}

}  // namespace ksw::sim
