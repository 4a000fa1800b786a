#include "agent_address.h"

#include "dotted_numbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

// A numeric address in the form net-snmp's transport parser takes.
struct NumericAddress {
    int family = AF_UNSPEC;
    QString text;

    bool IsNull() const { return family == AF_UNSPEC; }
};

// Four decimal numbers of 0..255 (one to three digits each), written back without leading
// zeros (which the resolver would otherwise read as octal). Every request builds its target
// from the address, so this is done without regular expressions.
NumericAddress ParseDottedQuad(const QString& text)
{
    uint32_t octets[4] = {};
    int count = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == u'.') {
            if (digits == 0 || ++count == 4) return {};
            digits = 0;
        } else if (c >= u'0' && c <= u'9') {
            if (++digits > 3) return {};
            octets[count] = octets[count] * 10 + static_cast<uint32_t>(c.unicode() - u'0');
            if (octets[count] > 255) return {};
        } else {
            return {};
        }
    }
    if (count != 3 || digits == 0) return {};
    return {AF_INET, DottedNumbersText(octets, 4)};
}

bool LooksLikeDottedNumbers(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
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
QString LookUpHost(const QString& name)
{
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
    return chosen.text;
}

HostResolver& Resolver()
{
    static HostResolver resolver = LookUpHost;
    return resolver;
}

// The outcome of every name looked up, a failure included: a lookup blocks the GUI thread for
// as long as the resolver takes (its whole time-out when the name server is down), so it is
// never repeated for an exchange.
std::map<QString, NumericAddress>& KeptNames()
{
    static std::map<QString, NumericAddress> kept;
    return kept;
}

NumericAddress Resolve(const QString& name)
{
    const QString key = name.toLower();
    auto& kept = KeptNames();
    if (auto found = kept.find(key); found != kept.end()) return found->second;
    const QString text = Resolver()(name);
    NumericAddress address;
    if (!text.isEmpty()) address = text.contains(u':') ? ParseIpv6(text) : ParseDottedQuad(text);
    kept[key] = address;
    return address;
}

// The numeric host of an address as the user wrote it; null when it is none.
NumericAddress HostOf(const QString& address)
{
    QString text = address.trimmed();
    if (text.startsWith(u'[') && text.endsWith(u']')) text = text.mid(1, text.size() - 2);
    if (text.isEmpty()) return {};
    if (LooksLikeDottedNumbers(text)) return ParseDottedQuad(text);
    if (text.contains(u':')) return ParseIpv6(text);
    if (IsHostName(text)) return Resolve(text);
    return {};
}

}  // namespace

QString TransportAddress(const QString& address, quint16 port)
{
    if (port == 0) return {};
    const NumericAddress host = HostOf(address);
    if (host.IsNull()) return {};
    const QString portText = QString::number(port);
    if (host.family == AF_INET) return QLatin1String("udp:") + host.text + u':' + portText;
    return QLatin1String("udp6:[") + host.text + QLatin1String("]:") + portText;
}

void ResolveAgentAddress(const QString& address)
{
    KeptNames().clear();
    static_cast<void>(HostOf(address));
}

HostResolver SetHostResolver(HostResolver resolver)
{
    HostResolver previous = std::move(Resolver());
    Resolver() = resolver ? std::move(resolver) : HostResolver(LookUpHost);
    KeptNames().clear();
    return previous;
}
