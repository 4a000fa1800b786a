#include "scratch_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

QString ScratchDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ksw-fuzz-XXXXXX"));
    if (!dir.isValid()) std::abort();  // nothing could be fuzzed; say so loudly
    return dir.path();
}

QString WriteScratchFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = ScratchDir() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
    return path;
}
