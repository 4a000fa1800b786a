#pragma once
// Milliseconds from a fixed point in the past; never goes back and never wraps.
// Only differences between two readings mean anything.

#include <cstdint>

uint64_t TickCount();
