#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

void FuzzCheckFailed(const char* file, int line, const char* condition, const QString& detail)
{
    const QString message = QStringLiteral("%1:%2: check failed: %3 (%4)")
                                .arg(QString::fromUtf8(file))
                                .arg(line)
                                .arg(QString::fromUtf8(condition), detail);
#ifdef KSW_FUZZ_REPLAY
    throw FuzzCheckFailure(message.toStdString());
#else
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::abort();
#endif
}
