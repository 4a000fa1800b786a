#pragma once
// An INI file held line by line, so that changing one value keeps every comment, blank line
// and the order of the rest. Section and key names are compared without regard to case; the
// first section and the first key of a name win, as the classic profile readers do.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ksw::platform {

class IniDocument {
public:
    // Lines starting with ';' or '#' are comments; a UTF-8 byte-order mark and CR before LF are
    // accepted. Blanks around names and values are dropped, and one pair of matching quotes
    // around a value is removed (that is how a value keeps blanks at its ends).
    static IniDocument Parse(const QByteArray& utf8);
    // Reads a file; a missing or unreadable file gives an empty document.
    static IniDocument Load(const QString& path);

    QByteArray Serialize() const;
    // Writes through a temporary file renamed into place, so readers never see half a file.
    bool Save(const QString& path) const;

    QStringList SectionNames() const;
    bool HasSection(const QString& section) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Appends the section when no section of that name exists.
    void AddSection(const QString& section);
    // Replaces the first entry of the key, or adds it at the end of the section (created when
    // missing). Values that would not read back the same are written in quotes.
    void SetValue(const QString& section, const QString& key, const QString& value);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        QString text;   // as written; regenerated for entries set by SetValue
        QString name;   // section or key name
        QString value;  // entries only, unquoted
    };

    int FindSection(const QString& section) const;
    // One past the last line that belongs to the section starting at 'sectionLine'.
    int SectionEnd(int sectionLine) const;
    int FindEntry(int sectionLine, const QString& key) const;

    std::vector<Line> lines_;
};

// True when two section or key names are the same without regard to case.
bool SameIniName(const QString& a, const QString& b);

}  // namespace ksw::platform
