#include "panel/panel_objects.h"

namespace ksw::panel {

namespace {
constexpr const char* kLedStatusOid = "1.3.6.1.4.1.58126.11.101.2.2.1.1.4";
}

const QxSNMPVarDesc kFrontPanelLedStatus[] = {
    {kLedStatusOid, "swDevInfoFrontPanelLedStatus", VarType::OctetString, AccessRead},
    {},
};

const QxSNMPVarDesc kManagementFrontPanelLedStatus[] = {
    {kLedStatusOid, "Management Front Panel Led Status", VarType::OctetString, AccessRead},
    {},
};

}  // namespace ksw::panel
