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
    {"1.3.6.1.4.1.58126.12.3.1.1", "User Authentication Protocol",
     VarType::Integer, AccessReadWrite, &kUserAuthenticationProtocol},
    {"1.3.6.1.4.1.58126.12.3.1.2", "Device Authentication Mode",
     VarType::Integer, AccessReadWrite, &kPortBaseMacBaseNone123},
    {},
};

// Security Management > Authorization State
constexpr QxSNMPVarDesc kAuthorizationState[] = {
    {"1.3.6.1.4.1.58126.12.3.1.3", "Authorization State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Security Management > 802.1X > 802.1X Configuration
constexpr QxSNMPVarDesc k8021XConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Security Management > 802.1X > 802.1X Port Table
constexpr QxSNMPVarDesc k8021XPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", VarType::Gauge, AccessRead},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", VarType::BitString, AccessRead},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", VarType::Integer, AccessReadWrite, &kTrueFalse12},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", VarType::Integer, AccessReadWrite, &kTrueFalse12},
    {},
};

// Security Management > 802.1X > 802.1X Port Configuration
const QxOptionList kBothIn01{{0, "both"}, {1, "in"}};
const QxOptionList kPortControl{{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}};
constexpr QxSNMPVarDesc k8021XPortConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", VarType::Integer, AccessRead, &kPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", VarType::Integer, AccessRead, &kBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", VarType::Integer, AccessReadWrite, &kBothIn01},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", VarType::Integer, AccessRead, &kBothIn01},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", VarType::Integer, AccessRead, &kAuthorizedUnauthorized12},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", VarType::Integer, AccessReadWrite, &kPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", VarType::Gauge, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", VarType::Integer, AccessReadWrite, &kTrueFalse12},
    {},
};

// Security Management > 802.1X > 802.1X Port Statistics
constexpr QxSNMPVarDesc k8021XPortStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", VarType::Gauge, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", VarType::MacAddress, AccessRead},
    {},
};

// Security Management > 802.1X > 802.1X Port Diagnostics
constexpr QxSNMPVarDesc k8021XPortDiagnostics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication EAP Starts While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication EAP Logoff While Authenticating", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication EAP Starts While Authenticated", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication EAP Logoff While Authenticated", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", VarType::Counter, AccessRead},
    {},
};

// Security Management > 802.1X > 802.1X Port Session Statistics
constexpr QxSNMPVarDesc k8021XPortSessionStatistics[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", VarType::Counter64, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", VarType::Counter64, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", VarType::Counter, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", VarType::DisplayString, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", VarType::Integer, AccessRead, &kSessionAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", VarType::TimeTicks, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", VarType::Integer, AccessRead, &kSessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", VarType::DisplayString, AccessRead},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > State Table
constexpr QxSNMPVarDesc kMACBasedAuthenticationStateTable[] = {
    {"1.3.6.1.4.1.58126.12.3.6.1.1.1", "PAE MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.2", "PAE Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.3", "PAE State", VarType::Integer, AccessRead, &kPaeState},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.4", "Backend  State", VarType::Integer, AccessRead, &kBackendAuthState},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.5", "Control Led Port Status",
     VarType::Integer, AccessRead, &kAuthorizedUnauthorized12},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > Session Information (hidden)
constexpr QxSNMPVarDesc kSessionInformation[] = {
    {"1.3.6.1.4.1.58126.12.3.6.1.1.1", "PAE MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.1.1.2", "PAE Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.1", "Session Octets RX", VarType::Counter64, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.2", "Session Octets TX", VarType::Counter64, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.3", "Session Frames RX", VarType::Counter, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.4", "Session Frames TX", VarType::Counter, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.5", "Session ID", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.6", "Session Authentic Method",
     VarType::Integer, AccessRead, &kSessionAuthenticMethod},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.7", "Session Time", VarType::TimeTicks, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.8", "Session Terminate Cause",
     VarType::Integer, AccessRead, &kSessionTerminateCause},
    {"1.3.6.1.4.1.58126.12.3.6.4.1.9", "Session User Name", VarType::DisplayString, AccessRead},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > Authentication Port Control
const QxOptionList kNoneAuthenticator12{{1, "none"}, {2, "authenticator"}};
constexpr QxSNMPVarDesc kAuthenticationPortControl[] = {
    {"1.3.6.1.4.1.58126.12.3.8.1.1.1", "Authentication Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.8.1.1.2", "Authentication Port Capabilities",
     VarType::Integer, AccessReadWrite, &kNoneAuthenticator12},
    {},
};

// Security Management > 802.1X > MAC-based Authentication > MAC-based PAE Port Control
const QxOptionList kPortInitializeOrReauthenticateStatus{{1, "other"}, {2, "initialize"}, {3, "reauthenticate"}};
constexpr QxSNMPVarDesc kMACBasedPAEPortControl[] = {
    {"1.3.6.1.4.1.58126.12.3.9.1.1.1", "Port Number", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.9.1.1.2", "MAC Address", VarType::MacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.3.9.1.1.3", "Port Initialize Or Reauthenticate Status",
     VarType::Integer, AccessReadWrite, &kPortInitializeOrReauthenticateStatus},
    {},
};

// Security Management > RADIUS Management > RADIUS Server Table
const QxOptionList kServerIndex{{1, "RadiusServerIndex-1"}, {2, "RadiusServerIndex-2"}, {3, "RadiusServerIndex-3"}};
constexpr QxSNMPVarDesc kRADIUSServerTable[] = {
    {"1.3.6.1.4.1.58126.12.3.2.4.1.1", "Server Index", VarType::Integer, AccessIndex, &kServerIndex},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.2", "Server IP", VarType::IpAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.4", "Auth-Port Number", VarType::Gauge, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.5", "Acct-Port Number", VarType::Gauge, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.6", "Server Status", VarType::Integer, AccessRead, &kRowStatus},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.7", "Server Timeout", VarType::Gauge, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.8", "Server Retransmit", VarType::Gauge, AccessRead},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.9", "Server Address Type", VarType::Integer, AccessRead, &kInetAddressType},
    {"1.3.6.1.4.1.58126.12.3.2.4.1.10", "Server Address", VarType::OctetString, AccessRead},
    {},
};

// Security Management > RADIUS Management > Authentication Information
constexpr QxSNMPVarDesc kAuthenticationInformation[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", VarType::DisplayString, AccessRead},
    {},
};

// Security Management > RADIUS Management > Authentication Table
constexpr QxSNMPVarDesc kAuthenticationTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", VarType::IpAddress, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", VarType::TimeTicks, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", VarType::Counter, AccessRead},
    {},
};

// Security Management > RADIUS Management > Accounting Control > Basic Information
constexpr QxSNMPVarDesc kAccountingControlBasicInformation[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", VarType::DisplayString, AccessRead},
    {},
};

// Security Management > RADIUS Management > Accounting Control > Server Table
constexpr QxSNMPVarDesc kAccountingControlServerTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", VarType::IpAddress, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", VarType::Integer, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", VarType::TimeTicks, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", VarType::Counter, AccessRead},
    {},
};

// Security Management > AAC > AAC Control
constexpr QxSNMPVarDesc kAACControl[] = {
    {"1.3.6.1.4.1.58126.12.5.1.1", "AAC Authen Admin State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Security Management > AAC > AAC Information
constexpr QxSNMPVarDesc kAACInformation[] = {
    {"1.3.6.1.4.1.58126.12.5.2.1", "AAC Max Method List", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.5.2.2", "AAC Max Enable Method List", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.5.2.3", "AAC Max ServerGroup", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.5.2.4", "AAC Max Server", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.5.8.1", "AAC Response Timeout[0..255]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.8.2", "AAC Attempt[1..255]", VarType::Integer, AccessReadWrite},
    {},
};

// Security Management > AAC > Login Information
constexpr QxSNMPVarDesc kLoginInformation[] = {
    {"1.3.6.1.4.1.58126.12.5.7.1.1", "AP Console Login Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.2.1", "AP Console Enable Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.1.2", "AP Telnet Login Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.2.2", "AP Telnet Enable Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.1.3", "AP SSH Login Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.2.3", "AP SSH Enable Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.1.4", "AP Http Login Method", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.5.7.2.4", "AP Http Enable Method", VarType::DisplayString, AccessReadWrite},
    {},
};

// Security Management > Multiple Authentication > Multiple Authentication Guest VLAN Table
constexpr QxSNMPVarDesc kMultipleAuthenticationGuestVLANTable[] = {
    {"1.3.6.1.4.1.58126.12.3.11.2.1.1", "Guest VLAN ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.11.2.1.2", "Guest VLAN Ports", VarType::BitString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.3.11.2.1.3", "Guest VLAN Row Status", VarType::Integer, AccessReadWrite, &kRowStatus},
    {},
};

// Security Management > Multiple Authentication > Multiple Authentication Port Table
const QxOptionList kHostbasedPortbased01{{0, "hostbased"}, {1, "portbased"}};
const QxOptionList kMultipleAuthenticationPortMethod{
    {0, "none"}, {1, "any"}, {2, "dot1xImp"}, {3, "impJwac"}, {4, "impWac"},
};
constexpr QxSNMPVarDesc kMultipleAuthenticationPortTable[] = {
    {"1.3.6.1.4.1.58126.12.3.11.1.1.1", "Multiple Authentication Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.3.11.1.1.2", "Multiple Authentication Port Mode",
     VarType::Integer, AccessReadWrite, &kHostbasedPortbased01},
    {"1.3.6.1.4.1.58126.12.3.11.1.1.3", "Multiple Authentication Port Method",
     VarType::Integer, AccessReadWrite, &kMultipleAuthenticationPortMethod},
    {},
};

// Security Management > SSH > SSH Management
const QxOptionList kSSHSessionKeyRekeying{{0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}};
constexpr QxSNMPVarDesc kSSHManagement[] = {
    {"1.3.6.1.4.1.58126.12.6.1.1", "SSH Version", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.6.1.2", "SSH Administration", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.1.3", "SSH Max Authentication Fail Attempts", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.6.1.4", "SSH Session Key Rekeying",
     VarType::Integer, AccessReadWrite, &kSSHSessionKeyRekeying},
    {"1.3.6.1.4.1.58126.12.6.1.5", "SSH Max Session", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.6.1.6", "SSH Connection Timeout", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.6.1.7", "SSH Listened Port", VarType::Integer, AccessRead},
    {},
};

// Security Management > SSH > Diffie Hellman Algorithm (hidden)
constexpr QxSNMPVarDesc kDiffieHellmanAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.4", "SSH Key Expand Administration", VarType::Integer, AccessRead, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Encryption Algorithm
constexpr QxSNMPVarDesc kEncryptionAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.1.1", "3DES state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.2", "Blowfish state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.3", "AES128 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.4", "AES192 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.5", "AES256 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.6", "Arcfour state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.7", "Cast128 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.8", "Twofish128 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.9", "Twofish192 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.1.10", "Twofish256 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.1", "SHA state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.2", "MD5 state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.1", "RSA state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.2", "DSA state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Authentication Method
constexpr QxSNMPVarDesc kAuthenticationMethod[] = {
    {"1.3.6.1.4.1.58126.12.6.3.2.1", "Password Authentication Administration",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.2.2", "Public Key Authentication Administration",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.2.3", "Host Key Authentication Administration",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > HMAC Algorithm (hidden)
constexpr QxSNMPVarDesc kHMACAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.3.1", "HMAC-SHA1 Administration",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.3.2", "HMAC-MD5 Administration", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > Public Key Algorithm (hidden)
constexpr QxSNMPVarDesc kPublicKeyAlgorithm[] = {
    {"1.3.6.1.4.1.58126.12.6.3.5.1", "RSA state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.6.3.5.2", "DSA state", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Security Management > SSH > User Control Table (hidden)
const QxOptionList kSSHUserAuthMode{{1, "hostbased"}, {2, "password"}, {3, "publickey"}};
constexpr QxSNMPVarDesc kUserControlTable[] = {
    {"1.3.6.1.4.1.58126.12.6.4.1.1.1", "SSH User Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.2", "SSH User Auth Mode", VarType::Integer, AccessReadWrite, &kSSHUserAuthMode},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.3", "SSH User Host Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.6.4.1.1.4", "SSH User Host IP Address", VarType::IpAddress, AccessReadWrite},
    {},
};

// Security Management > SSL > SSL Certificate File
const QxOptionList kCertificateFileCtrl{{1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}};
const QxOptionList kNoneRsaDsa123{{1, "none"}, {2, "rsa"}, {3, "dsa"}};
constexpr QxSNMPVarDesc kSSLCertificateFile[] = {
    {"1.3.6.1.4.1.58126.12.7.2.1", "Certificate File IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.7.2.2", "Certificate File Path", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.7.2.3", "Certificate Key File Path", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.7.2.4", "Certificate File Ctrl", VarType::Integer, AccessReadWrite, &kCertificateFileCtrl},
    {"1.3.6.1.4.1.58126.12.7.2.5", "Certificate File Show Satus", VarType::Integer, AccessRead, &kNoneRsaDsa123},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding Control
const QxOptionList kAllPortState{{2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}};
constexpr QxSNMPVarDesc kIPMACBindingControl[] = {
    {"1.3.6.1.4.1.58126.12.23.1.1", "Trap Log State", VarType::Integer, AccessReadWrite, &kEnableDisable23},
    {"1.3.6.1.4.1.58126.12.23.3.1", "All Port State", VarType::Integer, AccessReadWrite, &kAllPortState},
    {"1.3.6.1.4.1.58126.12.23.1.4", "DHCP Snoop State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.1.5", "DHCP Snoop Entry Clear All State",
     VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding Port Information
const QxOptionList kArpAcl12{{1, "arp"}, {2, "acl"}};
constexpr QxSNMPVarDesc kIPMACBindingPortInformation[] = {
    {"1.3.6.1.4.1.58126.12.23.3.2.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.2", "Port State", VarType::Integer, AccessReadWrite, &kEnableDisable23},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.3", "Zero IP State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.4", "Port Forward DHCP Packet",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.5", "Port DHCP Snoop Max Entry", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.6", "Port DHCP Snoop Entry Clear Action",
     VarType::Integer, AccessReadWrite, &kOtherStart12},
    {"1.3.6.1.4.1.58126.12.23.3.2.1.7", "Port Mode", VarType::Integer, AccessReadWrite, &kArpAcl12},
    {},
};

// Security Management > IP-MAC Binding > IP-MAC Binding DHCP Snoop Table
const QxOptionList kInactiveActive12{{1, "inactive"}, {2, "active"}};
constexpr QxSNMPVarDesc kIPMACBindingDHCPSnoopTable[] = {
    {"1.3.6.1.4.1.58126.12.23.4.3.1.1", "DHCP Snoop IP Index", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.2", "DHCP Snoop MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.3", "DHCP Snoop Lease Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.4", "DHCP Snoop Port", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.23.4.3.1.5", "DHCP Snoop Status", VarType::Integer, AccessRead, &kInactiveActive12},
    {},
};

// Security Management > Safeguard Engine > Global Management
constexpr QxSNMPVarDesc kGlobalManagement[] = {
    {"1.3.6.1.4.1.58126.12.19.1.1", "Safeguard Admin State",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {},
};

// Security Management > Safeguard Engine > ARP Storm Control (hidden)
constexpr QxSNMPVarDesc kARPStormControl[] = {
    {"1.3.6.1.4.1.58126.12.19.3.1", "ARP Storm Threshold", VarType::Integer, AccessReadWrite},
    {},
};

// Security Management > Web-based Access Control > Web-based Access Global Control
const QxOptionList kLocalRADIUS12{{1, "local"}, {2, "RADIUS"}};
constexpr QxSNMPVarDesc kWebBasedAccessGlobalControl[] = {
    {"1.3.6.1.4.1.58126.12.27.1.1", "State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.27.1.2", "Method", VarType::Integer, AccessReadWrite, &kLocalRADIUS12},
    {"1.3.6.1.4.1.58126.12.27.1.5", "Default Redirect Path", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.1.7", "Virtual IP Addrass", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.1.8", "Switch HTTP Protocol", VarType::Integer, AccessReadWrite, &kHttpHttps12},
    {"1.3.6.1.4.1.58126.12.27.1.9", "Switch HTTP Port", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.1.10", "Auth Fail Over State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Security Management > Web-based Access Control > Web Authentication Port Table
constexpr FormatAt kWebAuthenticationPortTableFormats[] = {
    {2, "%i{n0x1440l4}"}, {3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"},
};
constexpr QxSNMPVarDesc kWebAuthenticationPortTable[] = {
    {"1.3.6.1.4.1.58126.12.27.3.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.2", "Port State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.6", "Ageing Time [Min:0(infinite) | 1-1440]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.7", "Idle Time [Min:0(infinite) | 1-1440]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.3.1.1.8", "Block Time [Sec:0-300]", VarType::Integer, AccessReadWrite},
    {},
};

// Security Management > Web-based Access Control > Web Authentication User Table (hidden)
constexpr QxSNMPVarDesc kWebAuthenticationUserTable[] = {
    {"1.3.6.1.4.1.58126.12.27.3.2.1.1", "User Name Index", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.2", "User Password", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.3", "User VLAN Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.4", "User Status",
     VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {"1.3.6.1.4.1.58126.12.27.3.2.1.5", "User VID", VarType::Integer, AccessReadWrite},
    {},
};

// Security Management > Web-based Access Control > Web Authentication Information Table
constexpr QxSNMPVarDesc kWebAuthenticationInformationTable[] = {
    {"1.3.6.1.4.1.58126.12.27.2.1.1.1", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.2", "Status", VarType::Integer, AccessIndex, &kHostAuthState},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.3", "MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.4", "VID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.5", "Remain Age Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.6", "Idle Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.7", "Block Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.27.2.1.1.8", "Status", VarType::Integer, AccessReadWrite, &kActiveDelete12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Port Information Table
const QxOptionList kMACBasedAccessControlPortInformationTableStatus{
    {1, "unconnected"}, {2, "connecting"}, {3, "authenticating"}, {4, "authenticated"}, {5, "failure"},
};
constexpr QxSNMPVarDesc kMACBasedAccessControlPortInformationTable[] = {
    {"1.3.6.1.4.1.58126.12.35.2.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.2", "MAC Index", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.3", "Status",
     VarType::Integer, AccessRead, &kMACBasedAccessControlPortInformationTableStatus},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.4", "Assign VLAN Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.35.2.1.1.5", "Clear MAC Action", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Port Management Table
const QxOptionList kPortBasedHostBased12{{1, "port_based"}, {2, "host_based"}};
constexpr FormatAt kMACBasedAccessControlPortManagementTableFormats[] = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"}};
constexpr QxSNMPVarDesc kMACBasedAccessControlPortManagementTable[] = {
    {"1.3.6.1.4.1.58126.12.35.3.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.2", "Port State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.3", "Port Mode", VarType::Integer, AccessReadWrite, &kPortBasedHostBased12},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.4", "Port Aging Time [Min:0(infinite) | 1-1440]",
     VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.5", "Port Hold Time [Sec:0(infinite) | 1-300]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.35.3.1.1.6", "Clear Port Action", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Security Management > MAC-based Access Control > MAC-based Access Control Datebase Table
constexpr QxSNMPVarDesc kMACBasedAccessControlDatebaseTable[] = {
    {"1.3.6.1.4.1.58126.12.35.4.1.1.1", "Database MAC Index", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.35.4.1.1.2", "Database VLAN Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.35.4.1.1.3", "Database Status",
     VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {},
};

// Security Management > MAC-based Access Control > MAC-Based Access Control Clear All Action
constexpr QxSNMPVarDesc kMACBasedAccessControlClearAllAction[] = {
    {"1.3.6.1.4.1.58126.12.35.1.8", "MAC Based Authentication Clear All Action",
     VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Security Management > JWAC Management > JWAC Control
const QxOptionList kRedirectDestination{{1, "quarantine_server"}, {2, "jwac_login_page"}};
const QxOptionList kRADIUSProtocol{
    {1, "local"}, {2, "pap"}, {3, "chap"}, {4, "ms_chap"}, {5, "ms_chapv2"}, {6, "eap_md5"},
};
constexpr QxSNMPVarDesc kJWACControl[] = {
    {"1.3.6.1.4.1.58126.12.39.1.1", "State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.2", "Redirect State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.3", "Forcible Logout State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.4", "UDP Filtering State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.5", "Quarantine Server Monitor State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.1.6", "Quarantine Server Error Time Out", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.1.7", "Redirect Destination", VarType::Integer, AccessReadWrite, &kRedirectDestination},
    {"1.3.6.1.4.1.58126.12.39.1.8", "Redirect Delay Time", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.1.9", "Virtual IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.1.10", "Quarantine Server URL", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.1.11", "Switch HTTP Port Number", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.1.12", "Switch HTTP Protocol", VarType::Integer, AccessReadWrite, &kHttpHttps12},
    {"1.3.6.1.4.1.58126.12.39.1.13", "RADIUS Protocol", VarType::Integer, AccessReadWrite, &kRADIUSProtocol},
    {},
};

// Security Management > JWAC Management > JWAC Update Server Table
constexpr QxSNMPVarDesc kJWACUpdateServerTable[] = {
    {"1.3.6.1.4.1.58126.12.39.1.14.1.1", "Update Server IP Address", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.39.1.14.1.2", "Update Server Mask", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.39.1.14.1.3", "Update Server Status",
     VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {},
};

// Security Management > JWAC Management > JWAC Port Table
const QxOptionList kHostbasedPortbased12{{1, "hostbased"}, {2, "portbased"}};
constexpr FormatAt kJWACPortTableFormats[] = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x1440l4}"}, {5, "%i{n0x300l3}"}};
constexpr QxSNMPVarDesc kJWACPortTable[] = {
    {"1.3.6.1.4.1.58126.12.39.3.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.2", "Port State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.3", "Port Max Auth Host", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.4", "Port Aging Time [Min:0(infinite) | 1-1440]",
     VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.5", "Port Idle Time [Min:0(infinite) | 1-1440]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.6", "Port Block Time [Sec:0(infinite) | 1-300]", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.3.1.1.7", "JWAC Port Authentication Mode",
     VarType::Integer, AccessReadWrite, &kHostbasedPortbased12},
    {},
};

// Security Management > JWAC Management > JWAC Host Table
constexpr QxSNMPVarDesc kJWACHostTable[] = {
    {"1.3.6.1.4.1.58126.12.39.4.1.1.1", "Host Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.2", "Host Auth Status", VarType::Integer, AccessIndex, &kHostAuthState},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.3", "Host MAC Address", VarType::MacAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.4", "Host VLAN ID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.5", "Host Remain Age Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.6", "Host Idle Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.7", "Host Block Time", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.39.4.1.1.8", "Host Status", VarType::Integer, AccessReadWrite, &kActiveDelete12},
    {},
};

// Security Management > JWAC Management > JWAC Page Element Table
const QxOptionList kJapaneseEnglish12{{1, "japanese"}, {2, "english"}};
constexpr QxSNMPVarDesc kJWACPageElementTable[] = {
    {"1.3.6.1.4.1.58126.12.39.4.2.1.1", "JWAC Page Element Page", VarType::Integer, AccessIndex, &kJapaneseEnglish12},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.2", "JWAC Page Element Page Title", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.3", "JWAC Page Element Login Window Title",
     VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.4", "JWAC Page Element User Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.5", "JWAC Page Element PassWord", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.39.4.2.1.6", "JWAC Page Element Logout Window Title",
     VarType::DisplayString, AccessReadWrite},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "security_management", .depth = 0, .caption = "Security Management"},
    {.id = "security_management.authentication_mode_setting", .depth = 1, .caption = "Authentication Mode Setting",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Mode Setting: "},
     .page = {.table = kAuthenticationModeSetting, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 10, .editWidthDpi = 142}}},
    {.id = "security_management.authorization_state", .depth = 1, .caption = "Authorization State",
     .opens = Opens::Generic, .pageCaption = {.text = "Authorization State: "},
     .page = {.table = kAuthorizationState, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.802_1x", .depth = 1, .caption = "802.1X"},
    {.id = "security_management.802_1x.802_1x_configuration", .depth = 2, .caption = "802.1X Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Configuration: "},
     .page = {.table = k8021XConfiguration, .kind = VarListKind::ScalarGroup},
     .statusRefresh = StatusRefresh::Dot1xAfterClose},
    {.id = "security_management.802_1x.802_1x_port_table", .depth = 2, .caption = "802.1X Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Table: "},
     .page = {.table = k8021XPortTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_configuration", .depth = 2, .caption = "802.1X Port Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Configuration: "},
     .page = {.table = k8021XPortConfiguration, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_statistics", .depth = 2, .caption = "802.1X Port Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Statistics: "},
     .page = {.table = k8021XPortStatistics, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_diagnostics", .depth = 2, .caption = "802.1X Port Diagnostics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Diagnostics: "},
     .page = {.table = k8021XPortDiagnostics, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.802_1x.802_1x_port_session_statistics", .depth = 2,
     .caption = "802.1X Port Session Statistics",
     .opens = Opens::Generic, .pageCaption = {.text = "802.1X Port Session Statistics: "},
     .page = {.table = k8021XPortSessionStatistics, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "security_management.802_1x.mac_based_authentication", .depth = 2, .caption = "MAC-based Authentication"},
    {.id = "security_management.802_1x.mac_based_authentication.state_table", .depth = 3, .caption = "State Table",
     .opens = Opens::Generic, .pageCaption = {.text = "State Table: "},
     .page = {.table = kMACBasedAuthenticationStateTable, .kind = VarListKind::Table, .indexCount = 2}},
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
     .page = {.table = kSessionInformation, .kind = VarListKind::Table, .indexCount = 2}},
    {.id = "security_management.802_1x.mac_based_authentication.authentication_port_control", .depth = 3,
     .caption = "Authentication Port Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Port Control: "},
     .page = {.table = kAuthenticationPortControl, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.802_1x.mac_based_authentication.mac_based_pae_port_control", .depth = 3,
     .caption = "MAC-based PAE Port Control",
     .opens = Opens::Generic, .pageCaption = {.text = "MAC-based PAE Port Control: "},
     .page = {.table = kMACBasedPAEPortControl, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.802_1x.guest_vlan", .depth = 2, .caption = "Guest VLAN",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Guest VLAN: "}, .formClass = "TGuestVlanForm"},
    {.id = "security_management.radius_management", .depth = 1, .caption = "RADIUS Management"},
    {.id = "security_management.radius_management.radius_server_table", .depth = 2, .caption = "RADIUS Server Table",
     .opens = Opens::Generic, .pageCaption = {.text = "RADIUS Server Table: "},
     .page = {.table = kRADIUSServerTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "security_management.radius_management.authentication_information", .depth = 2,
     .caption = "Authentication Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Information: "},
     .page = {.table = kAuthenticationInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.radius_management.authentication_table", .depth = 2,
     .caption = "Authentication Table",
     .opens = Opens::Generic, .pageCaption = {.text = "RADIUS Authentication Table: "},
     .page = {.table = kAuthenticationTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "security_management.radius_management.accounting_control", .depth = 2, .caption = "Accounting Control"},
    {.id = "security_management.radius_management.accounting_control.basic_information", .depth = 3,
     .caption = "Basic Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Accounting Basic Information: "},
     .page = {.table = kAccountingControlBasicInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.radius_management.accounting_control.server_table", .depth = 3,
     .caption = "Server Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Accounting Server Table: "},
     .page = {.table = kAccountingControlServerTable, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "security_management.radius_management.accounting_control.service_table", .depth = 3,
     .caption = "Service Table", .hidden = true},
    {.id = "security_management.aac", .depth = 1, .caption = "AAC"},
    {.id = "security_management.aac.aac_control", .depth = 2, .caption = "AAC Control",
     .opens = Opens::Generic, .pageCaption = {.text = "AAC Control: "},
     .page = {.table = kAACControl, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.aac.aac_information", .depth = 2, .caption = "AAC Information",
     .opens = Opens::Generic, .pageCaption = {.text = "AAC Information Table: "},
     .page = {.table = kAACInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.aac.login_method_control", .depth = 2, .caption = "Login Method Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Login Method List: "}, .formClass = "TLoginMethodListForm"},
    {.id = "security_management.aac.login_information", .depth = 2, .caption = "Login Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Login Information: "},
     .page = {.table = kLoginInformation, .kind = VarListKind::ScalarGroup}},
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
     .page = {.table = kMultipleAuthenticationGuestVLANTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.multiple_authentication.multiple_authentication_port_table", .depth = 2,
     .caption = "Multiple Authentication Port Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Authentication Port Table: "},
     .page = {.table = kMultipleAuthenticationPortTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.ssh", .depth = 1, .caption = "SSH"},
    {.id = "security_management.ssh.ssh_management", .depth = 2, .caption = "SSH Management",
     .opens = Opens::Generic, .pageCaption = {.text = "SSH Management Table: "},
     .page = {.table = kSSHManagement, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ssh.diffie_hellman_algorithm", .depth = 2, .caption = "Diffie Hellman Algorithm",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Diffie Hellman Algorithm Control: "},
     .page = {.table = kDiffieHellmanAlgorithm, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ssh.encryption_algorithm", .depth = 2, .caption = "Encryption Algorithm",
     .opens = Opens::Generic, .pageCaption = {.text = "Encryption Algorithm Control: "},
     .page = {.table = kEncryptionAlgorithm, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ssh.authentication_method", .depth = 2, .caption = "Authentication Method",
     .opens = Opens::Generic, .pageCaption = {.text = "Authentication Method Control: "},
     .page = {.table = kAuthenticationMethod, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ssh.hmac_algorithm", .depth = 2, .caption = "HMAC Algorithm", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "HMAC Algorithm Control: "},
     .page = {.table = kHMACAlgorithm, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 15}}},
    {.id = "security_management.ssh.public_key_algorithm", .depth = 2, .caption = "Public Key Algorithm",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Public Key Algorithm Control: "},
     .page = {.table = kPublicKeyAlgorithm, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ssh.user_control_table", .depth = 2, .caption = "User Control Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "User Control Table: "},
     .page = {.table = kUserControlTable, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "security_management.ssl", .depth = 1, .caption = "SSL"},
    {.id = "security_management.ssl.ssl_management", .depth = 2, .caption = "SSL Management",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "SSL Management: "}, .formClass = "TSSLManagementForm"},
    {.id = "security_management.ssl.ssl_certificate_file", .depth = 2, .caption = "SSL Certificate File",
     .opens = Opens::Generic, .pageCaption = {.text = "SSL Certificate File: "},
     .page = {.table = kSSLCertificateFile, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "security_management.ip_mac_binding", .depth = 1, .caption = "IP-MAC Binding"},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_control", .depth = 2,
     .caption = "IP-MAC Binding Control",
     .opens = Opens::Generic, .pageCaption = {.text = "IP-MAC Binding Control: "},
     .page = {.table = kIPMACBindingControl, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.ip_mac_binding.ip_mac_binding_port_information", .depth = 2,
     .caption = "IP-MAC Binding Port Information",
     .opens = Opens::Generic, .pageCaption = {.text = "IP-MAC Binding Port Information: "},
     .page = {.table = kIPMACBindingPortInformation, .kind = VarListKind::TableU, .indexCount = 1,
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
     .page = {.table = kIPMACBindingDHCPSnoopTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "security_management.safeguard_engine", .depth = 1, .caption = "Safeguard Engine"},
    {.id = "security_management.safeguard_engine.global_management", .depth = 2, .caption = "Global Management",
     .opens = Opens::Generic, .pageCaption = {.text = "Safeguard Global Management: "},
     .page = {.table = kGlobalManagement, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.safeguard_engine.safeguard_control", .depth = 2, .caption = "Safeguard Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Safeguard Control: "}, .formClass = "TSafeguardCtrlForm"},
    {.id = "security_management.safeguard_engine.arp_storm_control", .depth = 2, .caption = "ARP Storm Control",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "ARP Storm Control: "},
     .page = {.table = kARPStormControl, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.web_based_access_control", .depth = 1, .caption = "Web-based Access Control"},
    {.id = "security_management.web_based_access_control.web_based_access_global_control", .depth = 2,
     .caption = "Web-based Access Global Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Web-based Access Global Control: "},
     .page = {.table = kWebBasedAccessGlobalControl, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.web_based_access_control.port_information_table", .depth = 2,
     .caption = "Port Information Table", .hidden = true},
    {.id = "security_management.web_based_access_control.web_authentication_port_table", .depth = 2,
     .caption = "Web Authentication Port Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication Port Table", .separator = " : "},
     .page = {.table = kWebAuthenticationPortTable, .kind = VarListKind::TableU, .indexCount = 1,
              .formats = kWebAuthenticationPortTableFormats}},
    {.id = "security_management.web_based_access_control.web_authentication_user_table", .depth = 2,
     .caption = "Web Authentication User Table", .hidden = true,
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication User Table", .separator = " : "},
     .page = {.table = kWebAuthenticationUserTable, .kind = VarListKind::Table, .indexCount = 1,
              .add = {3, "createAndGo"}, .remove = {3, "destroy"}}},
    {.id = "security_management.web_based_access_control.web_authentication_information_table", .depth = 2,
     .caption = "Web Authentication Information Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Web Authentication Information Table", .separator = " : "},
     .page = {.table = kWebAuthenticationInformationTable, .kind = VarListKind::TableU, .indexCount = 3}},
    {.id = "security_management.mac_based_access_control", .depth = 1, .caption = "MAC-based Access Control"},
    {.id = "security_management.mac_based_access_control.mac_based_access_global_control", .depth = 2,
     .caption = "MAC-based Access Global Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "MAC-based Access Global Control : "},
     .formClass = "TMBAControlForm"},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_port_information_table", .depth = 2,
     .caption = "MAC-based Access Control Port Information Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Port Information Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlPortInformationTable, .kind = VarListKind::Table,
              .indexCount = 2}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_port_management_table", .depth = 2,
     .caption = "MAC-based Access Control Port Management Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Port Management Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlPortManagementTable, .kind = VarListKind::TableU,
              .indexCount = 1, .formats = kMACBasedAccessControlPortManagementTableFormats}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_datebase_table", .depth = 2,
     .caption = "MAC-based Access Control Datebase Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-based Access Control Datebase Table", .separator = " : "},
     .page = {.table = kMACBasedAccessControlDatebaseTable, .kind = VarListKind::Table, .indexCount = 1,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "security_management.mac_based_access_control.mac_based_access_control_clear_all_action", .depth = 2,
     .caption = "MAC-Based Access Control Clear All Action",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "MAC-Based Access Control Clear All Action", .separator = " : "},
     .page = {.table = kMACBasedAccessControlClearAllAction, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.jwac_management", .depth = 1, .caption = "JWAC Management"},
    {.id = "security_management.jwac_management.jwac_control", .depth = 2, .caption = "JWAC Control",
     .opens = Opens::Generic, .pageCaption = {.text = "JWAC Control: "},
     .page = {.table = kJWACControl, .kind = VarListKind::ScalarGroup}},
    {.id = "security_management.jwac_management.jwac_update_server_table", .depth = 2,
     .caption = "JWAC Update Server Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Update Server Table", .separator = " : "},
     .page = {.table = kJWACUpdateServerTable, .kind = VarListKind::Table, .indexCount = 2,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "security_management.jwac_management.jwac_port_table", .depth = 2, .caption = "JWAC Port Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Port Table", .separator = " : "},
     .page = {.table = kJWACPortTable, .kind = VarListKind::TableU, .indexCount = 1,
              .formats = kJWACPortTableFormats}},
    {.id = "security_management.jwac_management.jwac_host_table", .depth = 2, .caption = "JWAC Host Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Host Table", .separator = " : "},
     .page = {.table = kJWACHostTable, .kind = VarListKind::TableU, .indexCount = 3}},
    {.id = "security_management.jwac_management.jwac_page_element_table", .depth = 2,
     .caption = "JWAC Page Element Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "JWAC Page Element Table", .separator = " : "},
     .page = {.table = kJWACPageElementTable, .kind = VarListKind::TableU, .indexCount = 1}},
};

}  // namespace

std::span<const MenuItem> SecurityManagementMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
