#pragma once
// One INI file, read a value at a time through the platform's profile-string reader.

#include <QString>

class QxIni {
public:
    explicit QxIni(QString fileName) : fileName_(std::move(fileName)) {}

    // The value with blanks around it removed; 'defaultValue' when the value is missing or empty.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    const QString& FileName() const { return fileName_; }

private:
    QString fileName_;
};
