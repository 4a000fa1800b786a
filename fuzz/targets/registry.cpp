// The registry over any registry file: reading values by any key path and value name, opening
// and creating keys, and writing a value. Besides crashes it checks that a write reported as
// done reads back, and that a created key opens again.

#include "app/registry_keys.h"
#include "fuzz_target.h"
#include "platform/registry.h"
#include "scratch_dir.h"

using namespace ksw::platform;

namespace {

bool IsPlainValueName(const QString& name)
{
    return !name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char('=')) &&
           !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')) &&
           !name.startsWith(QLatin1Char('[')) && !name.startsWith(QLatin1Char(';')) && !name.startsWith(QLatin1Char('#'));
}

// A key path whose section header reads back as written.
bool IsPlainKeyPath(const QString& path)
{
    return !path.contains(QLatin1Char(']')) && !path.contains(QLatin1Char('\n')) && !path.contains(QLatin1Char('\r'));
}

bool HasName(const QString& path)
{
    for (QChar c : path)
        if (c != QLatin1Char('\\') && !c.isSpace()) return true;
    return false;
}

}  // namespace

KSW_FUZZ_TARGET(registry)
{
    FuzzInput in(data, size);
    const uint8_t mode = in.Byte();
    const QString file = WriteScratchFile(QStringLiteral("registry/registry.ini"), in.Field());
    qputenv("KSW_REGISTRY", file.toUtf8());
    FUZZ_CHECK(RegistryFilePath() == file, RegistryFilePath());

    const QString keyPath = in.Text();
    const QString valueName = in.Text();
    const QString value = in.Text();

    using namespace ksw::app::registry_keys;
    for (const char* known : {kHelpPath, kPlatformExePath, kPlatformMibFile, kNorvaneConsole})
        ReadRegistryString(QString::fromLatin1(known), valueName);
    ReadRegistryString(keyPath, valueName);

    const bool create = (mode & 1) != 0;
    const auto key = RegistryKey::Open(keyPath, create ? RegistryOpen::CreateIfMissing : RegistryOpen::ReadOnly);
    if (!key) {
        if (create && HasName(keyPath) && IsPlainKeyPath(keyPath)) FUZZ_CHECK(false, keyPath);
        return 0;
    }
    key->ReadString(valueName);
    if (IsPlainKeyPath(keyPath)) FUZZ_CHECK(RegistryKey::Open(keyPath, RegistryOpen::ReadOnly).has_value(), keyPath);
    if ((mode & 2) == 0) return 0;

    const bool written = key->WriteString(valueName, value);
    FUZZ_CHECK(written, keyPath);
    if (!IsPlainKeyPath(keyPath) || !IsPlainValueName(valueName)) return 0;
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    FUZZ_CHECK(key->ReadString(valueName) == expected, key->ReadString(valueName));
    FUZZ_CHECK(ReadRegistryString(keyPath, valueName) == expected, ReadRegistryString(keyPath, valueName));
    return 0;
}
