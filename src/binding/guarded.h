#pragma once
// Running page code where Qt dispatches into us. An exception that leaves a slot, a timer or
// an event handler ends the program, so every such entry point runs its work through
// RunAndReport: the exception's message goes to the installed reporter (a message box in the
// application) and the program goes on.
//
//   connect(btnGet, &QPushButton::clicked, this, Guarded([this] { btnGetClick(); }));
//   void TMyForm::closeEvent(QCloseEvent* e) { RunAndReport([&] { FormClose(e); }); }

#include <concepts>
#include <utility>

#include "snmp/exception_reporter.h"

template <typename F>
void RunAndReport(F&& work) noexcept
{
    try {
        std::forward<F>(work)();
    } catch (...) {
        ReportCurrentException();
    }
}

// The callable, wrapped so that it reports instead of throwing; it takes the arguments the
// callable takes, so Qt's connect sees the same signature.
template <typename F>
auto Guarded(F work)
{
    return [work = std::move(work)](auto&&... args) mutable noexcept
        requires std::invocable<F&, decltype(args)...>
    {
        RunAndReport([&] { work(std::forward<decltype(args)>(args)...); });
    };
}

// The application's reporter: a modal message box with the message and an OK button, owned by
// the active window and captioned with the program's file name.
void InstallMessageBoxExceptionReporter();
