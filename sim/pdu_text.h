#pragma once
// Conversions between net-snmp's varbinds and the store's values, and the log lines of PDUs.

#include <optional>
#include <string>

#include "netsnmp.h"
#include "value.h"

namespace ksw::sim {

Oid oidFromArcs(const oid* arcs, size_t length);
// The value a varbind carries, or nullopt for types the store has no use for.
std::optional<Value> valueOfVarbind(const netsnmp_variable_list* vb);
void setVarbindValue(netsnmp_variable_list* vb, const Value& value);

// "v2c community=mirepo GET reqid=42 1.3.6.1.2.1.1.5.0=NULL" (and for responses
// "error=noError(0) index=0" before the varbinds).
std::string pduText(const netsnmp_pdu* pdu);
// "v2c community=mirepo" or "v3 user=admin level=authPriv".
std::string pduOriginText(const netsnmp_pdu* pdu);

}  // namespace ksw::sim
