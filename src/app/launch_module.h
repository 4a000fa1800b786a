#pragma once
// Handing a page over to a sibling module of the management platform: the sibling is started
// as a process of its own with this module's agent parameters and a page switch
// "/T<module>_<page>" (for example "/TMIB_IFTable"). Nothing else is exchanged with it.

#include <QString>
#include <QStringList>

#include "snmp/profile.h"
#include "startup_settings.h"

inline constexpr char kNorvanePathError[] = "Norvane : File Path Error!";
inline constexpr char kNoModulePath[] = "No Path!";

// The text between "/T" and the first '_': "/TMIB_IFTable" gives "MIB".
QString ModuleOfSwitch(const QString& pageSwitch);

struct ModuleExecutable {
    QString program;     // a full path, or the bare module name for the usual search
    QString statusText;  // for status bar panel 0; empty when there is nothing to report
};

// Where the module is installed, from the registry: the platform's own modules are found by
// name; Norvane Console keeps the six it knows under NC_PATH.
ModuleExecutable LocateModule(const QString& module);

struct ModuleCommand {
    QString program;
    QStringList arguments;  // each switch with its value, one argument each
    // Program and arguments joined by blanks.
    QString CommandLine() const;
};

// The command that starts 'program' on the page 'pageSwitch' for the agent described by
// 'settings' and 'profile'.
ModuleCommand BuildModuleCommand(const QString& program, const QString& pageSwitch, const StartupSettings& settings,
                                 const QxSNMPProfile& profile);

// Locates the module of the switch, builds its command and starts it detached (the directory of
// the running program is searched first, then PATH). A failed start goes unreported, as the
// sibling is not ours to supervise. Returns the text for status bar panel 0, usually empty.
QString LaunchModule(const QString& pageSwitch, const StartupSettings& settings = AppStartupSettings(),
                     const QxSNMPProfile& profile = DefaultProfile());
