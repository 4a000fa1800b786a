#include "catalogue/shared_options.h"

namespace ksw::catalogue {

const QxOptionList kActiveCreateAndGoDestroy146{{1, "active"}, {4, "createAndGo"}, {6, "destroy"}};
const QxOptionList kActiveDelete12{{1, "active"}, {2, "delete"}};
const QxOptionList kAuthorizedUnauthorized12{{1, "authorized"}, {2, "unauthorized"}};
const QxOptionList kBackendAuthState{
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"}, {7, "initialize"},
};
const QxOptionList kCopperFiber12{{1, "copper"}, {2, "fiber"}};
const QxOptionList kDisabledEnabled23{{2, "disabled"}, {3, "enabled"}};
const QxOptionList kDisableEnable23{{2, "disable"}, {3, "enable"}};
const QxOptionList kEnabledDisabled12{{1, "enabled"}, {2, "disabled"}};
const QxOptionList kEnableDisable12{{1, "enable"}, {2, "disable"}};
const QxOptionList kEnableDisable23{{2, "enable"}, {3, "disable"}};
const QxOptionList kErrorDisableCause{{0, "none"}, {1, "storm"}, {2, "lbd"}, {3, "unknow"}};
const QxOptionList kHostAuthState{{1, "authenticated"}, {2, "authenticating"}, {3, "blocked"}};
const QxOptionList kHttpHttps12{{1, "http"}, {2, "https"}};
const QxOptionList kIncludedExcluded12{{1, "included"}, {2, "excluded"}};
const QxOptionList kInetAddressType{{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}};
const QxOptionList kNoneStart12{{1, "none"}, {2, "start"}};
const QxOptionList kOtherDisabledEnabled123{{1, "other"}, {2, "disabled"}, {3, "enabled"}};
const QxOptionList kOtherEnabledDisabled123{{1, "other"}, {2, "enabled"}, {3, "disabled"}};
const QxOptionList kOtherLinkPassLinkFail123{{1, "other"}, {2, "link-pass"}, {3, "link-fail"}};
const QxOptionList kOtherStart12{{1, "other"}, {2, "start"}};
const QxOptionList kPaeState{
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
};
const QxOptionList kPortNwayState{
    {1, "other"}, {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"}, {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"}, {6, "nway-disabled-100Mbps-Full"}, {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
};
const QxOptionList kPortNwayStatus{
    {0, "link-down"}, {1, "full-10Mbps-8023x"}, {2, "full-10Mbps-none"}, {3, "half-10Mbps-backp"},
    {4, "half-10Mbps-none"}, {5, "full-100Mbps-8023x"}, {6, "full-100Mbps-none"}, {7, "half-100Mbps-backp"},
    {8, "half-100Mbps-none"}, {9, "full-1Gigabps-8023x"}, {10, "full-1Gigabps-none"}, {11, "half-1Gigabps-backp"},
    {12, "half-1Gigabps-none"}, {13, "full-10Gigabps-8023x"}, {14, "full-10Gigabps-none"}, {15, "half-10Gigabps-8023x"},
    {16, "half-10Gigabps-none"}, {17, "empty"}, {18, "err-disabled"},
};
const QxOptionList kPortType{
    {0, "portType-none"}, {2, "portType-100Base-T"}, {3, "portType-100Base-X"}, {4, "portType-1000Base-T"},
    {5, "portType-1000Base-X"}, {6, "portType-10GBase-R"}, {7, "portType-10GBase-CX4"}, {8, "portType-SIO"},
    {9, "portType-module-empty"}, {10, "portType-user-last"},
};
const QxOptionList kRowStatus{
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
};
const QxOptionList kSecurityLevel{{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}};
const QxOptionList kSessionAuthenticMethod{{1, "remoteAuthServer"}, {2, "localAuthServer"}};
const QxOptionList kSessionTerminateCause{
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"},
};
const QxOptionList kStorageType{{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}};
const QxOptionList kTargetAddressType{{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}};
const QxOptionList kTrueFalse12{{1, "true"}, {2, "false"}};
const QxOptionList kWarmStartNoReset34{{3, "warm-start"}, {4, "no-reset"}};

}  // namespace ksw::catalogue
