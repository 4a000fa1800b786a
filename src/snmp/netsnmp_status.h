#pragma once
// Translation of net-snmp's numbers into the numbering MapSnmpError understands (see
// session.h): library errors -1..-23, USM errors 1401..1414, message-processing errors
// -1402..-1418. Every net-snmp number the session hands on passes through here.

#include <QString>

namespace NetSnmpStatus {

// A net-snmp error (SNMPERR_*, as found in a session's s_snmp_errno) in our numbering.
// Unknown numbers become -1 ("Operation failed"), never success.
int FromLibraryError(int snmperr);

// The event net-snmp reports to a request callback (NETSNMP_CALLBACK_OP_*), for the events
// that end an exchange without an answer.
int FromCallbackOp(int op);

// A report PDU names the counter that tells why the agent refused the request: 'oid' is the
// name of its first binding, dotted ("1.3.6.1.6.3.15.1.1.5.0"). Unknown counters become -1.
int FromReportOid(const QString& oid);

}  // namespace NetSnmpStatus
