#include "registry.h"

#include <QDir>
#include <QFileInfo>

#include "ini_document.h"

namespace ksw::platform {

namespace {

// "\SOFTWARE\X\" and "software\x" name the same key. Blanks at either end are dropped with
// the backslashes, in any order: a section name keeps none, so "\X \" must name key "X".
QString NormalKeyPath(const QString& keyPath)
{
    const auto isEdge = [](QChar c) { return c == u'\\' || c.isSpace(); };
    qsizetype begin = 0;
    qsizetype end = keyPath.size();
    while (begin < end && isEdge(keyPath[begin])) ++begin;
    while (end > begin && isEdge(keyPath[end - 1])) --end;
    return keyPath.mid(begin, end - begin);
}

// The section that holds the key itself, if any.
std::optional<QString> SectionOfKey(const IniDocument& document, const QString& normalPath)
{
    for (const QString& section : document.SectionNames())
        if (SameIniName(NormalKeyPath(section), normalPath)) return section;
    return std::nullopt;
}

bool HasSubkey(const IniDocument& document, const QString& normalPath)
{
    const QString prefix = normalPath + u'\\';
    for (const QString& section : document.SectionNames())
        if (NormalKeyPath(section).startsWith(prefix, Qt::CaseInsensitive)) return true;
    return false;
}

bool CanWrite(const QString& file)
{
    const QFileInfo info(file);
    // A file we cannot read must not be replaced by one that holds only our change.
    if (info.exists()) return info.isFile() && info.isReadable() && info.isWritable();
    return QDir().mkpath(info.absolutePath());
}

}  // namespace

QString RegistryFilePath()
{
    const QString explicitFile = qEnvironmentVariable("KSW_REGISTRY");
    if (!explicitFile.isEmpty()) return explicitFile;
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty()) configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/ksw7100/registry.ini");
}

std::optional<RegistryKey> RegistryKey::Open(const QString& keyPath, RegistryOpen mode)
{
    const QString file = RegistryFilePath();
    const QString normalPath = NormalKeyPath(keyPath);
    if (normalPath.isEmpty()) return std::nullopt;

    IniDocument document = IniDocument::Load(file);
    if (auto section = SectionOfKey(document, normalPath)) return RegistryKey(file, *section);
    if (HasSubkey(document, normalPath)) return RegistryKey(file, u'\\' + normalPath);
    if (mode == RegistryOpen::ReadOnly) return std::nullopt;

    if (!CanWrite(file)) return std::nullopt;
    const QString section = u'\\' + normalPath;
    document.AddSection(section);
    if (!document.Save(file)) return std::nullopt;
    return RegistryKey(file, section);
}

QString RegistryKey::ReadString(const QString& valueName) const
{
    const IniDocument document = IniDocument::Load(file_);
    const auto section = SectionOfKey(document, NormalKeyPath(keyPath_));
    if (!section) return {};
    return document.Value(*section, valueName).value_or(QString());
}

bool RegistryKey::WriteString(const QString& valueName, const QString& value) const
{
    if (!CanWrite(file_)) return false;
    IniDocument document = IniDocument::Load(file_);
    const QString section = SectionOfKey(document, NormalKeyPath(keyPath_)).value_or(keyPath_);
    document.SetValue(section, valueName, value);
    return document.Save(file_);
}

QString ReadRegistryString(const QString& keyPath, const QString& valueName)
{
    const auto key = RegistryKey::Open(keyPath, RegistryOpen::ReadOnly);
    return key ? key->ReadString(valueName) : QString();
}

}  // namespace ksw::platform
