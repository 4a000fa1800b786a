#include "bootcounter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cctype>
#include <vector>

namespace BootCounter {
namespace {

// A boot counter file is a handful of short lines; anything far larger is not ours.
constexpr qint64 kMaxFileSize = 64 * 1024;
constexpr int kMaxEngineIdLength = 32;

struct Entry {
    QByteArray engineId;
    uint32_t boots = 0;
};

bool ValidEngineId(const QByteArray& engineId)
{
    return !engineId.isEmpty() && engineId.size() <= kMaxEngineIdLength;
}

bool IsHex(const QByteArray& text)
{
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsDecimal(const QByteArray& text)
{
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return !text.isEmpty();
}

bool ParseLine(const QByteArray& line, Entry& entry)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 2) return false;
    const QByteArray& hex = fields[0];
    if (hex.size() % 2 != 0 || !IsHex(hex) || !IsDecimal(fields[1])) return false;
    entry.engineId = QByteArray::fromHex(hex);
    if (!ValidEngineId(entry.engineId)) return false;
    bool ok = false;
    const qulonglong boots = fields[1].toULongLong(&ok);
    if (!ok || boots > kMaxBoots) return false;
    entry.boots = static_cast<uint32_t>(boots);
    return true;
}

// Reads every entry; returns Found, NoFile, Unreadable or Malformed.
int ReadEntries(const QString& path, std::vector<Entry>& entries)
{
    entries.clear();
    const QFileInfo info(path);
    if (!info.exists()) return NoFile;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return Unreadable;
    if (file.size() > kMaxFileSize) return Malformed;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) return Unreadable;
    for (const QByteArray& line : content.split('\n')) {
        if (line.trimmed().isEmpty()) continue;
        Entry entry;
        if (!ParseLine(line, entry)) return Malformed;
        for (const Entry& seen : entries)
            if (seen.engineId == entry.engineId) return Malformed;
        entries.push_back(entry);
    }
    return Found;
}

}  // namespace

int Load(const QString& path, const QByteArray& engineId, uint32_t& boots)
{
    boots = 0;
    if (!ValidEngineId(engineId)) return BadEngineId;
    std::vector<Entry> entries;
    const int status = ReadEntries(path, entries);
    if (status != Found) return status;
    for (const Entry& entry : entries) {
        if (entry.engineId == engineId) {
            boots = entry.boots;
            return Found;
        }
    }
    return NoEntry;
}

int Save(const QString& path, const QByteArray& engineId, uint32_t boots)
{
    if (!ValidEngineId(engineId) || boots > kMaxBoots) return -1;
    std::vector<Entry> entries;
    const int status = ReadEntries(path, entries);
    // Never overwrite a file whose other lines we could not read: they belong to someone.
    if (status != Found && status != NoFile) return -1;

    bool replaced = false;
    for (Entry& entry : entries) {
        if (entry.engineId == engineId) {
            entry.boots = boots;
            replaced = true;
        }
    }
    if (!replaced) entries.push_back({engineId, boots});

    QByteArray content;
    for (const Entry& entry : entries)
        content += entry.engineId.toHex() + ' ' + QByteArray::number(entry.boots) + '\n';

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return -1;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return -1;
    }
    return file.commit() ? 0 : -1;
}

}  // namespace BootCounter
