#pragma once
// The agent's address and port as a net-snmp transport address.

#include <QString>

// "udp:192.0.2.7:161" or "udp6:[2001:db8::7]:161" for an IPv4 address in dotted-decimal form,
// an IPv6 address (bare or in brackets) or a host name (resolved, the answer kept for a
// minute); an empty string when the address and port do not form a valid UDP address
// (port 0, "999.1.1.1", a name that does not resolve).
QString TransportAddress(const QString& address, quint16 port);
