#pragma once
// The message catalogues as tables: per catalogue file, every line with the code it is reported
// with and its built-in text, taken from the catalogues themselves.

#include <QString>

namespace manual {

QString MessageTables();

}  // namespace manual
