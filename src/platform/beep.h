#pragma once
// The speaker beep that tells the user a key was refused.

#include <functional>

// Frequency and duration are kept for callers; the desktop's bell has neither.
void Beep(int frequencyHz, int durationMs);

// Replaces the real bell (tests count beeps with it); an empty hook restores the bell.
using BeepHook = std::function<void(int frequencyHz, int durationMs)>;
void SetBeepHook(BeepHook hook);
