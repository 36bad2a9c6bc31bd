#include "core/diagnosis/HostNameLookup.h"

#include <algorithm>
#include <chrono>

#include "core/link/NameResolution.h"
#include "core/link/TcpPort.h"

// The lookup the port's open makes, with the same limit: a name server that does not answer holds the
// check no longer than it would hold the open.
SHostLookup LookUpHost(const std::string& host) {
    SHostLookup lookup;
    const SNameResolution resolved = ResolveBefore(
        SystemNameResolver(), host, std::chrono::steady_clock::now() + NETWORK_CONNECT_LIMIT, {});
    if (resolved.timedOut) {
        lookup.failure =
            "the name server gave no answer within " + std::to_string(NETWORK_CONNECT_LIMIT.count()) + " ms";
        return lookup;
    }
    lookup.failure = resolved.failure;
    for (const SResolvedAddress& address : resolved.addresses) {
        const std::string text = NumericText(address);
        if (!text.empty() &&
            std::find(lookup.addresses.begin(), lookup.addresses.end(), text) == lookup.addresses.end())
            lookup.addresses.push_back(text);
    }
    return lookup;
}
