// The value conversions between a binding's controls and the text of its part: which control
// class shows what, and how edit fields split the value of each type among them.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>

#include "control_binding.h"
#include "editconstraint.h"
#include "optionlist_widgets.h"
#include "radiogroup.h"
#include "snmp/errors.h"
#include "values/optionlist.h"
#include "values/valuetext.h"

namespace {

const QString kNull = QStringLiteral("(NULL)");
const QString kNotDone = QStringLiteral("(NOTDONE)");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

constexpr uint32_t kTicksPerDay = 8640000;

// The day the days-since-1899 values count from.
QDateTime DayZero()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::LocalTime);
}

bool IsTruthType(uint32_t type)
{
    return type == VarType::Boolean || type == VarType::Bool8 || type == VarType::Bool16;
}

// Types whose fields keep what they show when the value is missing.
bool KeepsFieldsWithoutValue(uint32_t type)
{
    switch (type) {
    case VarType::IpAddress:
    case VarType::TimeTicks:
    case VarType::NsapAddress:
    case VarType::MacAddress:
    case VarType::DateTime:
    case VarType::BcDateTime:
    case VarType::Ipv6Address: return true;
    default: return false;
    }
}

QList<QLineEdit*> Edits(const QxSNMPRequest2Edits::Binding& binding)
{
    QList<QLineEdit*> edits;
    for (const QPointer<QWidget>& control : binding.controls) edits << qobject_cast<QLineEdit*>(control.data());
    return edits;
}

void RequireFields(const QList<QLineEdit*>& edits, qsizetype needed)
{
    if (edits.size() < needed) RaiseLibraryError(LibErr::TooFewControls);
}

void SetFields(const QList<QLineEdit*>& edits, const QStringList& texts, QxEditConstraint& constraint)
{
    for (qsizetype k = 0; k < edits.size() && k < texts.size(); ++k) {
        edits[k]->setText(texts[k]);
        // The value read is what a field that fails its check goes back to.
        constraint.RememberText(edits[k]);
    }
}

QString TwoHexDigits(char byte)
{
    return QStringLiteral("%1").arg(static_cast<uint8_t>(byte), 2, 16, QLatin1Char('0')).toUpper();
}

// Byte k of the raw value in field k as hex, fields past the value emptied.
QStringList HexFields(const QByteArray& raw, qsizetype fields)
{
    QStringList texts;
    for (qsizetype k = 0; k < fields; ++k) texts << (k < raw.size() ? TwoHexDigits(raw[k]) : QString());
    return texts;
}

void FillEdits(QxSNMPRequest2Edits::Binding& binding, const QString& text, const QByteArray& raw,
               QxEditConstraint& constraint)
{
    const QList<QLineEdit*> edits = Edits(binding);
    const uint32_t type = binding.partType;
    if (text == kNotDone) {
        // This row has no value here: fields that kept another row's value would send it.
        SetFields(edits, QStringList(edits.size()), constraint);
        return;
    }
    if (text == kNull && KeepsFieldsWithoutValue(type)) return;
    switch (type) {
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque:
        RequireFields(edits, raw.size());
        SetFields(edits, HexFields(raw, edits.size()), constraint);
        return;
    case VarType::MacAddress:
        RequireFields(edits, 6);
        SetFields(edits, HexFields(raw, 6), constraint);
        return;
    case VarType::Ipv6Address:
        RequireFields(edits, 16);
        SetFields(edits, HexFields(raw, 16), constraint);
        return;
    case VarType::ObjectId: {
        const QStringList ids = text.split(QLatin1Char('.'), Qt::SkipEmptyParts);
        RequireFields(edits, ids.size());
        QStringList texts = ids;
        while (texts.size() < edits.size()) texts << QString();
        SetFields(edits, texts, constraint);
        return;
    }
    case VarType::IpAddress:
    case VarType::NsapAddress: {
        RequireFields(edits, 4);
        QStringList texts;
        for (qsizetype k = 0; k < 4; ++k)
            texts << (k < raw.size() ? QString::number(static_cast<uint8_t>(raw[k])) : QString());
        SetFields(edits, texts, constraint);
        return;
    }
    case VarType::TimeTicks: {
        RequireFields(edits, 5);
        const uint32_t ticks = TimeTicksFromText(text);
        SetFields(edits,
                  {QString::number(ticks / kTicksPerDay), QString::number(ticks / 360000 % 24),
                   QString::number(ticks / 6000 % 60), QString::number(ticks / 100 % 60), QString::number(ticks % 100)},
                  constraint);
        return;
    }
    case VarType::DateTime: {
        RequireFields(edits, 10);
        const QxDateTime date(text);
        SetFields(edits,
                  {QString::number(date.year), QString::number(date.month), QString::number(date.day),
                   QString::number(date.hour), QString::number(date.minutes), QString::number(date.seconds),
                   QString::number(date.deciSeconds), QString(QLatin1Char(date.direction)),
                   QString::number(date.utcHours), QString::number(date.utcMinutes)},
                  constraint);
        return;
    }
    case VarType::BcDateTime: {
        RequireFields(edits, 7);
        const double days = DaysSince1899FromText(text);
        const QDateTime when = DayZero().addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
        SetFields(edits,
                  {QString::number(when.date().year()), QString::number(when.date().month()),
                   QString::number(when.date().day()), QString::number(when.time().hour()),
                   QString::number(when.time().minute()), QString::number(when.time().second()),
                   QString::number(when.time().msec())},
                  constraint);
        return;
    }
    default: SetFields(edits, {text}, constraint); return;
    }
}

QString FieldNumber(const QLineEdit* edit)
{
    return QString::number(edit->text().trimmed().toLongLong());
}

// Hex digits of the fields joined; an empty field counts as "00", a single digit gets a "0".
QString HexOfFields(const QList<QLineEdit*>& edits, qsizetype fields)
{
    QString hex;
    for (qsizetype k = 0; k < fields && k < edits.size(); ++k) {
        const QString digits = edits[k]->text().trimmed();
        hex += digits.isEmpty() ? QStringLiteral("00") : digits.size() == 1 ? QLatin1Char('0') + digits : digits;
    }
    return hex;
}

QString CollectEdits(const QxSNMPRequest2Edits::Binding& binding)
{
    const QList<QLineEdit*> edits = Edits(binding);
    const auto number = [&](qsizetype k) { return k < edits.size() ? edits[k]->text().trimmed().toLongLong() : 0; };
    switch (binding.partType) {
    case VarType::BitString:
    case VarType::OctetString:
    case VarType::Opaque: return HexOfFields(edits, edits.size());
    case VarType::MacAddress: RequireFields(edits, 6); return HexOfFields(edits, 6);
    case VarType::Ipv6Address: RequireFields(edits, 16); return HexOfFields(edits, 16);
    case VarType::ObjectId: {
        // Fields past the identifier's end were left empty by the fill.
        QStringList ids;
        for (const QLineEdit* edit : edits)
            if (!edit->text().trimmed().isEmpty()) ids << FieldNumber(edit);
        return ids.join(QLatin1Char('.'));
    }
    case VarType::IpAddress:
    case VarType::NsapAddress: {
        RequireFields(edits, 4);
        QStringList parts;
        for (qsizetype k = 0; k < 4; ++k) parts << FieldNumber(edits[k]);
        return parts.join(QLatin1Char('.'));
    }
    case VarType::TimeTicks: {
        RequireFields(edits, 5);
        const long long ticks = number(0) * kTicksPerDay + number(1) * 360000 + number(2) * 6000 + number(3) * 100 +
                                number(4);
        return TimeTicksText(static_cast<uint32_t>(ticks));
    }
    case VarType::DateTime: {
        RequireFields(edits, 10);
        QxDateTime date(QString{});
        date.year = static_cast<uint16_t>(number(0));
        date.month = static_cast<uint8_t>(number(1));
        date.day = static_cast<uint8_t>(number(2));
        date.hour = static_cast<uint8_t>(number(3));
        date.minutes = static_cast<uint8_t>(number(4));
        date.seconds = static_cast<uint8_t>(number(5));
        date.deciSeconds = static_cast<uint8_t>(number(6));
        const QString direction = edits[7]->text().trimmed();
        date.direction = direction.isEmpty() ? '+' : direction[0].toLatin1();
        date.utcHours = static_cast<uint8_t>(number(8));
        date.utcMinutes = static_cast<uint8_t>(number(9));
        return date.ToText();
    }
    case VarType::BcDateTime: {
        RequireFields(edits, 7);
        const QDateTime when(QDate(static_cast<int>(number(0)), static_cast<int>(number(1)), static_cast<int>(number(2))),
                             QTime(static_cast<int>(number(3)), static_cast<int>(number(4)),
                                   static_cast<int>(number(5)), static_cast<int>(number(6))),
                             Qt::LocalTime);
        return DaysSince1899Text(static_cast<double>(DayZero().msecsTo(when)) / 86400000.0);
    }
    default: return edits.value(0) ? edits[0]->text() : QString();
    }
}

// What the user can change in the binding's controls, one text per control.
QStringList ControlState(const QxSNMPRequest2Edits::Binding& binding)
{
    QStringList state;
    for (const QPointer<QWidget>& control : binding.controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(control.data()))
            state << edit->text();
        else if (auto* checkBox = qobject_cast<QCheckBox*>(control.data()))
            state << QString::number(checkBox->checkState());
        else if (auto* comboBox = qobject_cast<QComboBox*>(control.data()))
            state << QString::number(comboBox->currentIndex());
        else if (auto* radioGroup = qobject_cast<QxRadioGroup*>(control.data()))
            state << QString::number(radioGroup->ItemIndex());
        else
            state << QString();  // labels: nothing to change
    }
    if (binding.companion) state << binding.companion->text();
    return state;
}

void FillShown(QxSNMPRequest2Edits::Binding& binding, const QString& text, const QByteArray& raw,
               QxEditConstraint& constraint)
{
    QWidget* first = binding.controls.value(0);
    if (auto* label = qobject_cast<QLabel*>(first)) {
        label->setText(text);
    } else if (qobject_cast<QCheckBox*>(first)) {
        if (!binding.bitIndexes.empty()) {
            if (text == kNotDone) {
                for (const QPointer<QWidget>& control : binding.controls)
                    qobject_cast<QCheckBox*>(control.data())->setChecked(false);
                return;
            }
            // Agents send port lists as short as their port count (or empty): the ports beyond
            // the octets sent are not members.
            const QxBinaryString bits(raw);
            for (size_t k = 0; k < binding.bitIndexes.size() && k < static_cast<size_t>(binding.controls.size()); ++k)
                qobject_cast<QCheckBox*>(binding.controls[static_cast<qsizetype>(k)].data())->setChecked(bits.Bit(binding.bitIndexes[k]));
        } else if (binding.options) {
            int option = binding.options->FindByLabel(text);
            if (option < 0) option = binding.options->FindByValue(text);
            qobject_cast<QCheckBox*>(first)->setChecked(option > 0);
        } else if (IsTruthType(binding.partType)) {
            qobject_cast<QCheckBox*>(first)->setChecked(text == kTrue);
        } else {
            RaiseLibraryError(LibErr::PartSyntax);
        }
    } else if (auto* comboBox = qobject_cast<QComboBox*>(first)) {
        SelectInComboBox(*binding.options, comboBox, text);
        if (binding.companion) {
            // The rest of the value after the chosen prefix (and the "." after an OID prefix).
            const int item = comboBox->currentIndex();
            qsizetype cut = 0;
            if (item >= 0) cut = comboBox->itemText(item).size() + (binding.partType == VarType::ObjectId ? 1 : 0);
            binding.companion->setText(text.mid(cut));
            constraint.RememberText(binding.companion);
        }
    } else if (auto* radioGroup = qobject_cast<QxRadioGroup*>(first)) {
        SelectInRadioGroup(*binding.options, radioGroup, text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        if (binding.controls.size() == 1) {
            edit->setText(text);
            constraint.RememberText(edit);
        } else {
            FillEdits(binding, text, raw, constraint);
        }
    } else {
        RaiseLibraryError(LibErr::BadControl);
    }
}

}  // namespace

bool QxSNMPRequest2Edits::Binding::ControlsAlive() const
{
    for (const QPointer<QWidget>& control : controls)
        if (!control) return false;
    return !controls.isEmpty();
}

namespace ControlValues {

void Fill(QxSNMPRequest2Edits::Binding& binding, const QString& text, const QByteArray& raw,
          QxEditConstraint& constraint)
{
    binding.filledText = text;
    binding.filled = true;
    binding.notDoneState.reset();
    FillShown(binding, text, raw, constraint);
    if (text == kNotDone) binding.notDoneState = ControlState(binding);
}

bool ShowsUntouchedNotDone(const QxSNMPRequest2Edits::Binding& binding)
{
    return binding.notDoneState && *binding.notDoneState == ControlState(binding);
}

bool ReadText(const QxSNMPRequest2Edits::Binding& binding, QString& text)
{
    QWidget* first = binding.controls.value(0);
    if (auto* label = qobject_cast<QLabel*>(first)) {
        text = label->text();
    } else if (auto* checkBox = qobject_cast<QCheckBox*>(first)) {
        if (binding.options) {
            const int option = checkBox->isChecked() ? 1 : 0;
            if (option >= binding.options->Count()) RaiseLibraryError(LibErr::PartValue);
            text = binding.options->Option(option).label;
        } else if (IsTruthType(binding.partType)) {
            text = checkBox->isChecked() ? kTrue : kFalse;
        } else {
            RaiseLibraryError(LibErr::PartSyntax);
        }
    } else if (auto* comboBox = qobject_cast<QComboBox*>(first)) {
        const int item = comboBox->currentIndex();
        if (item < 0) {
            // Nothing chosen (the agent's value is not in the list): the value stays as read.
            if (!binding.filled) return false;
            text = binding.filledText;
            return true;
        }
        text = comboBox->itemText(item);
        if (binding.companion)
            text += (binding.partType == VarType::ObjectId ? QStringLiteral(".") : QString()) + binding.companion->text();
    } else if (auto* radioGroup = qobject_cast<QxRadioGroup*>(first)) {
        if (radioGroup->ItemIndex() < 0) {
            if (!binding.filled) return false;
            text = binding.filledText;
            return true;
        }
        text = radioGroup->SelectedText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        text = binding.controls.size() == 1 ? edit->text() : CollectEdits(binding);
    } else {
        RaiseLibraryError(LibErr::BadControl);
    }
    return true;
}

QByteArray CollectBits(const QxSNMPRequest2Edits::Binding& binding)
{
    QxBinaryString bits;
    for (size_t k = 0; k < binding.bitIndexes.size() && k < static_cast<size_t>(binding.controls.size()); ++k) {
        const auto* checkBox = qobject_cast<const QCheckBox*>(binding.controls[static_cast<qsizetype>(k)].data());
        if (!checkBox) RaiseLibraryError(LibErr::BadControl);
        bits.SetBit(binding.bitIndexes[k], checkBox->isChecked());
    }
    return bits.Bytes();
}

}  // namespace ControlValues
