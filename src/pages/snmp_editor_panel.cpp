#include "pages/snmp_editor_panel.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "binding/request2edits.h"
#include "pages/binding_scopes.h"
#include "pages/ctrl_btn_panel.h"
#include "pages/edits_panel.h"
#include "pages/msg_panel.h"
#include "pages/page_guard.h"
#include "platform/message_box.h"

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, QxSNMPRequest2Edits* binding) : TSNMPPanel(parent, binding)
{
    setObjectName(QStringLiteral("SNMPEditorPanel"));
    grid_ = new TEditsPanel(this, binding);
    SetContent(grid_);
    grid_->ArrangeCtrlBtn(CtrlBtnPanel());
    if (binding) binding->SetStatusTarget(MsgPanel()->Memo1);

    TCtrlBtnPanel* buttons = CtrlBtnPanel();
    connect(buttons->btnRefresh, &QPushButton::clicked, this, Guarded([this] { btnRefreshClick(); }));
    connect(buttons->btnSetChecked, &QPushButton::clicked, this, Guarded([this] { btnSetCheckedClick(); }));
    connect(buttons->btnCheckAll, &QPushButton::clicked, this, Guarded([this] { btnCheckAllClick(); }));
    connect(buttons->btnClearChecks, &QPushButton::clicked, this,
            Guarded([this] { btnClearChecksClick(); }));
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    grid_->SetEditWidth(width);
}

void TSNMPEditorPanel::SetVarFormat(int row, const QString& format)
{
    grid_->SetVarFormat(row, format);
}

void TSNMPEditorPanel::RefreshPage()
{
    QxSNMPRequest2Edits* binding = binding_;
    if (!binding) return;
    GuardedStatus(binding, [binding] {
        binding->Request().Enabled = true;
        if (!binding->Busy()) binding->Get();
    });
}

void TSNMPEditorPanel::btnRefreshClick()
{
    RefreshPage();
}

void TSNMPEditorPanel::btnSetCheckedClick()
{
    SetCheckedRows(CtrlBtnPanel()->btnSetChecked);
}

void TSNMPEditorPanel::btnCheckAllClick()
{
    grid_->CheckAll();
}

void TSNMPEditorPanel::btnClearChecksClick()
{
    grid_->ClearChecks();
}

bool TSNMPEditorPanel::SetCheckedRows(QAbstractButton* button)
{
    QxSNMPRequest2Edits* binding = binding_;
    if (!binding || !ReadyToWrite(binding)) return false;
    bool written = false;
    {
        ScopedBindingMode synchronous(binding, QxSNMPRequest2Controls::ModeSync);
        ScopedAccessCodes access(binding);
        GuardedStatus(binding, [&] {
            CollectBindingValues(*binding);
            bool empty = false;
            QxSNMPVarList& vars = binding->Vars();
            for (int i = 0; i < vars.GetCount() && i < grid_->RowCount(); ++i) {
                if (!grid_->CheckBox(i)->isChecked())
                    vars.Get(i).Access |= AccessExcluded;
                else if (grid_->IsRowEmpty(i))
                    empty = true;
            }
            if (empty) {
                ShowMessage(button->window(), QStringLiteral("Some items are empty!"));
                return;
            }
            binding->Set(false, false, QString(), nullptr);
            written = true;
        }, QxSNMPRequest2Controls::OperationSet);
    }
    // A dialog stays open when the write was refused, so the user can correct the input.
    if (written && button->property("tag").toInt() == 1) button->window()->close();
    return written;
}
