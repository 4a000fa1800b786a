// The device configuration file reader on any file content. Besides crashes it checks that a
// file read without an error left numbers in the profile that match the texts kept for the
// sibling modules.

#include "app/device_config.h"
#include "fuzz_target.h"
#include "scratch_dir.h"
#include "snmp/errors.h"

KSW_FUZZ_TARGET(device_config)
{
    FuzzInput in(data, size);
    WriteScratchFile(QStringLiteral("config/agent.cfg"), in.Rest());

    StartupSettings settings;
    settings.ConfigDirectory = ScratchDir() + QStringLiteral("/config/");
    settings.AgentAddressText = QStringLiteral("agent");
    QxSNMPProfile profile;
    try {
        ReadDeviceConfigFile(settings, profile);
    } catch (const AppException& e) {
        FUZZ_CHECK(!e.message().isEmpty() && e.code() == 0, e.message());
        return 0;
    }
    FUZZ_CHECK(settings.ConfigFileFound, DeviceConfigPath(settings));
    const QxSNMPSecurity& security = profile.Security;
    FUZZ_CHECK(settings.PortText.toInt() == profile.Device.Port, settings.PortText);
    FUZZ_CHECK(settings.VersionText.toInt() == security.Version, settings.VersionText);
    FUZZ_CHECK(settings.SecurityModelText.toInt() == security.SecurityModel, settings.SecurityModelText);
    if (settings.SecurityLevelGiven) FUZZ_CHECK(settings.SecurityLevelText.toInt() == security.SecurityLevel, settings.SecurityLevelText);
    if (settings.AuthProtocolGiven) FUZZ_CHECK(settings.AuthProtocolText.toInt() == security.AuthProtocol, settings.AuthProtocolText);
    if (settings.PrivProtocolGiven) FUZZ_CHECK(settings.PrivProtocolText.toInt() == security.PrivProtocol, settings.PrivProtocolText);
    return 0;
}
