#include "focused_field_check.h"

#include <QApplication>
#include <QLineEdit>

#include "binding/editconstraint.h"
#include "binding/request2edits.h"

bool CheckFocusedField(const std::vector<QxSNMPRequest2Edits*>& bindings)
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit) return true;
    for (QxSNMPRequest2Edits* binding : bindings)
        if (binding && binding->Constraint().IsAttached(edit)) return binding->Constraint().CheckExitNow(edit);
    return true;
}
