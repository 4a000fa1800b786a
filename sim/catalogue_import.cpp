// Every object of every generic page of the module's menus, declared from the catalogue's own
// descriptor tables (catalogue/menu_catalogue.h), so that each page reads what it expects:
// scalars at ".0"; a port popup's objects at <port>.<medium>; a table's columns with the rows
// its index columns call for (catalogue_rows.h), every table of one page holding the same rows.
// Values come from catalogue_values.h. Objects declared before (mib_*.cpp, with behaviour) keep
// their first declaration; so does a table's INDEX. The SNMPv3 user and access tables are left
// to the agent library (oids::kLibraryServed).
//
// What all pages together say about one OID counts: an object read on one page and written on
// another is read-write; a column that is one page's Add status creates and removes rows.

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/menu_catalogue.h"
#include "catalogue_rows.h"
#include "catalogue_values.h"
#include "descriptor_import.h"
#include "mib_oids.h"
#include "switch_sim.h"

namespace ksw::sim {

namespace {

using catalogue::GenericPage;
using catalogue::MenuItem;

struct Page {
    const GenericPage* page;
    std::span<const QxSNMPVarDesc> descs;  // without the terminator
};

struct ObjectUse {
    const QxSNMPVarDesc* desc = nullptr;  // the first page's descriptor
    uint32_t access = 0;                  // the access bits of every page together
    StatusKind status = StatusKind::None;
};

std::vector<Page> genericPages()
{
    std::vector<Page> pages;
    for (auto menu : {catalogue::MainMenu(), catalogue::PortPopupMenu()})
        for (const MenuItem& item : menu)
            if (item.opens == catalogue::Opens::Generic && !item.page.table.empty())
                pages.push_back({&item.page, item.page.table.first(static_cast<size_t>(CountVarDescs(item.page.table.data())))});
    return pages;
}

bool hasOid(const QxSNMPVarDesc& d)
{
    return d.Oid && *d.Oid;
}

bool servedByAgentLibrary(const Oid& oid)
{
    return std::any_of(std::begin(oids::kLibraryServed), std::end(oids::kLibraryServed),
                       [&](const char* root) { return startsWith(oid, oidOf(root)); });
}

std::string entryOf(const std::string& oid)
{
    const size_t dot = oid.rfind('.');
    return dot == std::string::npos ? std::string() : oid.substr(0, dot);
}

class CatalogueImport {
public:
    explicit CatalogueImport(SwitchSim& sim) : sim_(sim), store_(sim.store()), pages_(genericPages()) {}

    void run()
    {
        collectUses();
        for (const Page& p : pages_) {
            if (p.page->kind == VarListKind::ScalarGroup) declareScalars(p);
            else declareTable(p);
        }
    }

private:
    void collectUses()
    {
        for (const Page& p : pages_) {
            for (size_t i = 0; i < p.descs.size(); ++i) {
                const QxSNMPVarDesc& d = p.descs[i];
                if (!hasOid(d)) continue;
                ObjectUse& use = uses_[d.Oid];
                if (!use.desc) use.desc = &d;
                use.access |= d.Access & (AccessIndex | AccessRead | AccessWrite);
                const auto& add = p.page->add;
                if (add.IsSet() && static_cast<size_t>(add.position) == i)
                    use.status = std::string_view(add.text) == "enabled" ? StatusKind::EnableStatus : StatusKind::RowStatus;
                else if ((d.Access & AccessWrite) && p.page->shape() == catalogue::PageShape::Table && isRowStatusOptionList(d) &&
                         use.status == StatusKind::None)
                    use.status = StatusKind::RowStatus;
            }
        }
        for (const auto& [oid, use] : uses_)
            if (use.status != StatusKind::None) statusOfEntry_[entryOf(oid)] = oid;
    }

    // The object as every page together declares it; null when no page reads or writes it.
    const ObjectUse* served(const QxSNMPVarDesc& d) const
    {
        if (!hasOid(d) || servedByAgentLibrary(oidOf(d.Oid))) return nullptr;
        auto it = uses_.find(d.Oid);
        if (it == uses_.end() || !(it->second.access & (AccessRead | AccessWrite))) return nullptr;
        return &it->second;
    }

    ObjectDef objectFor(const ObjectUse& use, const std::string& oid, bool creatable)
    {
        ObjectDef def;
        def.oid = oidOf(oid);
        def.name = use.desc->Label ? use.desc->Label : oid;
        def.syntax = catalogueSyntax(*use.desc, use.status, sim_.model().ports);
        def.access = rowstatus::isStatusColumn(def.syntax) ? Access::ReadCreate : accessForCode(use.access, creatable);
        InitialValue initial = catalogueValue(*use.desc, def.syntax, sim_);
        def.initial = std::move(initial.value);
        // A generator ignores writes, so only read-only objects follow the clock.
        if (def.access == Access::ReadOnly) def.generator = std::move(initial.generator);
        if (!def.initial && !def.generator) def.initial = defaultValue(def.syntax);
        return def;
    }

    void declareScalars(const Page& p)
    {
        for (const QxSNMPVarDesc& d : p.descs)
            if (const ObjectUse* use = served(d)) store_.declareScalar(objectFor(*use, d.Oid, false));
    }

    void declareTable(const Page& p)
    {
        const bool portPopup = p.page->instance == catalogue::InstanceRule::PortButtonHint;
        const size_t indexCount = portPopup ? 0 : static_cast<size_t>(std::max(0, p.page->indexCount));
        std::vector<IndexColumn> columns;
        std::vector<IndexPart> parts;
        for (size_t i = 0; i < indexCount && i < p.descs.size(); ++i) {
            const QxSNMPVarDesc& d = p.descs[i];
            const bool last = i + 1 == indexCount;
            columns.push_back({d.Type, d.Label ? d.Label : "", d.Options});
            parts.push_back(indexPartForTypeCode(d.Type, last ? d.Access : d.Access & ~AccessImplied));
        }
        if (portPopup) {
            // The popup addresses <port>.<medium> of the port tables.
            parts = {IndexPart::integer(1, sim_.model().ports), IndexPart::integer(1, 2)};
        } else if (indexCount == 0) {
            // Read without index columns: one integer index, a port when the first column says so.
            parts = {IndexPart::integer(1, 2147483647)};
            const char* firstLabel = p.descs.empty() ? nullptr : p.descs.front().Label;
            if (firstLabel && std::string_view(firstLabel).find("Port") != std::string_view::npos)
                columns.push_back({VarType::Integer, "Port", nullptr});
        }

        // The tables this page reads: the entries of its served columns, in page order. An index
        // column counts only where the page reads it (elsewhere it may belong to another table
        // with another INDEX, as "Group Name" of the access table does).
        std::vector<std::pair<std::string, std::vector<size_t>>> entries;
        for (size_t i = 0; i < p.descs.size(); ++i) {
            const QxSNMPVarDesc& d = p.descs[i];
            if (i < indexCount && !(d.Access & AccessRead)) continue;
            if (!served(d)) continue;
            const std::string entry = entryOf(d.Oid);
            auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == entry; });
            if (it == entries.end()) it = entries.insert(entries.end(), {entry, {}});
            it->second.push_back(i);
        }

        std::optional<std::vector<Oid>> rows;
        for (const auto& [entry, positions] : entries) {
            const Oid entryOid = oidOf(entry);
            const bool fresh = store_.table(entryOid) == nullptr;
            TableDef& table = store_.declareTable(entryOid, entry, parts);
            if (fresh) {
                // The status column first, so that the writable columns become read-create.
                if (auto status = statusOfEntry_.find(entry); status != statusOfEntry_.end())
                    declareColumn(table, status->second, uses_.at(status->second), std::nullopt);
            }
            for (size_t i : positions)
                declareColumn(table, p.descs[i].Oid, *served(p.descs[i]), i < indexCount ? std::optional(i) : std::nullopt);
            if (!fresh) continue;
            if (!rows) rows = portPopup ? portMediumRows() : catalogueRows(entry, columns, parts, sim_);
            addRows(table, *rows);
        }
    }

    // indexPosition: the column is also that index column of the page.
    void declareColumn(TableDef& table, const std::string& oid, const ObjectUse& use, std::optional<size_t> indexPosition)
    {
        ObjectDef def = objectFor(use, oid, table.creatable());
        if (indexPosition) showIndexValue(def, table.index, *indexPosition);
        const uint32_t column = def.oid.empty() ? 0 : def.oid.back();
        store_.declareColumn(table, column, std::move(def));
    }

    // A read-only index column shows its part of the row's index.
    static void showIndexValue(ObjectDef& def, const std::vector<IndexPart>& index, size_t position)
    {
        if (isWritable(def.access)) return;
        def.generator = [index, position, syntax = def.syntax](const Oid& suffix) {
            const auto values = decodeIndex(index, suffix);
            return values && position < values->size() ? indexValueAs((*values)[position], syntax) : defaultValue(syntax);
        };
    }

    std::vector<Oid> portMediumRows() const
    {
        std::vector<Oid> rows;
        for (const PortMedium& pm : sim_.model().portMedia())
            rows.push_back({static_cast<uint32_t>(pm.port), static_cast<uint32_t>(pm.medium)});
        return rows;
    }

    void addRows(TableDef& table, const std::vector<Oid>& rows)
    {
        int n = 0;
        for (const Oid& row : rows) {
            std::vector<std::pair<uint32_t, Value>> values;
            for (const ObjectDef* column : table.columns)
                if (column->initial && !column->generator)
                    values.emplace_back(column->column, valueForRow(*column->initial, column->syntax, n));
            store_.addRow(table, row, values);
            ++n;
        }
    }

    SwitchSim& sim_;
    ObjectStore& store_;
    std::vector<Page> pages_;
    std::map<std::string, ObjectUse> uses_;
    std::map<std::string, std::string> statusOfEntry_;  // entry -> its status column
};

}  // namespace

void declareCatalogue(SwitchSim& sim)
{
    CatalogueImport(sim).run();
}

}  // namespace ksw::sim
