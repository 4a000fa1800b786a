#pragma once
// The simulated switch's MIB as data: object definitions (OID, syntax, access, initial value or
// generator, INDEX types) and one ordered map from instance OID to cell, so that get and
// get-next are one lookup each.
//
// Objects are declared from plain data (ScalarDecl, TableDecl) or one at a time; the first
// declaration of an OID wins, so hand-written objects with behaviour can be declared before a
// bulk import fills in the rest (see descriptor_import.h).

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "syntax.h"
#include "table_index.h"
#include "value.h"

namespace ksw::sim {

// Computes a value at read time; gets the instance suffix after the object OID ("0" for scalars,
// the index arcs for columns).
using Generator = std::function<Value(const Oid& index)>;

struct TableDef;

struct ObjectDef {
    Oid oid;
    std::string name;
    Syntax syntax;
    Access access = Access::ReadOnly;
    std::optional<Value> initial;  // a scalar's value or a new row's default; defaultValue() if unset
    Generator generator;           // when set, reads ignore the stored value
    TableDef* table = nullptr;
    uint32_t column = 0;
};

struct TableDef {
    Oid entry;
    std::string name;
    std::vector<IndexPart> index;
    std::vector<ObjectDef*> columns;  // ascending column numbers
    ObjectDef* rowStatus = nullptr;   // set: rows are created and destroyed through it
    std::set<Oid> rows;               // index suffixes of the existing rows
    std::set<Oid> permanentRows;      // rows a destroy refuses (inconsistentValue)

    bool creatable() const { return rowStatus != nullptr; }
    const ObjectDef* column(uint32_t number) const;
};

struct Cell {
    const ObjectDef* def = nullptr;
    Value value;  // unused when def->generator is set
};

struct ScalarDecl {
    const char* oid;
    const char* name;
    Syntax syntax;
    Access access;
    std::optional<Value> initial = {};
    Generator generator = {};
};

struct ColumnDecl {
    uint32_t column;
    const char* name;
    Syntax syntax;
    Access access;
    std::optional<Value> initial = {};
    Generator generator = {};
};

struct TableDecl {
    const char* entry;
    const char* name;
    std::vector<IndexPart> index;
    std::vector<ColumnDecl> columns;
};

class ObjectStore {
public:
    using CellMap = std::map<Oid, Cell>;

    ObjectStore() = default;
    ObjectStore(const ObjectStore&) = delete;
    ObjectStore& operator=(const ObjectStore&) = delete;

    // Declaring. A scalar gets its ".0" cell at once; a column gets cells as rows are added.
    ObjectDef& declareScalar(ObjectDef def);
    TableDef& declareTable(const Oid& entry, std::string name, std::vector<IndexPart> index);
    ObjectDef& declareColumn(TableDef& table, uint32_t column, ObjectDef def);
    void declare(std::span<const ScalarDecl> scalars);
    TableDef& declare(const TableDecl& tableDecl);

    // Rows. addRow fills the columns from `values`, then each column's initial value, then its
    // syntax's default; a RowStatus column defaults to active. False if the row exists or the
    // index does not fit the INDEX types.
    bool addRow(TableDef& table, const Oid& index, const std::vector<std::pair<uint32_t, Value>>& values = {});
    void removeRow(TableDef& table, const Oid& index);

    // Lookup.
    const ObjectDef* objectFor(const Oid& oid) const;  // the object whose OID prefixes oid
    TableDef* table(const Oid& entry);
    std::vector<const TableDef*> tables() const;
    const Cell* cell(const Oid& instance) const;
    Cell* cell(const Oid& instance);
    // The first cell after oid (or at it when inclusive), or cells().end().
    CellMap::const_iterator next(const Oid& oid, bool inclusive) const;
    const CellMap& cells() const { return cells_; }

    // The current value of an instance: its generator's or the stored one.
    Value read(const Oid& instance, const Cell& cell) const;
    std::optional<Value> read(const Oid& instance) const;
    // Stores a value without any check (declarations, loading, applying a checked set).
    bool store(const Oid& instance, Value value);

    // The subtrees an agent registers to serve every object: one per MIB module root
    // (1.3.6.1.x.y.z for the internet tree, six arcs elsewhere).
    std::vector<Oid> subtreeRoots() const;

private:
    ObjectDef& insertObject(ObjectDef def);

    CellMap cells_;
    std::map<Oid, std::unique_ptr<ObjectDef>> objects_;
    std::map<Oid, std::unique_ptr<TableDef>> tables_;
};

}  // namespace ksw::sim
