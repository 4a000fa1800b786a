#pragma once
// The two small text evaluators of the library: arithmetic texts to numbers and condition
// texts to truth values. Both read their operators left to right in a fixed rule order and
// split at the first occurrence of an operator, so chains of "-" and "/" group to the right
// (8-4-2 is 6, 8/4/2 is 4) and the left side of "*" and "/" is read as a plain number
// (6/3*2 is 12). Callers rely on exactly these results.

#include <QString>

// "+", "-", "*", "/" and parentheses over decimal numbers and "NOW" (the current local time as
// days since 1899-12-30). A part that is no number counts as 0; a division by zero gives 0.
long double EvaluateArithmetic(const QString& text);

// "|", "&", "!", parentheses and the text comparisons "<>", ">=", "<=", ">", "<", "=".
// Sides are compared as texts, not as numbers (10<9 holds). A part without comparison must be
// "true" or "false"; anything else raises AppException -1 ("Bad logic operand!").
bool EvaluateCondition(const QString& text);

// A real number in the evaluators' text form: up to 15 significant digits, exponent written
// as "E" with no plus sign ("1E20", "2.5E-7").
QString RealNumberText(long double value);
