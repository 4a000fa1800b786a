#include "request2edits.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>

#include "control_binding.h"
#include "editconstraint.h"
#include "guarded.h"
#include "listview.h"
#include "optionlist_widgets.h"
#include "radiogroup.h"
#include "snmp/errors.h"
#include "values/optionlist.h"
#include "values/valuetext.h"

namespace {

const QString kNotDone = QStringLiteral("(NOTDONE)");
// 32 ports, one bit each.
constexpr qsizetype kPortListMinOctets = 4;

// Conversions of a format string: "%" followed by one of the kinds of field.
int CountConversions(const QString& format)
{
    static const QRegularExpression conversion(QStringLiteral("%[shiufn]"));
    return static_cast<int>(format.count(conversion));
}

}  // namespace

QxSNMPRequest2Edits::QxSNMPRequest2Edits(QWidget* owner)
    : QxSNMPRequest2Controls(owner), constraint_(std::make_unique<QxEditConstraint>(owner, true))
{
}

QxSNMPRequest2Edits::~QxSNMPRequest2Edits() = default;

void QxSNMPRequest2Edits::SetVarList(const QxSNMPVarList& list)
{
    Vars().Assign(list);
}

// ---- Bind calls -----------------------------------------------------------------------------

QxSNMPRequest2Edits::Binding& QxSNMPRequest2Edits::NewBinding(int var, int offset, uint32_t partType,
                                                              const QxOptionList* options)
{
    if (var < 0 || var >= Vars().GetCount())
        throw AppException(QStringLiteral("No variable at position %1 of the list!").arg(var), LibErr::Unknown);
    const QxSNMPVar& v = Vars().Get(var);
    auto binding = std::make_unique<Binding>();
    binding->var = var;
    binding->offset = offset;
    binding->partType = partType;
    binding->whole = offset == 0 && partType == v.Type;
    binding->options = options ? options : binding->whole ? v.Options : nullptr;
    bindings_.push_back(std::move(binding));
    return *bindings_.back();
}

void QxSNMPRequest2Edits::BindPart(int var, int offset, uint32_t partType, const QxOptionList* options,
                                   QWidget* control, QWidget* companion)
{
    const QxSNMPVar* v = var >= 0 && var < Vars().GetCount() ? &Vars().Get(var) : nullptr;
    const QxOptionList* list = options ? options : (v && offset == 0 && partType == v->Type ? v->Options : nullptr);
    auto* comboBox = qobject_cast<QComboBox*>(control);
    auto* radioGroup = qobject_cast<QxRadioGroup*>(control);
    auto* companionEdit = qobject_cast<QLineEdit*>(companion);
    if (comboBox || radioGroup) {
        if (!list) RaiseLibraryError(LibErr::NoOptionList);
        if (list->Kind() == OptionKind::Prefix && !companionEdit) RaiseLibraryError(LibErr::TooFewControls);
    }
    Binding& binding = NewBinding(var, offset, partType, options);
    binding.controls << control;
    binding.companion = companionEdit;
    if (comboBox) FillComboBox(*list, comboBox);
    if (radioGroup) FillRadioGroup(*list, radioGroup);
}

void QxSNMPRequest2Edits::BindControl(int var, QWidget* control)
{
    if (var < 0 || var >= Vars().GetCount())
        throw AppException(QStringLiteral("No variable at position %1 of the list!").arg(var), LibErr::Unknown);
    BindPart(var, 0, Vars().Get(var).Type, nullptr, control);
}

void QxSNMPRequest2Edits::BindComboBox(int var, QComboBox* comboBox, QLineEdit* companion)
{
    comboBox->setEditable(false);
    if (var < 0 || var >= Vars().GetCount())
        throw AppException(QStringLiteral("No variable at position %1 of the list!").arg(var), LibErr::Unknown);
    BindPart(var, 0, Vars().Get(var).Type, nullptr, comboBox, companion);
}

void QxSNMPRequest2Edits::BindPartComboBox(int var, int offset, uint32_t partType, const QxOptionList* options,
                                           QComboBox* comboBox, QLineEdit* companion)
{
    comboBox->setEditable(false);
    BindPart(var, offset, partType, options, comboBox, companion);
}

void QxSNMPRequest2Edits::BindEdits(int var, const QString& format, const QList<QLineEdit*>& edits)
{
    if (var < 0 || var >= Vars().GetCount())
        throw AppException(QStringLiteral("No variable at position %1 of the list!").arg(var), LibErr::Unknown);
    BindPartEdits(var, 0, Vars().Get(var).Type, nullptr, format, edits);
}

void QxSNMPRequest2Edits::BindPartEdits(int var, int offset, uint32_t partType, const QxOptionList* options,
                                        const QString& format, const QList<QLineEdit*>& edits)
{
    const QList<QLineEdit*> fields = edits.mid(0, CountConversions(format));
    constraint_->Attach(format, fields);  // raises before anything is bound
    Binding& binding = NewBinding(var, offset, partType, options);
    for (QLineEdit* edit : fields) binding.controls << edit;
}

void QxSNMPRequest2Edits::BindBitList(int var, const QString& bitIndexes, const QList<QCheckBox*>& checkBoxes)
{
    if (var < 0 || var >= Vars().GetCount())
        throw AppException(QStringLiteral("No variable at position %1 of the list!").arg(var), LibErr::Unknown);
    QxIntNumList bits;
    bits.Delimiter = ',';
    bits.Parse(bitIndexes);
    if (checkBoxes.size() < static_cast<qsizetype>(bits.Count())) RaiseLibraryError(LibErr::TooFewControls);
    Binding& binding = NewBinding(var, 0, Vars().Get(var).Type, nullptr);
    for (uint32_t k = 0; k < bits.Count(); ++k) {
        binding.controls << checkBoxes[static_cast<qsizetype>(k)];
        binding.bitIndexes.push_back(bits.Get(k));
    }
}

void QxSNMPRequest2Edits::Unbind(int var)
{
    for (auto it = bindings_.begin(); it != bindings_.end();) {
        if ((*it)->var != var) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& control : (*it)->controls)
            if (auto* edit = qobject_cast<QLineEdit*>(control.data())) constraint_->Detach(edit);
        if ((*it)->companion) constraint_->Detach((*it)->companion);
        it = bindings_.erase(it);
    }
}

void QxSNMPRequest2Edits::SetConstraintOwner(QWidget* owner)
{
    constraint_->SetOwner(owner);
}

// ---- Controls -------------------------------------------------------------------------------

void QxSNMPRequest2Edits::FillControls(int var)
{
    for (const auto& binding : bindings_)
        if ((var < 0 || binding->var == var) && binding->ControlsAlive()) FillBinding(*binding);
}

void QxSNMPRequest2Edits::FillBinding(Binding& binding)
{
    const QxSNMPVar& v = Vars().Get(binding.var);
    if (v.Access & AccessExcluded) return;
    QString text = v.Options ? v.Options->LabelToValue(v.Value) : v.Value;
    if (text == kNotDone) {
        // No part of a value that is not there; every binding of it shows the marker.
        ControlValues::Fill(binding, text, {}, *constraint_);
        return;
    }
    QByteArray raw;
    const bool needsRaw = binding.controls.size() > 1 || !binding.bitIndexes.empty();
    if (!binding.whole) {
        raw = ExtractPart(TextToRaw(text, v.Type), binding.offset, binding.partType);
        text = RawToText(raw, binding.partType);
    } else if (needsRaw) {
        raw = TextToRaw(text, v.Type);
    }
    if (binding.options) text = binding.options->ValueToLabel(text);
    ControlValues::Fill(binding, text, raw, *constraint_);
}

void QxSNMPRequest2Edits::CollectControls(int var)
{
    for (int i = 0; i < Vars().GetCount(); ++i)
        if ((var < 0 || i == var) && Vars().IsWritten(i)) CollectVariable(i);
}

void QxSNMPRequest2Edits::CollectVariable(int var)
{
    QxSNMPVar& v = Vars().Get(var);
    bool bound = false;
    bool collected = false;
    bool notDone = false;
    QByteArray raw;
    for (const auto& binding : bindings_) {
        if (binding->var != var || !binding->ControlsAlive()) continue;
        if (!bound) {
            bound = true;
            // A display string is rebuilt from its controls alone.
            if (v.Type != VarType::DisplayString) raw = TextToRaw(v.Options ? v.Options->LabelToValue(v.Value) : v.Value, v.Type);
        }
        // Controls that still show a row's missing value hold nothing the user gave.
        if (ControlValues::ShowsUntouchedNotDone(*binding)) {
            notDone = true;
            continue;
        }
        collected = true;
        QByteArray part;
        if (!binding->bitIndexes.empty()) {
            part = ControlValues::CollectBits(*binding);
        } else {
            QString text;
            if (!ControlValues::ReadText(*binding, text)) continue;
            if (binding->options) text = binding->options->LabelToValue(text);
            part = TextToRaw(text, binding->partType);
            if (binding->whole) {
                // The whole value is what the control holds: a shorter octet string or OID
                // must not keep the tail of the old one.
                raw = part;
                continue;
            }
        }
        qsizetype end = binding->offset + part.size();
        // A port list read short (or empty) goes back at the switch's full four octets; one
        // read longer keeps its tail, since raw started from the octets read.
        if (!binding->bitIndexes.empty() && binding->whole) end = std::max<qsizetype>(end, kPortListMinOctets);
        if (raw.size() < end) raw.append(end - raw.size(), '\0');
        raw.replace(binding->offset, part.size(), part);
    }
    if (!bound) return;
    if (notDone && !collected) {
        v.Value = kNotDone;
        return;
    }
    v.Value = RawToText(raw, v.Type);
    if (v.Options) v.Value = v.Options->ValueToLabel(v.Value);
}

void QxSNMPRequest2Edits::EnableControls(bool enable)
{
    for (const auto& binding : bindings_) {
        for (const QPointer<QWidget>& control : binding->controls)
            if (control) control->setEnabled(enable);
        if (binding->companion) binding->companion->setEnabled(enable);
    }
}

// ---- List view ------------------------------------------------------------------------------

void QxSNMPRequest2Edits::SetListView(QxListView* listView, bool enableOnSelect)
{
    disconnect(listViewConnection_);
    listView_ = listView;
    EnableOnSelect = enableOnSelect;
    if (!listView) return;
    listViewConnection_ = connect(listView, &QxListView::ItemSelected, this,
                                  Guarded([this](int row, bool selected) { ListItemSelected(row, selected); }));
    SetUpColumns();
}

std::vector<int> QxSNMPRequest2Edits::ColumnsOfVars() const
{
    const QxSNMPVarList& vars = Vars();
    std::vector<int> columns(static_cast<size_t>(vars.GetCount()), -1);
    int column = 0;
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsHiddenColumn(i)) columns[static_cast<size_t>(i)] = column++;
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsShownColumn(i)) columns[static_cast<size_t>(i)] = column++;
    return columns;
}

void QxSNMPRequest2Edits::SetUpColumns()
{
    if (!listView_) return;
    const QxSNMPVarList& vars = Vars();
    if (listView_->ColumnCount() >= vars.CountShownColumns() + vars.CountHiddenColumns()) return;
    listView_->ClearColumns();
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsHiddenColumn(i)) listView_->AddColumn(vars.Get(i).Label, 0);
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsShownColumn(i)) listView_->AddColumn(vars.Get(i).Label, -1);
}

QStringList QxSNMPRequest2Edits::RowTexts() const
{
    const std::vector<int> columns = ColumnsOfVars();
    int count = 0;
    for (int column : columns) count = std::max(count, column + 1);
    QStringList row(count);
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i] >= 0) row[columns[i]] = Vars().Get(static_cast<int>(i)).Value;
    return row;
}

bool QxSNMPRequest2Edits::CopySelectedRowToValues()
{
    if (!listView_) return false;
    if (CopyRowToValues(listView_->SelectedRow())) return true;
    // No row (one being added): whatever the controls hold was typed, not received. Without a
    // list view the controls show the last values read, which keep what they came from.
    for (QxSNMPVar& v : Vars().Items) v.Received.reset();
    return false;
}

bool QxSNMPRequest2Edits::CopyRowToValues(int row)
{
    if (!listView_ || row < 0 || row >= listView_->RowCount()) return false;
    const std::vector<int> columns = ColumnsOfVars();
    // What the row was decoded from goes with its texts, so that its index addresses the row it
    // was read from and its values go back as they came.
    const bool known = static_cast<size_t>(listView_->RowCount()) == rowsReceived_.size();
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] < 0) continue;
        QxSNMPVar& v = Vars().Get(static_cast<int>(i));
        v.Value = listView_->Cell(row, columns[i]);
        v.Received.reset();
        if (known && i < rowsReceived_[static_cast<size_t>(row)].size()) v.Received = rowsReceived_[static_cast<size_t>(row)][i];
    }
    return true;
}

// ---- Steps of a get and a set ---------------------------------------------------------------

void QxSNMPRequest2Edits::BeforeGet()
{
    if (!listView_) return;
    SetUpColumns();
    listView_->ClearRows();
    rowsReceived_.clear();
}

void QxSNMPRequest2Edits::RowReceived()
{
    if (!listView_) {
        FillControls(-1);
        return;
    }
    listView_->AddRow(RowTexts());
    std::vector<std::optional<QxSNMPReceived>>& received = rowsReceived_.emplace_back();
    for (const QxSNMPVar& v : Vars().Items)
        received.push_back(v.Untouched() ? v.Received : std::nullopt);
    // A synchronous walk keeps the window responsive between rows (the caller checks whether
    // the binding is still there afterwards). An asynchronous one returns to the event loop
    // after every row anyway.
    if (Mode == ModeSync) QCoreApplication::processEvents();
}

void QxSNMPRequest2Edits::CollectValues()
{
    for (int i = 0; i < Vars().GetCount(); ++i) Vars().Get(i).Value.clear();
    CopySelectedRowToValues();
    CollectControls(-1);
}

void QxSNMPRequest2Edits::GetDone()
{
    // The last rows appear with the end of the walk, not a batch delay later.
    if (listView_) listView_->ShowHeldRows();
    if (listView_ && EnableOnSelect && Vars().Kind == VarListKind::Table) EnableControls(false);
}

void QxSNMPRequest2Edits::ListItemSelected(int row, bool selected)
{
    if (!selected || !listView_ || row < 0) return;
    if (EnableOnSelect) EnableControls(true);
    CopyRowToValues(row);
    FillControls(-1);
}
