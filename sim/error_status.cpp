#include "error_status.h"

namespace ksw::sim {

const char* errorStatusName(long status)
{
    static const char* const names[] = {
        "noError",    "tooBig",      "noSuchName",      "badValue",          "readOnly",
        "genErr",     "noAccess",    "wrongType",       "wrongLength",       "wrongEncoding",
        "wrongValue", "noCreation",  "inconsistentValue", "resourceUnavailable", "commitFailed",
        "undoFailed", "authorizationError", "notWritable", "inconsistentName",
    };
    if (status >= 0 && status < static_cast<long>(sizeof names / sizeof names[0])) return names[status];
    return "unknownError";
}

}  // namespace ksw::sim
