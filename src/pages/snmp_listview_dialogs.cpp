// The add and edit dialogs of the table page. Both borrow the page's editor grid and message
// area for as long as they are open and give them back, whatever happens, before they go.

#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "binding/listview.h"
#include "binding/request2edits.h"
#include "pages/ctrl_btn_panel.h"
#include "pages/edits_panel.h"
#include "pages/listview_panel.h"
#include "pages/msg_panel.h"
#include "pages/page_guard.h"
#include "pages/snmp_listview_panel.h"

namespace {

constexpr int kEditWaitMs = 1000;

// Runs a clean-up when the scope ends, also when an exception passes.
template <typename Action>
class Finally {
public:
    explicit Finally(Action action) : action_(std::move(action)) {}
    ~Finally() { RunAndReport(action_); }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    Action action_;
};

// A status text taken out of a combo box for the edit dialog, to go back where it was.
struct RemovedItem {
    QPointer<QComboBox> combo;
    int index;
    QString text;
    QString selected;  // the combo box's choice before the text went
};

void CentreOnOwner(QWidget* window, QWidget* owner)
{
    QRect placed = window->frameGeometry();
    placed.moveCenter(owner->frameGeometry().center());
    window->move(placed.topLeft());
}

}  // namespace

void TSNMPListViewPanel::RunAddDialog()
{
    RunRowDialog(DialogKind::Add);
}

void TSNMPListViewPanel::RunEditDialog()
{
    const QPointer<QxSNMPRequest2Edits> binding = binding_;
    if (binding && binding->Mode == QxSNMPRequest2Controls::ModeAsync) {
        // Let a running read end first, so that it does not overwrite the row being edited.
        // Events run meanwhile: the page may be closed (its binding destroyed) or destroyed.
        const QPointer<TSNMPListViewPanel> self(this);
        binding->Request().Enabled = false;
        binding->WaitWhileBusy(kEditWaitMs);
        if (!self || !binding) return;
        binding->Request().Enabled = true;
    }
    RunRowDialog(DialogKind::Edit);
}

void TSNMPListViewPanel::RunRowDialog(DialogKind kind)
{
    QxSNMPRequest2Edits* binding = binding_;
    if (!binding || dialogOpen_) return;
    const QPointer<TSNMPListViewPanel> self(this);
    ShowRowDialog(kind, binding);
    if (self) btnRefreshClick();
}

void TSNMPListViewPanel::ShowRowDialog(DialogKind kind, QxSNMPRequest2Edits* binding)
{
    const bool adding = kind == DialogKind::Add;
    QWidget* page = window();
    TMsgPanel* messages = MsgPanel();

    // On the heap: a page destroyed while the dialog runs takes its child dialog with it.
    const QPointer<TSNMPListViewPanel> self(this);
    const QPointer<QDialog> dialog = new QDialog(page);
    dialog->setObjectName(adding ? QStringLiteral("dlgAdd") : QStringLiteral("dlgEdit"));
    dialog->setWindowTitle(page->windowTitle() + (adding ? QStringLiteral(" (Add)") : QStringLiteral(" (Edit)")));
    dialog->setModal(true);

    std::vector<RemovedItem> removed;
    std::vector<int> hiddenRows;
    dialogOpen_ = true;
    // The grid and the message area go back to the page before the dialog, which would take
    // them with it, is destroyed.
    Finally restore([&, this] {
        if (!self) return;  // the dialog, the grid and the message area went with the page
        dialogOpen_ = false;
        for (int row : hiddenRows) grid_->SetRowHidden(row, false);
        for (auto item = removed.rbegin(); item != removed.rend(); ++item) {
            if (!item->combo) continue;
            item->combo->insertItem(item->index, item->text);
            item->combo->setCurrentIndex(item->combo->findText(item->selected));
        }
        grid_->SetButtonPanel(nullptr);
        Keep(grid_);
        grid_->ScrollHome();
        SetMsgPanel(messages);
        if (binding_) binding_->SetConstraintOwner(page);
        delete dialog.data();
    });

    binding->SetConstraintOwner(dialog);
    auto* frame = new TSNMPPanel(dialog, binding, messages);
    frame->SetContent(grid_);
    grid_->EnableRows();

    const TListViewPanel& list = *listPanel_;
    if (adding) {
        const int indexCount = binding->Vars().IndexCount;
        for (int i = 0; i < indexCount && i < grid_->RowCount(); ++i) grid_->ForceRow(i);
        if (list.AddStatusVar >= 0 && list.AddStatusVar < grid_->RowCount()) {
            grid_->SetRowEnabled(list.AddStatusVar, false);
            grid_->LockCheck(list.AddStatusVar);
            if (QComboBox* combo = grid_->ComboBox(list.AddStatusVar))
                combo->setCurrentIndex(combo->findText(list.AddStatusText));
        }
    } else {
        // Existing rows are neither created nor destroyed here: take those texts out.
        const std::pair<int, QString> statusTexts[] = {{list.AddStatusVar, list.AddStatusText},
                                                       {list.DeleteStatusVar, list.DeleteStatusText}};
        for (const auto& [var, text] : statusTexts) {
            QComboBox* combo = grid_->ComboBox(var);
            if (!combo) continue;
            const int index = combo->findText(text);
            if (index < 0) continue;
            removed.push_back({combo, index, text, combo->currentText()});
            combo->removeItem(index);
        }
        for (const auto& [var, text] : statusTexts) {
            QComboBox* combo = grid_->ComboBox(var);
            if (!combo || combo->count() > 0) continue;
            if (std::find(hiddenRows.begin(), hiddenRows.end(), var) != hiddenRows.end()) continue;
            grid_->SetRowHidden(var, true);
            hiddenRows.push_back(var);
        }
    }

    TCtrlBtnPanel* buttons = frame->CtrlBtnPanel();
    grid_->ArrangeCtrlBtn(buttons);
    buttons->btnRefresh->hide();
    buttons->btnSetChecked->setProperty("tag", 1);
    connect(buttons->btnSetChecked, &QPushButton::clicked, frame,
            Guarded([this, buttons] { SetCheckedRows(buttons->btnSetChecked); }));
    connect(buttons->btnCheckAll, &QPushButton::clicked, frame, Guarded([this] { grid_->CheckAll(); }));
    connect(buttons->btnClearChecks, &QPushButton::clicked, frame,
            Guarded([this] { grid_->ClearChecks(); }));

    frame->AttachToForm(dialog);
    CentreOnOwner(dialog, page);
    if (adding) {
        ListView()->ClearSelection();
        SetRowButtonsEnabled(false);
    }
    dialog->exec();
}
