#include "core/link/NameResolution.h"

#include <netdb.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "core/link/SerialPort.h"

namespace {

using Clock = std::chrono::steady_clock;

// What getaddrinfo answers for `host` with `flags`; `error` is its result.
SNameResolution LookUp(const std::string& host, int flags, int& error) {
    SNameResolution resolution;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    error = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (error != 0) {
        resolution.failure = ::gai_strerror(error);
        return resolution;
    }
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_addrlen > sizeof(sockaddr_storage)) continue;
        SResolvedAddress address;
        std::memcpy(&address.address, entry->ai_addr, entry->ai_addrlen);
        address.length = entry->ai_addrlen;
        const bool known = std::any_of(
            resolution.addresses.begin(), resolution.addresses.end(), [&](const SResolvedAddress& other) {
                return other.length == address.length &&
                       std::memcmp(&other.address, &address.address, address.length) == 0;
            });
        if (!known) resolution.addresses.push_back(address);
    }
    ::freeaddrinfo(found);
    return resolution;
}

// One lookup's answer, shared by the thread that looks up and the caller that may stop waiting for it.
struct SLookup {
    std::mutex lock;
    std::condition_variable answered;
    bool done = false;
    SNameResolution resolution;
};

}  // namespace

SNameResolution CNameResolver::Resolve(const std::string& host) {
    int error = 0;
    return LookUp(host, 0, error);
}

std::shared_ptr<CNameResolver> SystemNameResolver() {
    static const auto resolver = std::make_shared<CNameResolver>();
    return resolver;
}

SNameResolution ResolveBefore(const std::shared_ptr<CNameResolver>& resolver, const std::string& host,
                              Clock::time_point deadline, const std::function<void()>& pump) {
    int numericError = 0;
    SNameResolution numeric = LookUp(host, AI_NUMERICHOST, numericError);
    if (numericError == 0) return numeric;

    auto lookup = std::make_shared<SLookup>();
    std::thread([lookup, resolver, host] {
        SNameResolution resolution = resolver->Resolve(host);
        const std::lock_guard hold(lookup->lock);
        lookup->resolution = std::move(resolution);
        lookup->done = true;
        lookup->answered.notify_all();
    }).detach();

    std::unique_lock hold(lookup->lock);
    while (!lookup->done) {
        const auto now = Clock::now();
        if (now >= deadline) {
            SNameResolution late;
            late.timedOut = true;
            return late;
        }
        lookup->answered.wait_until(hold, pump ? std::min(deadline, now + EVENT_PUMP_INTERVAL) : deadline);
        if (pump && !lookup->done) {
            hold.unlock();
            pump();
            hold.lock();
        }
    }
    return lookup->resolution;
}

std::string NumericText(const SResolvedAddress& address) {
    char text[NI_MAXHOST];
    if (::getnameinfo(reinterpret_cast<const sockaddr*>(&address.address), address.length, text, sizeof text,
                      nullptr, 0, NI_NUMERICHOST) != 0)
        return {};
    return text;
}
