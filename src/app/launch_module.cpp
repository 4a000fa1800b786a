#include "launch_module.h"

#include "platform/process.h"
#include "platform/registry.h"
#include "registry_keys.h"

using namespace ksw::app::registry_keys;
using ksw::platform::RegistryKey;
using ksw::platform::RegistryOpen;

namespace {

constexpr const char* kNorvaneModules[] = {"EthernetLike", "IFMib", "MIB", "Bridge", "VLan", "Rmon"};

bool KeyExists(const char* keyPath)
{
    return RegistryKey::Open(QString::fromLatin1(keyPath), RegistryOpen::ReadOnly).has_value();
}

bool IsNorvaneModule(const QString& module)
{
    for (const char* known : kNorvaneModules)
        if (module == QLatin1String(known)) return true;
    return false;
}

bool HasSnmpV3Agent(const StartupSettings& s, const QxSNMPProfile& profile)
{
    return (s.ConfigFileFound && s.VersionText == u'3') || profile.Security.Version == 3;
}

}  // namespace

QString ModuleOfSwitch(const QString& pageSwitch)
{
    const qsizetype underscore = pageSwitch.indexOf(u'_');
    if (underscore < 0) return pageSwitch.mid(2);
    return pageSwitch.mid(2, underscore - 2);
}

ModuleExecutable LocateModule(const QString& module)
{
    ModuleExecutable found{module, QString()};
    if (KeyExists(kPlatform51AppPath) || KeyExists(kPlatform5AppPath)) return found;

    const auto norvane = RegistryKey::Open(QString::fromLatin1(kNorvaneConsole), RegistryOpen::ReadOnly);
    if (!norvane) {
        found.statusText = QString::fromLatin1(kNoModulePath);
        return found;
    }
    const QString installation = norvane->ReadString(QString::fromLatin1(kNorvanePathValue));
    if (installation.isEmpty())
        found.statusText = QString::fromLatin1(kNorvanePathError);
    else if (IsNorvaneModule(module))
        found.program = installation + QStringLiteral("/quorix_ems/KSW7116/") + module + QStringLiteral(".EXE");
    return found;
}

QString ModuleCommand::CommandLine() const { return (QStringList{program} + arguments).join(u' '); }

ModuleCommand BuildModuleCommand(const QString& program, const QString& pageSwitch, const StartupSettings& s,
                                 const QxSNMPProfile& profile)
{
    ModuleCommand command{program, {}};
    auto add = [&command](const char* name, const QString& value) {
        command.arguments << QLatin1String(name) + value;
    };
    add("/I", s.AgentAddressText);
    add("/R", s.ReadCommunityText);
    add("/W", s.WriteCommunityText);
    command.arguments << pageSwitch;
    if (!HasSnmpV3Agent(s, profile)) return command;

    // These five go always, empty or not: a sibling takes the agent exactly as this module holds it.
    add("/t", s.PortText);
    add("/v", s.VersionText);
    add("/d", s.ContextEngineIdText);
    add("/m", s.SecurityModelText);
    add("/n", s.SecurityNameText);
    if (s.ContextNameGiven && !s.ContextNameText.isEmpty()) add("/c", s.ContextNameText);
    if (s.SecurityLevelGiven && !s.SecurityLevelText.isEmpty()) add("/l", s.SecurityLevelText);
    if (s.AuthProtocolGiven && !s.AuthProtocolText.isEmpty()) add("/a", s.AuthProtocolText);
    if (s.AuthPasswordGiven) add("/A", s.AuthPasswordText);
    if (s.PrivProtocolGiven && !s.PrivProtocolText.isEmpty()) add("/p", s.PrivProtocolText);
    if (s.PrivPasswordGiven) add("/P", s.PrivPasswordText);
    return command;
}

QString LaunchModule(const QString& pageSwitch, const StartupSettings& settings, const QxSNMPProfile& profile)
{
    const ModuleExecutable executable = LocateModule(ModuleOfSwitch(pageSwitch));
    const ModuleCommand command = BuildModuleCommand(executable.program, pageSwitch, settings, profile);
    ksw::platform::StartDetached(command.program, command.arguments);
    return executable.statusText;
}
