#pragma once
// The USM users this program speaks as. A registration records a user's protocols and
// passwords by name; the latest registration of a name wins. Before a v3 message is sent, the
// user is handed to net-snmp with keys localized to the agent's engine ID, and handed again
// (old keys removed) whenever the registration has changed since.

#include <QByteArray>
#include <QString>

namespace UsmUsers {

// Protocol codes as in the agent profile: auth 1 none, 2 HMAC-MD5, 3 HMAC-SHA; priv 1 none, 2 DES.
void Register(const QString& name, int authProtocol, int privProtocol, const QString& authPassword,
              const QString& privPassword);

// Makes net-snmp hold the user for 'engineId' as last registered (a name never registered is
// a user without authentication). Returns 0, or a status in the session's numbering:
// 1412/1413 for an unknown protocol code, 1407/1405 when an authentication or privacy key
// cannot be made (a password shorter than 8 characters), -2 when memory runs out.
int EnsureLocalized(const QString& name, const QByteArray& engineId);

}  // namespace UsmUsers
