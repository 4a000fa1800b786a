#include "startup_settings.h"

void StartupSettings::ClearGivenFlags()
{
    ContextNameGiven = false;
    SecurityLevelGiven = false;
    AuthProtocolGiven = false;
    AuthPasswordGiven = false;
    PrivProtocolGiven = false;
    PrivPasswordGiven = false;
}

StartupSettings& AppStartupSettings()
{
    static StartupSettings settings;
    return settings;
}
