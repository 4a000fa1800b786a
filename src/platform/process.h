#pragma once
// Starting other programs as independent processes: they outlive this one and nothing is
// exchanged with them.

#include <QString>
#include <QStringList>

namespace ksw::platform {

// The file a program name stands for. A name holding a '/' is taken as it stands; a bare name
// is looked up in 'programDirectory' first, then along PATH. Empty when nothing executable is
// found.
QString ResolveExecutable(const QString& program, const QString& programDirectory);
// The same with the directory of the running program.
QString ResolveExecutable(const QString& program);

// Starts the program detached with these arguments (each one passed as it is, blanks and all).
// True when the process was started.
bool StartDetached(const QString& program, const QStringList& arguments);

// Splits a command line at blanks (double quotes group words) and starts it detached.
bool StartDetachedCommandLine(const QString& commandLine);

}  // namespace ksw::platform
