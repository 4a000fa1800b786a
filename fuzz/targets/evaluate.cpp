// The arithmetic and condition evaluators on any text, and the number text an arithmetic
// result is written back as.

#include "values/evaluate.h"
#include "fuzz_target.h"
#include "snmp/errors.h"

KSW_FUZZ_TARGET(evaluate)
{
    FuzzInput in(data, size);
    const bool condition = in.Flag();
    const QString text = QString::fromUtf8(in.Rest());
    if (condition) {
        try {
            EvaluateCondition(text);
        } catch (const AppException& e) {
            FUZZ_CHECK(e.code() == -1, e.message());  // a bad logic operand, nothing else
        }
        return 0;
    }
    const QString written = RealNumberText(EvaluateArithmetic(text));
    FUZZ_CHECK(!written.isEmpty(), written);
    return 0;
}
