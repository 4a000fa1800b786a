#include "model.h"

int PortCountOfModel(const QString& modelName)
{
    if (modelName == QLatin1String("KSW-7110")) return 10;
    if (modelName == QLatin1String("KSW-7116")) return 16;
    return 0;
}
