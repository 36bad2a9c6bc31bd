// The library connection to a serial device server, below the link: a server that hangs while output
// waits for it must not hold the program when the connection is released.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>
#include <vector>

#include "core/link/GensioConnection.h"
#include "tests/net/DeviceServerFixture.h"

namespace {

constexpr std::chrono::milliseconds CONNECT_LIMIT{2000};
constexpr std::chrono::microseconds ROOM_WAIT{200000};
// Far beyond the release's own wait; reached only when the release waits for a server that never reads.
constexpr std::chrono::seconds HANG_GUARD{20};

using GensioConnectionTest = DeviceServerTest;

// Writes until neither the library nor the kernel takes more: the frozen server reads nothing.
void FillEveryQueue(CGensioConnection& connection) {
    const std::vector<std::uint8_t> block(4096, 0x55);
    for (;;) {
        const long taken = connection.Write(block.data(), block.size());
        ASSERT_GE(taken, 0) << connection.Reason();
        if (taken == 0 && !connection.WaitForRoom(ROOM_WAIT)) return;
    }
}

// Over RFC 2217 the Telnet layer keeps what it could not send yet and a close waits for it to leave;
// a server that never reads again must not make that wait last for ever.
TEST_F(GensioConnectionTest, ReleaseDoesNotWaitForEverForAHungServer) {
    SSimConfig config;
    config.type = GW_VOSK;
    config.units = {0};
    Serve(config);
    CGensioConnection connection;
    ASSERT_EQ(connection.Connect("127.0.0.1", server->Rfc2217Port(), CONNECT_LIMIT), 0) << connection.Reason();
    ASSERT_EQ(connection.StartRfc2217(CONNECT_LIMIT), 0) << connection.Reason();
    server->Freeze();
    FillEveryQueue(connection);

    auto released = std::async(std::launch::async, [&] { connection.Close(); });
    if (released.wait_for(HANG_GUARD) != std::future_status::ready) {
        // The release hangs: nothing can end it, so the test ends the program with the verdict.
        std::fprintf(stderr, "the release of a connection to a hung server did not return\n");
        std::_Exit(EXIT_FAILURE);
    }
    EXPECT_FALSE(connection.IsOpen());
    server->Resume();
}

}  // namespace
