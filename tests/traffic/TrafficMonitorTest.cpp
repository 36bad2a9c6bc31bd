// The traffic monitor window's rules: what it keeps, pause, filters, selection, clear and saving.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/files/SafeFileReplace.h"
#include "core/traffic/PcapFormat.h"
#include "core/traffic/TrafficMonitor.h"
#include "tests/traffic/TrafficFrames.h"

namespace {

const std::vector<std::uint8_t> READ_CONFIG = WithCrc("D003F1000002");
const std::vector<std::uint8_t> READ_REPLY = WithCrc(
    "D00304"
    "80010013");
const std::vector<std::uint8_t> WRITE_D1 = WithCrc(
    "D110F10F00010201"
    "00");

STrafficFrame Numbered(STrafficFrame frame, std::uint64_t number) {
    frame.number = number;
    frame.firstByte = frame.lastByte = std::chrono::microseconds(static_cast<long>(number) * 1000);
    frame.wallMicros = 1'765'360'000'000'000 + static_cast<std::int64_t>(number) * 1000;
    return frame;
}

// A read, its good reply, a write to another slave and a read whose reply timed out.
void AddConversation(CTrafficMonitor& monitor, std::uint64_t& number) {
    monitor.Add(Numbered(RequestFrame(READ_CONFIG), ++number));
    monitor.Add(Numbered(ReplyFrame(READ_REPLY, READ_CONFIG), ++number));
    monitor.Add(Numbered(RequestFrame(WRITE_D1), ++number));
    monitor.Add(Numbered(RequestFrame(READ_CONFIG), ++number));
    monitor.Add(Numbered(ReplyFrame({}, READ_CONFIG, COMM_TIMEOUT), ++number));
}

std::vector<std::string> Column(const CTrafficMonitor& monitor, ETrafficColumn column) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < monitor.RowCount(); ++row) cells.push_back(monitor.Cell(row, column));
    return cells;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(TrafficMonitor, KeepsOnlyTheNewestFrames) {
    CTrafficMonitor monitor;
    const std::size_t total = TRAFFIC_FRAMES_KEPT + 5;
    for (std::uint64_t n = 1; n <= total; ++n) monitor.Add(Numbered(RequestFrame(READ_CONFIG), n));
    EXPECT_EQ(monitor.KeptCount(), TRAFFIC_FRAMES_KEPT);
    EXPECT_EQ(monitor.RowCount(), TRAFFIC_FRAMES_KEPT);
    EXPECT_EQ(monitor.Cell(0, ETrafficColumn::Time), "0.006000");
    EXPECT_EQ(monitor.Cell(TRAFFIC_FRAMES_KEPT - 1, ETrafficColumn::Time), "10.005000");
}

TEST(TrafficMonitor, ShowsEachColumn) {
    CTrafficMonitor monitor;
    STrafficFrame reply = Numbered(ReplyFrame(READ_REPLY, READ_CONFIG), 2);
    reply.silenceBefore = std::chrono::microseconds(1260);
    reply.responseTime = std::chrono::microseconds(4000);
    monitor.Add(reply);
    const std::vector<std::string> expected{
        "0.002000",
        "RX",
        "D0h",
        "03",
        "2 registers from F100h: GSTS=8001h, GVER=0013h",
        "D0 03 04 80 01 00 13 " + monitor.Cell(0, ETrafficColumn::Bytes).substr(21),
        "1.3 ms",
        "4.0 ms",
        "OK"};
    for (std::size_t c = 0; c < TRAFFIC_COLUMNS; ++c) {
        EXPECT_EQ(monitor.Cell(0, static_cast<ETrafficColumn>(c)), expected[c]) << "column " << c;
    }
    EXPECT_EQ(monitor.Cell(0, ETrafficColumn::Bytes).size(), 9u * 3 - 1);
    EXPECT_FALSE(monitor.RowFailed(0));
}

TEST(TrafficMonitor, PauseDropsFramesUntilResumed) {
    CTrafficMonitor monitor;
    std::uint64_t number = 0;
    monitor.SetPaused(true);
    AddConversation(monitor, number);
    EXPECT_EQ(monitor.KeptCount(), 0u);
    monitor.SetPaused(false);
    AddConversation(monitor, number);
    EXPECT_EQ(monitor.KeptCount(), 5u);
}

TEST(TrafficMonitor, FiltersByFunctionSlaveAndFailure) {
    CTrafficMonitor monitor;
    std::uint64_t number = 0;
    AddConversation(monitor, number);
    EXPECT_EQ(monitor.FunctionChoices(), (std::vector<std::string>{"03", "10h"}));
    EXPECT_EQ(monitor.SlaveChoices(), (std::vector<std::string>{"D0h", "D1h"}));

    monitor.SetFunctionFilter("03");
    EXPECT_EQ(Column(monitor, ETrafficColumn::Time),
              (std::vector<std::string>{"0.001000", "0.002000", "0.004000"}));
    monitor.SetFunctionFilter("");
    monitor.SetSlaveFilter("D1h");
    EXPECT_EQ(Column(monitor, ETrafficColumn::Function), (std::vector<std::string>{"10h"}));
    monitor.SetSlaveFilter("");
    monitor.SetFailuresOnly(true);
    EXPECT_EQ(Column(monitor, ETrafficColumn::Verdict), (std::vector<std::string>{"time-out"}));
    EXPECT_TRUE(monitor.RowFailed(0));
    monitor.SetFailuresOnly(false);
    EXPECT_EQ(monitor.RowCount(), 5u);
}

TEST(TrafficMonitor, SelectionFollowsItsFrameAndShowsItsDecoding) {
    CTrafficMonitor monitor;
    std::uint64_t number = 0;
    AddConversation(monitor, number);
    monitor.Select(1);
    monitor.SetFunctionFilter("03");
    EXPECT_EQ(monitor.SelectedRow(), 1);
    const auto lines = monitor.SelectedDecoding();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], "03 2 registers from F100h: GSTS=8001h, GVER=0013h");
    EXPECT_EQ(lines[2], "  F100h GSTS = 8001h (MANU mode)");
    EXPECT_EQ(lines.back(), "0000 D0 03 04 80 01 00 13 " + monitor.Cell(1, ETrafficColumn::Bytes).substr(21));

    monitor.SetSlaveFilter("D1h");  // the selected frame is filtered out: nothing selected is shown
    EXPECT_EQ(monitor.SelectedRow(), -1);
    EXPECT_TRUE(monitor.SelectedDecoding().empty());
    monitor.SetSlaveFilter("");
    EXPECT_EQ(monitor.SelectedRow(), 1);

    monitor.Clear();
    EXPECT_EQ(monitor.RowCount(), 0u);
    EXPECT_EQ(monitor.SelectedRow(), -1);
    EXPECT_TRUE(monitor.FunctionChoices().empty());
}

TEST(TrafficMonitor, NoiseIsShownAsBytesLineByLine) {
    CTrafficMonitor monitor;
    monitor.Add(
        Numbered(ReplyFrame(std::vector<std::uint8_t>(1024, 0xA5), READ_CONFIG, COMM_RX_OVERFLOW), 1));
    monitor.Select(0);
    const auto lines = monitor.SelectedDecoding();
    EXPECT_EQ(lines[1], "not decoded: CRC does not match, 1024 bytes");
    EXPECT_EQ(lines.size(), 3u + 1024 / 16);
    EXPECT_TRUE(monitor.Cell(0, ETrafficColumn::Bytes).ends_with("A5 A5 …"))
        << monitor.Cell(0, ETrafficColumn::Bytes);
}

class TrafficSave : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("traffic_save_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::uint64_t number = 0;
        AddConversation(monitor, number);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    CTrafficMonitor monitor;
};

TEST_F(TrafficSave, TextHoldsOneLinePerShownFrame) {
    monitor.SetFailuresOnly(true);
    const std::string path = (folder / "trace.txt").string();
    std::string detail;
    ASSERT_EQ(monitor.SaveShown(path, ECaptureFormat::Text, detail), FILE_WRITE_OK);
    EXPECT_EQ(FileText(path), "0.005000 RX - | nothing received | response 0.0 ms | time-out\n");
}

TEST_F(TrafficSave, PcapHoldsARecordPerFrameWithBytes) {
    const std::string path = (folder / "trace.pcap").string();
    std::string detail;
    ASSERT_EQ(monitor.SaveShown(path, ECaptureFormat::Pcap, detail), FILE_WRITE_OK);
    const std::string file = FileText(path);
    ASSERT_EQ(file.substr(0, 24), PcapFileHeader());
    EXPECT_EQ(static_cast<unsigned char>(file[20]), PCAP_LINKTYPE_USER0);
    // Four frames with bytes (the time-out has none), each after a 16-byte record header.
    const std::size_t bytes = 2 * READ_CONFIG.size() + READ_REPLY.size() + WRITE_D1.size();
    EXPECT_EQ(file.size(), 24 + 4 * 16 + bytes);
    // The first record: seconds and microseconds of its wall time, then both lengths.
    const auto le32 = [&](std::size_t at) {
        return std::uint32_t{static_cast<unsigned char>(file[at])} |
               std::uint32_t{static_cast<unsigned char>(file[at + 1])} << 8 |
               std::uint32_t{static_cast<unsigned char>(file[at + 2])} << 16 |
               std::uint32_t{static_cast<unsigned char>(file[at + 3])} << 24;
    };
    EXPECT_EQ(le32(24), 1'765'360'000u);
    EXPECT_EQ(le32(28), 1000u);
    EXPECT_EQ(le32(32), READ_CONFIG.size());
    EXPECT_EQ(le32(36), READ_CONFIG.size());
    EXPECT_EQ(file.substr(40, READ_CONFIG.size()), std::string(READ_CONFIG.begin(), READ_CONFIG.end()));
}

TEST_F(TrafficSave, AFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    const std::string missing = (folder / "no such folder" / "trace.txt").string();
    std::string detail;
    EXPECT_NE(monitor.SaveShown(missing, ECaptureFormat::Text, detail), FILE_WRITE_OK);
    EXPECT_NE(detail.find(missing), std::string::npos) << detail;
    EXPECT_FALSE(std::filesystem::exists(missing));

    const std::string protectedFile = (folder / "kept.txt").string();
    std::ofstream(protectedFile) << "old";
    ::chmod(protectedFile.c_str(), 0444);
    EXPECT_NE(monitor.SaveShown(protectedFile, ECaptureFormat::Pcap, detail), FILE_WRITE_OK);
    EXPECT_EQ(FileText(protectedFile), "old");
}

}  // namespace
