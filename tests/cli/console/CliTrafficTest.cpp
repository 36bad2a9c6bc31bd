// gwcli's --trace and --pcap: the frames of a real run against the simulated gateway, read back with
// Wireshark's command line dissector.
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "tests/cli/CliTestSupport.h"

namespace {

struct SCommandRun {
    int status = -1;
    std::string out;
};

SCommandRun RunShell(const std::string& command) {
    SCommandRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), got);
    run.status = ::pclose(pipe);
    return run;
}

// (function, first register) of every request that names registers, as the simulated unit received them.
std::vector<std::pair<int, int>> RegisterRequests(const std::vector<std::vector<std::uint8_t>>& log) {
    std::vector<std::pair<int, int>> out;
    for (const auto& frame : log) {
        if (frame.size() >= 6 && frame[0] != 0 && (frame[1] == 0x03 || frame[1] == 0x10)) {
            out.emplace_back(frame[1], frame[2] << 8 | frame[3]);
        }
    }
    return out;
}

class CliTraffic : public CliOnSim {
protected:
    std::string ReadFile() const { return PathOf("read" + std::string(GwUnitDataOf(GW_VOSK).extension)); }
};

// Wireshark's Modbus RTU dissector reads the capture with the user_dlts entry the README gives, from a
// settings folder of its own: the function codes and register addresses are those the unit received.
TEST_F(CliTraffic, WiresharkDecodesThePcapOfARead) {
    Serve(SimOf(GW_VOSK));
    const std::string pcap = PathOf("read.pcap");
    const SCliRun run = Cli(GW_VOSK, {"--pcap", pcap, "read", ReadFile()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto expected = RegisterRequests(RequestLog());
    ASSERT_FALSE(expected.empty());

    const std::string home = PathOf("wireshark-home");
    std::filesystem::create_directories(home + "/wireshark");
    WriteWholeFile(home + "/wireshark/user_dlts", "\"User 0 (DLT=147)\",\"mbrtu\",\"0\",\"\",\"0\",\"\"\n");
    const SCommandRun tshark =
        RunShell("HOME='" + home + "' XDG_CONFIG_HOME='" + home + "' tshark -r '" + pcap +
                 "' -T fields "
                 "-e modbus.func_code -e modbus.reference_num -e _ws.col.Info 2>/dev/null");
    ASSERT_EQ(tshark.status, 0) << tshark.out;
    std::vector<std::pair<int, int>> decoded;
    std::size_t readResponses = 0;
    for (const std::string& line : Lines(tshark.out)) {
        std::istringstream fields(line);
        std::string function, reference, info;
        std::getline(fields, function, '\t');
        std::getline(fields, reference, '\t');
        std::getline(fields, info);
        if (info.find("Query") != std::string::npos && !reference.empty()) {
            decoded.emplace_back(std::stoi(function), std::stoi(reference));
        } else if (info.find("Response") != std::string::npos && function == "3") {
            ++readResponses;
        }
    }
    EXPECT_EQ(decoded, expected);
    EXPECT_EQ(readResponses, expected.size());
}

TEST_F(CliTraffic, TraceHasOneDecodedLinePerFrame) {
    Serve(SimOf(GW_VOSK));
    const std::string trace = PathOf("read.trace");
    const SCliRun run = Cli(GW_VOSK, {"read", ReadFile(), "--trace", trace});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(ReadWholeFile(trace));
    const auto log = RequestLog();
    const auto requests = std::count_if(
        lines.begin(), lines.end(), [](const std::string& l) { return l.find(" TX ") != std::string::npos; });
    EXPECT_EQ(static_cast<std::size_t>(requests), log.size());
    EXPECT_EQ(
        Occurrences(ReadWholeFile(trace), "| 03 read F100h..F10Fh: network settings (GSTS, GVER, NTYP, …)"),
        1u);
    EXPECT_GE(Occurrences(ReadWholeFile(trace), "| 45h/04h speed switch to 115200 bit/s | "), 1u);
    // The unit search asks for unit 1 too, which is not on the line: its receive times out.
    for (const std::string& line : lines) {
        const bool silentUnit1 =
            (line.find(" RX - | nothing received |") != std::string::npos && line.ends_with("| time-out")) ||
            line.find(" TX D1 ") != std::string::npos;
        EXPECT_TRUE(line.ends_with("| sent") || line.ends_with("| OK") || silentUnit1) << line;
    }
}

TEST_F(CliTraffic, AnUnwritableCaptureFileStopsTheCommandBeforeTheLine) {
    Serve(SimOf(GW_VOSK));
    for (const char* option : {"--trace", "--pcap"}) {
        const std::string path = PathOf("missing/folder/capture");
        const SCliRun run = Cli(GW_VOSK, {option, path, "read", ReadFile()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "gwcli: cannot write " + path + ": No such file or directory\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(RequestLog().empty());
    EXPECT_FALSE(std::filesystem::exists(ReadFile()));
}

TEST_F(CliTraffic, CaptureOptionsNeedACommandThatTalksToAUnit) {
    const SCliRun offLine = Cli(GW_VOSK, {"--trace", PathOf("t"), "check", ReadFile()});
    EXPECT_EQ(offLine.status, 2);
    EXPECT_NE(offLine.err.find("gwcli: --trace and --pcap record the line; check does not talk to a unit"),
              std::string::npos)
        << offLine.err;
    const SCliRun same = Cli(GW_VOSK, {"--trace", PathOf("t"), "--pcap", PathOf("t"), "search"});
    EXPECT_EQ(same.status, 2);
    EXPECT_NE(same.err.find("--trace and --pcap name the same file"), std::string::npos) << same.err;
}

}  // namespace
