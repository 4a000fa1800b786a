#include "startup_registry.h"

#include "platform/registry.h"
#include "registry_keys.h"

using namespace ksw::app::registry_keys;
using ksw::platform::RegistryKey;
using ksw::platform::RegistryOpen;

namespace {

// The installed module carries its image and configuration-file management.
constexpr MenuVisibility kInstalledMenu[] = {
    {"File System", false},
    {"Multiple Image Management", true},
    {"Multiple Config Management", true},
    {"Agent Supported Config Files", false},
};

constexpr int kInstalledFileNameLength = 12;

constexpr CatalogueFile kCatalogueFiles[] = {
    {Catalogue::Common, "errmsg/common.err"},    {Catalogue::SnmpStatus, "errmsg/snmp.err"},
    {Catalogue::Mp, "errmsg/snmpv3.err"},        {Catalogue::Usm, "errmsg/snmpusm.err"},
    {Catalogue::Class, "errmsg/snmpclass.err"},  {Catalogue::Library, "errmsg/qxsnmp.err"},
    {Catalogue::StatusTemplates, "errmsg/snmp.msg"},
};

}  // namespace

std::span<const MenuVisibility> ReadModuleRegistry(StartupSettings& settings)
{
    const auto key = RegistryKey::Open(QString::fromLatin1(kHelpPath), RegistryOpen::CreateIfMissing);
    if (!key) return {};
    const QString installedFile = key->ReadString(QString::fromLatin1(kHelpPathValue));
    settings.CatalogueBase = installedFile.left(qMax<qsizetype>(0, installedFile.size() - kInstalledFileNameLength));
    return kInstalledMenu;
}

std::span<const CatalogueFile> CatalogueFiles() { return kCatalogueFiles; }

void LoadMessageCatalogues(const QString& catalogueBase)
{
    for (const CatalogueFile& file : kCatalogueFiles)
        LoadCatalogue(file.catalogue, catalogueBase + QString::fromLatin1(file.relativeName));
}

QString ReadConfigDirectory()
{
    const QString path = QString::fromLatin1(kPathValue);
    QString directory = ksw::platform::ReadRegistryString(QString::fromLatin1(kPlatformExePath), path) +
                        QStringLiteral("../Conf/MBF/");
    if (const auto mibFile = RegistryKey::Open(QString::fromLatin1(kPlatformMibFile), RegistryOpen::ReadOnly))
        directory = mibFile->ReadString(path);
    return directory;
}
