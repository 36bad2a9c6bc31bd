// Frames of every kind the tool sends and receives, decoded into the gateway's words.
#include <gtest/gtest.h>

#include <random>

#include "core/service/GatewayTime.h"
#include "core/traffic/FrameDecoder.h"
#include "tests/traffic/TrafficFrames.h"

namespace {

struct SDecoderCase {
    const char* name;
    STrafficFrame frame;
    const char* slave;
    const char* text;  // function and summary
    const char* verdict;
    bool failed;
};

std::string ClockRequest() {
    const std::uint32_t seconds = *GatewaySecondsOf({2026, 12, 10, 9, 41, 7});
    char hex[32];
    std::snprintf(hex, sizeof hex, "D0450018%08X", seconds);
    return hex;
}

const std::vector<std::uint8_t> READ_CONFIG = WithCrc("D003F1000010");
const std::vector<std::uint8_t> READ_CLOCK = WithCrc("D003F1720002");
const std::vector<std::uint8_t> WRITE_CONFIG = WithCrc(
    "D010F103000204"
    "00850001");
const std::vector<std::uint8_t> REPORT_ID = WithCrc("D011");
const std::vector<std::uint8_t> RESTART = WithCrc("D005040FFF00");
const std::vector<std::uint8_t> SET_CLOCK = WithCrc(ClockRequest());

std::vector<SDecoderCase> Cases() {
    return {
        // Requests the tool sends.
        {"read config", RequestFrame(READ_CONFIG), "D0h",
         "03 read F100h..F10Fh: network settings (GSTS, GVER, NTYP, …)", "sent", false},
        {"read one", RequestFrame(WithCrc("3F03F1010001")), "3Fh", "03 read F101h: network settings (GVER)",
         "sent", false},
        {"read hardware", RequestFrame(WithCrc("D003F900000A")), "D0h",
         "03 read F900h..F909h: hardware monitor (Motor Voltage, Control Voltage, Encorder Voltage A, …)",
         "sent", false},
        {"read unknown area", RequestFrame(WithCrc("D0030100000A")), "D0h", "03 read 0100h..0109h", "sent",
         false},
        {"write single", RequestFrame(WithCrc("D006F10F0100")), "D0h",
         "06 write F10Fh: network settings (GMOD) = 0100h", "sent", false},
        {"write block", RequestFrame(WRITE_CONFIG), "D0h",
         "10h write F103h..F104h: network settings (NTYP, NMOD)", "sent", false},
        {"restart coil", RequestFrame(RESTART), "D0h", "05 restart coil", "sent", false},
        {"other coil", RequestFrame(WithCrc("D00500010000")), "D0h", "05 coil 0001h off", "sent", false},
        {"report slave id", RequestFrame(REPORT_ID), "D0h", "11h report slave ID", "sent", false},
        {"speed switch broadcast", RequestFrame(WithCrc("0045000400140005")), "broadcast",
         "45h/04h speed switch to 115200 bit/s", "sent", false},
        {"speed switch unknown code",
         RequestFrame(WithCrc("004500040077"
                              "0005")),
         "broadcast", "45h/04h speed switch to unknown speed code 0077h", "sent", false},
        {"clear alarms", RequestFrame(WithCrc("D045000F00000000")), "D0h", "45h/0Fh clear alarm history",
         "sent", false},
        {"set clock", RequestFrame(SET_CLOCK), "D0h", "45h/18h set clock 2026-12-10 09:41:07", "sent", false},
        {"retry marked", RequestFrame(READ_CONFIG, 2), "D0h",
         "03 read F100h..F10Fh: network settings (GSTS, GVER, NTYP, …)", "sent, attempt 2", false},
        {"unknown function", RequestFrame(WithCrc("D02B0E0100")), "D0h",
         "2Bh function 2Bh, 3 data bytes, not decoded", "sent", false},
        // Replies.
        {"read reply",
         ReplyFrame(WithCrc("D00304"
                            "80010013"),
                    READ_CONFIG),
         "D0h", "03 2 registers from F100h: GSTS=8001h, GVER=0013h (16 asked for)", "cut short", true},
        {"clock reply",
         ReplyFrame(WithCrc("D00304"
                            "12345678"),
                    READ_CLOCK),
         "D0h", "03 2 registers from F172h: clock high=1234h, clock low=5678h", "OK", false},
        {"read reply without request",
         ReplyFrame(WithCrc("D00302"
                            "0085"),
                    {}),
         "D0h", "03 1 registers (request not seen)", "OK", false},
        {"write block reply", ReplyFrame(WithCrc("D010F1030002"), WRITE_CONFIG), "D0h",
         "10h wrote F103h..F104h: network settings (NTYP, NMOD), 2 registers", "OK", false},
        {"write single reply", ReplyFrame(WithCrc("D006F10F0100"), WithCrc("D006F10F0100")), "D0h",
         "06 wrote F10Fh: network settings (GMOD) = 0100h", "OK", false},
        {"restart reply", ReplyFrame(RESTART, RESTART), "D0h", "05 restart coil accepted", "OK", false},
        {"slave id running",
         ReplyFrame(WithCrc("D01106"
                            "B4FF00130800"),
                    REPORT_ID),
         "D0h", "11h report slave ID: id B4001308, running", "OK", false},
        {"slave id stopped",
         ReplyFrame(WithCrc("D01106"
                            "B4000013"
                            "0800"),
                    REPORT_ID),
         "D0h", "11h report slave ID: id B4001308, stopped", "OK", false},
        {"clock set done", ReplyFrame(WithCrc("D0450018"), SET_CLOCK), "D0h",
         "45h/18h set clock: status 00h (done)", "OK", false},
        {"clock set in auto", ReplyFrame(WithCrc("D0452E18"), SET_CLOCK), "D0h",
         "45h/18h set clock: status 2Eh (not in MANU mode)", "OK", false},
        {"clear alarms reply", ReplyFrame(WithCrc("D045000F"), WithCrc("D045000F00000000")), "D0h",
         "45h/0Fh clear alarm history: status 00h (done)", "OK", false},
        // Exceptions.
        {"illegal address", ReplyFrame(WithCrc("D08302"), READ_CONFIG), "D0h",
         "83h exception 02: illegal data address (to function 03)", "exception", true},
        {"busy", ReplyFrame(WithCrc("D09006"), WRITE_CONFIG), "D0h",
         "90h exception 06: slave device busy (to function 10h)", "exception", true},
        {"illegal function", ReplyFrame(WithCrc("D0C501"), SET_CLOCK), "D0h",
         "C5h exception 01: illegal function (to function 45h)", "exception", true},
        // Replies that do not answer.
        {"wrong slave",
         ReplyFrame(WithCrc("D10302"
                            "0001"),
                    READ_CONFIG),
         "D1h", "03 1 registers from F100h: GSTS=0001h (16 asked for)", "wrong slave", true},
        {"wrong function",
         ReplyFrame(WithCrc("D0040200"
                            "01"),
                    READ_CONFIG),
         "D0h", "04 function 04h, 3 data bytes, not decoded", "wrong function", true},
        // Failed receives, garbled and partial frames.
        {"time-out, nothing", ReplyFrame({}, READ_CONFIG, COMM_TIMEOUT), "", "nothing received", "time-out",
         true},
        {"time-out, partial", ReplyFrame(HexBytes("D00320800100"), READ_CONFIG, COMM_TIMEOUT), "D0h",
         "not decoded: CRC does not match, 6 bytes", "time-out", true},
        {"crc error", ReplyFrame(HexBytes("D0030480010013FFFF"), READ_CONFIG, COMM_CRC_ERROR), "D0h",
         "not decoded: CRC does not match, 9 bytes", "CRC error", true},
        {"framing error", ReplyFrame(HexBytes("D0"), READ_CONFIG, COMM_FRAMING), "D0h",
         "incomplete frame, 1 bytes", "framing error", true},
        {"byte count wrong",
         ReplyFrame(WithCrc("D00306"
                            "80010013"),
                    READ_CONFIG),
         "D0h", "03 not decoded: not shaped like a frame of function 03", "cut short", true},
        {"vendor reply with the status alone", ReplyFrame(WithCrc("D04500"), SET_CLOCK), "D0h",
         "45h/18h set clock: status 00h (done)", "OK", false},
        {"truncated vendor reply", ReplyFrame(WithCrc("D045"), SET_CLOCK), "D0h",
         "45h not decoded: not shaped like a frame of function 45h", "does not answer", true},
    };
}

TEST(FrameDecoder, DecodesEveryKindOfFrame) {
    for (const SDecoderCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const SFrameDecoding d = DecodeFrame(c.frame);
        EXPECT_EQ(d.slave, c.slave);
        EXPECT_EQ(DecodedText(d), c.text);
        EXPECT_EQ(d.verdict, c.verdict);
        EXPECT_EQ(d.failed, c.failed);
    }
}

TEST(FrameDecoder, NamesEachRegisterOfAReadReplyWithItsMeaning) {
    const auto reply = WithCrc(
        "D00308"
        "8001"
        "0013"
        "0000"
        "0085");
    const SFrameDecoding d = DecodeFrame(ReplyFrame(reply, WithCrc("D003F1000004")));
    const std::vector<std::string> expected{"F100h GSTS = 8001h (MANU mode)", "F101h GVER = 0013h",
                                            "F102h = 0000h", "F103h NTYP = 0085h (EtherNet/IP)"};
    EXPECT_EQ(d.details, expected);
}

TEST(FrameDecoder, WrittenValuesAreListedPerField) {
    const SFrameDecoding d =
        DecodeFrame(RequestFrame(WithCrc("D010F110000204"
                                         "8001"
                                         "5FFF")));
    const std::vector<std::string> expected{"F110h AxisMode[0] = 8001h (reserved, mode 0001h)",
                                            "F111h AxisMode[1] = 5FFFh (mode not set)"};
    EXPECT_EQ(d.details, expected);
}

// A kilobyte of noise, even one that starts like a read reply, is never read as registers.
TEST(FrameDecoder, NoiseIsShownNotDecoded) {
    std::mt19937 random(15);
    std::vector<std::uint8_t> noise(1024);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    noise[0] = 0xD0;
    noise[1] = 0x03;
    noise[2] = 0xFF;
    for (int result : {COMM_OK, COMM_RX_OVERFLOW}) {
        const SFrameDecoding d = DecodeFrame(ReplyFrame(noise, READ_CONFIG, result));
        EXPECT_EQ(d.summary, "not decoded: CRC does not match, 1024 bytes");
        EXPECT_TRUE(d.function.empty());
        EXPECT_TRUE(d.details.empty());
        EXPECT_TRUE(d.failed);
    }
}

}  // namespace
