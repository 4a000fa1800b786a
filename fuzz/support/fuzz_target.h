#pragma once
// KSW_FUZZ_TARGET(name) { ... } defines the body of one fuzz target as
// int KswFuzz_<name>(const uint8_t* data, size_t size). Built for libFuzzer it is also the
// program's LLVMFuzzerTestOneInput; built for the regression test (KSW_FUZZ_REPLAY) the test
// calls it with each kept input.

#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "fuzz_input.h"

#ifdef KSW_FUZZ_REPLAY
#define KSW_FUZZ_ENTRY(name)
#else
#define KSW_FUZZ_ENTRY(name) \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return KswFuzz_##name(data, size); }
#endif

#define KSW_FUZZ_TARGET(name)                               \
    int KswFuzz_##name(const uint8_t* data, size_t size);   \
    KSW_FUZZ_ENTRY(name)                                    \
    int KswFuzz_##name(const uint8_t* data, size_t size)
