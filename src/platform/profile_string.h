#pragma once
// The profile-string reader: one value of an INI file, read the way administrators expect of
// such files. Section and key names are compared without regard to case, blanks around names
// and values are dropped, one pair of matching quotes around a value is removed, and lines
// starting with ';' or '#' are comments. The first section and the first key of a name win.

#include <QString>

namespace ksw::platform {

constexpr int kProfileBufferBytes = 4096;

// The value, or 'fallback' when the file, the section or the key is missing. Like a caller's
// buffer of 'bufferBytes' bytes with its terminating zero, the result holds at most
// bufferBytes - 1 bytes of UTF-8, cut before a character that does not fit whole.
QString ReadProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& fallback = QString(), int bufferBytes = kProfileBufferBytes);

}  // namespace ksw::platform
