// Targets and PDU security fields built from an agent profile.

#include "agent_address.h"
#include "errors.h"
#include "session.h"
#include "usm_users.h"

QxTarget BuildTarget(const QxSNMPProfile& profile, int32_t timeout, int32_t retries)
{
    QxTarget target;
    target.TransportAddress = TransportAddress(profile.Device.Address, profile.Device.Port);
    if (target.TransportAddress.isEmpty()) RaiseLibraryError(LibErr::BadAddress);
    target.Device = profile.Device;
    target.Version = profile.Security.Version;
    target.Retries = retries;
    target.Timeout = timeout;
    const QxSNMPSecurity& security = profile.Security;
    if (security.Version == 3) {
        target.SecurityModel = security.SecurityModel;
        target.SecurityName = security.SecurityName;
        // Registered for every target, so a changed password takes effect with the next request.
        UsmUsers::Register(security.SecurityName, security.AuthProtocol, security.PrivProtocol,
                           security.AuthPassword, security.PrivPassword);
    } else {
        target.ReadCommunity = security.ReadCommunity;
        target.WriteCommunity = security.WriteCommunity;
    }
    return target;
}

void SetPduSecurity(QxPdu& pdu, const QxSNMPProfile& profile)
{
    pdu.SecurityLevel = profile.Security.SecurityLevel;
    pdu.ContextName = profile.Scope.ContextName;
    pdu.ContextEngineId = profile.Scope.ContextEngineId;
}
