#pragma once

#include <QString>

// Decimal integer with an optional sign and nothing else (no blanks, no hex), within 32 bits.
// Raises AppException "'<text>' is not a valid integer value", followed by 'where' (for
// example "for \"AgentPort\" in /etc/x.cfg") when it is given.
int StrictToInt(const QString& text, const QString& where = QString());

// The same within [minimum, maximum]; a number outside raises "'<text>' is out of range
// (<minimum> to <maximum>)" so that nothing is cut silently to fit a smaller field.
int StrictToIntIn(const QString& text, int minimum, int maximum, const QString& where = QString());
