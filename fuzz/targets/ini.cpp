// The INI reader and writer under the registry and the device configuration files: parsing any
// file, writing it back, changing one value, and the profile-string reader with any buffer
// size. Besides crashes it checks that a document written and read again holds the same
// sections and values, and that a value set reads back as set.

#include "app/qx_ini.h"
#include "fuzz_target.h"
#include "platform/ini_document.h"
#include "platform/profile_string.h"
#include "scratch_dir.h"

using ksw::platform::IniDocument;
using ksw::platform::SameIniName;

namespace {

// A name that a section header or an entry line writes so that it reads back the same.
bool IsPlainName(const QString& name, bool isKey)
{
    if (name.isEmpty() || name != name.trimmed()) return false;
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) return false;
    if (isKey)
        return !name.contains(QLatin1Char('=')) && !name.startsWith(QLatin1Char('[')) &&
               !name.startsWith(QLatin1Char(';')) && !name.startsWith(QLatin1Char('#'));
    return !name.contains(QLatin1Char(']'));
}

QString SingleLine(QString value)
{
    return value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString Shown(const std::optional<QString>& value)
{
    return value ? QLatin1Char('"') + *value + QLatin1Char('"') : QStringLiteral("(none)");
}

void DocumentRoundTrip(FuzzInput& in, const QByteArray& file)
{
    const IniDocument document = IniDocument::Parse(file);
    const QByteArray written = document.Serialize();
    const IniDocument reread = IniDocument::Parse(written);
    FUZZ_CHECK(reread.SectionNames() == document.SectionNames(), QString::fromUtf8(written));

    const QString section = in.Text();
    const QString key = in.Text();
    const QString value = in.Text();
    const QString otherSection = in.Text();
    const QString otherKey = in.Text();
    const auto before = document.Value(otherSection, otherKey);
    FUZZ_CHECK(reread.Value(otherSection, otherKey) == before, Shown(reread.Value(otherSection, otherKey)));

    IniDocument changed = document;
    changed.SetValue(section, key, value);
    const IniDocument changedReread = IniDocument::Parse(changed.Serialize());
    if (!IsPlainName(section, false) || !IsPlainName(key, true)) return;
    FUZZ_CHECK(changedReread.Value(section, key) == SingleLine(value), Shown(changedReread.Value(section, key)));
    // Every other value stays as it was.
    if (!(SameIniName(section, otherSection) && SameIniName(key, otherKey)))
        FUZZ_CHECK(changedReread.Value(otherSection, otherKey) == before, Shown(changedReread.Value(otherSection, otherKey)));
}

void ProfileString(FuzzInput& in, const QByteArray& file)
{
    const QString path = WriteScratchFile(QStringLiteral("profile.ini"), file);
    const int bufferBytes = static_cast<int16_t>(in.Number<uint16_t>());
    const QString section = in.Text();
    const QString key = in.Text();
    const QString fallback = in.Text();

    const QString whole = ksw::platform::ReadProfileString(path, section, key, fallback, 1 << 30);
    const QString cut = ksw::platform::ReadProfileString(path, section, key, fallback, bufferBytes);
    FUZZ_CHECK(cut.toUtf8().size() <= qMax(bufferBytes - 1, 0), cut);
    FUZZ_CHECK(whole.startsWith(cut), cut);

    const QString read = QxIni(path).ReadString(section, key, fallback);
    const QString stored = ksw::platform::ReadProfileString(path, section, key, QString());
    FUZZ_CHECK(read == (stored.isEmpty() ? fallback : stored.trimmed()), read);
}

}  // namespace

KSW_FUZZ_TARGET(ini)
{
    FuzzInput in(data, size);
    const bool profile = in.Flag();
    const QByteArray file = in.Field();
    if (profile)
        ProfileString(in, file);
    else
        DocumentRoundTrip(in, file);
    return 0;
}
