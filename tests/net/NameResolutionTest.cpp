// A serial device server's name is looked up within the connect limit, whatever the name server does,
// and the user interface keeps running while a connection is made. A resolver double plays the name
// server; a listening socket on loopback plays the server.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/link/CommUnit.h"
#include "core/link/GensioConnection.h"
#include "core/link/NameResolution.h"
#include "core/link/TcpPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int COM = 7;

SResolvedAddress Ipv4(const char* text) {
    SResolvedAddress address;
    auto& ipv4 = reinterpret_cast<sockaddr_in&>(address.address);
    ipv4.sin_family = AF_INET;
    ::inet_pton(AF_INET, text, &ipv4.sin_addr);
    address.length = sizeof ipv4;
    return address;
}

// A name server that answers `answer` after `delay`, or not at all until it is released.
class CNameServerDouble : public CNameResolver {
public:
    explicit CNameServerDouble(SNameResolution answer, std::optional<milliseconds> delay)
        : answer(std::move(answer)), delay(delay) {}

    SNameResolution Resolve(const std::string& host) override {
        std::unique_lock hold(lock);
        asked.push_back(host);
        if (delay) {
            released.wait_for(hold, *delay, [this] { return release; });
        } else {
            released.wait(hold, [this] { return release; });
        }
        return answer;
    }
    void Release() {
        const std::lock_guard hold(lock);
        release = true;
        released.notify_all();
    }
    std::vector<std::string> Asked() {
        const std::lock_guard hold(lock);
        return asked;
    }

private:
    const SNameResolution answer;
    const std::optional<milliseconds> delay;
    std::mutex lock;
    std::condition_variable released;
    bool release = false;
    std::vector<std::string> asked;
};

// A server on loopback that takes connections (the system accepts them; nothing is read).
class CLoopbackListener {
public:
    CLoopbackListener() {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, 4) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no loopback listener");
        port = ntohs(address.sin_port);
    }
    ~CLoopbackListener() { ::close(fd); }
    CLoopbackListener(const CLoopbackListener&) = delete;
    CLoopbackListener& operator=(const CLoopbackListener&) = delete;

    int port = 0;

private:
    int fd = -1;
};

struct SPumpLog {
    std::vector<Clock::time_point> at;
    std::function<void()> Pump() {
        return [this] { at.push_back(Clock::now()); };
    }
    // The longest stretch without a pump between `from` and `to`.
    Clock::duration LongestGap(Clock::time_point from, Clock::time_point to) const {
        Clock::duration longest{};
        Clock::time_point last = from;
        for (const auto t : at) {
            longest = std::max(longest, t - last);
            last = t;
        }
        return std::max(longest, to - last);
    }
};

// A name server that does not answer: the connect gives up at its limit, says so and names the name,
// and the user interface runs meanwhile.
TEST(NameResolution, SilentNameServerEndsAtTheConnectLimit) {
    auto silent = std::make_shared<CNameServerDouble>(SNameResolution{}, std::nullopt);
    CGensioConnection connection;
    connection.SetNameResolver(silent);
    SPumpLog pumps;
    connection.SetEventPump(pumps.Pump());
    const auto start = Clock::now();
    EXPECT_EQ(connection.Connect("cabinet-3.plant.test", 4001, milliseconds(300)), -1);
    const auto end = Clock::now();
    EXPECT_GE(end - start, milliseconds(300));
    EXPECT_LT(end - start, milliseconds(1000));
    EXPECT_EQ(
        connection.Reason(),
        "the name cabinet-3.plant.test did not resolve within 300 ms (the name server does not answer)");
    EXPECT_EQ(silent->Asked(), std::vector<std::string>{"cabinet-3.plant.test"});
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_LT(pumps.LongestGap(start, end), milliseconds(150)) << "the wait is cut into slices";
    silent->Release();
}

// The port gives the name server the whole connect limit and not more, and says so naming the server.
TEST(NameResolution, PortOpenGivesUpAfterTheThreeSecondConnectLimit) {
    auto silent = std::make_shared<CNameServerDouble>(SNameResolution{}, std::nullopt);
    CTcpPort port(SPortAddress{EPortKind::RawTcp, {}, "cabinet-3.plant.test", 4001}, silent);
    const auto start = Clock::now();
    EXPECT_EQ(port.Open("tcp://cabinet-3.plant.test:4001", 9600), -1);
    const auto took = Clock::now() - start;
    EXPECT_GE(took, NETWORK_CONNECT_LIMIT);
    EXPECT_LT(took, NETWORK_CONNECT_LIMIT + milliseconds(700));
    EXPECT_EQ(
        port.FailureReason(),
        "cabinet-3.plant.test:4001: the name cabinet-3.plant.test did not resolve within 3000 ms (the name "
        "server does not answer)");
    silent->Release();
}

// What the name server says comes to the user; a numeric address needs no name server; a name that
// stands for several addresses is tried at each in turn.
TEST(NameResolution, AnswersOfTheNameServerReachTheConnection) {
    CLoopbackListener server;
    {
        SNameResolution unknown;
        unknown.failure = "Name or service not known";
        auto names = std::make_shared<CNameServerDouble>(unknown, milliseconds(0));
        CGensioConnection connection;
        connection.SetNameResolver(names);
        EXPECT_EQ(connection.Connect("no-such-cabinet.test", server.port, milliseconds(2000)), -1);
        EXPECT_EQ(connection.Reason(),
                  "the name no-such-cabinet.test does not resolve (Name or service not known)");
    }
    {
        auto names = std::make_shared<CNameServerDouble>(SNameResolution{}, milliseconds(0));
        CGensioConnection connection;
        connection.SetNameResolver(names);
        EXPECT_EQ(connection.Connect("127.0.0.1", server.port, milliseconds(2000)), 0) << connection.Reason();
        EXPECT_TRUE(names->Asked().empty()) << "a numeric address is no name";
    }
    {
        // Nothing listens on 127.0.0.2: the connection goes on to the second address.
        SNameResolution two;
        two.addresses = {Ipv4("127.0.0.2"), Ipv4("127.0.0.1")};
        auto names = std::make_shared<CNameServerDouble>(two, milliseconds(0));
        CGensioConnection connection;
        connection.SetNameResolver(names);
        EXPECT_EQ(connection.Connect("cabinet-3.plant.test", server.port, milliseconds(2000)), 0)
            << connection.Reason();
    }
}

// The window keeps painting while the link opens a port on a server whose name takes its time to look
// up: the link's event pump runs all through the open.
TEST(NameResolution, LinkPumpsEventsWhileItConnects) {
    CLoopbackListener server;
    SNameResolution found;
    found.addresses = {Ipv4("127.0.0.1")};
    auto slow = std::make_shared<CNameServerDouble>(found, milliseconds(250));
    SPumpLog pumps;
    const std::string name = "tcp://cabinet-3.plant.test:" + std::to_string(server.port);
    CCommUnit link(std::make_unique<CTcpPort>(
                       SPortAddress{EPortKind::RawTcp, {}, "cabinet-3.plant.test", server.port}, slow),
                   pumps.Pump());
    link.SetPortOverrides({{COM, name}});
    const auto start = Clock::now();
    ASSERT_EQ(link.Open(COM, 0), COMM_OK) << link.OpenFailureReason();
    const auto end = Clock::now();
    EXPECT_GE(end - start, milliseconds(250) + SERVER_SETTLE_TIME);
    EXPECT_GE(pumps.at.size(), 20u);
    EXPECT_LT(pumps.LongestGap(start, end), milliseconds(150)) << "the wait is cut into slices";
    link.Close();
}

}  // namespace
