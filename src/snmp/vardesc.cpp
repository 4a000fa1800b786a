#include "vardesc.h"

namespace {

std::optional<QString> CopyText(const char* text)
{
    if (!text) return std::nullopt;
    return QString::fromUtf8(text);
}

}  // namespace

int CountVarDescs(const QxSNMPVarDesc* table)
{
    int n = 0;
    if (table)
        while (table[n].Oid) ++n;
    return n;
}

QxSNMPVarList::QxSNMPVarList(const QxSNMPVarDesc* table, uint8_t kind, int32_t indexCount)
    : IndexCount(indexCount), Kind(kind)
{
    Append(table);
}

QxSNMPVarList::QxSNMPVarList(const QxSNMPVarList& other)
{
    Assign(other);
}

QxSNMPVarList& QxSNMPVarList::operator=(const QxSNMPVarList& other)
{
    if (this != &other) Assign(other);
    return *this;
}

QxSNMPVarList::~QxSNMPVarList() = default;

void QxSNMPVarList::Append(const QxSNMPVarDesc* table)
{
    const int n = CountVarDescs(table);
    if (n == 0) return;
    Items.reserve(Items.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const QxSNMPVarDesc& d = table[i];
        QxSNMPVar v;
        v.Oid = QString::fromUtf8(d.Oid);
        v.Label = d.Label ? QString::fromUtf8(d.Label) : QString();
        v.Type = d.Type;
        v.Access = d.Access;
        v.Options = d.Options;
        v.ReadExpression = CopyText(d.ReadExpression);
        v.WriteExpression = CopyText(d.WriteExpression);
        v.Reserved = CopyText(d.Reserved);
        if (d.Value) v.Value = QString::fromUtf8(d.Value);
        if (d.CurrentOid) v.CurrentOid = QString::fromUtf8(d.CurrentOid);
        Items.push_back(std::move(v));
    }
}

void QxSNMPVarList::Assign(const QxSNMPVarList& other)
{
    if (this == &other) return;
    Kind = other.Kind;
    IndexCount = other.IndexCount;
    Name = other.Name;
    Items = other.Items;
    // The copied descriptors may point at option lists the other list owns: share them so the
    // pointers stay valid however long either list lives.
    for (const auto& list : other.OwnedOptionLists) {
        bool known = false;
        for (const auto& mine : OwnedOptionLists) known = known || mine == list;
        if (!known) OwnedOptionLists.push_back(list);
    }
}

void QxSNMPVarList::AppendInstanceToOids(const QString& suffix)
{
    for (QxSNMPVar& v : Items) v.Oid = v.Oid + QLatin1Char('.') + suffix;
}

bool QxSNMPVarList::IsRequested(int i) const
{
    const uint32_t a = Get(i).Access;
    return !(a & AccessExcluded) && (a & AccessRead);
}

bool QxSNMPVarList::IsWritten(int i) const
{
    const uint32_t a = Get(i).Access;
    if (a & AccessExcluded) return false;
    return (a & AccessWrite) || (IsTable() && i < IndexCount);
}

bool QxSNMPVarList::IsShownColumn(int i) const
{
    const uint32_t a = Get(i).Access;
    if (a & (AccessExcluded | AccessHidden)) return false;
    return (a & (AccessIndex | AccessShown | AccessRead)) != 0;
}

bool QxSNMPVarList::IsHiddenColumn(int i) const
{
    const uint32_t a = Get(i).Access & 0xFF;
    return a == AccessWrite || (a & AccessExcluded) || (a & AccessHidden);
}

bool QxSNMPVarList::IsImplied(int i) const
{
    return (Get(i).Access & AccessImplied) != 0;
}

int QxSNMPVarList::CountShownColumns() const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) n += IsShownColumn(i) ? 1 : 0;
    return n;
}

int QxSNMPVarList::CountHiddenColumns() const
{
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}
