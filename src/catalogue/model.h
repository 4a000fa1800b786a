#pragma once

#include <QString>

// Front ports of a model: "KSW-7110" has 10, "KSW-7116" 16; any other name (compared
// exactly, case included) has none.
int PortCountOfModel(const QString& modelName);
