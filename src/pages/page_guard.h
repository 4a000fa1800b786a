#pragma once
// Qt ends the program when an exception leaves a slot, so every handler of the pages runs its
// body through RunAndReport or Guarded (binding/guarded.h), or through GuardedStatus where the
// application's errors belong on the page's status line.

#include <optional>

#include "binding/guarded.h"
#include "binding/request2controls.h"
#include "snmp/errors.h"
#include "snmp/exception_reporter.h"

// The application's errors become a status line of the binding (the page's message area);
// anything else goes to the exception reporter. A write's errors pass OperationSet: the line
// then reads as the write's outcome without the binding's own operation being touched, which a
// read still running reports under.
template <typename Body>
void GuardedStatus(QxSNMPRequest2Controls* binding, Body&& body, std::optional<int> operation = {}) noexcept
{
    try {
        body();
    } catch (const AppException& error) {
        RunAndReport([&] {
            if (!binding)
                ReportException(error.message());
            else if (operation)
                binding->ShowStatus(error.message(), *operation);
            else
                binding->ShowStatus(error.message());
        });
    } catch (...) {
        ReportCurrentException();
    }
}

// A write asked for while the binding reads or writes is refused before the page changes
// anything (mode, access codes, values); the refusal is the write's status line.
inline bool ReadyToWrite(QxSNMPRequest2Controls* binding)
{
    bool ready = false;
    GuardedStatus(binding, [&] {
        binding->RaiseIfBusy();
        ready = true;
    }, QxSNMPRequest2Controls::OperationSet);
    return ready;
}
