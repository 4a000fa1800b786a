#include "pages/config_form.h"

#include <QCoreApplication>

#include "platform/dpi_scale.h"
#include "platform/window_placement.h"
#include "binding/request2edits.h"
#include "pages/page_guard.h"
#include "pages/snmp_editor_panel.h"
#include "pages/snmp_listview_panel.h"

namespace {
constexpr int kDesignWidth = 159;
constexpr int kDesignHeight = 105;
}  // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setModal(true);
    resize(Scaled(kDesignWidth), Scaled(kDesignHeight));
    CentreOnMainWindow(this);
    QCoreApplication::postEvent(this, new QEvent(FirstReadEvent));
}

TConfigForm::~TConfigForm()
{
    FormClose();
}

QxSNMPRequest2Edits* TConfigForm::CurrentBinding() const
{
    return current_;
}

TSNMPEditorPanel* TConfigForm::Panel() const
{
    return panel_;
}

QxSNMPRequest2Edits* TConfigForm::Binding() const
{
    return bindings_.empty() ? nullptr : bindings_.front().get();
}

QxSNMPRequest2Edits* TConfigForm::Adopt(std::unique_ptr<QxSNMPRequest2Edits> binding)
{
    bindings_.push_back(std::move(binding));
    return bindings_.back().get();
}

void TConfigForm::CheckFormEmpty() const
{
    if (formType_ != FormEmpty) throw AppException(QStringLiteral("Can not change Type of a Config Form!"));
}

TSNMPEditorPanel* TConfigForm::SetEditor(std::unique_ptr<QxSNMPRequest2Edits> binding)
{
    QxSNMPRequest2Edits* adopted = Adopt(std::move(binding));
    CheckFormEmpty();
    auto* panel = new TSNMPEditorPanel(this, adopted);
    panel_ = panel;
    formType_ = FormEditor;
    panel->AttachToForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetTable(std::unique_ptr<QxSNMPRequest2Edits> binding, int addStatusVar,
                                          const QString& addText, int deleteStatusVar, const QString& deleteText)
{
    QxSNMPRequest2Edits* adopted = Adopt(std::move(binding));
    CheckFormEmpty();
    auto* panel = new TSNMPListViewPanel(this, adopted);
    panel_ = panel;
    formType_ = FormTable;
    panel->AttachToForm(this);
    if (addStatusVar >= 0) panel->SetAddStatus(addStatusVar, addText);
    if (deleteStatusVar >= 0) panel->SetDeleteStatus(deleteStatusVar, deleteText);
    return panel;
}

void TConfigForm::Refresh()
{
    if (formType_ == FormEmpty || closing_ || closed_) return;
    QxSNMPRequest2Edits* next = Binding();
    if (!next) return;
    if (current_ && current_ != next) current_->Request().Enabled = false;
    current_ = next;
    GuardedStatus(next, [next] {
        next->Request().Enabled = true;
        next->Get();
    });
}

bool TConfigForm::event(QEvent* event)
{
    if (event->type() == FirstReadEvent) {
        // Posted from the constructor; a form not shown yet reads once it is.
        if (isVisible())
            RunAndReport([this] { Refresh(); });
        else
            firstReadDue_ = true;
        return true;
    }
    return QDialog::event(event);
}

void TConfigForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (firstReadDue_) {
        firstReadDue_ = false;
        QCoreApplication::postEvent(this, new QEvent(FirstReadEvent));
    }
}

void TConfigForm::done(int result)
{
    if (closing_) return;  // already waiting for the bindings to finish
    RunAndReport([this] { FormClose(); });
    QDialog::done(result);
}

void TConfigForm::FormClose()
{
    if (closing_ || closed_) return;
    closing_ = true;
    for (auto& binding : bindings_) {
        binding->Request().Enabled = false;
        binding->WaitWhileBusy();
    }
    // A request may still process window messages while it goes; by then the form has no
    // binding to hand out.
    auto going = std::move(bindings_);
    bindings_.clear();
    going.clear();
    closing_ = false;
    closed_ = true;
}
