#include "beep.h"

#include <QApplication>

namespace {
BeepHook& Hook()
{
    static BeepHook hook;
    return hook;
}
}  // namespace

void Beep(int frequencyHz, int durationMs)
{
    if (Hook()) {
        Hook()(frequencyHz, durationMs);
        return;
    }
    QApplication::beep();
}

void SetBeepHook(BeepHook hook)
{
    Hook() = std::move(hook);
}
