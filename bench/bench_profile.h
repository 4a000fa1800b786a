#pragma once
// The agent profile a benchmark uses for ksw-sim: its default communities, or its default
// SNMPv3 user at authPriv (SHA and DES), the credentials net-snmp's tools are given too.

#include <QString>

#include "snmp/profile.h"

// version: "v1", "v2c" or "v3"; false for anything else.
bool SimProfile(const QString& version, const QString& address, quint16 port, QxSNMPProfile& profile);
