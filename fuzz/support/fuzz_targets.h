#pragma once
// Every fuzz target's entry, for the regression test that replays kept inputs without libFuzzer.

#include <cstddef>
#include <cstdint>

using FuzzTargetEntry = int (*)(const uint8_t* data, size_t size);

int KswFuzz_valuetext(const uint8_t* data, size_t size);
int KswFuzz_index(const uint8_t* data, size_t size);
int KswFuzz_editformat(const uint8_t* data, size_t size);
int KswFuzz_evaluate(const uint8_t* data, size_t size);
int KswFuzz_catalogue(const uint8_t* data, size_t size);
int KswFuzz_ini(const uint8_t* data, size_t size);
int KswFuzz_registry(const uint8_t* data, size_t size);
int KswFuzz_device_config(const uint8_t* data, size_t size);
int KswFuzz_command_line(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* name;  // folder name under fuzz/corpus/ and fuzz/regressions/
    FuzzTargetEntry entry;
};

inline constexpr FuzzTarget kFuzzTargets[] = {
    {"valuetext", KswFuzz_valuetext},   {"index", KswFuzz_index},       {"editformat", KswFuzz_editformat},
    {"evaluate", KswFuzz_evaluate},     {"catalogue", KswFuzz_catalogue}, {"ini", KswFuzz_ini},
    {"registry", KswFuzz_registry},     {"device_config", KswFuzz_device_config},
    {"command_line", KswFuzz_command_line},
};
