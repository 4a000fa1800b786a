#include "agent_address.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <map>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

constexpr int kResolutionLifetimeMs = 60 * 1000;

// A numeric address in the form net-snmp's transport parser takes.
struct NumericAddress {
    int family = AF_UNSPEC;
    QString text;

    bool IsNull() const { return family == AF_UNSPEC; }
};

// Four decimal numbers of 0..255, written back without leading zeros (which the resolver
// would otherwise read as octal).
NumericAddress ParseDottedQuad(const QString& text)
{
    static const QRegularExpression quad(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch match = quad.match(text);
    if (!match.hasMatch()) return {};
    QStringList parts;
    for (int i = 1; i <= 4; ++i) {
        const int value = match.capturedView(i).toInt();
        if (value > 255) return {};
        parts << QString::number(value);
    }
    return {AF_INET, parts.join(u'.')};
}

bool LooksLikeDottedNumbers(const QString& text)
{
    static const QRegularExpression numbers(QStringLiteral("^[0-9.]+$"));
    return numbers.match(text).hasMatch();
}

NumericAddress ParseIpv6(const QString& text)
{
    // A zone ("fe80::1%eth0") is kept for net-snmp; only the address part is checked here.
    const QString address = text.section(u'%', 0, 0);
    in6_addr parsed{};
    if (inet_pton(AF_INET6, address.toLatin1().constData(), &parsed) != 1) return {};
    return {AF_INET6, text};
}

// RFC 1123 host names; a last label of digits only would be a mistyped address, not a name.
bool IsHostName(const QString& text)
{
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?$"));
    const QString name = text.endsWith(u'.') ? text.chopped(1) : text;
    if (name.isEmpty() || name.size() > 253) return false;
    const QStringList labels = name.split(u'.');
    for (const QString& part : labels)
        if (!label.match(part).hasMatch()) return false;
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return !digits.match(labels.last()).hasMatch();
}

NumericAddress FromSockaddr(const sockaddr* address)
{
    char buffer[INET6_ADDRSTRLEN] = {};
    if (address->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        if (inet_ntop(AF_INET, &v4->sin_addr, buffer, sizeof(buffer))) return {AF_INET, QString::fromLatin1(buffer)};
    } else if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        if (inet_ntop(AF_INET6, &v6->sin6_addr, buffer, sizeof(buffer))) return {AF_INET6, QString::fromLatin1(buffer)};
    }
    return {};
}

// The first address of a name, IPv4 preferred; null when the name does not resolve.
NumericAddress Resolve(const QString& name)
{
    struct Resolution {
        NumericAddress address;
        QDeadlineTimer expiry;
    };
    static std::map<QString, Resolution> cache;
    const QString key = name.toLower();
    if (auto found = cache.find(key); found != cache.end() && !found->second.expiry.hasExpired())
        return found->second.address;

    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* results = nullptr;
    NumericAddress chosen;
    if (getaddrinfo(name.toUtf8().constData(), nullptr, &hints, &results) == 0) {
        for (const addrinfo* ai = results; ai; ai = ai->ai_next) {
            const NumericAddress candidate = FromSockaddr(ai->ai_addr);
            if (candidate.IsNull()) continue;
            if (chosen.IsNull() || (candidate.family == AF_INET && chosen.family != AF_INET)) chosen = candidate;
        }
        freeaddrinfo(results);
    }
    if (!chosen.IsNull()) cache[key] = {chosen, QDeadlineTimer(kResolutionLifetimeMs)};
    return chosen;
}

}  // namespace

QString TransportAddress(const QString& address, quint16 port)
{
    if (port == 0) return {};
    QString text = address.trimmed();
    if (text.startsWith(u'[') && text.endsWith(u']')) text = text.mid(1, text.size() - 2);
    if (text.isEmpty()) return {};

    NumericAddress host;
    if (LooksLikeDottedNumbers(text))
        host = ParseDottedQuad(text);
    else if (text.contains(u':'))
        host = ParseIpv6(text);
    else if (IsHostName(text))
        host = Resolve(text);
    if (host.IsNull()) return {};
    if (host.family == AF_INET) return QStringLiteral("udp:%1:%2").arg(host.text).arg(port);
    return QStringLiteral("udp6:[%1]:%2").arg(host.text).arg(port);
}
