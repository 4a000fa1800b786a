// The "Basic Configuration" menu: device, equipment and agent management, system log, time, IF-MIB
// and MIB II hand-overs, file system and reset.

#include "catalogue/menu_parts.h"
#include "catalogue/shared_options.h"

namespace ksw::catalogue {
namespace {

constexpr const char* kRefreshPanelQuestion = "Refresh panel may take a long time. Are you sure?";

// Basic Configuration > Device Management > Device Information
constexpr QxSNMPVarDesc kDeviceInformation[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.1.1.1", "Total Number of Ports", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.11.101.2.2.1.1.2", "Number of Ports In Use", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Device Management > Alarm Control
constexpr QxSNMPVarDesc kAlarmControl[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.1.3.1", "Alarm New Root", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.11.101.2.2.1.3.2", "Alarm Topology Change",
     VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.11.101.2.2.1.3.3", "Alarm Link Change", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Basic Configuration > Device Management > Cable Diagnoses Table
const QxOptionList kCableDiagnosesTablePortType{{0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}};
const QxOptionList kLinkDownLinkUpOther012{{0, "link-down"}, {1, "link-up"}, {2, "other"}};
const QxOptionList kPairStatus{
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"}, {6, "count"},
    {7, "no-cable"}, {8, "other"},
};
const QxOptionList kActionProcessingOther123{{1, "action"}, {2, "processing"}, {3, "other"}};
constexpr QxSNMPVarDesc kCableDiagnosesTable[] = {
    {"1.3.6.1.4.1.58126.12.58.1.1.1.1", "Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.2", "Port Type", VarType::Integer, AccessRead, &kCableDiagnosesTablePortType},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.3", "Link Status", VarType::Integer, AccessRead, &kLinkDownLinkUpOther012},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.4", "Pair1 Status", VarType::Integer, AccessRead, &kPairStatus},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.5", "Pair2 Status", VarType::Integer, AccessRead, &kPairStatus},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.6", "Pair3 Status", VarType::Integer, AccessRead, &kPairStatus},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.7", "Pair4 Status", VarType::Integer, AccessRead, &kPairStatus},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.8", "Pair1 Length", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.9", "Pair2 Length", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.10", "Pair3 Length", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.11", "Pair4 Length", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.58.1.1.1.12", "Action", VarType::Integer, AccessReadWrite, &kActionProcessingOther123},
    {},
};

// Basic Configuration > Equipment Management > Unit information (hidden)
constexpr QxSNMPVarDesc kUnitInformation[] = {
    {"1.3.6.1.4.1.58126.12.11.1.9.1", "Unit Stacking Version", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.2", "Unit Max Supported Units", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.3", "Unit Num Of Unit", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Equipment Management > Unit Table (hidden)
const QxOptionList kCurrentMode{
    {1, "other"}, {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {6, "backup-master"},
};
const QxOptionList kOtherAutoUser123{{1, "other"}, {2, "auto"}, {3, "user"}};
const QxOptionList kExistNoExist12{{1, "exist"}, {2, "no-exist"}};
const QxOptionList kBoxID{
    {1, "box-1"}, {2, "box-2"}, {3, "box-3"}, {4, "box-4"}, {5, "box-5"}, {6, "box-6"}, {7, "box-7"}, {8, "box-8"},
    {9, "box-9"}, {10, "box-10"}, {11, "box-11"}, {12, "box-12"}, {13, "auto"},
};
constexpr QxSNMPVarDesc kUnitTable[] = {
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.1", "Management ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.2", "MAC Address", VarType::MacAddress, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.3", "Start Port", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.4", "Port Range", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.7", "Current Mode", VarType::Integer, AccessRead, &kCurrentMode},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.8", "Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.9", "Module Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.10", "Prom Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.11", "Firmware Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.12", "Hardware Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.13", "Priority", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.14", "User Set State", VarType::Integer, AccessRead, &kOtherAutoUser123},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.15", "Exist State", VarType::Integer, AccessRead, &kExistNoExist12},
    {"1.3.6.1.4.1.58126.12.11.1.9.4.1.16", "Box ID", VarType::Integer, AccessReadWrite, &kBoxID},
    {},
};

// Basic Configuration > Equipment Management > Power Table (hidden)
const QxOptionList kPowerStatus{
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"},
};
constexpr QxSNMPVarDesc kPowerTable[] = {
    {"1.3.6.1.4.1.58126.12.11.1.6.1.1", "Power Unit Index", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.6.1.2", "Power ID", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.6.1.3", "Power Status", VarType::Integer, AccessRead, &kPowerStatus},
    {},
};

// Basic Configuration > Equipment Management > Fan Table
const QxOptionList kOtherWorkingFail012{{0, "other"}, {1, "working"}, {2, "fail"}};
constexpr QxSNMPVarDesc kFanTable[] = {
    {"1.3.6.1.4.1.58126.12.11.1.7.1.1", "Fan Unit Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.11.1.7.1.2", "Fan ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.11.1.7.1.3", "Fan Status", VarType::Integer, AccessRead, &kOtherWorkingFail012},
    {},
};

// Basic Configuration > Equipment Management > Equipment Power Saving
constexpr QxSNMPVarDesc kEquipmentPowerSaving[] = {
    {"1.3.6.1.4.1.58126.12.11.1.11.1", "Equipment Power Saving State",
     VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {},
};

// Basic Configuration > Equipment Management > Temperature Table
constexpr QxSNMPVarDesc kTemperatureTable[] = {
    {"1.3.6.1.4.1.58126.12.11.1.8.1.1", "Unit Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.11.1.8.1.2", "Current Temperature", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.8.1.3", "High Threshold", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.11.1.8.1.4", "Low Threshold", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Basic Configuration
const QxOptionList kConsoleOutOfBandNotAvail234{{2, "console"}, {3, "out-of-band"}, {4, "notAvail"}};
const QxOptionList kOutOfBandBaudRateConfig{
    {1, "other"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"}, {6, "baudRate-115200"},
};
const QxOptionList kSaveConfig{{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}};
const QxOptionList kOutOfBandAutoLogoutConfig{
    {1, "never"}, {2, "minutes-2"}, {3, "minutes-5"}, {4, "minutes-10"}, {5, "minutes-15"},
};
constexpr QxSNMPVarDesc kAgentManagementBasicConfiguration[] = {
    {"1.3.6.1.4.1.58126.12.1.2.3", "System Reset State", VarType::Integer, AccessReadWrite, &kWarmStartNoReset34},
    {"1.3.6.1.4.1.58126.12.1.2.4", "Rs232 Port Config",
     VarType::Integer, AccessReadWrite, &kConsoleOutOfBandNotAvail234},
    {"1.3.6.1.4.1.58126.12.1.2.5", "Out Of Band Baud Rate Config",
     VarType::Integer, AccessReadWrite, &kOutOfBandBaudRateConfig},
    {"1.3.6.1.4.1.58126.12.1.2.6", "Save Config", VarType::Integer, AccessReadWrite, &kSaveConfig},
    {"1.3.6.1.4.1.58126.12.1.2.14", "Out Of Band Data Bits", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.15", "Out Of Band Parity Bits", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.16", "Out Of Band Stop Bits", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.17", "Out Of Band Auto Logout Config",
     VarType::Integer, AccessReadWrite, &kOutOfBandAutoLogoutConfig},
    {},
};

// Basic Configuration > Agent Management > Basic Information
const QxOptionList kProtocolCapability{{1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}};
const QxOptionList kOtherInUseNotInUse123{{1, "other"}, {2, "in-use"}, {3, "not-in-use"}};
const QxOptionList kDeviceConfigurationStatus{{1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}};
const QxOptionList kFirmwareDownloadStatus{
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"}, {6, "disk-full"},
    {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"},
};
const QxOptionList kNotSupportedSupported01{{0, "not-supported"}, {1, "supported"}};
constexpr QxSNMPVarDesc kAgentManagementBasicInformation[] = {
    {"1.3.6.1.4.1.58126.12.1.1.1", "Protocol Capability", VarType::Integer, AccessRead, &kProtocolCapability},
    {"1.3.6.1.4.1.58126.12.1.1.3", "Console Status", VarType::Integer, AccessRead, &kOtherInUseNotInUse123},
    {"1.3.6.1.4.1.58126.12.1.1.4", "Device Configuration Status",
     VarType::Integer, AccessRead, &kDeviceConfigurationStatus},
    {"1.3.6.1.4.1.58126.12.1.1.5", "Firmware Download Status", VarType::Integer, AccessRead, &kFirmwareDownloadStatus},
    {"1.3.6.1.4.1.58126.12.1.1.7", "Dual Image Status", VarType::Integer, AccessRead, &kNotSupportedSupported01},
    {"1.3.6.1.4.1.58126.12.1.1.12", "Serial Number", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > Agent Management > MIB Capabilities
const QxOptionList kType{{1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}};
constexpr QxSNMPVarDesc kMIBCapabilities[] = {
    {"1.3.6.1.4.1.58126.12.1.1.2.1.1", "Index", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.2.1.2", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.2.1.3", "Version", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.2.1.4", "Type", VarType::Integer, AccessRead, &kType},
    {},
};

// Basic Configuration > Agent Management > CPU Utilization
constexpr QxSNMPVarDesc kCPUUtilization[] = {
    {"1.3.6.1.4.1.58126.12.1.1.6.1", "CPU Utilization In 5 sec", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.6.2", "CPU Utilization In 1 min", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.6.3", "CPU Utilization In 5 min", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Port Utilization
constexpr QxSNMPVarDesc kPortUtilization[] = {
    {"1.3.6.1.4.1.58126.12.1.1.8.1.1", "Agent Port Utilization Port Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.1.8.1.2", "Agent Port Utilization TX", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.8.1.3", "Agent Port Utilization RX", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.1.8.1.4", "Agent Port Utilization Util", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Agent Management > IP Protocol Configure
const QxOptionList kDisabledBootpDhcp234{{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}};
constexpr QxSNMPVarDesc kIPProtocolConfigure[] = {
    {"1.3.6.1.4.1.58126.12.1.3.1", "Agent IP Number of Interfaces", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.3.3", "Agent IP Get IP From", VarType::Integer, AccessReadWrite, &kDisabledBootpDhcp234},
    {},
};

// Basic Configuration > Agent Management > FDB Clear All State
constexpr QxSNMPVarDesc kFDBClearAllState[] = {
    {"1.3.6.1.4.1.58126.12.1.2.11.1", "FDB Clear All State", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Basic Configuration > Agent Management > ARP Clear All State
constexpr QxSNMPVarDesc kARPClearAllState[] = {
    {"1.3.6.1.4.1.58126.12.1.2.12.1", "ARP Clear All State", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Basic Configuration > Agent Management > Trap Manager Table
const QxOptionList kTrapManagerMessageVersion{{1, "snmpAgentVersionDependent"}, {2, "v1Trap"}, {3, "v2Trap"}};
constexpr QxSNMPVarDesc kTrapManagerTable[] = {
    {"1.3.6.1.4.1.58126.12.1.4.2.1.1", "Trap Manager Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.4.2.1.2", "Trap Manager IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.4.2.1.3", "Trap Manager Community", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.4.2.1.4", "Trap Manager Message Version",
     VarType::Integer, AccessReadWrite, &kTrapManagerMessageVersion},
    {"1.3.6.1.4.1.58126.12.1.4.2.1.5", "Trap Manager Status",
     VarType::Integer, AccessReadWrite, &kOtherDisabledEnabled123},
    {},
};

// Basic Configuration > Agent Management > Severity Control Management
const QxOptionList kSystemSeverityTrapControl{{0, "critical"}, {1, "warning"}, {2, "information"}};
constexpr QxSNMPVarDesc kSeverityControlManagement[] = {
    {"1.3.6.1.4.1.58126.12.1.2.9.1", "System Severity Trap Control",
     VarType::Integer, AccessReadWrite, &kSystemSeverityTrapControl},
    {"1.3.6.1.4.1.58126.12.1.2.9.2", "System Severity Log Control",
     VarType::Integer, AccessReadWrite, &kSystemSeverityTrapControl},
    {},
};

// Basic Configuration > Agent Management > Agent Supported Update Files
const QxOptionList kNetworkLoadOutOfBandLoad23{{2, "network-load"}, {3, "out-of-band-load"}};
const QxOptionList kUploadDownload23{{2, "upload"}, {3, "download"}};
const QxOptionList kFileControl{{2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}};
constexpr QxSNMPVarDesc kAgentSupportedUpdateFiles[] = {
    {"1.3.6.1.4.1.58126.12.1.2.1.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.2", "Description", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.3", "File Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.4", "File Transfer Type",
     VarType::Integer, AccessReadWrite, &kNetworkLoadOutOfBandLoad23},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.5", "File", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.6", "File Locate ID", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.7", "File Load Type", VarType::Integer, AccessReadWrite, &kUploadDownload23},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.8", "File Control", VarType::Integer, AccessReadWrite, &kFileControl},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.9", "File Increment", VarType::Integer, AccessReadWrite, &kTrueFalse12},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.10", "Multiple Image Control ID", VarType::Integer, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.11", "Unit ID", VarType::OctetString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.12", "File IPv6 Address", VarType::Ipv6Address, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.1.1.15", "File Interface Name", VarType::DisplayString, AccessReadWrite},
    {},
};

// Basic Configuration > Agent Management > Multiple Image Management > General Information
constexpr QxSNMPVarDesc kMultipleImageManagementGeneralInformation[] = {
    {"1.3.6.1.4.1.58126.12.1.2.7.1.1", "Image Information ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.2.7.1.2", "Image Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.7.1.3", "Image Size", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.7.1.4", "Image Update Time", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.7.1.5", "Image From", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.7.1.6", "Image Send User", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Multiple Image Management > Multiple Image Control
const QxOptionList kMultipleImageControlAction{{1, "config-as-bootup-fw"}, {2, "delete"}, {3, "none"}};
constexpr QxSNMPVarDesc kMultipleImageControl[] = {
    {"1.3.6.1.4.1.58126.12.1.2.13.1.1", "Multiple Image Control ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.2.13.1.2", "Multiple Image Control Action",
     VarType::Integer, AccessReadWrite, &kMultipleImageControlAction},
    {},
};

// Basic Configuration > Agent Management > Multiple Config Management > General Information
constexpr QxSNMPVarDesc kMultipleConfigManagementGeneralInformation[] = {
    {"1.3.6.1.4.1.58126.12.1.2.8.2", "Config Current Used", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.8.3", "Config Boot Up", VarType::Integer, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Multiple Config Management > Multiple Config Information
constexpr QxSNMPVarDesc kMultipleConfigInformation[] = {
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.1", "Config Information ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.2", "Config Version", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.3", "Config Size", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.4", "Config Update Time", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.5", "Config From", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.1.2.8.1.1.6", "Config Send User", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Agent Trust Host Management > Trust Host Delete All State
constexpr QxSNMPVarDesc kTrustHostDeleteAllState[] = {
    {"1.3.6.1.4.1.58126.12.1.2.10.2", "Trust Host Delete All State", VarType::Integer, AccessReadWrite, &kNoneStart12},
    {},
};

// Basic Configuration > Agent Management > Agent Trust Host Management > Trust Host Table
constexpr QxSNMPVarDesc kTrustHostTable[] = {
    {"1.3.6.1.4.1.58126.12.1.2.10.1.1.1", "Trust Host Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.1.2.10.1.1.2", "Trust Host IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.1.2.10.1.1.3", "Trust Host Row Status",
     VarType::Integer, AccessReadWrite, &kActiveCreateAndGoDestroy146},
    {"1.3.6.1.4.1.58126.12.1.2.10.1.1.4", "Trust Host IP Subnet Mask", VarType::IpAddress, AccessReadWrite},
    {},
};

// Basic Configuration > Agent Management > Ping Management > Max Concurrent Requests
constexpr QxSNMPVarDesc kPingManagementMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", VarType::Gauge, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Ping Management > Ping Results Table
constexpr QxSNMPVarDesc kPingResultsTable[] = {
    {"", "Owner Index", VarType::DisplayString, AccessIndex},
    {"", "Test Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.2.1.80.1.3.1.1", "Oper Status", VarType::Integer, AccessRead, &kEnabledDisabled12},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", VarType::Integer, AccessRead, &kTargetAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.9", "Rtt Sum Of Squares", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", VarType::OctetString, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Trace Route > Max Concurrent Requests
constexpr QxSNMPVarDesc kTraceRouteMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", VarType::Gauge, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Trace Route > Result Table
constexpr QxSNMPVarDesc kTraceRouteResultTable[] = {
    {"", "Owner Index", VarType::DisplayString, AccessIndex},
    {"", "Test Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.2.1.81.1.3.1.1", "Oper Status", VarType::Integer, AccessRead, &kEnabledDisabled12},
    {"1.3.6.1.2.1.81.1.3.1.2", "Cur Hop Count", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.3.1.3", "Cur Probe Count", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", VarType::Integer, AccessRead, &kTargetAddressType},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > Agent Management > Trace Route > Route Hops Table (hidden)
constexpr QxSNMPVarDesc kRouteHopsTable[] = {
    {"", "Owner Index", VarType::DisplayString, AccessIndex},
    {"", "Test Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", VarType::Gauge, AccessIndex},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target AddressType", VarType::Integer, AccessRead, &kInetAddressType},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > System Log > System Log State
constexpr QxSNMPVarDesc kSystemLogState[] = {
    {"1.3.6.1.4.1.58126.12.12.1", "Log Control State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {},
};

// Basic Configuration > System Log > System Log Clear Control > Clear Log
constexpr QxSNMPVarDesc kClearLog[] = {
    {"1.3.6.1.4.1.58126.12.12.4.1", "Clear Log", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Basic Configuration > System Log > System Log Clear Control > Clear Dangerous Log
constexpr QxSNMPVarDesc kClearDangerousLog[] = {
    {"1.3.6.1.4.1.58126.12.12.4.2.2", "Clear Dangerous Log", VarType::Integer, AccessReadWrite, &kOtherStart12},
    {},
};

// Basic Configuration > Time Management > Current Time
constexpr FormatAt kCurrentTimeFormats[] = {{1, "%s{l22}"}};
constexpr QxSNMPVarDesc kCurrentTime[] = {
    {"1.3.6.1.4.1.58126.12.10.1", "Time Capacity", VarType::BitString, AccessRead},
    {"1.3.6.1.4.1.58126.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", VarType::DateTime, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.10.3", "Clock Reset On Reboot", VarType::Integer, AccessRead, &kTrueFalse12},
    {},
};

// Basic Configuration > Time Management > System Time
constexpr QxSNMPVarDesc kSystemTime[] = {
    {"1.3.6.1.4.1.58126.12.10.10.1", "Current Time", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.10.10.2", "System UpTime", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.10.10.3", "System BootTime", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.10.10.4", "System Time Zone [ -779..839]", VarType::Integer, AccessReadWrite},
    {},
};

// Basic Configuration > Time Management > Network Time
const QxOptionList kSystemServer1Server2012{{0, "system"}, {1, "server1"}, {2, "server2"}};
constexpr QxSNMPVarDesc kNetworkTime[] = {
    {"1.3.6.1.4.1.58126.12.10.11.1", "Network Time State", VarType::Integer, AccessReadWrite, &kDisabledEnabled23},
    {"1.3.6.1.4.1.58126.12.10.11.2", "Time Source", VarType::Integer, AccessRead, &kSystemServer1Server2012},
    {"1.3.6.1.4.1.58126.12.10.11.3", "Server1 IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.10.11.4", "Server2 IP Address", VarType::IpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.10.11.5", "Poll Interval[30....99999(sec)]", VarType::Integer, AccessReadWrite},
    {},
};

// Basic Configuration > IF-MIB > IfX Table
const QxOptionList kFalse2{{2, "false"}};
constexpr QxSNMPVarDesc kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", VarType::DisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", VarType::Counter, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Send", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Send", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Send", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Send", VarType::Counter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", VarType::Integer, AccessReadWrite, &kEnabledDisabled12},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", VarType::Gauge, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", VarType::Integer, AccessRead, &kFalse2},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", VarType::Integer, AccessRead, &kTrueFalse12},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", VarType::TimeTicks, AccessRead},
    {},
};

// Basic Configuration > File System > Media Information
const QxOptionList kDriveID{
    {0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}, {5, "f"}, {6, "g"}, {7, "h"}, {8, "i"}, {9, "j"}, {10, "k"},
    {11, "l"}, {12, "m"}, {13, "n"}, {14, "o"}, {15, "p"}, {16, "q"}, {17, "r"}, {18, "s"}, {19, "t"}, {20, "u"},
    {21, "v"}, {22, "w"}, {23, "x"}, {24, "y"}, {25, "z"},
};
constexpr QxSNMPVarDesc kMediaInformation[] = {
    {"1.3.6.1.4.1.58126.12.14.2.1.1.1", "Index", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.14.2.1.1.2", "DriveID", VarType::Integer, AccessRead, &kDriveID},
    {"1.3.6.1.4.1.58126.12.14.2.1.1.3", "Type", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.14.2.1.1.4", "Size", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.14.2.1.1.5", "Partition", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.12.14.2.1.1.6", "File System Type", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > File System > Directory Path
constexpr QxSNMPVarDesc kDirectoryPath[] = {
    {"1.3.6.1.4.1.58126.12.14.3.3.1", "FS Directory Path", VarType::DisplayString, AccessReadWrite},
    {},
};

// Basic Configuration > File System > Directory Information
const QxOptionList kDirFile12{{1, "dir"}, {2, "file"}};
constexpr QxSNMPVarDesc kDirectoryInformation[] = {
    {"1.3.6.1.4.1.58126.12.14.3.3.2.1.1", "Directory Unit ID", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.12.14.3.3.2.1.2", "Directory Name", VarType::DisplayString, AccessIndex},
    {"1.3.6.1.4.1.58126.12.14.3.3.2.1.3", "Directory Attribute", VarType::Integer, AccessRead, &kDirFile12},
    {"1.3.6.1.4.1.58126.12.14.3.3.2.1.4", "Directory Size", VarType::Integer, AccessRead},
    {"1.3.6.1.4.1.58126.12.14.3.3.2.1.5", "Directory Time", VarType::DisplayString, AccessRead},
    {},
};

// Basic Configuration > File System > File Control > File Rename
constexpr QxSNMPVarDesc kFileRename[] = {
    {"1.3.6.1.4.1.58126.12.14.4.1.1", "FS File Source Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.14.4.1.2", "FS File Target Name", VarType::DisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.58126.12.14.4.1.3", "FS File Rename Activity", VarType::Integer, AccessReadWrite, &kNoneStart12},
    {},
};

// Basic Configuration > File System > File Control > File Delete
constexpr QxSNMPVarDesc kFileDelete[] = {
    {"1.3.6.1.4.1.58126.12.14.4.2.1", "FS File Delete Name", VarType::DisplayString, AccessReadWrite},
    {},
};

// Basic Configuration > Agent System Reset
constexpr QxSNMPVarDesc kAgentSystemReset[] = {
    {"1.3.6.1.4.1.58126.12.1.2.3", "Agent System Reset", VarType::Integer, AccessReadWrite, &kWarmStartNoReset34},
    {},
};

constexpr MenuItem kItems[] = {
    {.id = "basic_configuration", .depth = 0, .caption = "Basic Configuration"},
    {.id = "basic_configuration.moudle_basic_configuration", .depth = 1, .caption = "Moudle Basic Configuration",
     .hidden = true},
    {.id = "basic_configuration.device_management", .depth = 1, .caption = "Device Management"},
    {.id = "basic_configuration.device_management.system_information", .depth = 2, .caption = "System Information",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_Info"},
    {.id = "basic_configuration.device_management.device_information", .depth = 2, .caption = "Device Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Device Information: "},
     .page = {.table = kDeviceInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.device_management.alarm_control", .depth = 2, .caption = "Alarm Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Alarm Control: "},
     .page = {.table = kAlarmControl, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.device_management.refresh_panel", .depth = 2, .caption = "Refresh Panel",
     .hidden = true,
     .opens = Opens::Shell, .action = ShellAction::RefreshPanel, .confirm = kRefreshPanelQuestion},
    {.id = "basic_configuration.device_management.cable_diagnoses_table", .depth = 2,
     .caption = "Cable Diagnoses Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Cable Diagnoses Table: "},
     .page = {.table = kCableDiagnosesTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "basic_configuration.equipment_management", .depth = 1, .caption = "Equipment Management"},
    {.id = "basic_configuration.equipment_management.basic_information", .depth = 2, .caption = "Basic Information",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Equipment Basic Information: "},
     .formClass = "TEquipmentBasicInfoForm"},
    {.id = "basic_configuration.equipment_management.unit_information", .depth = 2, .caption = "Unit information",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Unit information: "},
     .page = {.table = kUnitInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.equipment_management.unit_table", .depth = 2, .caption = "Unit Table", .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Unit Table: "},
     .page = {.table = kUnitTable, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "basic_configuration.equipment_management.power_table", .depth = 2, .caption = "Power Table",
     .hidden = true,
     .opens = Opens::Generic, .pageCaption = {.text = "Power Table: "},
     .page = {.table = kPowerTable, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "basic_configuration.equipment_management.fan_table", .depth = 2, .caption = "Fan Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Fan Table: "},
     .page = {.table = kFanTable, .kind = VarListKind::Table, .indexCount = 2,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "basic_configuration.equipment_management.trap_management", .depth = 2, .caption = "Trap Management",
     .hidden = true},
    {.id = "basic_configuration.equipment_management.equipment_power_saving", .depth = 2,
     .caption = "Equipment Power Saving",
     .opens = Opens::Generic, .pageCaption = {.text = "Equipment Power Saving State: "},
     .page = {.table = kEquipmentPowerSaving, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.equipment_management.temperature_table", .depth = 2, .caption = "Temperature Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Temperature Table: "},
     .page = {.table = kTemperatureTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "basic_configuration.agent_management", .depth = 1, .caption = "Agent Management"},
    {.id = "basic_configuration.agent_management.basic_configuration", .depth = 2, .caption = "Basic Configuration",
     .opens = Opens::Generic, .pageCaption = {.text = "Basic Configuration: "},
     .page = {.table = kAgentManagementBasicConfiguration, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.basic_information", .depth = 2, .caption = "Basic Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Basic Information: "},
     .page = {.table = kAgentManagementBasicInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.mib_capabilities", .depth = 2, .caption = "MIB Capabilities",
     .opens = Opens::Generic, .pageCaption = {.text = "MIB Capabilities: "},
     .page = {.table = kMIBCapabilities, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450, .pageWidthIncreaseDpi = 100}}},
    {.id = "basic_configuration.agent_management.trap_receiver", .depth = 2, .caption = "Trap Receiver",
     .hidden = true},
    {.id = "basic_configuration.agent_management.cpu_utilization", .depth = 2, .caption = "CPU Utilization",
     .opens = Opens::Generic, .pageCaption = {.text = "CPU Utilization Table: "},
     .page = {.table = kCPUUtilization, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.port_utilization", .depth = 2, .caption = "Port Utilization",
     .opens = Opens::Generic, .pageCaption = {.text = "Port Utilization Table: "},
     .page = {.table = kPortUtilization, .kind = VarListKind::Table, .indexCount = 1,
              .extras = {.pageHeightDpi = 450, .pageWidthIncreaseDpi = 100}}},
    {.id = "basic_configuration.agent_management.ip_protocol_configure", .depth = 2,
     .caption = "IP Protocol Configure",
     .opens = Opens::Generic, .pageCaption = {.text = "IP Protocol Configure: "},
     .page = {.table = kIPProtocolConfigure, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.fdb_clear_all_state", .depth = 2, .caption = "FDB Clear All State",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "FDB Clear All State", .separator = " : "},
     .page = {.table = kFDBClearAllState, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.arp_clear_all_state", .depth = 2, .caption = "ARP Clear All State",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "ARP Clear All State", .separator = " : "},
     .page = {.table = kARPClearAllState, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.trap_manager_table", .depth = 2, .caption = "Trap Manager Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Trap Manager Table: "},
     .page = {.table = kTrapManagerTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {4, "enabled"}, .remove = {4, "disabled"}, .editHidden = true}},
    {.id = "basic_configuration.agent_management.severity_control_management", .depth = 2,
     .caption = "Severity Control Management",
     .opens = Opens::Generic, .pageCaption = {.text = "Severity Control Management: "},
     .page = {.table = kSeverityControlManagement, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.agent_supported_update_files", .depth = 2,
     .caption = "Agent Supported Update Files",
     .opens = Opens::Generic, .pageCaption = {.text = "Agent Supported Update Files: "},
     .page = {.table = kAgentSupportedUpdateFiles, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "basic_configuration.agent_management.agent_supported_config_files", .depth = 2,
     .caption = "Agent Supported Config Files",
     .opens = Opens::Shell, .action = ShellAction::None},
    {.id = "basic_configuration.agent_management.multiple_image_management", .depth = 2,
     .caption = "Multiple Image Management"},
    {.id = "basic_configuration.agent_management.multiple_image_management.general_information", .depth = 3,
     .caption = "General Information",
     .opens = Opens::Generic, .pageCaption = {.text = "General Information: "},
     .page = {.table = kMultipleImageManagementGeneralInformation, .kind = VarListKind::Table,
              .indexCount = 1}},
    {.id = "basic_configuration.agent_management.multiple_image_management.multiple_image_control", .depth = 3,
     .caption = "Multiple Image Control",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Image Control: "},
     .page = {.table = kMultipleImageControl, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "basic_configuration.agent_management.multiple_config_management", .depth = 2,
     .caption = "Multiple Config Management"},
    {.id = "basic_configuration.agent_management.multiple_config_management.general_information", .depth = 3,
     .caption = "General Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Config General Information: "},
     .page = {.table = kMultipleConfigManagementGeneralInformation, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.multiple_config_management.multiple_config_information", .depth = 3,
     .caption = "Multiple Config Information",
     .opens = Opens::Generic, .pageCaption = {.text = "Multiple Config Information Table: "},
     .page = {.table = kMultipleConfigInformation, .kind = VarListKind::TableU, .indexCount = 1,
              .extras = {.pageHeightDpi = 450}}},
    {.id = "basic_configuration.agent_management.multiple_config_management.multiple_config_control", .depth = 3,
     .caption = "Multiple Config Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Multiple Config Control: "},
     .formClass = "TMultipleConfigControlForm"},
    {.id = "basic_configuration.agent_management.agent_trust_host_management", .depth = 2,
     .caption = "Agent Trust Host Management"},
    {.id = "basic_configuration.agent_management.agent_trust_host_management.trust_host_delete_all_state", .depth = 3,
     .caption = "Trust Host Delete All State",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Trust Host Delete All State", .separator = " : "},
     .page = {.table = kTrustHostDeleteAllState, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.agent_trust_host_management.trust_host_table", .depth = 3,
     .caption = "Trust Host Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Trust Host Table", .separator = " : "},
     .page = {.table = kTrustHostTable, .kind = VarListKind::TableU, .indexCount = 1,
              .add = {2, "createAndGo"}, .remove = {2, "destroy"}, .editHidden = true}},
    {.id = "basic_configuration.agent_management.ping_management", .depth = 2, .caption = "Ping Management"},
    {.id = "basic_configuration.agent_management.ping_management.max_concurrent_requests", .depth = 3,
     .caption = "Max Concurrent Requests",
     .opens = Opens::Generic, .pageCaption = {.text = "Max Concurrent Requests: "},
     .page = {.table = kPingManagementMaxConcurrentRequests, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.ping_management.ping_control_table", .depth = 3,
     .caption = "Ping Control Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Ping Control Table: "}, .formClass = "TPingctrlTableForm"},
    {.id = "basic_configuration.agent_management.ping_management.ping_results_table", .depth = 3,
     .caption = "Ping Results Table",
     .opens = Opens::Generic, .pageCaption = {.text = "Ping Results Table: "},
     .page = {.table = kPingResultsTable, .kind = VarListKind::TableU, .indexCount = 2}},
    {.id = "basic_configuration.agent_management.trace_route", .depth = 2, .caption = "Trace Route"},
    {.id = "basic_configuration.agent_management.trace_route.max_concurrent_requests", .depth = 3,
     .caption = "Max Concurrent Requests",
     .opens = Opens::Generic, .pageCaption = {.text = "Max Concurrent Requests: "},
     .page = {.table = kTraceRouteMaxConcurrentRequests, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.agent_management.trace_route.control_table", .depth = 3, .caption = "Control Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Trace Router Control: "},
     .formClass = "TTraceRouteControlForm"},
    {.id = "basic_configuration.agent_management.trace_route.result_table", .depth = 3, .caption = "Result Table",
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Trace Route Results Table", .separator = " : "},
     .page = {.table = kTraceRouteResultTable, .kind = VarListKind::TableU, .indexCount = 2}},
    {.id = "basic_configuration.agent_management.trace_route.route_hops_table", .depth = 3,
     .caption = "Route Hops Table", .hidden = true,
     .opens = Opens::Generic,
     .pageCaption = {.form = CaptionForm::Title, .text = "Route Hops Table", .separator = " : "},
     .page = {.table = kRouteHopsTable, .kind = VarListKind::TableU, .indexCount = 3}},
    {.id = "basic_configuration.system_log", .depth = 1, .caption = "System Log"},
    {.id = "basic_configuration.system_log.system_log_state", .depth = 2, .caption = "System Log State",
     .opens = Opens::Generic, .pageCaption = {.text = "System Log State: "},
     .page = {.table = kSystemLogState, .kind = VarListKind::ScalarGroup,
              .extras = {.pageHeightIncreaseDpi = 20}}},
    {.id = "basic_configuration.system_log.system_log_server_table", .depth = 2, .caption = "System Log Server Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "System Log Host Table: "},
     .formClass = "TSystemLogHostForm"},
    {.id = "basic_configuration.system_log.system_log_save_control", .depth = 2, .caption = "System Log Save Control",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "System Log Save Control: "},
     .formClass = "TLogSaveControlForm"},
    {.id = "basic_configuration.system_log.system_log_clear_control", .depth = 2,
     .caption = "System Log Clear Control"},
    {.id = "basic_configuration.system_log.system_log_clear_control.clear_log", .depth = 3, .caption = "Clear Log",
     .opens = Opens::Generic, .pageCaption = {.text = "System Log Clear Control: "},
     .page = {.table = kClearLog, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.system_log.system_log_clear_control.clear_dangerous_log", .depth = 3,
     .caption = "Clear Dangerous Log",
     .opens = Opens::Generic, .pageCaption = {.text = "System Log Clear Dangerous Log: "},
     .page = {.table = kClearDangerousLog, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.time_management", .depth = 1, .caption = "Time Management"},
    {.id = "basic_configuration.time_management.current_time", .depth = 2, .caption = "Current Time",
     .opens = Opens::Generic, .pageCaption = {.text = "Current Time: "},
     .page = {.table = kCurrentTime, .kind = VarListKind::ScalarGroup,
              .formats = kCurrentTimeFormats}},
    {.id = "basic_configuration.time_management.system_time", .depth = 2, .caption = "System Time",
     .opens = Opens::Generic, .pageCaption = {.text = "System Time: "},
     .page = {.table = kSystemTime, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.time_management.network_time", .depth = 2, .caption = "Network Time",
     .opens = Opens::Generic, .pageCaption = {.text = "Network Time: "},
     .page = {.table = kNetworkTime, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.time_management.summer_time", .depth = 2, .caption = "Summer Time",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Summer Time: "}, .formClass = "TSummerTimeForm"},
    {.id = "basic_configuration.entity", .depth = 1, .caption = "Entity", .hidden = true},
    {.id = "basic_configuration.entity.physical_table", .depth = 2, .caption = "Physical Table"},
    {.id = "basic_configuration.entity.logical_table", .depth = 2, .caption = "Logical Table"},
    {.id = "basic_configuration.entity.mapping", .depth = 2, .caption = "Mapping"},
    {.id = "basic_configuration.if_mib", .depth = 1, .caption = "IF-MIB"},
    {.id = "basic_configuration.if_mib.general_table", .depth = 2, .caption = "General Table",
     .opens = Opens::Sibling, .siblingSwitch = "/TIFMib_LastChangeTable"},
    {.id = "basic_configuration.if_mib.ifx_table", .depth = 2, .caption = "IfX Table",
     .opens = Opens::Generic, .pageCaption = {.text = "IfX Table: "},
     .page = {.table = kIfXTable, .kind = VarListKind::TableU, .indexCount = 1}},
    {.id = "basic_configuration.if_mib.ifstack_table", .depth = 2, .caption = "IfStack Table", .hidden = true},
    {.id = "basic_configuration.if_mib.test_table", .depth = 2, .caption = "Test Table", .hidden = true},
    {.id = "basic_configuration.mib_ii", .depth = 1, .caption = "MIB II"},
    {.id = "basic_configuration.mib_ii.if_table", .depth = 2, .caption = "IF Table",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_IFTable"},
    {.id = "basic_configuration.mib_ii.if_counters", .depth = 2, .caption = "IF Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_IFCounters"},
    {.id = "basic_configuration.mib_ii.ip_counters", .depth = 2, .caption = "IP Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_IPCounters"},
    {.id = "basic_configuration.mib_ii.ip_routing", .depth = 2, .caption = "IP Routing",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_IPRouting"},
    {.id = "basic_configuration.mib_ii.ip_address_table", .depth = 2, .caption = "IP Address Table",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_IPAddress"},
    {.id = "basic_configuration.mib_ii.icmp_counters", .depth = 2, .caption = "ICMP Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_ICMPCounters"},
    {.id = "basic_configuration.mib_ii.udp_counters", .depth = 2, .caption = "UDP Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_UDPCounters"},
    {.id = "basic_configuration.mib_ii.snmp_counters", .depth = 2, .caption = "SNMP Counters",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_SNMPCounters"},
    {.id = "basic_configuration.mib_ii.arp_table", .depth = 2, .caption = "ARP Table",
     .opens = Opens::Sibling, .siblingSwitch = "/TMIB_ARP"},
    {.id = "basic_configuration.etherlike_mib", .depth = 1, .caption = "EtherLike-MIB"},
    {.id = "basic_configuration.etherlike_mib.dot3_statistics", .depth = 2, .caption = "dot3 Statistics",
     .opens = Opens::Sibling, .siblingSwitch = "/TEthernetLike_dot3StatsTable"},
    {.id = "basic_configuration.etherlike_mib.dot3_control_table", .depth = 2, .caption = "dot3 Control Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Dot3 Control: "}, .formClass = "Tdot3ControlForm"},
    {.id = "basic_configuration.etherlike_mib.dot3_pause_table", .depth = 2, .caption = "dot3 Pause Table",
     .opens = Opens::HandBuilt, .pageCaption = {.text = "Dot3 Pause: "}, .formClass = "Tdot3PauseForm"},
    {.id = "basic_configuration.file_system", .depth = 1, .caption = "File System"},
    {.id = "basic_configuration.file_system.media_information", .depth = 2, .caption = "Media Information",
     .opens = Opens::Generic, .pageCaption = {.text = "File System Drive Information: "},
     .page = {.table = kMediaInformation, .kind = VarListKind::Table, .indexCount = 1}},
    {.id = "basic_configuration.file_system.directory_path", .depth = 2, .caption = "Directory Path",
     .opens = Opens::Generic, .pageCaption = {.text = "File System Directory Path: "},
     .page = {.table = kDirectoryPath, .kind = VarListKind::ScalarGroup}},
    // Both leading columns are index columns; counting both lets the page decode "Directory Name".
    {.id = "basic_configuration.file_system.directory_information", .depth = 2, .caption = "Directory Information",
     .opens = Opens::Generic, .pageCaption = {.text = "File System Directory Information: "},
     .page = {.table = kDirectoryInformation, .kind = VarListKind::Table, .indexCount = 2}},
    {.id = "basic_configuration.file_system.file_control", .depth = 2, .caption = "File Control"},
    {.id = "basic_configuration.file_system.file_control.file_rename", .depth = 3, .caption = "File Rename",
     .opens = Opens::Generic, .pageCaption = {.text = "File System File Rename: "},
     .page = {.table = kFileRename, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.file_system.file_control.file_delete", .depth = 3, .caption = "File Delete",
     .opens = Opens::Generic, .pageCaption = {.text = "File System Delete File: "},
     .page = {.table = kFileDelete, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.save_changes", .depth = 1, .caption = "Save Changes", .hidden = true},
    {.id = "basic_configuration.agent_system_reset", .depth = 1, .caption = "Agent System Reset",
     .opens = Opens::Generic, .pageCaption = {.text = "Agent System Reset: "},
     .page = {.table = kAgentSystemReset, .kind = VarListKind::ScalarGroup}},
    {.id = "basic_configuration.refresh_panel", .depth = 1, .caption = "Refresh Panel",
     .opens = Opens::Shell, .action = ShellAction::RefreshPanel, .confirm = kRefreshPanelQuestion},
};

}  // namespace

std::span<const MenuItem> BasicConfigurationMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
