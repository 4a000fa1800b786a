#pragma once
// Where an exception that reached an event dispatch point goes. Qt aborts the program when an
// exception leaves a slot or an event handler, so every dispatch point of ours catches and
// reports here; the application installs a reporter that shows the message in a dialog.

#include <QString>
#include <exception>
#include <functional>

using ExceptionReporter = std::function<void(const QString& message)>;

// Replaces the reporter; returns the previous one. The default writes a warning to the log.
ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);
void ReportException(const QString& message);
// Reports the exception currently being handled (call from inside a catch block).
void ReportCurrentException();
// The message of the exception currently being handled, of whatever type (call from inside a
// catch block): for the places that show it in a status line and go on.
QString CurrentExceptionMessage();
