#pragma once
// The property checks of the fuzz targets. Under libFuzzer a failed check aborts, which the
// fuzzer reports as a crash with its input; in the regression test it throws, so the test can
// name the input and go on with the next.

#include <QString>
#include <stdexcept>

struct FuzzCheckFailure : std::logic_error {
    using std::logic_error::logic_error;
};

[[noreturn]] void FuzzCheckFailed(const char* file, int line, const char* condition, const QString& detail);

#define FUZZ_CHECK(condition, detail) \
    ((condition) ? void(0) : FuzzCheckFailed(__FILE__, __LINE__, #condition, (detail)))
