#include "pdu_text.h"

#include "error_status.h"

namespace ksw::sim {

Oid oidFromArcs(const oid* arcs, size_t length)
{
    Oid result(length);
    for (size_t i = 0; i < length; ++i) result[i] = static_cast<uint32_t>(arcs[i]);
    return result;
}

std::optional<Value> valueOfVarbind(const netsnmp_variable_list* vb)
{
    const auto bytes = [vb] { return std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len); };
    switch (vb->type) {
    case ASN_INTEGER: return Value::Integer(*vb->val.integer);
    case ASN_OCTET_STR: return Value::Octets(bytes());
    case ASN_OPAQUE: return Value::Opaque(bytes());
    case ASN_IPADDRESS: return Value::IpAddress(bytes());
    case ASN_COUNTER: return Value::Counter32(static_cast<uint32_t>(*vb->val.integer));
    case ASN_GAUGE: return Value::Gauge32(static_cast<uint32_t>(*vb->val.integer));
    case ASN_TIMETICKS: return Value::TimeTicks(static_cast<uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
        return Value::Counter64((static_cast<uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low);
    case ASN_OBJECT_ID: return Value::ObjectId(oidFromArcs(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_NULL: return Value{};
    default: return std::nullopt;
    }
}

void setVarbindValue(netsnmp_variable_list* vb, const Value& value)
{
    const auto type = static_cast<u_char>(value.type);
    switch (value.type) {
    case Smi::Integer: {
        const long v = static_cast<long>(value.integer);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        return;
    }
    case Smi::Counter32:
    case Smi::Gauge32:
    case Smi::TimeTicks: {
        const u_long v = static_cast<u_long>(value.number);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        return;
    }
    case Smi::Counter64: {
        counter64 v{};
        v.high = static_cast<u_long>(value.number >> 32);
        v.low = static_cast<u_long>(value.number & 0xffffffffu);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        return;
    }
    case Smi::OctetString:
    case Smi::Opaque:
    case Smi::IpAddress:
        snmp_set_var_typed_value(vb, type, value.octets.data(), value.octets.size());
        return;
    case Smi::ObjectId: {
        std::vector<oid> arcs(value.oid.begin(), value.oid.end());
        snmp_set_var_typed_value(vb, type, arcs.data(), arcs.size() * sizeof(oid));
        return;
    }
    case Smi::Null:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        return;
    }
}

namespace {

const char* commandName(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_RESPONSE: return "RESPONSE";
    case SNMP_MSG_SET: return "SET";
    case SNMP_MSG_TRAP: return "TRAP";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_INFORM: return "INFORM";
    case SNMP_MSG_TRAP2: return "TRAP2";
    case SNMP_MSG_REPORT: return "REPORT";
    default: return "PDU?";
    }
}

const char* levelName(int level)
{
    switch (level) {
    case SNMP_SEC_LEVEL_AUTHNOPRIV: return "authNoPriv";
    case SNMP_SEC_LEVEL_AUTHPRIV: return "authPriv";
    default: return "noAuthNoPriv";
    }
}

std::string varbindText(const netsnmp_variable_list* vb)
{
    std::string text = oidText(oidFromArcs(vb->name, vb->name_length)) + "=";
    switch (vb->type) {
    case SNMP_NOSUCHOBJECT: return text + "noSuchObject";
    case SNMP_NOSUCHINSTANCE: return text + "noSuchInstance";
    case SNMP_ENDOFMIBVIEW: return text + "endOfMibView";
    default: break;
    }
    const auto value = valueOfVarbind(vb);
    if (!value) return text + "TYPE" + std::to_string(vb->type);
    return text + valueText(*value);
}

}  // namespace

std::string pduOriginText(const netsnmp_pdu* pdu)
{
    std::string text;
    switch (pdu->version) {
    case SNMP_VERSION_1: text = "v1"; break;
    case SNMP_VERSION_2c: text = "v2c"; break;
    case SNMP_VERSION_3: text = "v3"; break;
    default: text = "v?"; break;
    }
    if (pdu->version == SNMP_VERSION_3) {
        text += " user=" + std::string(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
        text += " level=";
        text += levelName(pdu->securityLevel);
    } else {
        text += " community=" + std::string(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    }
    return text;
}

std::string pduText(const netsnmp_pdu* pdu)
{
    std::string text = pduOriginText(pdu);
    text += ' ';
    text += commandName(pdu->command);
    text += " reqid=" + std::to_string(pdu->reqid);
    if (pdu->command == SNMP_MSG_GETBULK) {
        text += " non-repeaters=" + std::to_string(pdu->errstat) + " max-repetitions=" + std::to_string(pdu->errindex);
    } else if (pdu->command == SNMP_MSG_RESPONSE || pdu->command == SNMP_MSG_REPORT) {
        text += " error=" + std::string(errorStatusName(pdu->errstat)) + "(" + std::to_string(pdu->errstat) + ")";
        text += " index=" + std::to_string(pdu->errindex);
    }
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable) text += " " + varbindText(vb);
    return text;
}

}  // namespace ksw::sim
