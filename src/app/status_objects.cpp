#include "app/status_objects.h"

#include "values/optionlist.h"

namespace ksw::app {

namespace {

const QxOptionList kRmonStateLabels{{2, "disabled"}, {3, "enabled"}};
const QxOptionList kStpVersionLabels{{0, "stp"}, {1, "rstp"}, {2, "mstp"}};
const QxOptionList kDot1xAuthControlLabels{{1, "enabled"}, {2, "disabled"}};

constexpr uint32_t kReadWrite = AccessRead | AccessWrite;

}  // namespace

const QxSNMPVarDesc kRmonStateObject[] = {
    {"1.3.6.1.4.1.58126.11.101.2.2.1.2.4", "RMON State", VarType::Integer, kReadWrite, &kRmonStateLabels},
    {},
};

const QxSNMPVarDesc kStpVersionObject[] = {
    {"1.3.6.1.4.1.58126.12.15.1.2", "STP Version", VarType::Integer, kReadWrite, &kStpVersionLabels},
    {},
};

const QxSNMPVarDesc kDot1xAuthControlObject[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", VarType::Integer, kReadWrite,
     &kDot1xAuthControlLabels},
    {},
};

}  // namespace ksw::app
