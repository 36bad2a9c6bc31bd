#include "core/diagnosis/HostNameLookup.h"

#include <netdb.h>
#include <sys/socket.h>

#include <algorithm>
#include <memory>

SHostLookup LookUpHost(const std::string& host) {
    SHostLookup lookup;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int error = ::getaddrinfo(host.c_str(), nullptr, &hints, &found); error != 0) {
        lookup.failure = ::gai_strerror(error);
        return lookup;
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, ::freeaddrinfo);
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        char text[NI_MAXHOST];
        if (::getnameinfo(entry->ai_addr, entry->ai_addrlen, text, sizeof text, nullptr, 0, NI_NUMERICHOST) != 0)
            continue;
        if (std::find(lookup.addresses.begin(), lookup.addresses.end(), text) == lookup.addresses.end())
            lookup.addresses.emplace_back(text);
    }
    return lookup;
}
