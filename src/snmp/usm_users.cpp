#include "usm_users.h"

#include "error_numbers.h"

#include <cstring>
#include <map>
#include <utility>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace UsmUsers {
namespace {

struct Credentials {
    int authProtocol = 1;
    int privProtocol = 1;
    QByteArray authPassword;
    QByteArray privPassword;

    bool operator==(const Credentials&) const = default;
};

std::map<QString, Credentials>& Registered()
{
    static std::map<QString, Credentials> registered;
    return registered;
}

// What each (engine ID, name) was last localized from.
std::map<std::pair<QByteArray, QString>, Credentials>& Localized()
{
    static std::map<std::pair<QByteArray, QString>, Credentials> localized;
    return localized;
}

struct Protocol {
    const oid* id = nullptr;
    size_t length = 0;
};

bool AuthProtocol(int code, Protocol& protocol)
{
    switch (code) {
    case 1: protocol = {usmNoAuthProtocol, OID_LENGTH(usmNoAuthProtocol)}; return true;
    case 2: protocol = {usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)}; return true;
    case 3: protocol = {usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)}; return true;
    default: return false;
    }
}

bool PrivProtocol(int code, Protocol& protocol)
{
    switch (code) {
    case 1: protocol = {usmNoPrivProtocol, OID_LENGTH(usmNoPrivProtocol)}; return true;
    case 2: protocol = {usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)}; return true;
    default: return false;
    }
}

bool ReplaceProtocol(oid*& target, size_t& targetLength, const Protocol& protocol)
{
    SNMP_FREE(target);
    target = snmp_duplicate_objid(protocol.id, protocol.length);
    targetLength = target ? protocol.length : 0;
    return target != nullptr;
}

// A password turned into a key localized to the engine (RFC 3414, A.2).
bool LocalizedKey(const Protocol& hash, const QByteArray& password, const QByteArray& engineId, u_char*& key,
                  size_t& keyLength)
{
    u_char ku[USM_LENGTH_KU_HASHBLOCK];
    size_t kuLength = sizeof(ku);
    if (generate_Ku(hash.id, static_cast<u_int>(hash.length),
                    reinterpret_cast<const u_char*>(password.constData()), static_cast<size_t>(password.size()), ku,
                    &kuLength) != SNMPERR_SUCCESS)
        return false;
    key = static_cast<u_char*>(malloc(USM_LENGTH_KU_HASHBLOCK));
    if (!key) return false;
    keyLength = USM_LENGTH_KU_HASHBLOCK;
    auto* engine = reinterpret_cast<u_char*>(const_cast<char*>(engineId.constData()));
    return generate_kul(hash.id, static_cast<u_int>(hash.length), engine, static_cast<size_t>(engineId.size()), ku,
                        kuLength, key, &keyLength) == SNMPERR_SUCCESS;
}

int BuildUser(const QByteArray& name, const QByteArray& engineId, const Credentials& credentials,
              struct usmUser*& built)
{
    Protocol auth, priv;
    if (!AuthProtocol(credentials.authProtocol, auth)) return SnmpErr::UsmUnsupportedAuthProtocol;
    if (!PrivProtocol(credentials.privProtocol, priv)) return SnmpErr::UsmUnsupportedPrivProtocol;

    struct usmUser* user = usm_create_user();
    if (!user) return SnmpErr::ResourceUnavailable;
    user->name = strdup(name.constData());
    user->secName = strdup(name.constData());
    user->engineID = static_cast<u_char*>(malloc(static_cast<size_t>(engineId.size())));
    if (!user->name || !user->secName || !user->engineID) {
        usm_free_user(user);
        return SnmpErr::ResourceUnavailable;
    }
    memcpy(user->engineID, engineId.constData(), static_cast<size_t>(engineId.size()));
    user->engineIDLen = static_cast<size_t>(engineId.size());
    user->userStorageType = ST_READONLY;

    // Without authentication there is no privacy either (RFC 3414, 3.1.1).
    if (credentials.authProtocol != 1) {
        if (!ReplaceProtocol(user->authProtocol, user->authProtocolLen, auth)) {
            usm_free_user(user);
            return SnmpErr::ResourceUnavailable;
        }
        if (!LocalizedKey(auth, credentials.authPassword, engineId, user->authKey, user->authKeyLen)) {
            usm_free_user(user);
            return SnmpErr::UsmAuthenticationError;
        }
        if (credentials.privProtocol != 1) {
            if (!ReplaceProtocol(user->privProtocol, user->privProtocolLen, priv)) {
                usm_free_user(user);
                return SnmpErr::ResourceUnavailable;
            }
            // The privacy key is localized with the authentication hash; DES takes its first 16 octets.
            if (!LocalizedKey(auth, credentials.privPassword, engineId, user->privKey, user->privKeyLen)) {
                usm_free_user(user);
                return SnmpErr::UsmEncryptionError;
            }
        }
    }
    built = user;
    return 0;
}

}  // namespace

void Register(const QString& name, int authProtocol, int privProtocol, const QString& authPassword,
              const QString& privPassword)
{
    Registered()[name] = {authProtocol, privProtocol, authPassword.toUtf8(), privPassword.toUtf8()};
}

int EnsureLocalized(const QString& name, const QByteArray& engineId)
{
    const auto found = Registered().find(name);
    const Credentials credentials = found != Registered().end() ? found->second : Credentials{};
    const QByteArray utf8Name = name.toUtf8();
    const auto* engine = reinterpret_cast<const u_char*>(engineId.constData());
    const size_t engineLength = static_cast<size_t>(engineId.size());

    const auto key = std::make_pair(engineId, name);
    struct usmUser* existing = usm_get_user(engine, engineLength, utf8Name.constData());
    const auto localized = Localized().find(key);
    if (existing && localized != Localized().end() && localized->second == credentials) return 0;

    struct usmUser* user = nullptr;
    if (const int status = BuildUser(utf8Name, engineId, credentials, user); status != 0) return status;
    if (existing) {
        usm_remove_user(existing);
        usm_free_user(existing);
    }
    usm_add_user(user);
    Localized()[key] = credentials;
    return 0;
}

}  // namespace UsmUsers
