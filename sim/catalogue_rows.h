#pragma once
// Which rows a table imported from the page catalogue holds, decided by the page's index
// columns: by type and label a port index gives one row per port of the model, a VLAN index
// VLAN 1, a user priority 0 to 7, a unit 1, other integers 1 and 2, addresses and names a few
// plausible ones; the rows are every combination (a MAC address next to a port index is one
// host per port). A few tables whose rows the rule would get wrong list them (catalogue_rows.cpp).

#include <cstdint>
#include <string_view>
#include <vector>

#include "table_index.h"

class QxOptionList;

namespace ksw::sim {

class SwitchSim;

struct IndexColumn {
    uint32_t type = 0;  // the descriptor's type code
    std::string_view label;
    const QxOptionList* options = nullptr;
};

// The index suffixes of the rows of `entry`, whose INDEX is `parts` (one per column). No
// columns: a table the page reads without index columns, given one row, 1.
std::vector<Oid> catalogueRows(std::string_view entry, const std::vector<IndexColumn>& columns,
                               const std::vector<IndexPart>& parts, const SwitchSim& sim);

}  // namespace ksw::sim
