#pragma once
// Temporary changes the pages make to their binding around a write, undone on every way out.

#include <QPointer>
#include <cstdint>
#include <vector>

#include "binding/request2edits.h"

// Runs the binding in another mode (the pages write synchronously) until the scope ends.
class ScopedBindingMode {
public:
    ScopedBindingMode(QxSNMPRequest2Controls* binding, int mode) : binding_(binding), saved_(binding->Mode)
    {
        binding->Mode = mode;
    }
    ~ScopedBindingMode()
    {
        if (binding_) binding_->Mode = saved_;
    }
    ScopedBindingMode(const ScopedBindingMode&) = delete;
    ScopedBindingMode& operator=(const ScopedBindingMode&) = delete;

private:
    QPointer<QxSNMPRequest2Controls> binding_;
    int saved_;
};

// Saves every variable's access code and puts them back when the scope ends, so that variables
// excluded from one write are never left excluded.
class ScopedAccessCodes {
public:
    explicit ScopedAccessCodes(QxSNMPRequest2Controls* binding) : binding_(binding)
    {
        const QxSNMPVarList& vars = binding->Vars();
        for (int i = 0; i < vars.GetCount(); ++i) saved_.push_back(vars.Get(i).Access);
    }
    ~ScopedAccessCodes()
    {
        if (!binding_) return;
        QxSNMPVarList& vars = binding_->Vars();
        for (int i = 0; i < vars.GetCount() && i < static_cast<int>(saved_.size()); ++i)
            vars.Get(i).Access = saved_[static_cast<size_t>(i)];
    }
    ScopedAccessCodes(const ScopedAccessCodes&) = delete;
    ScopedAccessCodes& operator=(const ScopedAccessCodes&) = delete;

private:
    QPointer<QxSNMPRequest2Controls> binding_;
    std::vector<uint32_t> saved_;
};

// The binding's collect step before a write: every Value emptied, the selected list row copied
// in, then the written variables' controls collected.
inline void CollectBindingValues(QxSNMPRequest2Edits& binding)
{
    QxSNMPVarList& vars = binding.Vars();
    for (int i = 0; i < vars.GetCount(); ++i) vars.Get(i).Value.clear();
    binding.CopySelectedRowToValues();
    binding.CollectControls(-1);
}
