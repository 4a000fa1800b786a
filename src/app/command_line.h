#pragma once
// The command line: each parameter is a switch directly followed by its value ("/I10.0.0.5").
// A parameter is matched by where a switch occurs in it, not only at its start, and its value
// is everything after the first occurrence of the switch. "/I" is tested first; before any
// other parameter the device configuration file is read again, so a switch for a field the
// file also holds only lasts when no further parameter follows it.

#include <QStringList>

#include "snmp/profile.h"
#include "startup_settings.h"

// Applies one parameter. Raises AppException when a numeric switch's value is not a number.
void ApplyParameter(const QString& parameter, StartupSettings& settings, QxSNMPProfile& profile);

// Applies the parameters in order (the program's arguments without the program itself).
void ApplyParameters(const QStringList& parameters, StartupSettings& settings, QxSNMPProfile& profile);
