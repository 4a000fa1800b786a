#pragma once
// The agent states the main window follows in hidden status texts: RMON, the spanning-tree
// version and 802.1X. Each is a one-object scalar group with its option labels.

#include "snmp/vardesc.h"

namespace ksw::app {

extern const QxSNMPVarDesc kRmonStateObject[];       // 2 disabled, 3 enabled
extern const QxSNMPVarDesc kStpVersionObject[];      // 0 stp, 1 rstp, 2 mstp
extern const QxSNMPVarDesc kDot1xAuthControlObject[];  // 1 enabled, 2 disabled

inline constexpr char kStatusEnabled[] = "enabled";
inline constexpr char kStatusDisabled[] = "disabled";

}  // namespace ksw::app
