#pragma once
// One-time set-up of the net-snmp library for this program.
//
// The program addresses objects by numeric OIDs only and keeps no SNMP state of its own beyond
// the boot counter, so net-snmp must neither load MIB modules nor read or write the user's
// snmp.conf and persistent files: its persistent directory is a private temporary directory,
// configuration files are not read, and its log messages go to Qt's logging ("ksw.snmp").

#include <QByteArray>
#include <cstdint>

namespace NetSnmpLibrary {

// Initialises net-snmp on the first call; later calls only report the first outcome.
// False when the private directory cannot be created.
bool Initialise();

// Hands the local SNMPv3 engine identity to net-snmp.
void SetLocalEngine(const QByteArray& engineId, uint32_t boots);
QByteArray LocalEngineId();
uint32_t LocalEngineBoots();

}  // namespace NetSnmpLibrary
