#include "profile_string.h"

#include "ini_document.h"

namespace ksw::platform {

namespace {

QString FitInBuffer(const QString& value, int bufferBytes)
{
    const qsizetype limit = bufferBytes > 0 ? bufferBytes - 1 : 0;
    if (value.toUtf8().size() <= limit) return value;
    QString cut;
    qsizetype used = 0;
    for (qsizetype i = 0; i < value.size();) {
        // A surrogate pair is one character.
        const qsizetype length = value.at(i).isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
        const QString character = value.mid(i, length);
        const qsizetype bytes = character.toUtf8().size();
        if (used + bytes > limit) break;
        cut += character;
        used += bytes;
        i += length;
    }
    return cut;
}

}  // namespace

QString ReadProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& fallback, int bufferBytes)
{
    const auto value = IniDocument::Load(filePath).Value(section, key);
    return FitInBuffer(value.value_or(fallback), bufferBytes);
}

}  // namespace ksw::platform
