#pragma once
// The agent's address and port as a net-snmp transport address.

#include <QString>
#include <functional>

// "udp:192.0.2.7:161" or "udp6:[2001:db8::7]:161" for an IPv4 address in dotted-decimal form,
// an IPv6 address (bare or in brackets) or a host name; an empty string when the address and
// port do not form a valid UDP address (port 0, "999.1.1.1", a name that does not resolve).
// A host name is looked up the first time only; its outcome, a failure included, is kept until
// ResolveAgentAddress, so that no exchange waits for the resolver.
QString TransportAddress(const QString& address, quint16 port);

// Forgets every name looked up and looks 'address' up now (nothing to do for a numeric one):
// when the agent is set at start-up and when the user asks to start over with it.
void ResolveAgentAddress(const QString& address);

// Turns a host name into a numeric IPv4 or IPv6 address; empty when the name does not resolve.
using HostResolver = std::function<QString(const QString& name)>;
// Replaces the resolver (null: the system's) and forgets every name looked up; returns the
// previous one.
HostResolver SetHostResolver(HostResolver resolver);
