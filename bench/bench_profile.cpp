#include "bench_profile.h"

bool SimProfile(const QString& version, const QString& address, quint16 port, QxSNMPProfile& profile)
{
    profile = QxSNMPProfile{};
    profile.Device = {address, port};
    QxSNMPSecurity& security = profile.Security;
    if (version == QLatin1String("v1") || version == QLatin1String("v2c")) {
        security.Version = version == QLatin1String("v1") ? 0 : 1;
        security.SecurityModel = security.Version + 1;
        security.ReadCommunity = QStringLiteral("mirepo");
        security.WriteCommunity = QStringLiteral("wrilato");
        return true;
    }
    if (version == QLatin1String("v3")) {
        security.Version = 3;
        security.SecurityModel = 3;
        security.SecurityLevel = 3;
        security.SecurityName = QStringLiteral("admin");
        security.AuthProtocol = 3;  // HMAC-SHA
        security.AuthPassword = QStringLiteral("adminauth123");
        security.PrivProtocol = 2;  // DES
        security.PrivPassword = QStringLiteral("adminpriv123");
        return true;
    }
    return false;
}
