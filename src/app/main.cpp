// The program entry of the KSW-7100-16 management module.

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/main_form.h"
#include "app/program_options.h"
#include "platform/message_box.h"
#include "snmp/exception_reporter.h"

namespace {

void ScheduleScreenshot(TMainForm& form, const QString& path, int delayMs)
{
    QTimer::singleShot(delayMs, &form, [&form, path] {
        const bool saved = form.grab().save(path, "PNG");
        std::fprintf(saved ? stdout : stderr, saved ? "screenshot saved: %s\n" : "cannot save the screenshot %s\n",
                     path.toLocal8Bit().constData());
        std::fflush(saved ? stdout : stderr);
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KSW-7100-16"));

    const ksw::app::ProgramOptions options = ksw::app::ParseProgramOptions(QApplication::arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", options.error.toLocal8Bit().constData());
        return 2;
    }
    ksw::app::InstallMessageBoxEcho();
    // Errors that reach an event handler are shown the way start-up failures are.
    SetExceptionReporter([](const QString& message) { ShowMessage(QApplication::activeWindow(), message); });

    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>(options.parameters);
    } catch (...) {
        // The window cannot open; the message is all the user gets, and the program ends normally.
        ReportCurrentException();
        return 0;
    }
    if (mainForm->TerminateRequested()) return 0;

    mainForm->show();
    if (!options.screenshotPath.isEmpty())
        ScheduleScreenshot(*mainForm, options.screenshotPath, options.screenshotDelayMs);
    return QApplication::exec();
}
