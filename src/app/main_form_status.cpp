// The main window's status texts: RMON, spanning-tree version and 802.1X, each read on demand
// into a hidden static text that decides whether some menu entries are enabled.

#include <QAction>
#include <QLabel>

#include "app/main_form.h"
#include "app/status_objects.h"
#include "binding/request2edits.h"
#include "snmp/exception_reporter.h"

using namespace ksw::app;

namespace {
constexpr const char* kRmonEntries[] = {"rmon.statistics", "rmon.history", "rmon.alarm_event"};
constexpr const char* kDot1xEntries[] = {"security_management.authentication_mode_setting"};
}  // namespace

std::unique_ptr<QxSNMPRequest2Edits> TMainForm::CreateStatusBinding(const QxSNMPVarDesc* table, QLabel* statusText)
{
    auto binding = std::make_unique<QxSNMPRequest2Edits>(this);
    binding->SetVarList(QxSNMPVarList(table, VarListKind::ScalarGroup, 0));
    binding->Mode = QxSNMPRequest2Controls::ModeSync;
    binding->BindControl(0, statusText);
    return binding;
}

bool TMainForm::ReadStatus(QxSNMPRequest2Edits* binding)
{
    if (!binding) return false;
    try {
        binding->Get();
        return true;
    } catch (...) {
        ShowStatusText(CurrentExceptionMessage());
    }
    return false;
}

void TMainForm::EnableByStatus(QLabel* statusText, std::initializer_list<const char*> itemIds)
{
    // Any other value (an unknown state, no answer) leaves the entries as they are.
    const QString state = statusText->text();
    if (state != QLatin1String(kStatusEnabled) && state != QLatin1String(kStatusDisabled)) return;
    const bool enabled = state == QLatin1String(kStatusEnabled);
    for (const char* id : itemIds)
        if (QAction* action = MenuAction(id)) action->setEnabled(enabled);
}

void TMainForm::RefreshRmonStatus()
{
    if (!ReadStatus(rmonStatus_.get())) return;
    EnableByStatus(stRmonState_, {kRmonEntries[0], kRmonEntries[1], kRmonEntries[2]});
}

void TMainForm::RefreshStpStatus()
{
    ReadStatus(stpStatus_.get());
}

void TMainForm::RefreshDot1xStatus()
{
    if (!ReadStatus(dot1xStatus_.get())) return;
    EnableByStatus(st8021xStatus_, {kDot1xEntries[0]});
}
