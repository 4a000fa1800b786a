// The fuzz targets must never ask the network: host names in address texts go to this resolver
// instead of the system's (its getaddrinfo and freeaddrinfo replace the C library's for the
// whole program). It knows "localhost"; names ending in ".test" (a name space reserved for
// testing) get a list whose first entry is IPv6, so the caller's walk over the list runs; every
// other name is unknown.

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstring>
#include <string_view>

namespace {

addrinfo* NewIpv4(uint32_t hostOrder, addrinfo* next)
{
    auto* address = new sockaddr_in{};
    address->sin_family = AF_INET;
    address->sin_addr.s_addr = htonl(hostOrder);
    auto* entry = new addrinfo{};
    entry->ai_family = AF_INET;
    entry->ai_socktype = SOCK_DGRAM;
    entry->ai_addrlen = sizeof(sockaddr_in);
    entry->ai_addr = reinterpret_cast<sockaddr*>(address);
    entry->ai_next = next;
    return entry;
}

addrinfo* NewIpv6Loopback(addrinfo* next)
{
    auto* address = new sockaddr_in6{};
    address->sin6_family = AF_INET6;
    address->sin6_addr = in6addr_loopback;
    auto* entry = new addrinfo{};
    entry->ai_family = AF_INET6;
    entry->ai_socktype = SOCK_DGRAM;
    entry->ai_addrlen = sizeof(sockaddr_in6);
    entry->ai_addr = reinterpret_cast<sockaddr*>(address);
    entry->ai_next = next;
    return entry;
}

}  // namespace

extern "C" int getaddrinfo(const char* node, const char*, const addrinfo*, addrinfo** result)
{
    *result = nullptr;
    if (!node) return EAI_NONAME;
    const std::string_view name(node);
    if (name == "localhost") {
        *result = NewIpv4(0x7F000001u, nullptr);
        return 0;
    }
    if (name.size() > 5 && name.ends_with(".test")) {
        // 192.0.2.x (TEST-NET-1), x from the name's length, then a second address.
        *result = NewIpv6Loopback(NewIpv4(0xC0000200u | (name.size() & 0xFF), NewIpv4(0xC0000201u, nullptr)));
        return 0;
    }
    return EAI_NONAME;
}

extern "C" void freeaddrinfo(addrinfo* list) noexcept
{
    while (list) {
        addrinfo* next = list->ai_next;
        if (list->ai_family == AF_INET6)
            delete reinterpret_cast<sockaddr_in6*>(list->ai_addr);
        else
            delete reinterpret_cast<sockaddr_in*>(list->ai_addr);
        delete list;
        list = next;
    }
}
