#pragma once
// The device configuration file the platform writes for each agent: an INI file named after the
// agent address plus ".cfg", whose section "Program Information" completes the command line.
// It counts security level and protocols from 0 ("0" leaves the default); the profile and the
// kept texts hold the library's codes, one more.

#include <QString>

#include "snmp/profile.h"
#include "startup_settings.h"

inline constexpr char kDeviceConfigSection[] = "Program Information";

// ConfigDirectory + AgentAddressText + ".cfg".
QString DeviceConfigPath(const StartupSettings& settings);

// Sets ConfigFileFound and, when the file exists, stores its keys in the profile and the
// settings. A numeric key that is missing, empty or not a number raises AppException.
void ReadDeviceConfigFile(StartupSettings& settings, QxSNMPProfile& profile);
