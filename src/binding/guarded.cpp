#include "guarded.h"

#include <QApplication>
#include <QWidget>

#include "platform/message_box.h"

void InstallMessageBoxExceptionReporter()
{
    SetExceptionReporter([](const QString& message) { ShowMessage(QApplication::activeWindow(), message); });
}
