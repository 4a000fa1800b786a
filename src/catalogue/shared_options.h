#pragma once
// Enumerations that several pages share. Short lists are named after their labels and values
// (kEnabledDisabled12 holds 1 = "enabled", 2 = "disabled"); longer ones, and SNMP's own textual
// conventions, after what they enumerate (kRowStatus, kSecurityLevel).

#include "values/optionlist.h"

namespace ksw::catalogue {

extern const QxOptionList kActiveCreateAndGoDestroy146;
extern const QxOptionList kActiveDelete12;
extern const QxOptionList kAuthorizedUnauthorized12;
extern const QxOptionList kBackendAuthState;
extern const QxOptionList kCopperFiber12;
extern const QxOptionList kDisabledEnabled23;
extern const QxOptionList kDisableEnable23;
extern const QxOptionList kEnabledDisabled12;
extern const QxOptionList kEnableDisable12;
extern const QxOptionList kEnableDisable23;
extern const QxOptionList kErrorDisableCause;
extern const QxOptionList kHostAuthState;
extern const QxOptionList kHttpHttps12;
extern const QxOptionList kIncludedExcluded12;
extern const QxOptionList kInetAddressType;
extern const QxOptionList kNoneStart12;
extern const QxOptionList kOtherDisabledEnabled123;
extern const QxOptionList kOtherEnabledDisabled123;
extern const QxOptionList kOtherLinkPassLinkFail123;
extern const QxOptionList kOtherStart12;
extern const QxOptionList kPaeState;
extern const QxOptionList kPortNwayState;
extern const QxOptionList kPortNwayStatus;
extern const QxOptionList kPortType;
extern const QxOptionList kRowStatus;
extern const QxOptionList kSecurityLevel;
extern const QxOptionList kSessionAuthenticMethod;
extern const QxOptionList kSessionTerminateCause;
extern const QxOptionList kStorageType;
extern const QxOptionList kTargetAddressType;
extern const QxOptionList kTrueFalse12;
extern const QxOptionList kWarmStartNoReset34;

}  // namespace ksw::catalogue
