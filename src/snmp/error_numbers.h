#pragma once
// Every error number the program raises or hands on, in one place. MapSnmpError and the
// message catalogues give them their texts; a number defined twice would drift apart.

// The library's own codes (-501..-528) used in the code; entry N of the library catalogue
// goes with code -(500 + N).
namespace LibErr {
constexpr int SessionCreate = -506;
constexpr int BootCounterLoad = -507;
constexpr int BootCounterSave = -508;
constexpr int BadAddress = -509;
constexpr int NextOnSingle = -510;
constexpr int BadSyntax = -511;
constexpr int KeyCount = -514;
constexpr int BadKind = -515;
constexpr int PartSyntax = -517;
constexpr int PartValue = -518;
constexpr int PartRange = -519;
constexpr int NoOptionList = -520;
constexpr int BadControl = -521;
constexpr int TooFewControls = -522;
constexpr int Unknown = -528;
}  // namespace LibErr

// Codes of the PDU error statuses (-100 minus the status) that the engine acts on itself.
namespace PduErr {
constexpr int NoSuchName = -102;
}  // namespace PduErr

// The session's numbering of what net-snmp reports: class errors -1..-23, message-processing
// errors -1402..-1418 and USM errors 1401..1414, each named after its catalogue text.
namespace SnmpErr {
constexpr int Ok = 0;
constexpr int OperationFailed = -1;
constexpr int ResourceUnavailable = -2;
constexpr int Timeout = -5;
constexpr int AnswerReceived = -6;
constexpr int SessionClosing = -8;
constexpr int ClassNotValid = -10;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int NullCallback = -13;
constexpr int NotSupportedOnTarget = -16;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int TransportNotSupported = -20;
constexpr int TransportInUse = -21;
constexpr int TransportFailed = -22;

constexpr int MpUnsupportedSecModel = -1402;
constexpr int MpInvalidMessage = -1405;
constexpr int MpInvalidEngineId = -1406;
constexpr int MpParseError = -1408;
constexpr int MpCommunityFormat = -1411;
constexpr int MpUnknownPduHandlers = -1415;
constexpr int MpUnavailableContext = -1416;
constexpr int MpUnknownContext = -1417;

constexpr int UsmError = 1401;
constexpr int UsmUnsupportedSecLevel = 1403;
constexpr int UsmUnknownSecName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationError = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;
}  // namespace SnmpErr
