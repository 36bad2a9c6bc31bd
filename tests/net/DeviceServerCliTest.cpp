// gwcli through Debian's ser2net in front of the simulated gateway: read, write with restart and re-read
// over both kinds of port, the same file as read locally, and the faults of the network as the program
// prints them.
#include <fstream>
#include <sstream>

#include "cli/console/CliArguments.h"
#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/net/DeviceServer.h"

namespace {

constexpr const char* BAUD_9600 = "9600";
constexpr std::uint8_t FN_COIL = 0x05;

// The file's lines without the two stamped with the time of saving.
std::vector<std::string> LinesWithoutStamp(const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(text)) {
        if (line.rfind(";DATE=", 0) != 0 && line.rfind(";TIME=", 0) != 0) lines.push_back(line);
    }
    return lines;
}

class CliOnDeviceServer : public CliOnSim {
protected:
    void ServeBehindServer(GwType type) {
        Serve(SimOf(type));
        server = std::make_unique<CDeviceServer>(sim->DevicePath(), temp.Path());
        ASSERT_TRUE(server->Start()) << "ser2net did not start";
    }
    // Over the server: raw TCP runs at the server's line speed, 9600 bit/s.
    SCliRun Over(const std::string& url, GwType type, std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", url, "--baud", BAUD_9600});
        return Cli(type, args);
    }
    std::vector<std::string> Urls() const { return {server->RawUrl(), server->Rfc2217Url()}; }

    std::unique_ptr<CDeviceServer> server;
};

TEST_F(CliOnDeviceServer, ReadWriteWithRestartAndReadAgainOverBothKinds) {
    ServeBehindServer(GW_VOSK);
    const std::string local = PathOf("local.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"read", local}).status, 0);
    for (const std::string& url : Urls()) {
        SCOPED_TRACE(url);
        const std::string remote = PathOf("remote.vogw");
        const SCliRun read = Over(url, GW_VOSK, {"read", remote});
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(LinesWithoutStamp(ReadWholeFile(remote)), LinesWithoutStamp(ReadWholeFile(local)));

        // The unit's word changed behind the tool's back: the write puts the file's value back.
        const std::uint16_t fileValue = UnitRegister(0xF104);
        SetUnitRegister(0xF104, static_cast<std::uint16_t>(fileValue + 1));
        const std::size_t coilsBefore = RequestsWithFunction(FN_COIL);
        const SCliRun write = Over(url, GW_VOSK, {"write", local, "--restart"});
        ASSERT_EQ(write.status, 0) << write.err;
        EXPECT_NE(write.out.find(Printed(MsgText[9])), std::string::npos) << write.out;
        EXPECT_EQ(RequestsWithFunction(FN_COIL), coilsBefore + 1);
        EXPECT_EQ(UnitRegister(0xF104), fileValue);

        const SCliRun again = Over(url, GW_VOSK, {"read", remote});
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(LinesWithoutStamp(ReadWholeFile(remote)), LinesWithoutStamp(ReadWholeFile(local)));
    }
}

// The desktop tool's way: a COM number mapped to the URL in [Ports].
TEST_F(CliOnDeviceServer, PortsSectionMapsAComNumberToAServer) {
    ServeBehindServer(GW_KAVELIS);
    WriteSettingsFile(ConfigHome(), CLI_SIM_COM, 0, server->Rfc2217Url());
    const std::string file = PathOf("mapped.pkgw");
    const SCliRun read = Cli(GW_KAVELIS, {"read", file});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(ReadWholeFile(file).substr(0, 6), ";DATE=");
}

// Each fault ends the run with the tool's message and the server's host, port and reason below it;
// once the server is back the next run succeeds.
TEST_F(CliOnDeviceServer, NetworkFaultsNameHostPortAndReason) {
    ServeBehindServer(GW_KAVELIS);
    const std::string refusedPort = "127.0.0.1:" + std::to_string(FreeLoopbackPort());
    struct SCase {
        std::string url;
        std::string names;
        std::string reason;
    };
    const SCase cases[] = {
        {"tcp://" + refusedPort, refusedPort, "connection refused"},
        {"rfc2217://no-such-host.invalid:4001", "no-such-host.invalid", "does not resolve"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.url);
        const SCliRun run = Over(c.url, GW_KAVELIS, {"read", PathOf("a.pkgw")});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(Printed(CommonMsgText[50]) + "gwcli: Port: " + c.url + "\n"), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find(c.names), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }

    server->Stop();
    const SCliRun down = Over(server->RawUrl(), GW_KAVELIS, {"read", PathOf("a.pkgw")});
    EXPECT_EQ(down.status, 1);
    EXPECT_NE(down.err.find("127.0.0.1:" + std::to_string(server->RawPort())), std::string::npos) << down.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("a.pkgw")));

    ASSERT_TRUE(server->Start());
    const SCliRun back = Over(server->RawUrl(), GW_KAVELIS, {"read", PathOf("a.pkgw")});
    EXPECT_EQ(back.status, 0) << back.err;
}

TEST(CliPortArgument, UrlsAreCheckedWhenTheCommandLineIsRead) {
    const std::pair<std::string, std::string> cases[] = {
        {"tcp://cabinet-3:4001", ""},
        {"rfc2217://[::1]:4001", ""},
        {"tcp://cabinet-3", "--port: \"tcp://cabinet-3\" is no tcp://HOST:PORT address"},
        {"ssh://cabinet-3:22", "--port: \"ssh://cabinet-3:22\": unknown kind of port"},
    };
    for (const auto& [url, error] : cases) {
        SCOPED_TRACE(url);
        const SCliParseResult result = ParseCliArguments({"--type", "VOSK", "--port", url, "search"});
        if (error.empty()) {
            EXPECT_TRUE(result.Ok()) << result.error;
            EXPECT_EQ(result.arguments.portPath, url);
        } else {
            EXPECT_EQ(result.error.substr(0, error.size()), error) << result.error;
        }
    }
}

}  // namespace
