#pragma once
// The simulated gateway on a pseudo-terminal with Debian's ser2net in front of it on loopback, and a
// link whose COM7 the [Ports] mapping points at one of ser2net's ports.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/link/CommUnit.h"
#include "sim/SimPtyServer.h"
#include "tests/net/DeviceServer.h"
#include "tests/support/ScriptedHost.h"

inline constexpr int NET_COM_NUMBER = 7;

// The two kinds of port on the server, for tables of cases.
enum class EServerPort { Raw, Rfc2217 };

class DeviceServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gw-net-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        link.reset();
        server.reset();
        sim.reset();
        std::filesystem::remove_all(folder);
    }

    // Starts the simulator and ser2net in front of it, its serial line at `lineSpeed`.
    void Serve(const SSimConfig& config, int lineSpeed = 9600) {
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        server = std::make_unique<CDeviceServer>(sim->DevicePath(), folder, lineSpeed);
        ASSERT_TRUE(server->Start()) << "ser2net did not start";
    }
    std::string UrlOf(EServerPort kind) const {
        return kind == EServerPort::Raw ? server->RawUrl() : server->Rfc2217Url();
    }
    // A new link whose COM7 is `portName`.
    CCommUnit& LinkTo(const std::string& portName) {
        link = std::make_unique<CCommUnit>(host);
        link->SetPortOverrides({{NET_COM_NUMBER, portName}});
        link->SetLinkLostHandler([this] { ++linksLost; });
        return *link;
    }
    void SetFaults(const SSimFaults& faults) {
        sim->WithCore([&](CGwSimCore& core) { core.Faults() = faults; });
    }

    std::filesystem::path folder;
    ScriptedHost host;
    std::unique_ptr<CSimPtyServer> sim;
    std::unique_ptr<CDeviceServer> server;
    std::unique_ptr<CCommUnit> link;
    int linksLost = 0;
};
