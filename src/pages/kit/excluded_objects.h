#pragma once
// Leaving some objects of a binding out of one write: the page names them, and every access
// code comes back when the scope ends, however it ends (a check that returns early, a refusal
// raised by the engine).
//
//   ScopedExcludedObjects skip(binding, {kPortVar, kNameVar});
//   binding->Set();

#include <initializer_list>
#include <vector>

#include "pages/binding_scopes.h"

class ScopedExcludedObjects {
public:
    ScopedExcludedObjects(QxSNMPRequest2Controls* binding, const std::vector<int>& positions) : saved_(binding)
    {
        QxSNMPVarList& vars = binding->Vars();
        for (int position : positions)
            if (position >= 0 && position < vars.GetCount()) vars.Get(position).Access |= AccessExcluded;
    }
    ScopedExcludedObjects(QxSNMPRequest2Controls* binding, std::initializer_list<int> positions)
        : ScopedExcludedObjects(binding, std::vector<int>(positions))
    {
    }

private:
    ScopedAccessCodes saved_;
};
