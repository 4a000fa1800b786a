#include "process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ksw::platform {

namespace {

bool IsExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString ResolveExecutable(const QString& program, const QString& programDirectory)
{
    if (program.isEmpty()) return {};
    if (program.contains(u'/')) return IsExecutableFile(program) ? program : QString();
    if (!programDirectory.isEmpty()) {
        const QString local = QDir(programDirectory).filePath(program);
        if (IsExecutableFile(local)) return local;
    }
    return QStandardPaths::findExecutable(program);
}

QString ResolveExecutable(const QString& program)
{
    const QString directory = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return ResolveExecutable(program, directory);
}

bool StartDetached(const QString& program, const QStringList& arguments)
{
    const QString executable = ResolveExecutable(program);
    if (executable.isEmpty()) return false;
    return QProcess::startDetached(executable, arguments);
}

bool StartDetachedCommandLine(const QString& commandLine)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    return StartDetached(program, words);
}

}  // namespace ksw::platform
