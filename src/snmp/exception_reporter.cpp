#include "exception_reporter.h"

#include <QDebug>

#include "errors.h"

namespace {

ExceptionReporter& Reporter()
{
    static ExceptionReporter reporter;
    return reporter;
}

}  // namespace

ExceptionReporter SetExceptionReporter(ExceptionReporter reporter)
{
    ExceptionReporter previous = std::move(Reporter());
    Reporter() = std::move(reporter);
    return previous;
}

void ReportException(const QString& message)
{
    if (Reporter())
        Reporter()(message);
    else
        qWarning().noquote() << message;
}

void ReportCurrentException()
{
    try {
        throw;
    } catch (const AppException& e) {
        ReportException(e.message());
    } catch (const std::exception& e) {
        ReportException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportException(QStringLiteral("Unknown exception"));
    }
}
