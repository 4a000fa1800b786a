#include "ksw_resources.h"

#include <QtCore/qglobal.h>

void InitKswResources()
{
    Q_INIT_RESOURCE(resources);
}
