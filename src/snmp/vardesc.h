#pragma once
// Variable descriptors: the static tables that pages declare, and the run-time variable list
// that a request reads and writes.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QxOptionList;

// Type codes: SMI BER tags and the library's own encodings carried in octet strings.
namespace VarType {
constexpr uint32_t Boolean = 1;
constexpr uint32_t Integer = 2;
constexpr uint32_t BitString = 3;  // port lists and other bit maps
constexpr uint32_t OctetString = 4;
constexpr uint32_t Null = 5;
constexpr uint32_t ObjectId = 6;
constexpr uint32_t IpAddress = 64;
constexpr uint32_t Counter = 65;
constexpr uint32_t Gauge = 66;
constexpr uint32_t TimeTicks = 67;
constexpr uint32_t Opaque = 68;
constexpr uint32_t NsapAddress = 69;
constexpr uint32_t Counter64 = 70;
constexpr uint32_t UInteger = 71;
constexpr uint32_t Double = 72;
constexpr uint32_t MacAddress = 73;
constexpr uint32_t DateTime = 74;
constexpr uint32_t BcDateTime = 75;
constexpr uint32_t DisplayString = 76;
constexpr uint32_t Ipv6Address = 77;
constexpr uint32_t Bool8 = 193;
constexpr uint32_t Int8 = 194;
constexpr uint32_t UInt8 = 195;
constexpr uint32_t Bool16 = 196;
constexpr uint32_t Int16 = 197;
constexpr uint32_t UInt16 = 198;
}  // namespace VarType

// Access bits (only the low byte is used).
constexpr uint32_t AccessIndex = 0x01;
constexpr uint32_t AccessRead = 0x02;
constexpr uint32_t AccessWrite = 0x04;
constexpr uint32_t AccessShown = 0x08;
constexpr uint32_t AccessHidden = 0x10;
constexpr uint32_t AccessExcluded = 0x20;
constexpr uint32_t AccessImplied = 0x40;

// Variable-list kinds.
namespace VarListKind {
constexpr uint8_t ScalarGroup = 0;     // "SVT_SV"
constexpr uint8_t SingleInstance = 1;  // "MVT_SV"
constexpr uint8_t Table = 2;           // "MVT_FMV"
constexpr uint8_t TableU = 3;          // "MVT_UMV"
}  // namespace VarListKind

// One record of a static descriptor table. A table ends with a record whose Oid is null;
// an empty Oid text is an ordinary record.
struct QxSNMPVarDesc {
    const char* Oid = nullptr;
    const char* Label = nullptr;
    uint32_t Type = 0;
    uint32_t Access = 0;
    const QxOptionList* Options = nullptr;
    const char* ReadExpression = nullptr;
    const char* WriteExpression = nullptr;
    const char* Reserved = nullptr;
    const char* Value = nullptr;
    const char* CurrentOid = nullptr;
};

// Number of records before the terminating null Oid.
int CountVarDescs(const QxSNMPVarDesc* table);

// What a Value was decoded from. Text does not always say which octets it stood for (UTF-8 or
// Latin-1, hex shown for binary display strings, DateAndTime in 8 or 11 octets, the last digits
// of a double), so a Value that still equals Shown goes back as these, not re-encoded.
struct QxSNMPReceived {
    QString Shown;       // the Value as decoded, labels included
    QByteArray Octets;   // the octets of the OCTET STRING (of the index, for FromIndex)
    QString Instance;    // FromIndex: the instance sub-identifiers the index was read from
    bool FromIndex = false;
};

// Run-time copy of one descriptor, owned by a variable list.
struct QxSNMPVar {
    QString Oid;
    QString Label;
    uint32_t Type = 0;
    uint32_t Access = 0;
    const QxOptionList* Options = nullptr;  // shared, never owned
    std::optional<QString> ReadExpression;
    std::optional<QString> WriteExpression;
    std::optional<QString> Reserved;
    QString Value;
    QString CurrentOid;
    // Set by the conversions from what the agent sent: octet-string values and index components.
    std::optional<QxSNMPReceived> Received;
    // Received, when Value is still the text it was decoded as.
    const QxSNMPReceived* Untouched() const { return Received && Received->Shown == Value ? &*Received : nullptr; }
};

class QxSNMPVarList {
public:
    QxSNMPVarList() = default;
    QxSNMPVarList(const QxSNMPVarDesc* table, uint8_t kind, int32_t indexCount);
    QxSNMPVarList(const QxSNMPVarList& other);
    QxSNMPVarList& operator=(const QxSNMPVarList& other);
    ~QxSNMPVarList();

    void Append(const QxSNMPVarDesc* table);
    // Copies kind, index count, name and deep copies of the descriptors; keeps this list's Instance.
    void Assign(const QxSNMPVarList& other);
    QxSNMPVar& Get(int i) { return Items[static_cast<size_t>(i)]; }
    const QxSNMPVar& Get(int i) const { return Items[static_cast<size_t>(i)]; }
    int GetCount() const { return static_cast<int>(Items.size()); }
    void AppendInstanceToOids(const QString& suffix);

    bool IsRequested(int i) const;
    bool IsWritten(int i) const;
    bool IsShownColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    bool IsImplied(int i) const;
    int CountShownColumns() const;
    int CountHiddenColumns() const;
    bool IsTable() const { return Kind == VarListKind::Table || Kind == VarListKind::TableU; }

    QString Instance;
    int32_t IndexCount = 0;
    uint8_t Kind = VarListKind::ScalarGroup;
    QString Name;
    std::vector<QxSNMPVar> Items;
    // Option lists built at run time by the list's users; destroyed with the list.
    std::vector<std::shared_ptr<const QxOptionList>> OwnedOptionLists;
};
