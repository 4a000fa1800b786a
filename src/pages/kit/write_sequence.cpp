#include "write_sequence.h"

#include "binding/request2edits.h"
#include "excluded_objects.h"
#include "pages/binding_scopes.h"
#include "pages/page_guard.h"
#include "snmp/errors.h"

namespace {

bool CarriesObjects(QxSNMPRequest2Controls& binding)
{
    const QxSNMPVarList& vars = binding.Vars();
    for (int i = 0; i < vars.GetCount(); ++i)
        if (vars.IsWritten(i)) return true;
    return false;
}

}  // namespace

bool RunWriteSequence(const WriteSequence& sequence)
{
    for (const WriteStep& step : sequence.steps)
        if (!ReadyToWrite(step.binding)) return false;

    bool sent = false;
    QxSNMPRequest2Controls* refused = nullptr;
    QString refusal;
    for (const WriteStep& step : sequence.steps) {
        ScopedBindingMode sync(step.binding, QxSNMPRequest2Controls::ModeSync);
        ScopedExcludedObjects skip(step.binding, step.excluded);
        if (!CarriesObjects(*step.binding)) continue;
        sent = true;
        try {
            step.binding->Set(false);
        } catch (const AppException& error) {
            refused = step.binding;
            refusal = error.message();
            break;
        }
    }
    if (!sent) {
        if (!sequence.steps.empty())
            sequence.steps.front().binding->ShowStatus(sequence.nothingChosen, QxSNMPRequest2Controls::OperationSet);
        return false;
    }
    // The writes before a refusal did change the device, so the read runs either way; it runs
    // before the refusal is shown so that its own line cannot hide it.
    if (QxSNMPRequest2Controls* reread = sequence.reread) {
        ScopedBindingMode sync(reread, QxSNMPRequest2Controls::ModeSync);
        GuardedStatus(reread, [reread] { reread->Get(); });
    }
    if (refused) refused->ShowStatus(refusal, QxSNMPRequest2Controls::OperationSet);
    return !refused;
}
