#pragma once
// The address of a serial device server's name, found without holding the program longer than the
// connect may take: the system's lookup waits as long as its name servers do (20 s and more for one
// that does not answer), and it cannot be interrupted. It therefore runs on a thread of its own, and a
// lookup that is still running when the time is up is left to finish there.
#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One address a name stands for, as the socket calls take it (the port left at 0).
struct SResolvedAddress {
    sockaddr_storage address{};
    socklen_t length = 0;
};

struct SNameResolution {
    std::vector<SResolvedAddress> addresses;  // each once, in the resolver's order; none when it failed
    std::string failure;                      // the resolver's reason when there are none
    bool timedOut = false;                    // no answer before the deadline
};

// The lookup of a name for a TCP connection, IPv4 and IPv6. It may take as long as the name servers
// do; tests put a double in the system's place.
class CNameResolver {
public:
    virtual ~CNameResolver() = default;
    virtual SNameResolution Resolve(const std::string& host);
};

std::shared_ptr<CNameResolver> SystemNameResolver();

// A numeric address (IPv4, IPv6 with or without a zone) stands for itself at once. A name is looked up
// by `resolver` on a thread of its own while the caller waits until `deadline` at most, running `pump`
// (when there is one) between waits of at most EVENT_PUMP_INTERVAL.
SNameResolution ResolveBefore(const std::shared_ptr<CNameResolver>& resolver, const std::string& host,
                              std::chrono::steady_clock::time_point deadline,
                              const std::function<void()>& pump);

// The address as text, without the port: "192.0.2.7", "fe80::1%eth0".
std::string NumericText(const SResolvedAddress& address);
