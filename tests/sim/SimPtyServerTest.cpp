// The pseudo-terminal shell: frames in over the slave side, replies out, with the shell's faults.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/SimPtyServer.h"
#include "tests/sim/SimCoreFixture.h"
#include "tests/sim/SimPtyClient.h"

namespace {

namespace fs = std::filesystem;

class SimPtyServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gwsim-pty-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        linkPath = folder + "/gw/COM7";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string folder;
    std::string linkPath;
};

TEST_F(SimPtyServerTest, ServesThroughItsLinkAndRemovesItOnStop) {
    CSimPtyServer server(CSimLine::ConfigOf(GW_VOSK, {0, 1}));
    ASSERT_EQ(server.Start(linkPath), 0);
    EXPECT_EQ(fs::read_symlink(linkPath), server.DevicePath());
    EXPECT_EQ(server.DevicePath().rfind("/dev/pts/", 0), 0u);
    {
        CSimPtyClient client(linkPath);
        ASSERT_TRUE(client.IsOpen());
        EXPECT_EQ(HexText(client.Exchange("D103F1000002")), Reply("D10304"
                                                                  "8001"
                                                                  "0020"));
        server.WithCore([](CGwSimCore& core) { core.SetRegister(1, 0xF380, 0x4321); });
        EXPECT_EQ(HexText(client.Exchange("D103F3800001")), Reply("D103024321"));
        EXPECT_EQ(HexText(client.Exchange("D203F3800001", 300)), "");
        EXPECT_EQ(HexText(client.Exchange("0045000400140005", 300)), "");
    }
    EXPECT_EQ(server.WithCore([](CGwSimCore& core) { return core.LineBps(); }), 115200);
    EXPECT_EQ(server.WithCore([](CGwSimCore& core) { return core.RequestLog().size(); }), 4u);
    server.Stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(linkPath)));
    server.Stop();
}

TEST_F(SimPtyServerTest, MasterMayCloseAndReopenTheLine) {
    CSimPtyServer server(CSimLine::ConfigOf(GW_KAVELIS));
    ASSERT_EQ(server.Start(), 0);
    for (int round = 0; round < 3; ++round) {
        CSimPtyClient client(server.DevicePath());
        ASSERT_TRUE(client.IsOpen());
        EXPECT_EQ(HexText(client.Exchange("3F03F1010001")), Reply("3F03020015")) << round;
    }
}

TEST_F(SimPtyServerTest, ChunkedReplyComesInPiecesAndWhole) {
    CSimPtyServer server(CSimLine::ConfigOf(GW_VOSK));
    ASSERT_EQ(server.Start(), 0);
    server.WithCore([](CGwSimCore& core) {
        core.Faults().chunkSize = 3;
        core.Faults().chunkPauseMs = 150;
    });
    CSimPtyClient client(server.DevicePath());
    ASSERT_TRUE(client.Send(Frame("D003F1000002")));
    const SimBytes first = client.ReadOnce();
    EXPECT_EQ(first.size(), 3u);
    SimBytes whole = first;
    const SimBytes rest = client.Receive(2000, 400);
    whole.insert(whole.end(), rest.begin(), rest.end());
    EXPECT_EQ(HexText(whole), Reply("D00304"
                                    "8001"
                                    "0020"));
}

TEST_F(SimPtyServerTest, DelayedReplyWaitsBeforeItLeaves) {
    CSimPtyServer server(CSimLine::ConfigOf(GW_VOSK));
    ASSERT_EQ(server.Start(), 0);
    server.WithCore([](CGwSimCore& core) { core.Faults().delayMs = 400; });
    CSimPtyClient client(server.DevicePath());
    ASSERT_TRUE(client.Send(Frame("D003F1000001")));
    EXPECT_TRUE(client.ReadOnce(100).empty());
    EXPECT_EQ(HexText(client.Receive()), Reply("D003028001"));
}

TEST_F(SimPtyServerTest, PacedRepliesArriveComplete) {
    SSimConfig config = CSimLine::ConfigOf(GW_DRAVO);
    config.pace = true;
    CSimPtyServer server(config);
    ASSERT_EQ(server.Start(), 0);
    CSimPtyClient client(server.DevicePath());
    EXPECT_EQ(client.Exchange("D003F1000010").size(), 3u + 32u + 2u);
    EXPECT_TRUE(client.Exchange("0045000400150005", 300).empty());
    const SimBytes reply = client.Exchange("D003F800001C");
    EXPECT_EQ(reply.size(), 3u + 56u + 2u);
    EXPECT_EQ(HexText(SimBytes(reply.begin(), reply.begin() + 3)), "D00338");
}

TEST_F(SimPtyServerTest, StateFileIsLoadedAtStartAndSavedAtStop) {
    SSimConfig config = CSimLine::ConfigOf(GW_VOSK);
    config.stateFile = folder + "/state.txt";
    {
        CSimPtyServer server(config);
        ASSERT_EQ(server.Start(), 0);
        CSimPtyClient client(server.DevicePath());
        EXPECT_EQ(HexText(client.Exchange("D010F3810001020777")), Reply("D010F3810001"));
    }
    ASSERT_TRUE(fs::exists(config.stateFile));
    CSimPtyServer server(config);
    ASSERT_EQ(server.Start(), 0);
    EXPECT_EQ(server.WithCore([](CGwSimCore& core) { return core.Register(0, 0xF381); }), 0x0777);
}

TEST_F(SimPtyServerTest, RefusesToStartOnABrokenStateFileOrOverARealFile) {
    SSimConfig config = CSimLine::ConfigOf(GW_VOSK);
    config.stateFile = folder + "/state.txt";
    std::ofstream(config.stateFile) << "not a register\n";
    CSimPtyServer broken(config);
    EXPECT_EQ(broken.Start(), -1);

    std::ofstream(folder + "/plain") << "keep me\n";
    CSimPtyServer server(CSimLine::ConfigOf(GW_VOSK));
    EXPECT_EQ(server.Start(folder + "/plain"), -1);
    server.Stop();
    EXPECT_TRUE(fs::is_regular_file(folder + "/plain"));
}

}  // namespace
