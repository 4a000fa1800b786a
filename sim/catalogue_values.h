#pragma once
// What an object imported from the page catalogue holds: its syntax (from the descriptor's type
// code, or the standard MIB's where it differs from the page's) and a plausible first value
// chosen from its type, option list and label. The choices are data (catalogue_values.cpp).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "object_store.h"

struct QxSNMPVarDesc;

namespace ksw::sim {

class SwitchSim;

// How a column creates and removes rows, when it does.
enum class StatusKind : uint8_t { None, RowStatus, EnableStatus };

// The syntax an object is served with. `statusKind` makes it a status column.
Syntax catalogueSyntax(const QxSNMPVarDesc& desc, StatusKind statusKind, int portCount);

// The object's value at start: a Value, or a generator for read-only objects that follow the
// switch (clock texts).
struct InitialValue {
    std::optional<Value> value;
    Generator generator;
};
InitialValue catalogueValue(const QxSNMPVarDesc& desc, const Syntax& syntax, const SwitchSim& sim);

// The value of an index column shown as a column of its own, from the decoded index value.
Value indexValueAs(const Value& decoded, const Syntax& syntax);

// A copy of a column's first value for the n-th row (0-based) of a table: addresses differ
// from row to row, as they would on a switch. Other values are returned as they are.
Value valueForRow(const Value& value, const Syntax& syntax, int row);

// The RowStatus textual convention recognised in an option list (createAndGo and destroy).
bool isRowStatusOptionList(const QxSNMPVarDesc& desc);

}  // namespace ksw::sim
