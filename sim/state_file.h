#pragma once
// The --state file: every writable value and the rows of every table with a RowStatus column,
// one line each, so that writes survive a restart.
//
//   ksw-sim-state 1
//   model KSW-7116
//   table 1.3.6.1.2.1.17.7.1.4.3.1
//   1.3.6.1.2.1.1.5.0 STRING:"lab-switch"
//   1.3.6.1.2.1.17.7.1.4.3.1.2.10 HEX:c0000000
//
// "table" lines name the tables whose rows are exactly those with a row status line in the file.
// Blank lines and lines starting with '#' are ignored. Values are written as value.h describes.

#include <optional>
#include <string>

#include "object_store.h"

namespace ksw::sim {

struct StateError {
    int line = 0;  // 0: the file as a whole
    std::string message;
};

// Loads a state file into the store. A missing file loads nothing. Any error leaves the store
// untouched and names the first offending line.
std::optional<StateError> loadState(const std::string& path, ObjectStore& store, const std::string& modelName);

// Writes the state to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so the file on disk is always either the old or the new state.
bool saveState(const std::string& path, const ObjectStore& store, const std::string& modelName, std::string* error);

std::string stateText(const ObjectStore& store, const std::string& modelName);

}  // namespace ksw::sim
