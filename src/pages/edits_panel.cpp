#include "pages/edits_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/dpi_scale.h"
#include "binding/request2edits.h"
#include "pages/ctrl_btn_panel.h"
#include "snmp/errors.h"

namespace {

constexpr int kFirstTop = 20;
constexpr int kRowGap = 5;
constexpr int kCheckLeft = 20;
constexpr int kCheckWidth = 20;
constexpr int kLabelLeft = kCheckLeft + kCheckWidth + 5;
constexpr int kLabelGap = 5;
constexpr int kLowControl = 20;       // a value control lower than this ...
constexpr int kLowControlHeight = 21; // ... is made this high
constexpr int kMargin = 40;
constexpr int kDefaultEditWidth = 121;
constexpr int kNoteLeft = 20;
constexpr int kNoteAboveBottom = 15;

QString TypeFormat(uint32_t type)
{
    return type == VarType::IpAddress ? QStringLiteral("%s{I}") : QStringLiteral("%s");
}

// Read-only fields: black on the button face, like the rest of the window's chrome.
void PaintReadOnly(QWidget* control)
{
    QPalette palette = control->palette();
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    control->setPalette(palette);
}

void PaintWritable(QWidget* control)
{
    QPalette palette = control->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    control->setPalette(palette);
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* parent, QxSNMPRequest2Edits* binding)
    : TContentPanel(parent), binding_(binding), editWidth_(Scaled(kDefaultEditWidth))
{
    setObjectName(QStringLiteral("EditsPanel"));
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setWidgetResizable(false);
    rowsArea_ = new QWidget;
    rowsArea_->setObjectName(QStringLiteral("RowsArea"));
    note_ = new QLabel(rowsArea_);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->hide();
    scrollBox_->setWidget(rowsArea_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollBox_);

    if (binding_) {
        BuildRows();
        EnableRows();
    }
    Layout();
}

void TEditsPanel::BuildRows()
{
    QxSNMPVarList& vars = binding_->Vars();
    rows_.resize(static_cast<size_t>(vars.GetCount()));
    for (int i = 0; i < vars.GetCount(); ++i) {
        const QxSNMPVar& var = vars.Get(i);
        Row& row = rows_[static_cast<size_t>(i)];
        const bool written = vars.IsWritten(i);
        if (written)
            row.kind = var.Options ? WritableCombo : WritableEdit;
        else
            row.kind = var.Options ? ReadOnlyLabels : ReadOnlyEdit;

        row.check = new QCheckBox(rowsArea_);
        row.check->setObjectName(QStringLiteral("chkRow%1").arg(i));
        row.check->setProperty("tag", i);
        connect(row.check, &QCheckBox::toggled, this, [this] { UpdateSetButton(); });

        row.label = new QLabel(var.Label, rowsArea_);
        row.label->setObjectName(QStringLiteral("lblRow%1").arg(i));

        if (row.kind == WritableCombo) {
            auto* combo = new QComboBox(rowsArea_);
            combo->setObjectName(QStringLiteral("cbxRow%1").arg(i));
            combo->setEditable(false);
            row.value = combo;
            binding_->BindComboBox(i, combo);
        } else {
            auto* edit = new QLineEdit(rowsArea_);
            edit->setObjectName(QStringLiteral("edtRow%1").arg(i));
            row.value = edit;
            row.format = row.kind == ReadOnlyLabels ? QStringLiteral("%s") : TypeFormat(var.Type);
            binding_->BindEdits(i, row.format, {edit});
        }
    }
}

QxSNMPRequest2Edits* TEditsPanel::Binding() const
{
    return binding_;
}

TEditsPanel::RowKind TEditsPanel::Kind(int row) const
{
    return rows_.at(static_cast<size_t>(row)).kind;
}

QString TEditsPanel::Format(int row) const
{
    return rows_.at(static_cast<size_t>(row)).format;
}

QCheckBox* TEditsPanel::CheckBox(int row) const
{
    return rows_.at(static_cast<size_t>(row)).check;
}

QLabel* TEditsPanel::Label(int row) const
{
    return rows_.at(static_cast<size_t>(row)).label;
}

QWidget* TEditsPanel::ValueControl(int row) const
{
    return rows_.at(static_cast<size_t>(row)).value;
}

QComboBox* TEditsPanel::ComboBox(int row) const
{
    if (row < 0 || row >= RowCount()) return nullptr;
    return qobject_cast<QComboBox*>(rows_[static_cast<size_t>(row)].value);
}

bool TEditsPanel::IsIndexRow(int row) const
{
    return binding_ && row < binding_->Vars().IndexCount;
}

bool TEditsPanel::IsReadOnlyRow(int row) const
{
    const RowKind kind = Kind(row);
    return kind == ReadOnlyEdit || kind == ReadOnlyLabels;
}

bool TEditsPanel::HasWritableRow() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) return true;
    return false;
}

bool TEditsPanel::IsRowVisible(int row) const
{
    return !binding_ || !(binding_->Vars().Get(row).Access & AccessHidden);
}

void TEditsPanel::SetCheckShown(Row& row, int index, bool shown)
{
    row.checkShown = shown;
    row.check->setVisible(shown && IsRowVisible(index));
}

void TEditsPanel::EnableRows()
{
    for (int i = 0; i < RowCount(); ++i) SetRowEnabled(i, !IsReadOnlyRow(i) && !IsIndexRow(i));
}

void TEditsPanel::SetRowEnabled(int index, bool enabled)
{
    Row& row = rows_.at(static_cast<size_t>(index));
    SetCheckShown(row, index, enabled);
    row.check->setEnabled(enabled);
    row.check->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.value)) {
        edit->setEnabled(true);
        edit->setReadOnly(!enabled);
        edit->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::ClickFocus);
    } else {
        row.value->setEnabled(enabled);
    }
    if (enabled)
        PaintWritable(row.value);
    else
        PaintReadOnly(row.value);
}

void TEditsPanel::ForceRow(int index)
{
    Row& row = rows_.at(static_cast<size_t>(index));
    if (auto* edit = qobject_cast<QLineEdit*>(row.value)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    }
    row.value->setEnabled(true);
    PaintWritable(row.value);
    LockCheck(index);
}

void TEditsPanel::LockCheck(int index)
{
    Row& row = rows_.at(static_cast<size_t>(index));
    SetCheckShown(row, index, true);
    row.check->setChecked(true);
    row.check->setEnabled(false);
}

void TEditsPanel::SetRowHidden(int row, bool hidden)
{
    if (!binding_) return;
    uint32_t& access = binding_->Vars().Get(row).Access;
    if (hidden)
        access |= AccessHidden;
    else
        access &= ~AccessHidden;
    Layout();
}

void TEditsPanel::Layout()
{
    int widestLabel = 0;
    for (int i = 0; i < RowCount(); ++i) {
        Row& row = rows_[static_cast<size_t>(i)];
        const bool visible = IsRowVisible(i);
        row.label->setVisible(visible);
        row.value->setVisible(visible);
        row.check->setVisible(visible && row.checkShown);
        if (visible) widestLabel = std::max(widestLabel, row.label->sizeHint().width());
    }

    const int valueLeft = Scaled(kLabelLeft) + widestLabel + Scaled(kLabelGap);
    int top = Scaled(kFirstTop);
    int lowest = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsRowVisible(i)) continue;
        Row& row = rows_[static_cast<size_t>(i)];
        int height = row.value->sizeHint().height();
        if (height < Scaled(kLowControl)) height = Scaled(kLowControlHeight);
        row.value->setGeometry(valueLeft, top, editWidth_, height);

        const int checkHeight = row.check->sizeHint().height();
        row.check->setGeometry(Scaled(kCheckLeft), top + (height - checkHeight) / 2, Scaled(kCheckWidth), checkHeight);
        const QSize label = row.label->sizeHint();
        row.label->setGeometry(Scaled(kLabelLeft), top + (height - label.height()) / 2, label.width(), label.height());

        lowest = top + height;
        top = lowest + Scaled(kRowGap);
    }

    const int width = valueLeft + editWidth_ + Scaled(kMargin);
    const int height = std::max(lowest + Scaled(kMargin), gridHeight_);
    rowsArea_->resize(width, height);
    PlaceNote();
    preferred_ = QSize(width, height);
    updateGeometry();
    emit SizeChanged();
}

QSize TEditsPanel::sizeHint() const
{
    return preferred_;
}

void TEditsPanel::SetEditWidth(int width)
{
    editWidth_ = width;
    Layout();
}

void TEditsPanel::SetGridHeight(int height)
{
    gridHeight_ = height;
    Layout();
}

void TEditsPanel::SetVarFormat(int row, const QString& format)
{
    if (row < 0 || row >= RowCount()) throw AppException(QStringLiteral("Unknow UI Control type!"));
    Row& target = rows_[static_cast<size_t>(row)];
    auto* edit = qobject_cast<QLineEdit*>(target.value);
    if (qobject_cast<QComboBox*>(target.value)) throw AppException(QStringLiteral("Can not set Var format to a ComboBox!"));
    if (!edit) throw AppException(QStringLiteral("Unknow UI Control type!"));
    if (binding_) {
        binding_->Unbind(row);
        binding_->BindEdits(row, format, {edit});
    }
    target.format = format;
}

void TEditsPanel::SetNote(const QString& text, const QColor& colour, int fontSize)
{
    note_->setText(text);
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText, colour);
    note_->setPalette(palette);
    QFont font = note_->font();
    if (fontSize > 0) font.setPointSize(fontSize);
    note_->setFont(font);
    note_->show();
    PlaceNote();
}

void TEditsPanel::PlaceNote()
{
    note_->adjustSize();
    note_->move(Scaled(kNoteLeft), rowsArea_->height() - Scaled(kNoteAboveBottom) - note_->height());
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!binding_) throw AppException(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"));
    SetButtonPanel(buttons);
    buttons->lblCounter->hide();
    buttons->lblSamples->hide();
    buttons->btnEdit->hide();
    buttons->btnAdd->hide();
    buttons->btnDelete->hide();
    buttons->btnRefresh->show();
    buttons->btnClose->show();

    if (!HasWritableRow()) {
        buttons->btnSetChecked->hide();
        buttons->btnCheckAll->hide();
        buttons->btnClearChecks->hide();
        return;
    }
    buttons->btnSetChecked->show();

    std::vector<int> tickable;
    for (int i = 0; i < RowCount(); ++i) {
        const Row& row = rows_[static_cast<size_t>(i)];
        if (row.checkShown && IsRowVisible(i) && row.check->isEnabled()) tickable.push_back(i);
    }
    if (tickable.size() > 1) {
        buttons->btnCheckAll->show();
        buttons->btnClearChecks->show();
        SetButtonCaption(buttons->btnSetChecked, QStringLiteral("Set Checked"));
        UpdateSetButton();
        return;
    }

    // One row to write (or none left to choose): no choosing, the button writes it.
    buttons->btnCheckAll->hide();
    buttons->btnClearChecks->hide();
    SetButtonCaption(buttons->btnSetChecked, QStringLiteral("Set"));
    for (int i : tickable) rows_[static_cast<size_t>(i)].check->setChecked(true);
    const auto ticked = std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.check->isChecked(); });
    if (ticked <= 1)
        for (int i = 0; i < RowCount(); ++i) SetCheckShown(rows_[static_cast<size_t>(i)], i, false);
    buttons->btnSetChecked->setEnabled(true);
}

void TEditsPanel::SetButtonPanel(TCtrlBtnPanel* buttons)
{
    buttons_ = buttons;
}

bool TEditsPanel::AnyVisibleCheckTicked() const
{
    for (int i = 0; i < RowCount(); ++i) {
        const Row& row = rows_[static_cast<size_t>(i)];
        if (row.checkShown && IsRowVisible(i) && row.check->isChecked()) return true;
    }
    return false;
}

void TEditsPanel::UpdateSetButton()
{
    if (buttons_) buttons_->btnSetChecked->setEnabled(AnyVisibleCheckTicked());
}

void TEditsPanel::CheckAll()
{
    for (Row& row : rows_)
        if (row.check->isEnabled()) row.check->setChecked(true);
    UpdateSetButton();
}

void TEditsPanel::ClearChecks()
{
    for (Row& row : rows_)
        if (row.check->isEnabled()) row.check->setChecked(false);
    UpdateSetButton();
}

void TEditsPanel::Clear()
{
    for (Row& row : rows_) {
        if (auto* combo = qobject_cast<QComboBox*>(row.value))
            combo->setCurrentIndex(-1);
        else if (auto* edit = qobject_cast<QLineEdit*>(row.value))
            edit->clear();
    }
    if (!binding_) return;
    QxSNMPVarList& vars = binding_->Vars();
    for (int i = 0; i < vars.GetCount(); ++i) vars.Get(i).Value.clear();
}

bool TEditsPanel::IsRowEmpty(int row) const
{
    const QWidget* value = ValueControl(row);
    if (auto* combo = qobject_cast<const QComboBox*>(value)) return combo->currentText().isEmpty();
    if (auto* edit = qobject_cast<const QLineEdit*>(value)) return edit->text().isEmpty();
    return false;
}

void TEditsPanel::ScrollHome()
{
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
}
