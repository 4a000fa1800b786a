#include "data_complete.h"

#include <QPointer>
#include <QWidget>

#include "binding/request2controls.h"
#include "platform/message_box.h"
#include "snmp/errors.h"

void DataCompleteFlag::Track(QxSNMPRequest2Controls* binding)
{
    binding->Completion = [complete = complete_, previous = binding->Completion](QxSNMPRequest2Controls* b,
                                                                                const QxSNMPError& error) {
        *complete = true;
        if (previous) previous(b, error);
    };
}

bool DataCompleteFlag::ReadyToWrite(QWidget* owner, const std::vector<QxSNMPRequest2Controls*>& bindings) const
{
    bool busy = false;
    for (const QxSNMPRequest2Controls* binding : bindings) {
        try {
            if (binding) binding->RaiseIfBusy();  // a read that waits counts as running
        } catch (const AppException&) {
            busy = true;
        }
    }
    if (*complete_ && !busy) return true;
    ShowMessage(owner, QString::fromLatin1(kGetDataNotComplete));
    return false;
}

void StopBindings(const std::vector<QxSNMPRequest2Controls*>& bindings)
{
    for (QxSNMPRequest2Controls* binding : bindings)
        if (binding) binding->Request().Enabled = false;
}

bool StopAndWaitIdle(const std::vector<QxSNMPRequest2Controls*>& bindings, int timeoutMs)
{
    StopBindings(bindings);
    bool idle = true;
    for (QxSNMPRequest2Controls* binding : bindings) {
        const QPointer<QxSNMPRequest2Controls> alive(binding);
        if (alive && !alive->WaitWhileBusy(timeoutMs)) idle = false;
    }
    return idle;
}
