#include "command_line.h"

#include <climits>
#include <optional>
#include <span>

#include "device_config.h"
#include "strict_int.h"

namespace {

// In the order they are tested.
constexpr const char* kAddressSwitch[] = {"/I"};
constexpr const char* kCommonSwitches[] = {"/R", "/W", "/v"};
constexpr const char* kV3Switches[] = {"/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"};

struct Found {
    QString name;
    QString value;
};

// The first switch of 'switches' that occurs anywhere in the parameter, with its value.
std::optional<Found> FindSwitch(const QString& parameter, std::span<const char* const> switches)
{
    for (const char* name : switches) {
        const qsizetype at = parameter.indexOf(QLatin1String(name));
        if (at >= 0) return Found{QString::fromLatin1(name), parameter.mid(at + 2)};
    }
    return std::nullopt;
}

int Number(const Found& found, const QString& parameter, int minimum = INT_MIN, int maximum = INT_MAX)
{
    return StrictToIntIn(found.value, minimum, maximum, QStringLiteral("in the parameter \"%1\"").arg(parameter));
}

bool IsVersion3(const StartupSettings& s, const QxSNMPProfile& profile)
{
    return s.VersionText == u'3' || profile.Security.Version == 3;
}

void ApplyCommonSwitch(const Found& found, const QString& parameter, StartupSettings& s, QxSNMPProfile& profile)
{
    if (found.name == u"/R") {
        profile.Security.ReadCommunity = found.value;
        s.ReadCommunityText = found.value;
    } else if (found.name == u"/W") {
        profile.Security.WriteCommunity = found.value;
        s.WriteCommunityText = found.value;
    } else {  // "/v"
        profile.Security.Version = static_cast<quint8>(Number(found, parameter, 0, 255));
        s.VersionText = found.value;
    }
}

void ApplyV3Switch(const Found& found, const QString& parameter, StartupSettings& s, QxSNMPProfile& profile)
{
    QxSNMPSecurity& security = profile.Security;
    const QChar letter = found.name.at(1);
    const QString& value = found.value;
    switch (letter.unicode()) {
    case u't':
        profile.Device.Port = static_cast<quint16>(Number(found, parameter, 0, 65535));
        s.PortText = value;
        break;
    case u'c':
        profile.Scope.ContextName = value;
        if (!value.isEmpty()) {
            s.ContextNameText = value;
            s.ContextNameGiven = true;
        }
        break;
    case u'd':
        profile.Scope.ContextEngineId = value;
        s.ContextEngineIdText = value;
        break;
    case u'm':
        security.SecurityModel = Number(found, parameter);
        s.SecurityModelText = value;
        break;
    case u'l':
        security.SecurityLevel = Number(found, parameter);
        if (security.SecurityLevel != 0) {
            s.SecurityLevelText = value;
            s.SecurityLevelGiven = true;
        }
        break;
    case u'n':
        security.SecurityName = value;
        s.SecurityNameText = value;
        break;
    case u'A':
        security.AuthPassword = value;
        if (!value.isEmpty()) {
            s.AuthPasswordText = value;
            s.AuthPasswordGiven = true;
        }
        break;
    case u'P':
        security.PrivPassword = value;
        if (!value.isEmpty()) {
            s.PrivPasswordText = value;
            s.PrivPasswordGiven = true;
        }
        break;
    case u'a':
        security.AuthProtocol = Number(found, parameter);
        // The kept text is tested, not the new value: once "0" it stays.
        if (s.AuthProtocolText != u'0') {
            s.AuthProtocolText = value;
            s.AuthProtocolGiven = true;
        }
        break;
    case u'p':
        security.PrivProtocol = Number(found, parameter);
        if (s.PrivProtocolText != u'0') {
            s.PrivProtocolText = value;
            s.PrivProtocolGiven = true;
        }
        break;
    default:
        break;
    }
}

}  // namespace

void ApplyParameter(const QString& parameter, StartupSettings& s, QxSNMPProfile& profile)
{
    if (const auto address = FindSwitch(parameter, kAddressSwitch)) {
        s.AgentAddressText = address->value;
        s.DeviceAddress = address->value;
        profile.Device.Address = address->value;
        return;
    }

    ReadDeviceConfigFile(s, profile);

    if (const auto common = FindSwitch(parameter, kCommonSwitches)) {
        ApplyCommonSwitch(*common, parameter, s, profile);
        return;
    }
    if (!IsVersion3(s, profile)) return;
    if (const auto v3 = FindSwitch(parameter, kV3Switches))
        ApplyV3Switch(*v3, parameter, s, profile);
}

void ApplyParameters(const QStringList& parameters, StartupSettings& s, QxSNMPProfile& profile)
{
    for (const QString& parameter : parameters) ApplyParameter(parameter, s, profile);
}
