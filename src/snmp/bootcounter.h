#pragma once
// The SNMPv3 boot counter file: one line per local engine, "<engine ID in hex> <boots>".
// Several programs may keep their counters in the same file, so a save rewrites only its own
// line and keeps every other one.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace BootCounter {

// Results of Load, in the numbering the session set-up checks: anything below NoFile is fatal.
constexpr int Found = 0;
constexpr int NoEntry = -1;     // the file exists but holds no line for this engine
constexpr int NoFile = -2;      // there is no file yet
constexpr int Unreadable = -3;  // the file exists but cannot be read
constexpr int Malformed = -4;   // a line that is not "<hex> <number>", or an engine listed twice
constexpr int BadEngineId = -5; // an engine ID outside 1..32 octets

// The largest value snmpEngineBoots may take (RFC 3414); the counter stays there.
constexpr uint32_t kMaxBoots = 2147483647u;

// Reads the counter of 'engineId' into 'boots' (0 unless Found).
int Load(const QString& path, const QByteArray& engineId, uint32_t& boots);

// Stores 'boots' for 'engineId', keeping the other engines' lines. Writes a temporary file
// next to the target and renames it over the old one, so a crash never leaves half a file.
// Returns 0, or -1 when the file cannot be read back for merging or cannot be written.
int Save(const QString& path, const QByteArray& engineId, uint32_t boots);

}  // namespace BootCounter
