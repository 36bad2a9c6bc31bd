// pcapng captures: the blocks the writer makes for a conversation over two ports (interfaces, the
// direction of each frame, the failed receives with their comments), the name that chooses the
// format, and the traffic monitor's save of what it shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/files/SafeFileReplace.h"
#include "core/traffic/PcapFormat.h"
#include "core/traffic/TrafficMonitor.h"
#include "tests/traffic/TrafficFrames.h"

namespace {

const std::vector<std::uint8_t> READ_CONFIG = WithCrc("D003F1000002");
const std::vector<std::uint8_t> READ_REPLY = WithCrc("D0030480010013");
constexpr std::uint32_t SECTION_HEADER = 0x0A0D0D0A;
constexpr std::uint32_t INTERFACE = 1;
constexpr std::uint32_t PACKET = 6;

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    return std::uint32_t{static_cast<unsigned char>(bytes.at(at))} |
           std::uint32_t{static_cast<unsigned char>(bytes.at(at + 1))} << 8 |
           std::uint32_t{static_cast<unsigned char>(bytes.at(at + 2))} << 16 |
           std::uint32_t{static_cast<unsigned char>(bytes.at(at + 3))} << 24;
}
std::uint16_t Le16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(at)) |
                                      static_cast<unsigned char>(bytes.at(at + 1)) << 8);
}

// One block as a reader sees it: its type, the fixed part of its body, and its options by code.
struct SBlock {
    std::uint32_t type = 0;
    std::string fixed;
    std::map<std::uint16_t, std::string> options;
};

// Splits a capture into blocks; every block's two lengths must agree and be a multiple of four, and
// the options must end with the end-of-options marker.
std::vector<SBlock> ReadBlocks(const std::string& file) {
    std::vector<SBlock> blocks;
    std::size_t at = 0;
    while (at < file.size()) {
        SBlock block;
        block.type = Le32(file, at);
        const std::uint32_t total = Le32(file, at + 4);
        EXPECT_EQ(total % 4, 0u);
        EXPECT_EQ(Le32(file, at + total - 4), total) << "block at " << at;
        const std::string body = file.substr(at + 8, total - 12);
        std::size_t fixed = 0;
        if (block.type == SECTION_HEADER) fixed = 16;
        if (block.type == INTERFACE) fixed = 8;
        if (block.type == PACKET) fixed = 20 + ((Le32(body, 12) + 3) / 4) * 4;
        block.fixed = body.substr(0, fixed);
        bool ended = false;
        for (std::size_t o = fixed; o + 4 <= body.size();) {
            const std::uint16_t code = Le16(body, o);
            const std::uint16_t length = Le16(body, o + 2);
            if (code == 0) {
                ended = true;
                break;
            }
            block.options[code] = body.substr(o + 4, length);
            o += 4 + (length + 3u) / 4 * 4;
        }
        EXPECT_TRUE(ended) << "block type " << block.type << " has no end of options";
        blocks.push_back(block);
        at += total;
    }
    return blocks;
}

STrafficFrame At(STrafficFrame frame, const std::string& port, std::int64_t wallMicros) {
    frame.port = port;
    frame.wallMicros = wallMicros;
    return frame;
}

TEST(Pcapng, EachPortIsAnInterfaceAndEachFrameCarriesItsDirection) {
    CPcapngWriter writer;
    const std::int64_t t0 = 1'765'360'000'123'456;
    std::string file = CPcapngWriter::SectionHeader();
    file += writer.Blocks(At(RequestFrame(READ_CONFIG), "/dev/ttyUSB0", t0));
    file += writer.Blocks(At(ReplyFrame(READ_REPLY, READ_CONFIG), "/dev/ttyUSB0", t0 + 7000));
    file += writer.Blocks(At(RequestFrame(READ_CONFIG), "rfc2217://cabinet-3:4001", t0 + 9000));
    file += writer.Blocks(At(ReplyFrame({}, READ_CONFIG, COMM_TIMEOUT), "rfc2217://cabinet-3:4001", t0 + 9500));
    file += writer.Blocks(At(RequestFrame(READ_CONFIG, 2), "/dev/ttyUSB0", t0 + 10000));
    file += writer.Blocks(At(ReplyFrame(WithCrc("D00304800100"), READ_CONFIG, COMM_CRC_ERROR), "/dev/ttyUSB0",
                             t0 + 11000));

    std::vector<SBlock> blocks = ReadBlocks(file);
    std::vector<std::uint32_t> types;
    for (const SBlock& block : blocks) types.push_back(block.type);
    EXPECT_EQ(types, (std::vector<std::uint32_t>{SECTION_HEADER, INTERFACE, PACKET, PACKET, INTERFACE, PACKET,
                                                 PACKET, PACKET, PACKET}));
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(Le32(blocks[0].fixed, 0), 0x1A2B3C4Du);  // byte-order magic: little-endian
    EXPECT_NE(blocks[0].options[4].find("gwparacfg"), std::string::npos);

    // The interfaces: link type USER0, named by device or URL, microsecond time stamps.
    EXPECT_EQ(Le16(blocks[1].fixed, 0), PCAP_LINKTYPE_USER0);
    EXPECT_EQ(blocks[1].options[2], "/dev/ttyUSB0");
    EXPECT_EQ(blocks[1].options[9], std::string(1, '\x06'));
    EXPECT_EQ(blocks[4].options[2], "rfc2217://cabinet-3:4001");

    struct SPacket {
        std::size_t block;
        std::uint32_t interface;
        std::uint32_t direction;  // 2 outbound, 1 inbound
        std::int64_t micros;
        std::vector<std::uint8_t> bytes;
        std::string comment;
    };
    const std::vector<SPacket> packets{
        {2, 0, 2, t0, READ_CONFIG, ""},
        {3, 0, 1, t0 + 7000, READ_REPLY, ""},
        {5, 1, 2, t0 + 9000, READ_CONFIG, ""},
        {6, 1, 1, t0 + 9500, {}, "receive failed: time-out"},
        {7, 0, 2, t0 + 10000, READ_CONFIG, ""},
        {8, 0, 1, t0 + 11000, WithCrc("D00304800100"), "receive failed: CRC error"},
    };
    for (const SPacket& expected : packets) {
        SBlock block = blocks[expected.block];
        SCOPED_TRACE("block " + std::to_string(expected.block));
        EXPECT_EQ(Le32(block.fixed, 0), expected.interface);
        const std::uint64_t stamp = std::uint64_t{Le32(block.fixed, 4)} << 32 | Le32(block.fixed, 8);
        EXPECT_EQ(stamp, static_cast<std::uint64_t>(expected.micros));
        EXPECT_EQ(Le32(block.fixed, 12), expected.bytes.size());
        EXPECT_EQ(Le32(block.fixed, 16), expected.bytes.size());
        EXPECT_EQ(block.fixed.substr(20, expected.bytes.size()),
                  std::string(expected.bytes.begin(), expected.bytes.end()));
        ASSERT_EQ(block.options[2].size(), 4u);
        EXPECT_EQ(Le32(block.options[2], 0), expected.direction);
        EXPECT_EQ(block.options.count(1) ? block.options[1] : "", expected.comment);
    }
}

TEST(Pcapng, OnlyANameEndingInPcapngAsksForIt) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"read.pcapng", true},      {"/tmp/Read.PCAPNG", true}, {"read.pcap", false},
        {"read.pcapng.txt", false}, {"pcapng", false},          {"read.trace", false},
    };
    for (const auto& [path, pcapng] : cases) {
        EXPECT_EQ(NamesPcapng(path), pcapng) << path;
        EXPECT_EQ(CaptureFormatOfPath(path), pcapng ? ECaptureFormat::Pcapng : ECaptureFormat::Pcap) << path;
    }
}

// The window saves what it shows: with the failures filter only the failed receive, which classic PCAP
// cannot hold and pcapng keeps with its comment.
TEST(Pcapng, TheMonitorSavesTheShownFramesWithTheFailedReceive) {
    CTrafficMonitor monitor;
    monitor.Add(At(RequestFrame(READ_CONFIG), "/dev/ttyS0", 1000));
    monitor.Add(At(ReplyFrame(READ_REPLY, READ_CONFIG), "/dev/ttyS0", 2000));
    monitor.Add(At(RequestFrame(READ_CONFIG), "/dev/ttyS0", 3000));
    monitor.Add(At(ReplyFrame({}, READ_CONFIG, COMM_TIMEOUT), "/dev/ttyS0", 4000));
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "gw-pcapng-save-test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "shown.pcapng").string();
    std::string detail;

    ASSERT_EQ(monitor.SaveShown(path, ECaptureFormat::Pcapng, detail), FILE_WRITE_OK) << detail;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    EXPECT_EQ(ReadBlocks(all.str()).size(), 2u + 4u);

    monitor.SetFailuresOnly(true);
    ASSERT_EQ(monitor.SaveShown(path, ECaptureFormat::Pcapng, detail), FILE_WRITE_OK) << detail;
    std::ifstream again(path, std::ios::binary);
    std::ostringstream shown;
    shown << again.rdbuf();
    std::vector<SBlock> blocks = ReadBlocks(shown.str());
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[2].options[1], "receive failed: time-out");
    EXPECT_EQ(Le32(blocks[2].fixed, 12), 0u);
    std::filesystem::remove_all(folder);
}

}  // namespace
