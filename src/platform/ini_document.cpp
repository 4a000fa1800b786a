#include "ini_document.h"

#include <QFile>
#include <QSaveFile>

namespace ksw::platform {

namespace {

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

bool IsQuoted(const QString& value)
{
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

QString Unquote(const QString& value) { return IsQuoted(value) ? value.mid(1, value.size() - 2) : value; }

// A line cannot hold a line break; a blank keeps the rest of the value readable.
QString SingleLine(QString value) { return value.replace(u'\r', u' ').replace(u'\n', u' '); }

// The form of a single-line value that reads back as the same value.
QString QuoteIfNeeded(const QString& value)
{
    if (value.isEmpty()) return value;
    const bool losesBlanks = value.front().isSpace() || value.back().isSpace();
    if (losesBlanks || IsQuoted(value)) return u'"' + value + u'"';
    return value;
}

}  // namespace

bool SameIniName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

IniDocument IniDocument::Parse(const QByteArray& utf8)
{
    QByteArray bytes = utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);

    IniDocument document;
    const QList<QByteArray> rawLines = bytes.split('\n');
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        QByteArray raw = rawLines[i];
        if (i == rawLines.size() - 1 && raw.isEmpty()) break;  // text after the last line feed
        if (raw.endsWith('\r')) raw.chop(1);

        Line line;
        line.text = QString::fromUtf8(raw);
        const QString trimmed = line.text.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            line.kind = Kind::Other;
        } else if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            if (close > 0) {
                line.kind = Kind::Section;
                line.name = trimmed.mid(1, close - 1).trimmed();
            }
        } else {
            const qsizetype equals = trimmed.indexOf(u'=');
            if (equals > 0) {
                line.name = trimmed.left(equals).trimmed();
                if (!line.name.isEmpty()) {
                    line.kind = Kind::Entry;
                    line.value = Unquote(trimmed.mid(equals + 1).trimmed());
                }
            }
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

IniDocument IniDocument::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return Parse(file.readAll());
}

QByteArray IniDocument::Serialize() const
{
    QByteArray out;
    for (const Line& line : lines_) {
        out += line.text.toUtf8();
        out += '\n';
    }
    return out;
}

bool IniDocument::Save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = Serialize();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList IniDocument::SectionNames() const
{
    QStringList names;
    for (const Line& line : lines_)
        if (line.kind == Kind::Section) names.append(line.name);
    return names;
}

int IniDocument::FindSection(const QString& section) const
{
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && SameIniName(lines_[i].name, section)) return static_cast<int>(i);
    return -1;
}

int IniDocument::SectionEnd(int sectionLine) const
{
    size_t i = static_cast<size_t>(sectionLine) + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return static_cast<int>(i);
}

int IniDocument::FindEntry(int sectionLine, const QString& key) const
{
    const int end = SectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const Line& line = lines_[static_cast<size_t>(i)];
        if (line.kind == Kind::Entry && SameIniName(line.name, key)) return i;
    }
    return -1;
}

bool IniDocument::HasSection(const QString& section) const { return FindSection(section) >= 0; }

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    const int sectionLine = FindSection(section);
    if (sectionLine < 0) return std::nullopt;
    const int entry = FindEntry(sectionLine, key);
    if (entry < 0) return std::nullopt;
    return lines_[static_cast<size_t>(entry)].value;
}

void IniDocument::AddSection(const QString& section)
{
    if (HasSection(section)) return;
    if (!lines_.empty() && !lines_.back().text.trimmed().isEmpty()) lines_.push_back(Line{});
    Line line;
    line.kind = Kind::Section;
    line.name = section;
    line.text = u'[' + section + u']';
    lines_.push_back(std::move(line));
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    AddSection(section);
    const int sectionLine = FindSection(section);
    const int existing = FindEntry(sectionLine, key);

    Line entry;
    entry.kind = Kind::Entry;
    entry.name = existing >= 0 ? lines_[static_cast<size_t>(existing)].name : key;  // keep the file's spelling
    entry.value = SingleLine(value);
    entry.text = entry.name + u'=' + QuoteIfNeeded(entry.value);

    if (existing >= 0) {
        lines_[static_cast<size_t>(existing)] = std::move(entry);
        return;
    }
    // After the section's last entry, so comments and blank lines before the next section
    // stay where they are.
    int insertAt = sectionLine + 1;
    const int end = SectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i)
        if (lines_[static_cast<size_t>(i)].kind == Kind::Entry) insertAt = i + 1;
    lines_.insert(lines_.begin() + insertAt, std::move(entry));
}

}  // namespace ksw::platform
