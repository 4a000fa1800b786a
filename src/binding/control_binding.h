#pragma once
// One bind call of QxSNMPRequest2Edits: a variable, or a part of its raw value, shown in one or
// more controls. The value conversions between a binding's controls and its part text live in
// control_values.cpp.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "request2edits.h"
#include "snmp/vardesc.h"

class QLineEdit;
class QxEditConstraint;

struct QxSNMPRequest2Edits::Binding {
    int var = 0;
    int offset = 0;
    uint32_t partType = 0;
    // The explicit option list of the part, or the variable's own for a whole value.
    const QxOptionList* options = nullptr;
    // Offset 0 and the variable's own type: the whole value.
    bool whole = true;
    QList<QPointer<QWidget>> controls;
    QPointer<QLineEdit> companion;
    std::vector<int> bitIndexes;
    // What the last fill showed, for a combo box or radio group that shows no item: it gives
    // the value back unchanged when the controls are collected.
    QString filledText;
    bool filled = false;
    // What the controls showed after a fill with "(NOTDONE)": as long as they still show it,
    // the user gave the binding no value and it collects nothing.
    std::optional<QStringList> notDoneState;

    bool ControlsAlive() const;
};

namespace ControlValues {

// Shows a part text (already turned into a label) in the binding's controls. 'raw' is the raw
// part the text stands for. Raises -517, -519, -521 or -522.
void Fill(QxSNMPRequest2Edits::Binding& binding, const QString& text, const QByteArray& raw,
          QxEditConstraint& constraint);

// True when the last fill showed "(NOTDONE)" and the controls still show what it left.
bool ShowsUntouchedNotDone(const QxSNMPRequest2Edits::Binding& binding);

// Reads the part text back from the controls (a label where the binding has an option list).
// False when the controls hold nothing to collect (a combo box or radio group without a
// selected item that was never filled).
bool ReadText(const QxSNMPRequest2Edits::Binding& binding, QString& text);

// The raw part of check boxes bound to bits, built from an empty byte string.
QByteArray CollectBits(const QxSNMPRequest2Edits::Binding& binding);

}  // namespace ControlValues
