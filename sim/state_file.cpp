#include "state_file.h"

#include <QFile>
#include <QSaveFile>
#include <map>
#include <set>
#include <sstream>

namespace ksw::sim {

namespace {

constexpr const char* kHeader = "ksw-sim-state 1";

bool isSaved(const ObjectDef& def)
{
    return isWritable(def.access) && !def.generator;
}

struct Entry {
    int line;
    const ObjectDef* def;
    Oid instance;
    Oid rowIndex;
    Value value;
};

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string stateText(const ObjectStore& store, const std::string& modelName)
{
    std::ostringstream out;
    out << kHeader << "\n";
    out << "# Written by ksw-sim after every successful set; edit it only while ksw-sim is stopped.\n";
    out << "model " << modelName << "\n";
    for (const TableDef* table : store.tables())
        if (table->creatable()) out << "table " << oidText(table->entry) << "\n";
    for (const auto& [instance, cell] : store.cells())
        if (isSaved(*cell.def)) out << oidText(instance) << ' ' << valueText(cell.value) << "\n";
    return out.str();
}

bool saveState(const std::string& path, const ObjectStore& store, const std::string& modelName, std::string* error)
{
    QSaveFile file(QString::fromStdString(path));
    const std::string text = stateText(store, modelName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !file.commit()) {
        if (error) *error = file.errorString().toStdString();
        return false;
    }
    return true;
}

std::optional<StateError> loadState(const std::string& path, ObjectStore& store, const std::string& modelName)
{
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) return StateError{0, "cannot read: " + file.errorString().toStdString()};

    std::vector<Entry> entries;
    std::set<TableDef*> managedTables;
    std::set<Oid> seen;
    bool headerSeen = false;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const std::string line = trimmed(file.readLine().toStdString());
        auto fail = [&](const std::string& why) { return StateError{lineNumber, why}; };
        if (line.empty() || line.front() == '#') continue;
        if (!headerSeen) {
            if (line != kHeader) return fail("not a ksw-sim state file (\"" + std::string(kHeader) + "\" expected)");
            headerSeen = true;
            continue;
        }
        const auto space = line.find(' ');
        const std::string head = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : trimmed(line.substr(space + 1));
        if (head == "model") {
            if (rest != modelName)
                return fail("written for model " + rest + ", but this switch is a " + modelName);
            continue;
        }
        if (head == "table") {
            auto entry = parseOid(rest);
            TableDef* table = entry ? store.table(*entry) : nullptr;
            if (!table || !table->creatable()) return fail("no table with a row status at " + rest);
            managedTables.insert(table);
            continue;
        }
        auto instance = parseOid(head);
        if (!instance) return fail("unknown line \"" + line + "\"");
        if (rest.empty()) return fail("no value for " + head);
        const ObjectDef* def = store.objectFor(*instance);
        if (!def || !isSaved(*def)) return fail("no writable object at " + head);
        std::string why;
        auto value = parseValueText(rest, &why);
        if (!value) return fail(why + " for " + def->name);
        if (const ErrorStatus check = checkValue(def->syntax, *value); check != ErrorStatus::NoError)
            return fail("value not allowed for " + def->name + " (" + errorStatusName(static_cast<long>(check)) + ")");
        const Oid suffix = tailAfter(*instance, def->oid.size());
        if (def->table ? !decodeIndex(def->table->index, suffix) : suffix != Oid{0})
            return fail("no such instance " + head);
        if (def->table && def == def->table->rowStatus && !rowstatus::isSteadyValue(def->syntax, value->integer))
            return fail(def->syntax.flavour == Flavour::EnableStatus ? "row status other than enabled(3)"
                                                                     : "row status other than active(1) or notInService(2)");
        if (!seen.insert(*instance).second) return fail("second value for " + head);
        entries.push_back({lineNumber, def, *instance, suffix, *value});
    }
    if (!headerSeen) return StateError{lineNumber + 1, "empty state file (\"" + std::string(kHeader) + "\" expected)"};

    // Which rows the managed tables will hold: the permanent ones and those with a status line.
    std::map<TableDef*, std::set<Oid>> rows;
    for (TableDef* table : managedTables) rows[table] = table->permanentRows;
    for (const Entry& e : entries)
        if (e.def->table && e.def == e.def->table->rowStatus) {
            if (!managedTables.count(e.def->table))
                return StateError{e.line, "row status outside a \"table\" line"};
            rows[e.def->table].insert(e.rowIndex);
        }
    for (const Entry& e : entries) {
        TableDef* table = e.def->table;
        if (!table) continue;
        const bool exists = managedTables.count(table) ? rows[table].count(e.rowIndex) != 0
                                                       : table->rows.count(e.rowIndex) != 0;
        if (!exists) return StateError{e.line, "no row " + oidText(e.rowIndex) + " in " + table->name};
    }

    // Everything checked: apply.
    for (auto& [table, keep] : rows) {
        const std::set<Oid> existing = table->rows;
        for (const Oid& index : existing)
            if (!keep.count(index)) store.removeRow(*table, index);
        for (const Oid& index : keep) store.addRow(*table, index);
    }
    for (const Entry& e : entries) store.store(e.instance, e.value);
    return std::nullopt;
}

}  // namespace ksw::sim
