// The "Security Management" menu: authentication, 802.1X, RADIUS, AAC, SSH, SSL, IP-MAC binding,
// safeguard and web/MAC-based access control.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

// Security Management > Authentication Mode Setting
const QxOptionList kUserAuthenticationProtocol{{2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}};
const QxOptionList kPortBaseMacBaseNone123{{1, "portBase"}, {2, "macBase"}, {3, "none"}};
constexpr QxSNMPVarDesc kAuthenticationModeSetting[] = {
    {"1.3.6.1.4.1.58126.12.3.1.1", "User Authentication Protocol", 2, 6, &kUserAuthenticationProtocol},
    {"1.3.6.1.4.1.58126.12.3.1.2", "Device Authentication Mode", 2, 6, &kPortBaseMacBaseNone123},
    {},
};

// Security Management > Authorization State
constexpr QxSNMPVarDesc kAuthorizationState[] = {
    {"1.3.6.1.4.1.58126.12.3.1.3", "Authorization State", 2, 6, &kEnabledDisabled12},
    {},
};

// Security Management > 802.1X > 802.1X Configuration
constexpr QxSNMPVarDesc k8021XConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", 2, 6, &kEnabledDisabled12},
    {},
};

// Security Management > 802.1X > 802.1X Port Table
constexpr QxSNMPVarDesc k8021XPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 2, 1},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", 66, 2},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", 3, 2},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", 2, 6, &kTrueFalse12},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", 2, 6, &kTrueFalse12},
    {},
};

// Security Management > 802.1X > 802.1X Port Configuration
const QxOptionList kBothIn01{{0, "both"}, {1, "in"}};
const QxOptionList kPortControl{{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}};
constexpr QxSNMPVarDesc k8021XPortConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 2, 1},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", 2, 2, &kPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", 2, 2, &kBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", 2, 6, &kBothIn01},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", 2, 2, &kBothIn01},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", 2, 2, &kAuthorizedUnauthorized12},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", 2, 6, &kPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", 66, 6},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", 2, 6, &kTrueFalse12},
    {},
};

// Security Management > 802.1X > 802.1X Port Statistics
constexpr QxSNMPVarDesc k8021XPortStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 2, 1},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", 66, 2},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", 73, 2},
    {},
};

// Security Management > 802.1X > 802.1X Port Diagnostics
constexpr QxSNMPVarDesc k8021XPortDiagnostics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 2, 1},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication EAP Starts While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication EAP Logoff While Authenticating", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication EAP Starts While Authenticated", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication EAP Logoff While Authenticated", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", 65, 2},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", 65, 2},
    {},
};

// Security Management > 802.1X > 802.1X Port Session Statistics
constexpr QxSNMPVarDesc k8021XPortSessionStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 2, 1},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", 70, 2},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", 70, 2},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", 65, 2},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", 65, 2},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", 76, 2},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", 2, 2, &kSessionAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", 67, 2},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", 2, 2, &kSessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", 76, 2},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > State Table
constexpr QxSNMPVarDesc kMACBasedAuthenticationStateTable[] = {
    {"1.3.6.1.4.1.58126.12.3.6.1.1.1", "PAE MAC Address", 73, 1},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.2", "PAE Port Number", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.3", "PAE State", 2, 2, &kPaeState},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.4", "Backend  State", 2, 2, &kBackendAuthState},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.5", "Control Led Port Status", 2, 2, &kAuthorizedUnauthorized12},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > Session Information (hidden)
constexpr QxSNMPVarDesc kSessionInformation[] = {
    {"1.3.6.1.4.1.58126.12.3.6.1.1.1", "PAE MAC Address", 73, 2},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.2", "PAE Port Number", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.1", "Session Octets RX", 70, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.2", "Session Octets TX", 70, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.3", "Session Frames RX", 65, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.4", "Session Frames TX", 65, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.5", "Session ID", 76, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.6", "Session Authentic Method", 2, 2, &kSessionAuthenticMethod},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.7", "Session Time", 67, 2},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.8", "Session Terminate Cause", 2, 2, &kSessionTerminateCause},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.9", "Session User Name", 76, 2},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > Authentication Port Control
const QxOptionList kNoneAuthenticator12{{1, "none"}, {2, "authenticator"}};
constexpr QxSNMPVarDesc kAuthenticationPortControl[] = {
    {"1.3.6.1.4.1.58126.12.3.8.1.1.1", "Authentication Port Number", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.8.1.1.2", "Authentication Port Capabilities", 2, 6, &kNoneAuthenticator12},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > MAC-based PAE Port Control
const QxOptionList kPortInitializeOrReauthenticateStatus{{1, "other"}, {2, "initialize"}, {3, "reauthenticate"}};
constexpr QxSNMPVarDesc kMACBasedPAEPortControl[] = {
    {"1.3.6.1.4.1.58126.12.3.9.1.1.1", "Port Number", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.9.1.1.2", "MAC Address", 73, 6},
    {"1.3.6.1.4.1.58126.12.3.9.1.1.3", "Port Initialize Or Reauthenticate Status", 2, 6, &kPortInitializeOrReauthenticateStatus},
    {},
};

// Security Management > RADIUS Management > RADIUS Server Table
const QxOptionList kServerIndex{{1, "RadiusServerIndex-1"}, {2, "RadiusServerIndex-2"}, {3, "RadiusServerIndex-3"}};
constexpr QxSNMPVarDesc kRADIUSServerTable[] = {
    {"1.3.6.1.4.1.58126.12.3.2.4.1.1", "Server Index", 2, 1, &kServerIndex},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.2", "Server IP", 64, 2},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.4", "Auth-Port Number", 66, 2},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.5", "Acct-Port Number", 66, 2},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.6", "Server Status", 2, 2, &kRowStatus},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.7", "Server Timeout", 66, 2},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.8", "Server Retransmit", 66, 2},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.9", "Server Address Type", 2, 2, &kInetAddressType},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.10", "Server Address", 4, 2},
    {},
};

// Security Management > RADIUS Management > Authentication Information
constexpr QxSNMPVarDesc kAuthenticationInformation[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", 76, 2},
    {},
};

// Security Management > RADIUS Management > Authentication Table
constexpr QxSNMPVarDesc kAuthenticationTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", 2, 1},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", 64, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", 2, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", 67, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", 66, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", 65, 2},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", 65, 2},
    {},
};

// Security Management > RADIUS Management > Accounting Control > Basic Information
constexpr QxSNMPVarDesc kAccountingControlBasicInformation[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", 76, 2},
    {},
};

// Security Management > RADIUS Management > Accounting Control > Server Table
constexpr QxSNMPVarDesc kAccountingControlServerTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", 2, 1},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", 64, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", 2, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", 67, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", 66, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", 65, 2},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", 65, 2},
    {},
};

// Security Management > AAC > AAC Control
constexpr QxSNMPVarDesc kAACControl[] = {
    {"1.3.6.1.4.1.58126.12.5.1.1", "AAC Authen Admin State", 2, 6, &kDisabledEnabled23},
    {},
};

// Security Management > AAC > AAC Information
constexpr QxSNMPVarDesc kAACInformation[] = {
    {"1.3.6.1.4.1.58126.12.5.2.1", "AAC Max Method List", 2, 2},
    {"1.3.6.1.4.1.58126.12.5.2.2", "AAC Max Enable Method List", 2, 2},
    {"1.3.6.1.4.1.58126.12.5.2.3", "AAC Max ServerGroup", 2, 2},
    {"1.3.6.1.4.1.58126.12.5.2.4", "AAC Max Server", 2, 2},
    {"1.3.6.1.4.1.58126.12.5.8.1", "AAC Response Timeout[0..255]", 2, 6},
    {"1.3.6.1.4.1.58126.12.5.8.2", "AAC Attempt[1..255]", 2, 6},
    {},
};

// Security Management > AAC > Login Information
constexpr QxSNMPVarDesc kLoginInformation[] = {
    {"1.3.6.1.4.1.58126.12.5.7.1.1", "AP Console Login Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.2.1", "AP Console Enable Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.1.2", "AP Telnet Login Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.2.2", "AP Telnet Enable Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.1.3", "AP SSH Login Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.2.3", "AP SSH Enable Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.1.4", "AP Http Login Method", 76, 6},
    {"1.3.6.1.4.1.58126.12.5.7.2.4", "AP Http Enable Method", 76, 6},
    {},
};

// Security Management > Multiple Authentication > Multiple Authentication Guest VLAN Table
constexpr QxSNMPVarDesc kMultipleAuthenticationGuestVLANTable[] = {
    {"1.3.6.1.4.1.58126.12.3.11.2.1.1", "Guest VLAN ID", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.11.2.1.2", "Guest VLAN Ports", 3, 6},
    {"1.3.6.1.4.1.58126.12.3.11.2.1.3", "Guest VLAN Row Status", 2, 6, &kRowStatus},
    {},
};

// Security Management > Multiple Authentication > Multiple Authentication Port Table
const QxOptionList kHostbasedPortbased01{{0, "hostbased"}, {1, "portbased"}};
const QxOptionList kMultipleAuthenticationPortMethod{
    {0, "none"}, {1, "any"}, {2, "dot1xImp"}, {3, "impJwac"}, {4, "impWac"},
};
constexpr QxSNMPVarDesc kMultipleAuthenticationPortTable[] = {
    {"1.3.6.1.4.1.58126.12.3.11.1.1.1", "Multiple Authentication Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.3.11.1.1.2", "Multiple Authentication Port Mode", 2, 6, &kHostbasedPortbased01},
    {"1.3.6.1.4.1.58126.12.3.11.1.1.3", "Multiple Authentication Port Method", 2, 6, &kMultipleAuthenticationPortMethod},
    {},
};

// Security Management > SSH > SSH Management
const QxOptionList kSSHSessionKeyRekeying{{0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}};
constexpr QxSNMPVarDesc kSSHManagement[] = {
    {"1.3.6.1.4.1.58126.12.6.1.1", "SSH Version", 2, 2},
    {"1.3.6.1.4.1.58126.12.6.1.2", "SSH Administration", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.1.3", "SSH Max Authentication Fail Attempts", 2, 6},
    {"1.3.6.1.4.1.58126.12.6.1.4", "SSH Session Key Rekeying", 2, 6, &kSSHSessionKeyRekeying},
    {"1.3.6.1.4.1.58126.12.6.1.5", "SSH Max Session", 2, 6},
    {"1.3.6.1.4.1.58126.12.6.1.6", "SSH Connection Timeout", 2, 6},
    {"1.3.6.1.4.1.58126.12.6.1.7", "SSH Listened Port", 2, 2},
    {},
};

// Security Management > SSH > Diffie Hellman Algorithm (hidden)
constexpr QxSNMPVarDesc kDiffieHellmanAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.4", "SSH Key Expand Administration", 2, 2, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Encryption Algorithm
constexpr QxSNMPVarDesc kEncryptionAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.1.1", "3DES state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.2", "Blowfish state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.3", "AES128 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.4", "AES192 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.5", "AES256 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.6", "Arcfour state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.7", "Cast128 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.8", "Twofish128 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.9", "Twofish192 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.10", "Twofish256 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.1", "SHA state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.2", "MD5 state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.1", "RSA state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.2", "DSA state", 2, 6, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Authentication Method
constexpr QxSNMPVarDesc kAuthenticationMethod[] = {
    {"1.3.6.1.4.1.58126.12.6.3.2.1", "Password Authentication Administration", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.2.2", "Public Key Authentication Administration", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.2.3", "Host Key Authentication Administration", 2, 6, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > HMAC Algorithm (hidden)
constexpr QxSNMPVarDesc kHMACAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.3.1", "HMAC-SHA1 Administration", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.2", "HMAC-MD5 Administration", 2, 6, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Public Key Algorithm (hidden)
constexpr QxSNMPVarDesc kPublicKeyAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.5.1", "RSA state", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.2", "DSA state", 2, 6, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > User Control Table (hidden)
const QxOptionList kSSHUserAuthMode{{1, "hostbased"}, {2, "password"}, {3, "publickey"}};
constexpr QxSNMPVarDesc kUserControlTable[] = {
    {"1.3.6.1.4.1.58126.12.6.4.1.1.1", "SSH User Name", 76, 1},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.2", "SSH User Auth Mode", 2, 6, &kSSHUserAuthMode},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.3", "SSH User Host Name", 76, 6},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.4", "SSH User Host IP Address", 64, 6},
    {},
};

// Security Management > SSL > SSL Certificate File
const QxOptionList kCertificateFileCtrl{{1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}};
const QxOptionList kNoneRsaDsa123{{1, "none"}, {2, "rsa"}, {3, "dsa"}};
constexpr QxSNMPVarDesc kSSLCertificateFile[] = {
    {"1.3.6.1.4.1.58126.12.7.2.1", "Certificate File IP Address", 64, 6},
    {"1.3.6.1.4.1.58126.12.7.2.2", "Certificate File Path", 76, 6},
    {"1.3.6.1.4.1.58126.12.7.2.3", "Certificate Key File Path", 76, 6},
    {"1.3.6.1.4.1.58126.12.7.2.4", "Certificate File Ctrl", 2, 6, &kCertificateFileCtrl},
    {"1.3.6.1.4.1.58126.12.7.2.5", "Certificate File Show Satus", 2, 2, &kNoneRsaDsa123},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding Control
const QxOptionList kAllPortState{{2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}};
constexpr QxSNMPVarDesc kIPMACBindingControl[] = {
    {"1.3.6.1.4.1.58126.12.23.1.1", "Trap Log State", 2, 6, &kEnableDisable23},
    {"1.3.6.1.4.1.58126.12.23.3.1", "All Port State", 2, 6, &kAllPortState},
    {"1.3.6.1.4.1.58126.12.23.1.4", "DHCP Snoop State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.1.5", "DHCP Snoop Entry Clear All State", 2, 6, &kOtherStart12},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding Port Information
const QxOptionList kArpAcl12{{1, "arp"}, {2, "acl"}};
constexpr QxSNMPVarDesc kIPMACBindingPortInformation[] = {
    {"1.3.6.1.4.1.58126.12.23.3.2.1.1", "Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.2", "Port State", 2, 6, &kEnableDisable23},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.3", "Zero IP State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.4", "Port Forward DHCP Packet", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.5", "Port DHCP Snoop Max Entry", 2, 6},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.6", "Port DHCP Snoop Entry Clear Action", 2, 6, &kOtherStart12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.7", "Port Mode", 2, 6, &kArpAcl12},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding DHCP Snoop Table
const QxOptionList kInactiveActive12{{1, "inactive"}, {2, "active"}};
constexpr QxSNMPVarDesc kIPMACBindingDHCPSnoopTable[] = {
    {"1.3.6.1.4.1.58126.12.23.4.3.1.1", "DHCP Snoop IP Index", 64, 1},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.2", "DHCP Snoop MAC Address", 73, 2},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.3", "DHCP Snoop Lease Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.4", "DHCP Snoop Port", 2, 2},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.5", "DHCP Snoop Status", 2, 2, &kInactiveActive12},
    {},
};

// Security Management > Safeguard Engine > Global Management
constexpr QxSNMPVarDesc kGlobalManagement[] = {
    {"1.3.6.1.4.1.58126.12.19.1.1", "Safeguard Admin State", 2, 6, &kOtherDisabledEnabled123},
    {},
};

// Security Management > Safeguard Engine > ARP Storm Control (hidden)
constexpr QxSNMPVarDesc kARPStormControl[] = {
    {"1.3.6.1.4.1.58126.12.19.3.1", "ARP Storm Threshold", 2, 6},
    {},
};

// Security Management > Web-based Access Control > Web-based Access Global Control
const QxOptionList kLocalRADIUS12{{1, "local"}, {2, "RADIUS"}};
constexpr QxSNMPVarDesc kWebBasedAccessGlobalControl[] = {
    {"1.3.6.1.4.1.58126.12.27.1.1", "State", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.27.1.2", "Method", 2, 6, &kLocalRADIUS12},
    {"1.3.6.1.4.1.58126.12.27.1.5", "Default Redirect Path", 76, 6},
    {"1.3.6.1.4.1.58126.12.27.1.7", "Virtual IP Addrass", 64, 6},
    {"1.3.6.1.4.1.58126.12.27.1.8", "Switch HTTP Protocol", 2, 6, &kHttpHttps12},
    {"1.3.6.1.4.1.58126.12.27.1.9", "Switch HTTP Port", 2, 6},
    {"1.3.6.1.4.1.58126.12.27.1.10", "Auth Fail Over State", 2, 6, &kEnabledDisabled12},
    {},
};

// Security Management > Web-based Access Control > Web Authentication Port Table
constexpr FormatAt kWebAuthenticationPortTableFormats[] = {
    {2, "%i{n0x1440l4}"}, {3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"},
};
constexpr QxSNMPVarDesc kWebAuthenticationPortTable[] = {
    {"1.3.6.1.4.1.58126.12.27.3.1.1.1", "Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.2", "Port State", 2, 6, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.6", "Ageing Time [Min:0(infinite) | 1-1440]", 2, 6},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.7", "Idle Time [Min:0(infinite) | 1-1440]", 2, 6},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.8", "Block Time [Sec:0-300]", 2, 6},
    {},
};

// Security Management > Web-based Access Control > Web Authentication User Table (hidden)
constexpr QxSNMPVarDesc kWebAuthenticationUserTable[] = {
    {"1.3.6.1.4.1.58126.12.27.3.2.1.1", "User Name Index", 76, 1},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.2", "User Password", 76, 6},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.3", "User VLAN Name", 76, 6},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.4", "User Status", 2, 6, &kActiveCreateAndGoDestroy146},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.5", "User VID", 2, 6},
    {},
};

// Security Management > Web-based Access Control > Web Authentication Information Table
constexpr QxSNMPVarDesc kWebAuthenticationInformationTable[] = {
    {"1.3.6.1.4.1.58126.12.27.2.1.1.1", "Port", 2, 1},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.2", "Status", 2, 1, &kHostAuthState},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.3", "MAC Address", 73, 1},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.4", "VID", 2, 2},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.5", "Remain Age Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.6", "Idle Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.7", "Block Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.8", "Status", 2, 6, &kActiveDelete12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Port Information Table
const QxOptionList kMACBasedAccessControlPortInformationTableStatus{
    {1, "unconnected"}, {2, "connecting"}, {3, "authenticating"}, {4, "authenticated"}, {5, "failure"},
};
constexpr QxSNMPVarDesc kMACBasedAccessControlPortInformationTable[] = {
    {"1.3.6.1.4.1.58126.12.35.2.1.1.1", "Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.2", "MAC Index", 73, 1},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.3", "Status", 2, 2, &kMACBasedAccessControlPortInformationTableStatus},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.4", "Assign VLAN Name", 76, 2},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.5", "Clear MAC Action", 2, 6, &kOtherStart12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Port Management Table
const QxOptionList kPortBasedHostBased12{{1, "port_based"}, {2, "host_based"}};
constexpr FormatAt kMACBasedAccessControlPortManagementTableFormats[] = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"}};
constexpr QxSNMPVarDesc kMACBasedAccessControlPortManagementTable[] = {
    {"1.3.6.1.4.1.58126.12.35.3.1.1.1", "Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.2", "Port State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.3", "Port Mode", 2, 6, &kPortBasedHostBased12},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.4", "Port Aging Time [Min:0(infinite) | 1-1440]", 2, 6},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.5", "Port Hold Time [Sec:0(infinite) | 1-300]", 2, 6},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.6", "Clear Port Action", 2, 6, &kOtherStart12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Datebase Table
constexpr QxSNMPVarDesc kMACBasedAccessControlDatebaseTable[] = {
    {"1.3.6.1.4.1.58126.12.35.4.1.1.1", "Database MAC Index", 73, 1},
    {"1.3.6.1.4.1.58126.12.35.4.1.1.2", "Database VLAN Name", 76, 6},
    {"1.3.6.1.4.1.58126.12.35.4.1.1.3", "Database Status", 2, 6, &kActiveCreateAndGoDestroy146},
    {},
};

// Security Management > MAC-based Access Control > MAC-Based Access Control Clear All Action
constexpr QxSNMPVarDesc kMACBasedAccessControlClearAllAction[] = {
    {"1.3.6.1.4.1.58126.12.35.1.8", "MAC Based Authentication Clear All Action", 2, 6, &kOtherStart12},
    {},
};

// Security Management > JWAC Management > JWAC Control
const QxOptionList kRedirectDestination{{1, "quarantine_server"}, {2, "jwac_login_page"}};
const QxOptionList kRADIUSProtocol{
    {1, "local"}, {2, "pap"}, {3, "chap"}, {4, "ms_chap"}, {5, "ms_chapv2"}, {6, "eap_md5"},
};
constexpr QxSNMPVarDesc kJWACControl[] = {
    {"1.3.6.1.4.1.58126.12.39.1.1", "State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.2", "Redirect State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.3", "Forcible Logout State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.4", "UDP Filtering State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.5", "Quarantine Server Monitor State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.6", "Quarantine Server Error Time Out", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.1.7", "Redirect Destination", 2, 6, &kRedirectDestination},
    {"1.3.6.1.4.1.58126.12.39.1.8", "Redirect Delay Time", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.1.9", "Virtual IP Address", 64, 6},
    {"1.3.6.1.4.1.58126.12.39.1.10", "Quarantine Server URL", 76, 6},
    {"1.3.6.1.4.1.58126.12.39.1.11", "Switch HTTP Port Number", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.1.12", "Switch HTTP Protocol", 2, 6, &kHttpHttps12},
    {"1.3.6.1.4.1.58126.12.39.1.13", "RADIUS Protocol", 2, 6, &kRADIUSProtocol},
    {},
};

// Security Management > JWAC Management > JWAC Update Server Table
constexpr QxSNMPVarDesc kJWACUpdateServerTable[] = {
    {"1.3.6.1.4.1.58126.12.39.1.14.1.1", "Update Server IP Address", 64, 1},
    {"1.3.6.1.4.1.58126.12.39.1.14.1.2", "Update Server Mask", 64, 1},
    {"1.3.6.1.4.1.58126.12.39.1.14.1.3", "Update Server Status", 2, 6, &kActiveCreateAndGoDestroy146},
    {},
};

// Security Management > JWAC Management > JWAC Port Table
const QxOptionList kHostbasedPortbased12{{1, "hostbased"}, {2, "portbased"}};
constexpr FormatAt kJWACPortTableFormats[] = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x1440l4}"}, {5, "%i{n0x300l3}"}};
constexpr QxSNMPVarDesc kJWACPortTable[] = {
    {"1.3.6.1.4.1.58126.12.39.3.1.1.1", "Port Index", 2, 1},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.2", "Port State", 2, 6, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.3", "Port Max Auth Host", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.4", "Port Aging Time [Min:0(infinite) | 1-1440]", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.5", "Port Idle Time [Min:0(infinite) | 1-1440]", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.6", "Port Block Time [Sec:0(infinite) | 1-300]", 2, 6},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.7", "JWAC Port Authentication Mode", 2, 6, &kHostbasedPortbased12},
    {},
};

// Security Management > JWAC Management > JWAC Host Table
constexpr QxSNMPVarDesc kJWACHostTable[] = {
    {"1.3.6.1.4.1.58126.12.39.4.1.1.1", "Host Port", 2, 1},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.2", "Host Auth Status", 2, 1, &kHostAuthState},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.3", "Host MAC Address", 73, 1},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.4", "Host VLAN ID", 2, 2},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.5", "Host Remain Age Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.6", "Host Idle Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.7", "Host Block Time", 2, 2},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.8", "Host Status", 2, 6, &kActiveDelete12},
    {},
};

// Security Management > JWAC Management > JWAC Page Element Table
const QxOptionList kJapaneseEnglish12{{1, "japanese"}, {2, "english"}};
constexpr QxSNMPVarDesc kJWACPageElementTable[] = {
    {"1.3.6.1.4.1.58126.12.39.4.2.1.1", "JWAC Page Element Page", 2, 1, &kJapaneseEnglish12},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.2", "JWAC Page Element Page Title", 76, 6},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.3", "JWAC Page Element Login Window Title", 76, 6},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.4", "JWAC Page Element User Name", 76, 6},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.5", "JWAC Page Element PassWord", 76, 6},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.6", "JWAC Page Element Logout Window Title", 76, 6},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "security_management", .depth = 0, .caption = "Security Management"},
    {.id = "security_management.authentication_mode_setting", .depth = 1, .caption = "Authentication Mode Setting",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Mode Setting: "},
     .page = {.table = kAuthenticationModeSetting, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .extras = {.pageHeightIncreaseDpi = 10, .editWidthDpi = 142}}},
    {.id = "security_management.authorization_state", .depth = 1, .caption = "Authorization State",
     .opens = Opens::Generic, .pageCaption = {.text = "Authorization State: "},
     .page = {.table = kAuthorizationState, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.802_1x", .depth = 1, .caption = "802.1X"},
    {.id = "security_management.802_1x.802_1x_configuration", .depth = 2, .caption = "802.1X Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Configuration: "},
     .page = {.table = k8021XConfiguration, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0},
     .statusRefresh = StatusRefresh::Dot1xAfterClose},
    {.id = "security_management.802_1x.802_1x_port_table", .depth = 2, .caption = "802.1X Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Table: "},
     .page = {.table = k8021XPortTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_configuration", .depth = 2, .caption = "802.1X Port Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Configuration: "},
     .page = {.table = k8021XPortConfiguration, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_statistics", .depth = 2, .caption = "802.1X Port Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Statistics: "},
     .page = {.table = k8021XPortStatistics, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_diagnostics", .depth = 2, .caption = "802.1X Port Diagnostics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Diagnostics: "},
     .page = {.table = k8021XPortDiagnostics, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_session_statistics", .depth = 2,
     .caption = "802.1X Port Session Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Session Statistics: "},
     .page = {.table = k8021XPortSessionStatistics, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "security_management.802_1x.mac_based_authentication", .depth = 2, .caption = "MAC-based Authentication"},
    {.id = "security_management.802_1x.mac_based_authentication.state_table", .depth = 3, .caption = "State Table",
     .opens = Opens::Generic, .pageCaption = {.text = "State Table: "},
     .page = {.table = kMACBasedAuthenticationStateTable, .shape = PageShape::Table, .kind = 2, .indexCount = 2}},
    {.id = "security_management.802_1x.mac_based_authentication.diagnostics_information", .depth = 3,
     .caption = "Diagnostics Information", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Diagnostics Information: "},
     .formClass = "TDiagnosticsInformationForm"},
    {.id = "security_management.802_1x.mac_based_authentication.pae_over_land_frames_statistic_table", .depth = 3,
     .caption = "PAE Over Land  Frames Statistic Table", .hidden = true,
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MAC Statistic: "}, .formClass = "TMacStatisticTableForm"},
    {.id = "security_management.802_1x.mac_based_authentication.session_information", .depth = 3,
     .caption = "Session Information", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Session Information: "},
     .page = {.table = kSessionInformation, .shape = PageShape::Table, .kind = 2, .indexCount = 2}},
    {.id = "security_management.802_1x.mac_based_authentication.authentication_port_control", .depth = 3,
     .caption = "Authentication Port Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Port Control: "},
     .page = {.table = kAuthenticationPortControl, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.802_1x.mac_based_authentication.mac_based_pae_port_control", .depth = 3,
     .caption = "MAC-based PAE Port Control",
     .opens = Opens::Generic, .pageCaption = {.text = "MAC-based PAE Port Control: "},
     .page = {.table = kMACBasedPAEPortControl, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.802_1x.guest_vlan", .depth = 2, .caption = "Guest VLAN",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Guest VLAN: "}, .formClass = "TGuestVlanForm"},
    {.id = "security_management.radius_management", .depth = 1, .caption = "RADIUS Management"},
    {.id = "security_management.radius_management.radius_server_table", .depth = 2, .caption = "RADIUS Server Table",
     .opens = Opens::Generic, .pageCaption = {.text = "RADIUS Server Table: "},
     .page = {.table = kRADIUSServerTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "security_management.radius_management.authentication_information", .depth = 2,
     .caption = "Authentication Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Information: "},
     .page = {.table = kAuthenticationInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.radius_management.authentication_table", .depth = 2,
     .caption = "Authentication Table",
     .opens = Opens::Generic, .pageCaption = {.text = "RADIUS Authentication Table: "},
     .page = {.table = kAuthenticationTable, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "security_management.radius_management.accounting_control", .depth = 2, .caption = "Accounting Control"},
    {.id = "security_management.radius_management.accounting_control.basic_information", .depth = 3,
     .caption = "Basic Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Accounting Basic Information: "},
     .page = {.table = kAccountingControlBasicInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.radius_management.accounting_control.server_table", .depth = 3,
     .caption = "Server Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Accounting Server Table: "},
     .page = {.table = kAccountingControlServerTable, .shape = PageShape::Table, .kind = 2, .indexCount = 1}},
    {.id = "security_management.radius_management.accounting_control.service_table", .depth = 3,
     .caption = "Service Table", .hidden = true},
    {.id = "security_management.aac", .depth = 1, .caption = "AAC"},
    {.id = "security_management.aac.aac_control", .depth = 2, .caption = "AAC Control",
     .opens = Opens::Generic, .pageCaption = {.text = "AAC Control: "},
     .page = {.table = kAACControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.aac.aac_information", .depth = 2, .caption = "AAC Information",
     .opens = Opens::Generic, .pageCaption = {.text = "AAC Information Table: "},
     .page = {.table = kAACInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.aac.login_method_control", .depth = 2, .caption = "Login Method Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Login Method List: "}, .formClass = "TLoginMethodListForm"},
    {.id = "security_management.aac.login_information", .depth = 2, .caption = "Login Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Login Information: "},
     .page = {.table = kLoginInformation, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.aac.enable_method_control", .depth = 2, .caption = "Enable Method Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Enable Method: "}, .formClass = "TEnableMethodForm"},
    {.id = "security_management.aac.server_group", .depth = 2, .caption = "Server Group",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Server Group Table: "}, .formClass = "TServerGroupForm"},
    {.id = "security_management.aac.server_information", .depth = 2, .caption = "Server Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Server Information: "},
     .formClass = "TServerInformationForm"},
    {.id = "security_management.aac.server_control", .depth = 2, .caption = "Server Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Server Control: "}, .formClass = "TAAASrvCtrlForm"},
    {.id = "security_management.multiple_authentication", .depth = 1, .caption = "Multiple Authentication"},
    {.id = "security_management.multiple_authentication.multiple_authentication_guest_vlan_table", .depth = 2,
     .caption = "Multiple Authentication Guest VLAN Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Authentication Guest VLAN Control: "},
     .page = {.table = kMultipleAuthenticationGuestVLANTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.multiple_authentication.multiple_authentication_port_table", .depth = 2,
     .caption = "Multiple Authentication Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Authentication Port Table: "},
     .page = {.table = kMultipleAuthenticationPortTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.ssh", .depth = 1, .caption = "SSH"},
    {.id = "security_management.ssh.ssh_management", .depth = 2, .caption = "SSH Management",
     .opens = Opens::Generic, .pageCaption = {.text = "SSH Management Table: "},
     .page = {.table = kSSHManagement, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ssh.diffie_hellman_algorithm", .depth = 2, .caption = "Diffie Hellman Algorithm",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Diffie Hellman Algorithm Control: "},
     .page = {.table = kDiffieHellmanAlgorithm, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ssh.encryption_algorithm", .depth = 2, .caption = "Encryption Algorithm",
     .opens = Opens::Generic, .pageCaption = {.text = "Encryption Algorithm Control: "},
     .page = {.table = kEncryptionAlgorithm, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ssh.authentication_method", .depth = 2, .caption = "Authentication Method",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Method Control: "},
     .page = {.table = kAuthenticationMethod, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ssh.hmac_algorithm", .depth = 2, .caption = "HMAC Algorithm", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "HMAC Algorithm Control: "},
     .page = {.table = kHMACAlgorithm, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .extras = {.pageHeightIncreaseDpi = 15}}},
    {.id = "security_management.ssh.public_key_algorithm", .depth = 2, .caption = "Public Key Algorithm",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Public Key Algorithm Control: "},
     .page = {.table = kPublicKeyAlgorithm, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ssh.user_control_table", .depth = 2, .caption = "User Control Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "User Control Table: "},
     .page = {.table = kUserControlTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "security_management.ssl", .depth = 1, .caption = "SSL"},
    {.id = "security_management.ssl.ssl_management", .depth = 2, .caption = "SSL Management",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "SSL Management: "}, .formClass = "TSSLManagementForm"},
    {.id = "security_management.ssl.ssl_certificate_file", .depth = 2, .caption = "SSL Certificate File",
     .opens = Opens::Generic, .pageCaption = {.text = "SSL Certificate File: "},
     .page = {.table = kSSLCertificateFile, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "security_management.ip_mac_binding", .depth = 1, .caption = "IP-MAC Binding"},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_control", .depth = 2,
     .caption = "IP-MAC Binding Control",
     .opens = Opens::Generic, .pageCaption = {.text = "IP-MAC Binding Control: "},
     .page = {.table = kIPMACBindingControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_port_information", .depth = 2,
     .caption = "IP-MAC Binding Port Information",
     .opens = Opens::Generic, .pageCaption = {.text = "IP-MAC Binding Port Information: "},
     .page = {.table = kIPMACBindingPortInformation, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_table", .depth = 2, .caption = "IP-MAC Binding Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding Table: "}, .formClass = "TIPMACBindingForm"},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_blocked_table", .depth = 2,
     .caption = "IP-MAC Binding Blocked Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "IP-MAC Binding Blocked Table: "},
     .formClass = "TIpMacBindBlockedForm"},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_dhcp_snoop_table", .depth = 2,
     .caption = "IP-MAC Binding DHCP Snoop Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IP-MAC Binding DHCP Snoop Table: "},
     .page = {.table = kIPMACBindingDHCPSnoopTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
    {.id = "security_management.safeguard_engine", .depth = 1, .caption = "Safeguard Engine"},
    {.id = "security_management.safeguard_engine.global_management", .depth = 2, .caption = "Global Management",
     .opens = Opens::Generic, .pageCaption = {.text = "Safeguard Global Management: "},
     .page = {.table = kGlobalManagement, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.safeguard_engine.safeguard_control", .depth = 2, .caption = "Safeguard Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Safeguard Control: "}, .formClass = "TSafeguardCtrlForm"},
    {.id = "security_management.safeguard_engine.arp_storm_control", .depth = 2, .caption = "ARP Storm Control",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "ARP Storm Control: "},
     .page = {.table = kARPStormControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.web_based_access_control", .depth = 1, .caption = "Web-based Access Control"},
    {.id = "security_management.web_based_access_control.web_based_access_global_control", .depth = 2,
     .caption = "Web-based Access Global Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Web-based Access Global Control: "},
     .page = {.table = kWebBasedAccessGlobalControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.web_based_access_control.port_information_table", .depth = 2,
     .caption = "Port Information Table", .hidden = true},
    {.id = "security_management.web_based_access_control.web_authentication_port_table", .depth = 2,
     .caption = "Web Authentication Port Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication Port Table", .separator = " : "},
     .page = {.table = kWebAuthenticationPortTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .formats = kWebAuthenticationPortTableFormats}},
    {.id = "security_management.web_based_access_control.web_authentication_user_table", .depth = 2,
     .caption = "Web Authentication User Table", .hidden = true,
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication User Table", .separator = " : "},
     .page = {.table = kWebAuthenticationUserTable, .shape = PageShape::Table, .kind = 2, .indexCount = 1,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}}},
    {.id = "security_management.web_based_access_control.web_authentication_information_table", .depth = 2,
     .caption = "Web Authentication Information Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication Information Table", .separator = " : "},
     .page = {.table = kWebAuthenticationInformationTable, .shape = PageShape::Table, .kind = 3, .indexCount = 3}},
    {.id = "security_management.mac_based_access_control", .depth = 1, .caption = "MAC-based Access Control"},
    {.id = "security_management.mac_based_access_control.mac_based_access_global_control", .depth = 2,
     .caption = "MAC-based Access Global Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MAC-based Access Global Control : "},
     .formClass = "TMBAControlForm"},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_port_information_table", .depth = 2,
     .caption = "MAC-based Access Control Port Information Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Port Information Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlPortInformationTable, .shape = PageShape::Table, .kind = 2,
              .indexCount = 2}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_port_management_table", .depth = 2,
     .caption = "MAC-based Access Control Port Management Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Port Management Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlPortManagementTable, .shape = PageShape::Table, .kind = 3,
              .indexCount = 1, .formats = kMACBasedAccessControlPortManagementTableFormats}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_datebase_table", .depth = 2,
     .caption = "MAC-based Access Control Datebase Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Datebase Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlDatebaseTable, .shape = PageShape::Table, .kind = 2, .indexCount = 1,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_clear_all_action", .depth = 2,
     .caption = "MAC-Based Access Control Clear All Action",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-Based Access Control Clear All Action", .separator = " : "},
     .page = {.table = kMACBasedAccessControlClearAllAction, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.jwac_management", .depth = 1, .caption = "JWAC Management"},
    {.id = "security_management.jwac_management.jwac_control", .depth = 2, .caption = "JWAC Control",
     .opens = Opens::Generic, .pageCaption = {.text = "JWAC Control: "},
     .page = {.table = kJWACControl, .shape = PageShape::Scalar, .kind = 0, .indexCount = 0}},
    {.id = "security_management.jwac_management.jwac_update_server_table", .depth = 2,
     .caption = "JWAC Update Server Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Update Server Table", .separator = " : "},
     .page = {.table = kJWACUpdateServerTable, .shape = PageShape::Table, .kind = 2, .indexCount = 2,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "security_management.jwac_management.jwac_port_table", .depth = 2, .caption = "JWAC Port Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Port Table", .separator = " : "},
     .page = {.table = kJWACPortTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1,
              .formats = kJWACPortTableFormats}},
    {.id = "security_management.jwac_management.jwac_host_table", .depth = 2, .caption = "JWAC Host Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Host Table", .separator = " : "},
     .page = {.table = kJWACHostTable, .shape = PageShape::Table, .kind = 3, .indexCount = 3}},
    {.id = "security_management.jwac_management.jwac_page_element_table", .depth = 2,
     .caption = "JWAC Page Element Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Page Element Table", .separator = " : "},
     .page = {.table = kJWACPageElementTable, .shape = PageShape::Table, .kind = 3, .indexCount = 1}},
};

}  // namespace

std::span<const MenuItem> SecurityManagementMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
