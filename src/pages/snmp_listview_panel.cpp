#include "pages/snmp_listview_panel.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolTip>

#include "binding/listview.h"
#include "binding/request2edits.h"
#include "pages/binding_scopes.h"
#include "pages/ctrl_btn_panel.h"
#include "pages/edits_panel.h"
#include "pages/listview_panel.h"
#include "pages/page_guard.h"
#include "platform/message_box.h"

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, QxSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding)
{
    setObjectName(QStringLiteral("SNMPListViewPanel"));
    listPanel_ = new TListViewPanel(this, binding);
    SetContent(listPanel_);
    grid_->SetButtonPanel(nullptr);
    BeforeAdd = [this] { grid_->Clear(); };
    ArrangeButtons();

    QxListView* list = listPanel_->ListView1;
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
    connect(list, &QxListView::Clicked, this, Guarded([this] { ListView1Click(); }));
    connect(list, &QxListView::DoubleClicked, this, Guarded([this] { ListView1DblClick(); }));
    connect(list, &QxListView::Changed, this, Guarded([this] { ListView1Change(); }));
    connect(list, &QxListView::RowsShown, this, Guarded([this] { ListView1Change(); }));
    connect(list, &QxListView::MouseMoved, this, Guarded([this](int row) { ListView1MouseMove(row); }));
    // Keyboard selection too: Edit and Delete follow whether a row is selected.
    connect(list, &QxListView::ItemSelected, this,
            [this] { SetRowButtonsEnabled(listPanel_->ListView1->SelectedRow() >= 0); });

    TCtrlBtnPanel* buttons = CtrlBtnPanel();
    connect(buttons->btnEdit, &QPushButton::clicked, this, Guarded([this] { btnEditClick(); }));
    connect(buttons->btnAdd, &QPushButton::clicked, this, Guarded([this] { btnAddClick(); }));
    connect(buttons->btnDelete, &QPushButton::clicked, this, Guarded([this] { btnDeleteClick(); }));
}

QxListView* TSNMPListViewPanel::ListView() const
{
    return listPanel_->ListView1;
}

void TSNMPListViewPanel::ArrangeButtons()
{
    listPanel_->ArrangeCtrlBtn(CtrlBtnPanel());
    if (editHidden_ || !grid_->HasWritableRow()) CtrlBtnPanel()->btnEdit->hide();
}

void TSNMPListViewPanel::SetAddStatus(int var, const QString& text)
{
    const QComboBox* combo = grid_->ComboBox(var);
    if (!combo || combo->findText(text) < 0)
        throw AppException(QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + text);
    listPanel_->AddStatusVar = var;
    listPanel_->AddStatusText = text;
    CtrlBtnPanel()->btnAdd->show();
}

void TSNMPListViewPanel::SetDeleteStatus(int var, const QString& text)
{
    const QComboBox* combo = grid_->ComboBox(var);
    if (!combo || combo->findText(text) < 0)
        throw AppException(QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") + text);
    listPanel_->DeleteStatusVar = var;
    listPanel_->DeleteStatusText = text;
    CtrlBtnPanel()->btnDelete->show();
}

void TSNMPListViewPanel::SetEditHidden(bool hidden)
{
    editHidden_ = hidden;
    CtrlBtnPanel()->btnEdit->setVisible(!hidden && grid_->HasWritableRow());
}

void TSNMPListViewPanel::SetRowButtonsEnabled(bool enabled)
{
    CtrlBtnPanel()->btnEdit->setEnabled(enabled);
    CtrlBtnPanel()->btnDelete->setEnabled(enabled);
}

void TSNMPListViewPanel::ListView1Click()
{
    if (pressedOnRow_ && ListView()->SelectedRow() >= 0) {
        SetRowButtonsEnabled(true);
    } else {
        // A click beside the rows selects nothing, whenever the view itself lets go of the row.
        ListView()->ClearSelection();
        SetRowButtonsEnabled(false);
        grid_->Clear();
    }
}

void TSNMPListViewPanel::ListView1DblClick()
{
    // Also where nothing can be written (no "Edit" button): the dialog then shows the row.
    if (editHidden_) return;
    if (ListView()->SelectedRow() >= 0) btnEditClick();
}

void TSNMPListViewPanel::ListView1Change()
{
    // While a walk appends rows the list shows them in batches, and the counter follows the
    // batches: a new text for every row would repaint the window once per row.
    if (ListView()->HasHeldRows()) return;
    CtrlBtnPanel()->lblCounter->setText(QString::number(ListView()->RowCount()));
}

void TSNMPListViewPanel::ListView1MouseMove(int row)
{
    ListView()->setToolTip(row >= 0 ? listPanel_->RowHint(row) : QString());
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView()->viewport() && event->type() == QEvent::MouseButtonPress)
        pressedOnRow_ = ListView()->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid();
    // The list's hint is the row under the mouse, not an item tooltip of the model.
    if (watched == ListView()->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (ListView()->toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), ListView()->toolTip(), ListView());
        return true;
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::btnRefreshClick()
{
    QxSNMPRequest2Edits* binding = binding_;
    if (!binding) return;
    if (binding->Mode == QxSNMPRequest2Controls::ModeAsync && binding->Busy()) return;
    SetRowButtonsEnabled(false);
    RefreshPage();
    ListView1Change();
}

// The dialogs let events run: the page may be gone when they return.
void TSNMPListViewPanel::btnEditClick()
{
    const QPointer<TSNMPListViewPanel> self(this);
    if (BeforeEdit) BeforeEdit();
    RunEditDialog();
    if (self && AfterEdit) AfterEdit();
}

void TSNMPListViewPanel::btnAddClick()
{
    const QPointer<TSNMPListViewPanel> self(this);
    if (BeforeAdd) BeforeAdd();
    RunAddDialog();
    if (self && AfterAdd) AfterAdd();
}

void TSNMPListViewPanel::btnDeleteClick()
{
    const int statusVar = listPanel_->DeleteStatusVar;
    if (!binding_ || statusVar < 0 || statusVar >= binding_->Vars().GetCount() || ListView()->SelectedRow() < 0)
        return;
    if (!ReadyToWrite(binding_)) return;
    // The question lets events run: the page may have been closed meanwhile.
    const QPointer<TSNMPListViewPanel> self(this);
    if (!ConfirmOkCancel(window(), QStringLiteral("Are you sure to delete it?")) || !self || !binding_) return;
    QxSNMPRequest2Edits* binding = binding_;

    ScopedBindingMode synchronous(binding, QxSNMPRequest2Controls::ModeSync);
    {
        ScopedAccessCodes access(binding);
        GuardedStatus(binding, [&] {
            QxSNMPVarList& vars = binding->Vars();
            // Only the row's index and its status go out.
            for (int i = 0; i < vars.GetCount(); ++i)
                if (i >= vars.IndexCount && i != statusVar) vars.Get(i).Access |= AccessExcluded;
            CollectBindingValues(*binding);
            vars.Get(statusVar).Value = listPanel_->DeleteStatusText;
            binding->Set(false, false, QString(), nullptr);
        }, QxSNMPRequest2Controls::OperationSet);
    }
    btnRefreshClick();
}
