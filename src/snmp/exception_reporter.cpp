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
    ReportException(CurrentExceptionMessage());
}

QString CurrentExceptionMessage()
{
    try {
        throw;
    } catch (const AppException& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}
