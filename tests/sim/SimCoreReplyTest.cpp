// The replies of a simulated unit, byte for byte: reads, writes, the restart coil, Report Slave ID, the
// vendor command, exceptions and the AUTO mode.
#include <gtest/gtest.h>

#include "sim/SimRegisterMap.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

struct SReplyCase {
    const char* name;
    GwType type;
    std::vector<int> units;
    int axes;
    std::string request;
    std::string reply;  // without CRC; "" for silence
};

class SimReplyTest : public ::testing::TestWithParam<SReplyCase> {};

TEST_P(SimReplyTest, RepliesByteForByte) {
    const SReplyCase& c = GetParam();
    CSimLine line(CSimLine::ConfigOf(c.type, c.units, c.axes));
    EXPECT_EQ(line.Ask(c.request), c.reply.empty() ? "" : Reply(c.reply));
}

const SReplyCase REPLY_CASES[] = {
    {"VoskConfigBlock",
     GW_VOSK,
     {0},
     8,
     "D003F1000010",
     "D00320"
     "8001"
     "0020"
     "0000"
     "0085"
     "000C"
     "0058"
     "0058"
     "0000"
     "0000"
     "0007"
     "0008"
     "0000"
     "0000"
     "0000"
     "0014"
     "0300"},
    {"KavelisConfigBlock",
     GW_KAVELIS,
     {0},
     8,
     "3F03F1000010",
     "3F0320"
     "8001"
     "0015"
     "0000"
     "0005"
     "0001"
     "0050"
     "0050"
     "0005"
     "0000"
     "0007"
     "0006"
     "0001"
     "0000"
     "0000"
     "0014"
     "0300"},
    {"KavelisAxisModes",
     GW_KAVELIS,
     {0},
     8,
     "3F03F1100010",
     "3F0320"
     "0001"
     "0000"
     "0001"
     "0000"
     "0001"
     "0000"
     "0003"
     "0004"
     "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
    {"DravoAxisModesOfSixSlots",
     GW_DRAVO,
     {0},
     6,
     "D003F1100008",
     "D00310"
     "0001"
     "0001"
     "0003"
     "0003"
     "0010"
     "0010"
     "FFFF"
     "FFFF"},
    {"NubAxisModes",
     GW_NUB3GW,
     {0},
     8,
     "D003F1100005",
     "D0030A"
     "0001"
     "0000"
     "0010"
     "0020"
     "FFFF"},
    {"AxisSlotCount",
     GW_VOSK,
     {0},
     6,
     "D003FA0E0002",
     "D00304"
     "0000"
     "0006"},
    {"UnitBlockOfSecondUnit",
     GW_VOSK_LC,
     {0, 1},
     8,
     "D103F200000D",
     "D1031A"
     "0000"
     "0001"
     "0000"
     "0008"
     "C0A8"
     "000B"
     "FFFF"
     "FF00"
     "C0A8"
     "0001"
     "4452"
     "4F50"
     "0000"},
    {"WriteExtendedWords", GW_VOSK, {0}, 8, "D010F3800002041234ABCD", "D010F3800002"},
    {"RestartCoil", GW_VOSK, {0}, 8, "D005040FFF00", "D005040FFF00"},
    {"CoilOffDoesNothing", GW_VOSK, {0}, 8, "D005040F0000", "D005040F0000"},
    {"ReportSlaveId",
     GW_VOSK,
     {0, 1},
     8,
     "D111",
     "D11106"
     "20"
     "00"
     "0020"
     "08"
     "01"},
    {"ReportSlaveIdKavelis",
     GW_KAVELIS,
     {0},
     16,
     "3F11",
     "3F1106"
     "10"
     "00"
     "0015"
     "10"
     "00"},
    {"ClearAlarmList", GW_DRAVO, {0}, 8, "D045000F00000000", "D045000F"},
    {"SetClock", GW_VOSK, {0}, 8, "D045001812CFF780", "D0450018"},
    {"SetClockBeyond2099", GW_VOSK, {0}, 8, "D0450018BC191380", "D0451118"},
    {"SpeedToOneUnit", GW_VOSK, {0}, 8, "D045000400140005", "D0450004"},
    {"UnknownFunction", GW_VOSK, {0}, 8, "D00400000001", "D08401"},
    {"UnknownFunctionWithoutData", GW_VOSK, {0}, 8, "D02B", "D0AB01"},
    {"UnknownRegister", GW_VOSK, {0}, 8, "D003F0FF0001", "D08302"},
    {"ReadRunningPastAnArea", GW_VOSK, {0}, 8, "D003F11F0002", "D08302"},
    {"KavelisHasNoUnitBlock", GW_KAVELIS, {0}, 8, "3F03F2000001", "3F8302"},
    {"VoskHasNoKavelisAddresses", GW_VOSK, {0}, 8, "D003F1200006", "D08302"},
    {"OnlyDravoHasDriverParameters", GW_VOSK, {0}, 8, "D003F8000026", "D08302"},
    {"DravoHasNoHardwareMonitor", GW_DRAVO, {0}, 8, "D003F900000A", "D08302"},
    {"ReadOfNoRegisters", GW_VOSK, {0}, 8, "D003F1000000", "D08303"},
    {"ReadOfTooManyRegisters", GW_VOSK, {0}, 8, "D003F400007E", "D08303"},
    {"WriteOfReadOnlyStatus", GW_VOSK, {0}, 8, "D010F10000010280FF", "D09002"},
    {"WriteWithWrongByteCount", GW_VOSK, {0}, 8, "D010F3800002021234", "D09003"},
    {"OtherCoil", GW_VOSK, {0}, 8, "D0050400FF00", "D08502"},
    {"CoilWithBadValue", GW_VOSK, {0}, 8, "D005040F1234", "D08503"},
    {"UnknownSubFunction", GW_VOSK, {0}, 8, "D045002200000000", "D0C501"},
    {"KavelisKeepsNoClock", GW_KAVELIS, {0}, 8, "3F45001812CFF780", "3FC501"},
    {"KavelisKeepsNoAlarmList", GW_KAVELIS, {0}, 8, "3F45000F00000000", "3FC501"},
};

INSTANTIATE_TEST_SUITE_P(Requests, SimReplyTest, ::testing::ValuesIn(REPLY_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimReply, WritesLandInTheRegistersAndReadBack) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    EXPECT_EQ(line.Ask("D010F103000912"
                       "0025"
                       "0002"
                       "0020"
                       "0020"
                       "003F"
                       "0000"
                       "0003"
                       "0004"
                       "0000"),
              Reply("D010F1030009"));
    EXPECT_EQ(line.Ask("D003F1030003"), Reply("D00306"
                                              "0025"
                                              "0002"
                                              "0020"));
    EXPECT_EQ(line.core.Register(0, 0xF107), 0x003F);
}

TEST(SimReply, DriverParametersAreReadAndWrittenAsOneBlock) {
    CSimLine line(CSimLine::ConfigOf(GW_DRAVO));
    const SimBytes read = line.core.Handle(Frame("D003F8000026"), line.now);
    ASSERT_EQ(read.size(), 3u + 76u + 2u);
    EXPECT_EQ(HexText(SimBytes(read.begin() + 3, read.begin() + 7)), "00000190");  // OMPV 400 V
    std::string write = "D010F80000264C";
    for (int i = 0; i < 38; ++i) write += "0001";
    write.replace(14, 8, "000001F4");  // OMPV 500 V
    EXPECT_EQ(line.Ask(write), Reply("D010F8000026"));
    EXPECT_EQ(line.core.Register(0, 0xF801), 500);
    EXPECT_EQ(line.core.Register(0, 0xF825), 1);
}

TEST(SimReply, AutoModeRefusesParameterWritesButNotTheOtherWrites) {
    CSimLine line(CSimLine::ConfigOf(GW_DRAVO));
    line.core.SetAuto(0, true);
    EXPECT_EQ(line.core.Register(0, SIM_REG_GSTS) & SIM_GSTS_MANU, 0);
    for (const char* request : {"D010F10300010200FF", "D010F11000010200FF", "D010F20000010200FF",
                                "D010F28000010200FF", "D010F38000010200FF", "D010F80000010200FF"}) {
        EXPECT_EQ(line.Ask(request), Reply("D09006")) << request;
    }
    EXPECT_EQ(line.core.Register(0, 0xF103), 0x0025);
    EXPECT_EQ(line.Ask("D010F60100010200FF"), Reply("D010F6010001"));  // cyclic area
    EXPECT_EQ(line.Ask("D010F188000102"
                       "0000"),
              Reply("D010F1880001"));  // counter reset
    EXPECT_EQ(line.Ask("D045001812CFF780"), Reply("D0452E18"));
    EXPECT_NE(line.core.Register(0, SIM_REG_CLOCK), 0x12CF);
    EXPECT_EQ(line.Ask("D011"), Reply("D01106"
                                      "30"
                                      "FF"
                                      "0011"
                                      "08"
                                      "00"));
    line.core.SetAuto(0, false);
    EXPECT_EQ(line.Ask("D010F10300010200FF"), Reply("D010F1030001"));
    EXPECT_EQ(line.Ask("D045001812CFF780"), Reply("D0450018"));
}

TEST(SimReply, StartsInAutoModeWhenConfigured) {
    SSimConfig config = CSimLine::ConfigOf(GW_VOSK_ML3, {0, 1});
    config.autoMode = true;
    CSimLine line(config);
    EXPECT_EQ(line.Ask("D103F1000001"), Reply("D103020001"));
    EXPECT_EQ(line.Ask("D110F38000010200FF"), Reply("D19006"));
}

}  // namespace
