#pragma once
// The program's own options, taken off the command line before the agent's switches are read
// (a file name could otherwise contain a switch such as "/R"):
//   --screenshot=FILE        saves a picture of the main window once the front panel has shown
//                            its link pictures, then ends the program (demo and documentation)
//   --screenshot-delay=MS    how long after the window opens (default 6500 ms)
// The environment variable KSW_MESSAGE_BOXES=stderr answers every message box with OK and
// writes its text to standard error instead (scripts and tests without anyone at the screen).

#include <QString>
#include <QStringList>

namespace ksw::app {

struct ProgramOptions {
    QStringList parameters;  // the agent's switches, in order
    QString screenshotPath;
    int screenshotDelayMs = 6500;
    QString error;  // a malformed option of ours
};

// 'arguments' without the program itself.
ProgramOptions ParseProgramOptions(const QStringList& arguments);

// Installs the message-box answer of KSW_MESSAGE_BOXES when it is set; true when installed.
bool InstallMessageBoxEcho();

}  // namespace ksw::app
