#pragma once
// Conversion between the library's PDU (QxPdu, QxVb) and net-snmp's.

#include <QByteArray>

#include "session.h"

struct snmp_pdu;

namespace NetSnmpPdu {

// Builds the net-snmp PDU of one request. Version, community (read community for get and
// get-next, write community for set) or USM user, security level and context come from the
// target and the PDU; 'engineId' is the agent's, for version 3. Gets carry NULL values.
// Returns 0, or -12 (unknown version), 1403 (security level out of 1..3), -17 (a malformed
// OID), -11 (a value that does not fit its syntax), -2 (no memory).
int Build(const QxTarget& target, PduType type, const QxPdu& pdu, const QByteArray& engineId, snmp_pdu*& built);

// An engine ID discovery probe (RFC 3414, 4): an empty v3 get without authentication.
snmp_pdu* BuildDiscoveryProbe();

// The bindings, error status and index, and security fields of a received PDU.
QxPdu Convert(const snmp_pdu& received);

// The context engine ID of a profile as octets: hexadecimal text (with or without "0x", 5 to
// 32 octets) is decoded, any other text is taken as it stands.
QByteArray ContextEngineIdOctets(const QString& text);

}  // namespace NetSnmpPdu
