// Port names: device paths stay device paths; tcp:// and rfc2217:// addresses are taken apart or
// refused with a reason.
#include <gtest/gtest.h>

#include "core/link/PortAddress.h"

namespace {

struct SNameCase {
    std::string name;
    EPortKind kind;
    std::string host;
    int port;
    std::string endpoint;
};

TEST(PortAddress, NamesAreTakenApart) {
    const SNameCase cases[] = {
        {"/dev/ttyUSB0", EPortKind::Device, "", 0, ""},
        {"/dev/serial/by-id/usb-FTDI:x", EPortKind::Device, "", 0, ""},
        {"tcp://cabinet-3:4001", EPortKind::RawTcp, "cabinet-3", 4001, "cabinet-3:4001"},
        {"rfc2217://cabinet-3:4001", EPortKind::Rfc2217, "cabinet-3", 4001, "cabinet-3:4001"},
        {"tcp://192.168.1.20:1", EPortKind::RawTcp, "192.168.1.20", 1, "192.168.1.20:1"},
        {"rfc2217://[::1]:65535", EPortKind::Rfc2217, "::1", 65535, "[::1]:65535"},
        {"tcp://[fe80::1%eth0]:4001", EPortKind::RawTcp, "fe80::1%eth0", 4001, "[fe80::1%eth0]:4001"},
    };
    for (const SNameCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SPortAddressResult result = ParsePortAddress(c.name);
        ASSERT_TRUE(result.address.has_value()) << result.error;
        EXPECT_EQ(result.address->kind, c.kind);
        if (c.kind == EPortKind::Device) {
            EXPECT_EQ(result.address->devicePath, c.name);
            EXPECT_FALSE(IsNetworkPortName(c.name));
            continue;
        }
        EXPECT_TRUE(IsNetworkPortName(c.name));
        EXPECT_EQ(result.address->host, c.host);
        EXPECT_EQ(result.address->port, c.port);
        EXPECT_EQ(EndpointText(*result.address), c.endpoint);
    }
}

TEST(PortAddress, MalformedAddressesAreRefusedWithTheirReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"udp://host:4001", "unknown kind of port \"udp://\""},
        {"tcp://host", "no tcp://HOST:PORT address"},
        {"tcp://host:", "no tcp://HOST:PORT address"},
        {"tcp://:4001", "no tcp://HOST:PORT address"},
        {"tcp://host:0", "no tcp://HOST:PORT address"},
        {"tcp://host:65536", "no tcp://HOST:PORT address"},
        {"tcp://host:40x1", "no tcp://HOST:PORT address"},
        {"rfc2217://::1:4001", "no rfc2217://HOST:PORT address"},
        {"rfc2217://[::1]4001", "no rfc2217://HOST:PORT address"},
        {"rfc2217://[::1:4001", "no rfc2217://HOST:PORT address"},
        {"tcp://a/b:4001", "no tcp://HOST:PORT address"},
        {"tcp://a,b:4001", "no tcp://HOST:PORT address"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        const SPortAddressResult result = ParsePortAddress(name);
        EXPECT_FALSE(result.address.has_value());
        EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(name), std::string::npos) << result.error;
    }
}

}  // namespace
