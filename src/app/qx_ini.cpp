#include "qx_ini.h"

#include "platform/profile_string.h"

QString QxIni::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QString value = ksw::platform::ReadProfileString(fileName_, section, key, QString(),
                                                           ksw::platform::kProfileBufferBytes);
    return value.isEmpty() ? defaultValue : value.trimmed();
}
