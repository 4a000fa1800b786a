#pragma once
// The machine-wide registry of the management platform, kept in one INI file: every section
// is a key path written with backslashes ("\SOFTWARE\Quorix\Modules\HelpPath"), every entry
// a value name. Key paths and value names are compared without regard to case; a key exists
// when its section does or when a section of one of its subkeys does.
//
// The file is $KSW_REGISTRY, else $XDG_CONFIG_HOME/ksw7100/registry.ini ($XDG_CONFIG_HOME
// defaults to ~/.config). Every call reads the file again; nothing is cached.

#include <QString>
#include <optional>

namespace ksw::platform {

QString RegistryFilePath();

enum class RegistryOpen {
    ReadOnly,
    CreateIfMissing,  // creates the key (and the file) when the file can be written
};

class RegistryKey {
public:
    // Empty when the key does not exist and was not created.
    static std::optional<RegistryKey> Open(const QString& keyPath, RegistryOpen mode);

    // A missing value reads as the empty text.
    QString ReadString(const QString& valueName) const;
    // Replaces the whole file atomically; false when it cannot be written.
    bool WriteString(const QString& valueName, const QString& value) const;

    const QString& KeyPath() const { return keyPath_; }

private:
    RegistryKey(QString file, QString keyPath) : file_(std::move(file)), keyPath_(std::move(keyPath)) {}

    QString file_;
    QString keyPath_;  // as the section is spelt in the file, or as given when created
};

// Opens read-only and reads one value: the empty text when the key or the value is missing.
QString ReadRegistryString(const QString& keyPath, const QString& valueName);

}  // namespace ksw::platform
