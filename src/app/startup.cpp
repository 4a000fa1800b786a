#include "startup.h"

#include "command_line.h"

StartupOutcome RunStartup(const QStringList& parameters, StartupSettings& settings, QxSNMPProfile& profile)
{
    profile.Security.Version = 0;

    StartupOutcome outcome;
    outcome.MenuChanges = ReadModuleRegistry(settings);
    LoadMessageCatalogues(settings.CatalogueBase);
    settings.ConfigDirectory = ReadConfigDirectory();
    settings.ClearGivenFlags();

    if (parameters.isEmpty())
        outcome.NoParameterInput = true;
    else
        ApplyParameters(parameters, settings, profile);

    outcome.SnmpV3MenuEnabled = profile.Security.Version == 3;
    return outcome;
}
