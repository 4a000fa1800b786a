#pragma once
// The agent profile: everything needed to address the agent. Every request copies the
// process-wide default when it is constructed.

#include <QString>
#include <cstdint>

struct QxSNMPDevice {
    QString Address = QStringLiteral("127.0.0.1");
    quint16 Port = 161;
};

struct QxSNMPScope {
    QString ContextEngineId;
    QString ContextName;
};

// Library codes: Version 0 = v1, 1 = v2c, 3 = v3; SecurityModel 1 = v1, 2 = v2c, 3 = USM;
// SecurityLevel 1 = noAuthNoPriv, 2 = authNoPriv, 3 = authPriv;
// AuthProtocol 1 = none, 2 = HMAC-MD5, 3 = HMAC-SHA; PrivProtocol 1 = none, 2 = DES.
struct QxSNMPSecurity {
    quint8 Version = 0;
    QString ReadCommunity = QStringLiteral("mirepo");
    QString WriteCommunity = QStringLiteral("wrilato");
    qint32 SecurityModel = 1;
    qint32 SecurityLevel = 1;
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    qint32 AuthProtocol = 1;
    qint32 PrivProtocol = 1;
};

struct QxSNMPProfile {
    QxSNMPDevice Device;
    QxSNMPScope Scope;
    QxSNMPSecurity Security;
    qint32 Timeout = 100;  // hundredths of a second
};

// The process-wide default profile. Session creation resets it to the defaults above.
QxSNMPProfile& DefaultProfile();
