#pragma once
// The enterprise object the front panel reads: swDevInfoFrontPanelLedStatus, an octet string
// with the power, console and port LED states.

#include "snmp/vardesc.h"

namespace ksw::panel {

// For the label binding that feeds the link pictures (a scalar group).
extern const QxSNMPVarDesc kFrontPanelLedStatus[];
// For the LED binding (a single instance, "0").
extern const QxSNMPVarDesc kManagementFrontPanelLedStatus[];

}  // namespace ksw::panel
