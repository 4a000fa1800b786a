#include "netsnmp_pdu.h"

#include "dotted_numbers.h"
#include "error_numbers.h"

#include <cstring>
#include <vector>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace NetSnmpPdu {
namespace {

// Numeric OIDs only: no MIB is loaded, so names like "sysName.0" are never resolved.
bool ParseOid(const QString& text, std::vector<oid>& parsed)
{
    parsed.clear();
    QStringView rest(text);
    if (rest.startsWith(u'.')) rest = rest.mid(1);
    if (!ParseDottedNumbers(rest, parsed)) return false;
    return parsed.size() >= 2 && parsed.size() <= MAX_OID_LEN;
}

QString OidText(const oid* name, size_t length)
{
    return DottedNumbersText(name, length);
}

// A copy in malloc'd memory, as net-snmp frees the PDU's fields with free().
template <typename T>
bool CopyOctets(const QByteArray& from, T*& to, size_t& length)
{
    to = static_cast<T*>(malloc(static_cast<size_t>(from.size()) + 1));
    if (!to) return false;
    memcpy(to, from.constData(), static_cast<size_t>(from.size()));
    reinterpret_cast<char*>(to)[from.size()] = '\0';
    length = static_cast<size_t>(from.size());
    return true;
}

int AddValue(netsnmp_pdu* pdu, const std::vector<oid>& name, const QxVb& vb)
{
    const auto add = [&](u_char type, const void* value, size_t length) {
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, value, length) ? 0 : SnmpErr::InvalidPdu;
    };
    switch (vb.Syntax) {
    case Syntax::Integer: {
        if (vb.Integer < INT32_MIN || vb.Integer > INT32_MAX) return SnmpErr::InvalidPdu;
        const long value = static_cast<long>(vb.Integer);
        return add(ASN_INTEGER, &value, sizeof(value));
    }
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks: {
        if (vb.Unsigned > 0xFFFFFFFFull) return SnmpErr::InvalidPdu;
        const u_long value = static_cast<u_long>(vb.Unsigned);
        return add(vb.Syntax, &value, sizeof(value));
    }
    case Syntax::Counter64: {
        struct counter64 value;
        value.high = static_cast<u_long>(vb.Unsigned >> 32);
        value.low = static_cast<u_long>(vb.Unsigned & 0xFFFFFFFFull);
        return add(ASN_COUNTER64, &value, sizeof(value));
    }
    case Syntax::IpAddress:
        if (vb.Bytes.size() != 4) return SnmpErr::InvalidPdu;
        return add(ASN_IPADDRESS, vb.Bytes.constData(), 4);
    case Syntax::OctetString:
    case Syntax::Opaque:
        return add(vb.Syntax, vb.Bytes.constData(), static_cast<size_t>(vb.Bytes.size()));
    case Syntax::ObjectId: {
        std::vector<oid> value;
        if (!ParseOid(vb.ObjectId, value)) return SnmpErr::InvalidOid;
        return add(ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
    }
    case Syntax::Null:
    case Syntax::NoSuchObject:
    case Syntax::NoSuchInstance:
    case Syntax::EndOfMibView:
        return add(ASN_NULL, nullptr, 0);
    default:
        return SnmpErr::InvalidPdu;
    }
}

int SetVersion(netsnmp_pdu* pdu, uint8_t version)
{
    switch (version) {
    case 0: pdu->version = SNMP_VERSION_1; return 0;
    case 1: pdu->version = SNMP_VERSION_2c; return 0;
    case 3: pdu->version = SNMP_VERSION_3; return 0;
    default: return SnmpErr::InvalidTarget;
    }
}

int SetCommunity(netsnmp_pdu* pdu, const QString& community)
{
    return CopyOctets(community.toUtf8(), pdu->community, pdu->community_len) ? 0 : SnmpErr::ResourceUnavailable;
}

int SetUsmFields(netsnmp_pdu* pdu, const QxTarget& target, const QxPdu& request, const QByteArray& engineId)
{
    if (request.SecurityLevel < SNMP_SEC_LEVEL_NOAUTH || request.SecurityLevel > SNMP_SEC_LEVEL_AUTHPRIV)
        return SnmpErr::UsmUnsupportedSecLevel;
    // USM is the only security model of SNMPv3 this program speaks.
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = request.SecurityLevel;
    QByteArray contextEngineId = ContextEngineIdOctets(request.ContextEngineId);
    if (contextEngineId.isEmpty()) contextEngineId = engineId;
    const bool copied = CopyOctets(target.SecurityName.toUtf8(), pdu->securityName, pdu->securityNameLen) &&
                        CopyOctets(request.ContextName.toUtf8(), pdu->contextName, pdu->contextNameLen) &&
                        CopyOctets(engineId, pdu->securityEngineID, pdu->securityEngineIDLen) &&
                        CopyOctets(contextEngineId, pdu->contextEngineID, pdu->contextEngineIDLen);
    return copied ? 0 : SnmpErr::ResourceUnavailable;
}

bool IsHexText(QStringView text)
{
    for (QChar c : text)
        if (!c.isDigit() && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F')) return false;
    return true;
}

}  // namespace

int Build(const QxTarget& target, PduType type, const QxPdu& request, const QByteArray& engineId, snmp_pdu*& built)
{
    built = nullptr;
    const int command = type == PduType::Set ? SNMP_MSG_SET : type == PduType::GetNext ? SNMP_MSG_GETNEXT : SNMP_MSG_GET;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    if (!pdu) return SnmpErr::ResourceUnavailable;

    int status = SetVersion(pdu, target.Version);
    if (status == 0) {
        if (target.Version == 3)
            status = SetUsmFields(pdu, target, request, engineId);
        else
            status = SetCommunity(pdu, type == PduType::Set ? target.WriteCommunity : target.ReadCommunity);
    }
    std::vector<oid> name;
    for (const QxVb& vb : request.Vbs) {
        if (status != 0) break;
        if (!ParseOid(vb.Oid, name))
            status = SnmpErr::InvalidOid;
        else if (type == PduType::Set)
            status = AddValue(pdu, name, vb);
        else
            status = snmp_add_null_var(pdu, name.data(), name.size()) ? 0 : SnmpErr::InvalidPdu;
    }
    if (status != 0) {
        snmp_free_pdu(pdu);
        return status;
    }
    built = pdu;
    return 0;
}

snmp_pdu* BuildDiscoveryProbe()
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    if (!pdu) return nullptr;
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    if (!CopyOctets(QByteArray(), pdu->securityName, pdu->securityNameLen) ||
        !CopyOctets(QByteArray(), pdu->contextName, pdu->contextNameLen)) {
        snmp_free_pdu(pdu);
        return nullptr;
    }
    return pdu;
}

QxPdu Convert(const snmp_pdu& received)
{
    QxPdu answer;
    answer.ErrorStatus = static_cast<int32_t>(received.errstat);
    answer.ErrorIndex = static_cast<int32_t>(received.errindex);
    if (received.version == SNMP_VERSION_3) {
        answer.SecurityLevel = received.securityLevel;
        if (received.contextName)
            answer.ContextName = QString::fromUtf8(received.contextName, static_cast<qsizetype>(received.contextNameLen));
        if (received.contextEngineID)
            answer.ContextEngineId = QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(received.contextEngineID),
                           static_cast<qsizetype>(received.contextEngineIDLen))
                    .toHex());
    }
    for (const netsnmp_variable_list* var = received.variables; var; var = var->next_variable) {
        QxVb vb;
        vb.Oid = OidText(var->name, var->name_length);
        vb.Syntax = var->type;
        switch (var->type) {
        case ASN_INTEGER:
            vb.Integer = var->val.integer ? *var->val.integer : 0;
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            vb.Unsigned = var->val.integer ? (static_cast<u_long>(*var->val.integer) & 0xFFFFFFFFul) : 0;
            break;
        case ASN_COUNTER64:
            if (var->val.counter64)
                vb.Unsigned = (static_cast<uint64_t>(var->val.counter64->high & 0xFFFFFFFFul) << 32) |
                              (var->val.counter64->low & 0xFFFFFFFFul);
            break;
        case ASN_OCTET_STR:
        case ASN_IPADDRESS:
        case ASN_OPAQUE:
        case ASN_NSAP:
        case ASN_BIT_STR:
            if (var->val.string)
                vb.Bytes = QByteArray(reinterpret_cast<const char*>(var->val.string), static_cast<qsizetype>(var->val_len));
            break;
        case ASN_OBJECT_ID:
            if (var->val.objid) vb.ObjectId = OidText(var->val.objid, var->val_len / sizeof(oid));
            break;
        default:
            break;
        }
        answer.Vbs.push_back(std::move(vb));
    }
    return answer;
}

QByteArray ContextEngineIdOctets(const QString& text)
{
    QStringView hex = QStringView(text).trimmed();
    if (hex.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) hex = hex.mid(2);
    const bool engineIdSized = hex.size() % 2 == 0 && hex.size() >= 10 && hex.size() <= 64;
    if (engineIdSized && IsHexText(hex)) return QByteArray::fromHex(hex.toLatin1());
    return text.toUtf8();
}

}  // namespace NetSnmpPdu
