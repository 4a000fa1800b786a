#include "netsnmp_status.h"

#include "error_numbers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <iterator>

namespace NetSnmpStatus {
namespace {

namespace N = SnmpErr;

struct Row {
    int netsnmp;
    int ours;
};

// net-snmp's SNMPERR_* numbers. The agent's own verdicts (wrong digest, unknown user...)
// arrive as reports and are translated by kReports below; these rows cover what the library
// itself detects, mostly before anything is sent.
constexpr Row kLibraryErrors[] = {
    {SNMPERR_SUCCESS, N::Ok},
    {SNMPERR_GENERR, N::OperationFailed},
    {SNMPERR_BAD_LOCPORT, N::TransportInUse},
    {SNMPERR_BAD_ADDRESS, N::InvalidAddress},
    {SNMPERR_BAD_SESSION, N::ClassNotValid},
    {SNMPERR_TOO_LONG, N::InvalidPdu},
    {SNMPERR_NO_SOCKET, N::TransportFailed},
    {SNMPERR_V2_IN_V1, N::NotSupportedOnTarget},
    {SNMPERR_V1_IN_V2, N::NotSupportedOnTarget},
    {SNMPERR_BAD_REPEATERS, N::InvalidPdu},
    {SNMPERR_BAD_REPETITIONS, N::InvalidPdu},
    {SNMPERR_BAD_ASN1_BUILD, N::InvalidPdu},
    {SNMPERR_BAD_SENDTO, N::TransportFailed},
    {SNMPERR_BAD_PARSE, N::MpParseError},
    {SNMPERR_BAD_VERSION, N::InvalidTarget},
    {SNMPERR_BAD_CONTEXT, N::MpUnknownContext},
    {SNMPERR_BAD_COMMUNITY, N::MpCommunityFormat},
    {SNMPERR_NOAUTH_DESPRIV, N::UsmUnsupportedSecLevel},
    {SNMPERR_ABORT, N::SessionClosing},
    {SNMPERR_UNKNOWN_PDU, N::InvalidPdu},
    {SNMPERR_TIMEOUT, N::Timeout},
    {SNMPERR_BAD_RECVFROM, N::TransportFailed},
    {SNMPERR_BAD_ENG_ID, N::MpInvalidEngineId},
    {SNMPERR_BAD_SEC_NAME, N::UsmUnknownSecName},
    {SNMPERR_BAD_SEC_LEVEL, N::UsmUnsupportedSecLevel},
    {SNMPERR_ASN_PARSE_ERR, N::MpParseError},
    {SNMPERR_UNKNOWN_SEC_MODEL, N::MpUnsupportedSecModel},
    {SNMPERR_INVALID_MSG, N::MpInvalidMessage},
    {SNMPERR_UNKNOWN_ENG_ID, N::UsmUnknownEngineId},
    {SNMPERR_UNKNOWN_USER_NAME, N::UsmUnknownSecName},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, N::UsmUnsupportedSecLevel},
    {SNMPERR_AUTHENTICATION_FAILURE, N::UsmAuthenticationFailure},
    {SNMPERR_NOT_IN_TIME_WINDOW, N::UsmNotInTimeWindow},
    {SNMPERR_DECRYPTION_ERR, N::UsmDecryptionError},
    {SNMPERR_SC_GENERAL_FAILURE, N::UsmError},
    {SNMPERR_SC_NOT_CONFIGURED, N::UsmError},
    {SNMPERR_KT_NOT_AVAILABLE, N::UsmError},
    {SNMPERR_USM_GENERICERROR, N::UsmError},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, N::UsmUnknownSecName},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, N::UsmUnsupportedSecLevel},
    {SNMPERR_USM_ENCRYPTIONERROR, N::UsmEncryptionError},
    // Raised while signing or checking a message here, not by the agent's verdict.
    {SNMPERR_USM_AUTHENTICATIONFAILURE, N::UsmAuthenticationError},
    {SNMPERR_USM_PARSEERROR, N::UsmParseError},
    {SNMPERR_USM_UNKNOWNENGINEID, N::UsmUnknownEngineId},
    {SNMPERR_USM_NOTINTIMEWINDOW, N::UsmNotInTimeWindow},
    {SNMPERR_USM_DECRYPTIONERROR, N::UsmDecryptionError},
    {SNMPERR_NOMIB, N::InvalidOid},
    {SNMPERR_RANGE, N::InvalidPdu},
    {SNMPERR_MAX_SUBID, N::InvalidOid},
    {SNMPERR_BAD_SUBID, N::InvalidOid},
    {SNMPERR_LONG_OID, N::InvalidOid},
    {SNMPERR_BAD_NAME, N::InvalidOid},
    {SNMPERR_VALUE, N::InvalidPdu},
    {SNMPERR_UNKNOWN_OBJID, N::InvalidOid},
    {SNMPERR_NULL_PDU, N::InvalidPdu},
    {SNMPERR_NO_VARS, N::InvalidPdu},
    {SNMPERR_VAR_TYPE, N::InvalidPdu},
    {SNMPERR_MALLOC, N::ResourceUnavailable},
    {SNMPERR_TRANSPORT_NO_CONFIG, N::TransportNotSupported},
    {SNMPERR_TRANSPORT_CONFIG_ERROR, N::TransportNotSupported},
    {SNMPERR_TLS_NO_CERTIFICATE, N::TransportNotSupported},
};

constexpr Row kCallbackOps[] = {
    {NETSNMP_CALLBACK_OP_TIMED_OUT, N::Timeout},
    {NETSNMP_CALLBACK_OP_SEND_FAILED, N::TransportFailed},
    {NETSNMP_CALLBACK_OP_DISCONNECT, N::SessionClosing},
};

struct ReportRow {
    const char* counter;  // the counter object, without its ".0"
    int ours;
};

// RFC 3412 (message processing), RFC 3413 (target MIB contexts) and RFC 3414 (USM) counters.
constexpr ReportRow kReports[] = {
    {"1.3.6.1.6.3.11.2.1.1", N::MpUnsupportedSecModel},   // snmpUnknownSecurityModels
    {"1.3.6.1.6.3.11.2.1.2", N::MpInvalidMessage},        // snmpInvalidMsgs
    {"1.3.6.1.6.3.11.2.1.3", N::MpUnknownPduHandlers},    // snmpUnknownPDUHandlers
    {"1.3.6.1.6.3.12.1.4", N::MpUnavailableContext},      // snmpUnavailableContexts
    {"1.3.6.1.6.3.12.1.5", N::MpUnknownContext},          // snmpUnknownContexts
    {"1.3.6.1.6.3.15.1.1.1", N::UsmUnsupportedSecLevel},  // usmStatsUnsupportedSecLevels
    {"1.3.6.1.6.3.15.1.1.2", N::UsmNotInTimeWindow},      // usmStatsNotInTimeWindows
    {"1.3.6.1.6.3.15.1.1.3", N::UsmUnknownSecName},       // usmStatsUnknownUserNames
    {"1.3.6.1.6.3.15.1.1.4", N::UsmUnknownEngineId},      // usmStatsUnknownEngineIDs
    {"1.3.6.1.6.3.15.1.1.5", N::UsmAuthenticationFailure},// usmStatsWrongDigests
    {"1.3.6.1.6.3.15.1.1.6", N::UsmDecryptionError},      // usmStatsDecryptionErrors
};

int Lookup(const Row* begin, const Row* end, int number, int fallback)
{
    for (const Row* row = begin; row != end; ++row)
        if (row->netsnmp == number) return row->ours;
    return fallback;
}

}  // namespace

int FromLibraryError(int snmperr)
{
    return Lookup(std::begin(kLibraryErrors), std::end(kLibraryErrors), snmperr, N::OperationFailed);
}

int FromCallbackOp(int op)
{
    return Lookup(std::begin(kCallbackOps), std::end(kCallbackOps), op, N::OperationFailed);
}

int FromReportOid(const QString& oid)
{
    QString counter = oid.startsWith(u'.') ? oid.mid(1) : oid;
    if (counter.endsWith(QLatin1String(".0"))) counter.chop(2);
    for (const ReportRow& row : kReports)
        if (counter == QLatin1String(row.counter)) return row.ours;
    return N::OperationFailed;
}

}  // namespace NetSnmpStatus
