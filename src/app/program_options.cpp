#include "app/program_options.h"

#include <cstdio>

#include "platform/message_box.h"

namespace ksw::app {

namespace {
constexpr QLatin1StringView kScreenshot("--screenshot=");
constexpr QLatin1StringView kScreenshotDelay("--screenshot-delay=");
constexpr int kLongestDelayMs = 600000;
}  // namespace

ProgramOptions ParseProgramOptions(const QStringList& arguments)
{
    ProgramOptions options;
    for (const QString& argument : arguments) {
        if (argument.startsWith(kScreenshot)) {
            options.screenshotPath = argument.mid(kScreenshot.size());
            if (options.screenshotPath.isEmpty()) options.error = QStringLiteral("--screenshot needs a file name");
        } else if (argument.startsWith(kScreenshotDelay)) {
            bool ok = false;
            const int delay = argument.mid(kScreenshotDelay.size()).toInt(&ok);
            if (!ok || delay < 0 || delay > kLongestDelayMs)
                options.error = QStringLiteral("--screenshot-delay needs milliseconds from 0 to %1").arg(kLongestDelayMs);
            else
                options.screenshotDelayMs = delay;
        } else {
            options.parameters << argument;
        }
    }
    return options;
}

bool InstallMessageBoxEcho()
{
    if (qEnvironmentVariable("KSW_MESSAGE_BOXES") != QLatin1String("stderr")) return false;
    SetMessageBoxHook([](const MessageBoxRequest& request) {
        std::fprintf(stderr, "message box: %s\n", request.text.toLocal8Bit().constData());
        std::fflush(stderr);
        return true;
    });
    return true;
}

}  // namespace ksw::app
