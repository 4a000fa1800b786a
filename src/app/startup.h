#pragma once
// The part of the main window's construction that needs no window: after the SNMP session has
// been created (which resets the agent profile), the registry, the message catalogues and the
// command line with the device configuration file. The window applies what comes back.

#include <QStringList>
#include <span>

#include "snmp/profile.h"
#include "startup_registry.h"
#include "startup_settings.h"

inline constexpr char kNoParameterInput[] = "No parameter input";

struct StartupOutcome {
    // Menu items to show or hide (empty when the module's registry key could not be opened).
    std::span<const MenuVisibility> MenuChanges;
    // Show kNoParameterInput and end the application.
    bool NoParameterInput = false;
    // The top menu "SNMP V3" is enabled only for an SNMPv3 agent.
    bool SnmpV3MenuEnabled = false;
};

// 'parameters' are the program's arguments without the program itself. Sets the profile to
// SNMPv1 first, then fills it and 'settings'. Raises AppException when a number in the device
// configuration file or on the command line is not valid; the window cannot open then.
StartupOutcome RunStartup(const QStringList& parameters, StartupSettings& settings, QxSNMPProfile& profile);
