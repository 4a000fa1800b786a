// Start-up with any argument list over a private installation: a registry file, a device
// configuration file and a message catalogue read from the input. "@ROOT@" in the registry
// text stands for the installation's directory, so seeds can point the platform's keys at it.

#include <QDir>

#include "app/startup.h"
#include "fuzz_target.h"
#include "scratch_dir.h"
#include "snmp/errors.h"

namespace {

constexpr Catalogue kCatalogues[] = {Catalogue::Common, Catalogue::SnmpStatus, Catalogue::Mp,
                                     Catalogue::Usm,    Catalogue::Class,      Catalogue::Library,
                                     Catalogue::StatusTemplates};
constexpr int kMaxArguments = 16;

}  // namespace

KSW_FUZZ_TARGET(command_line)
{
    FuzzInput in(data, size);
    const QString root = ScratchDir() + QStringLiteral("/install");
    QDir().mkpath(root + QStringLiteral("/bin"));
    // Only this input's catalogue: one left by an earlier input would make runs differ.
    QDir(root + QStringLiteral("/module")).removeRecursively();

    const QByteArray registry = in.Field().replace("@ROOT@", root.toUtf8());
    qputenv("KSW_REGISTRY", WriteScratchFile(QStringLiteral("install/registry.ini"), registry).toUtf8());
    WriteScratchFile(QStringLiteral("install/Conf/MBF/agent.cfg"), in.Field());
    const uint8_t catalogue = in.Byte() % std::size(CatalogueFiles());
    WriteScratchFile(QStringLiteral("install/module/") + QString::fromLatin1(CatalogueFiles()[catalogue].relativeName),
                     in.Field());

    QStringList arguments;
    while (!in.AtEnd() && arguments.size() < kMaxArguments) arguments << in.Text();

    StartupSettings settings;
    QxSNMPProfile profile;
    try {
        const StartupOutcome outcome = RunStartup(arguments, settings, profile);
        FUZZ_CHECK(outcome.NoParameterInput == arguments.isEmpty(), QString::number(arguments.size()));
        FUZZ_CHECK(outcome.SnmpV3MenuEnabled == (profile.Security.Version == 3), settings.VersionText);
    } catch (const AppException& e) {
        FUZZ_CHECK(!e.message().isEmpty() && e.code() == 0, e.message());
    }
    for (Catalogue each : kCatalogues) ResetCatalogue(each);
    return 0;
}
