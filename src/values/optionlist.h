#pragma once
// Enumerations of MIB objects (value to label) and delimited number lists.
// Plain data: the widget helpers that fill combo boxes live in optionlist_widgets.h.

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

// One pair of a static option table; a table ends at the first pair whose label is null.
struct QxIntPair {
    int32_t value;
    const char* label;
};
struct QxStrPair {
    const char* value;
    const char* label;
};

namespace OptionKind {
constexpr uint32_t Integer = 1;
constexpr uint32_t String = 2;
constexpr uint32_t Prefix = 3;
}  // namespace OptionKind

struct QxOption {
    int32_t intValue = 0;  // kind 1
    QString strValue;      // kinds 2 and 3
    QString label;
};

class QxOptionList {
public:
    // From a pair table ended by a null label (kind 1).
    explicit QxOptionList(const QxIntPair* table, uint32_t kind = OptionKind::Integer, bool caseSensitive = false);
    // From a pair table ended by a null label (kinds 2 and 3).
    explicit QxOptionList(const QxStrPair* table, uint32_t kind, bool caseSensitive = false);
    // Convenience for static declarations: no terminator needed, but one ends the list too.
    QxOptionList(std::initializer_list<QxIntPair> pairs);

    uint32_t Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(options_.size()); }
    const QxOption& Option(int i) const { return options_[static_cast<size_t>(i)]; }
    // Value of option i as text (decimal for kind 1).
    QString ValueText(int i) const;

    int FindByLabel(const QString& text) const;
    int FindByValue(const QString& text) const;
    QString ValueToLabel(const QString& text) const;
    QString LabelToValue(const QString& text) const;

private:
    uint32_t kind_;
    bool caseSensitive_;
    std::vector<QxOption> options_;
};

// Delimited number lists ("1,2,3", "10.1.2"). Parsing validates nothing; callers check first.
template <typename T>
class QxNumList {
public:
    void Parse(const QString& text);
    uint32_t Count() const { return static_cast<uint32_t>(items_.size()); }
    T Get(uint32_t i) const { return items_[i]; }
    int IndexOf(T value) const;
    bool AllWithin(T minimum, T maximum) const;

    char Delimiter = '.';

private:
    std::vector<T> items_;
};

using QxIntNumList = QxNumList<int32_t>;
using QxUIntNumList = QxNumList<uint32_t>;

// The library's built-in lists naming its own codes.
const QxOptionList& VarListKindNames();
const QxOptionList& TypeCodeNames();
const QxOptionList& AccessCodeNames();
// USM protocol identifiers (value kind 2).
const QxOptionList& UsmAuthProtocols();
const QxOptionList& UsmPrivProtocols();
