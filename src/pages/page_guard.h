#pragma once
// Qt ends the program when an exception leaves a slot, so every handler of the pages runs its
// body through RunAndReport or Guarded (binding/guarded.h), or through GuardedStatus where the
// application's errors belong on the page's status line.

#include "binding/guarded.h"
#include "binding/request2controls.h"
#include "snmp/errors.h"
#include "snmp/exception_reporter.h"

// The application's errors become a status line of the binding (the page's message area);
// anything else goes to the exception reporter.
template <typename Body>
void GuardedStatus(QxSNMPRequest2Controls* binding, Body&& body) noexcept
{
    try {
        body();
    } catch (const AppException& error) {
        RunAndReport([&] {
            if (binding)
                binding->ShowStatus(error.message());
            else
                ReportException(error.message());
        });
    } catch (...) {
        ReportCurrentException();
    }
}
