// Which slave addresses a simulated line answers, and what it does with broadcasts and damaged frames.
#include <gtest/gtest.h>

#include "sim/SimRegisterMap.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

struct SAddressCase {
    GwType type;
    std::vector<int> units;
    std::string slave;  // two hex digits
    bool answered;
};

class SimAddressTest : public ::testing::TestWithParam<SAddressCase> {};

TEST_P(SimAddressTest, AnswersOnlyAtItsSlaveAddress) {
    const SAddressCase& c = GetParam();
    CSimLine line(CSimLine::ConfigOf(c.type, c.units));
    const std::string reply = line.Ask(c.slave + "03F1000001");
    if (c.answered) {
        EXPECT_EQ(reply.substr(0, 6), c.slave + "0302");
    } else {
        EXPECT_EQ(reply, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, SimAddressTest,
    ::testing::Values(SAddressCase{GW_KAVELIS, {0}, "3F", true}, SAddressCase{GW_KAVELIS, {0}, "D0", false},
                      SAddressCase{GW_NUB3GW, {0}, "D0", true}, SAddressCase{GW_NUB3GW, {0}, "D1", false},
                      SAddressCase{GW_NUB3GW, {0}, "3F", false}, SAddressCase{GW_VOSK, {0, 1}, "D0", true},
                      SAddressCase{GW_VOSK, {0, 1}, "D1", true}, SAddressCase{GW_VOSK, {0, 1}, "D2", false},
                      SAddressCase{GW_VOSK, {0, 1}, "3F", false}, SAddressCase{GW_DRAVO, {1}, "D0", false},
                      SAddressCase{GW_DRAVO, {1}, "D1", true}, SAddressCase{GW_VOSK_ML3, {0}, "D0", true},
                      SAddressCase{GW_VOSK_LC, {0, 1}, "D1", true},
                      SAddressCase{GW_VOSK_LC, {1}, "D0", false}));

TEST(SimAddress, TwoUnitsOnOneLineKeepTheirOwnRegisters) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK, {0, 1}));
    EXPECT_EQ(line.Ask("D003F2000004"), Reply("D003080000000000000000"));
    EXPECT_EQ(line.Ask("D103F2000004"), Reply("D103080000000100000008"));
    EXPECT_EQ(line.core.Register(0, SIM_REG_UNIT_NO), 0);
    EXPECT_EQ(line.core.Register(1, SIM_REG_UNIT_NO), 1);
}

TEST(SimAddress, BroadcastsAreObeyedByEveryUnitAndNeverAnswered) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK, {0, 1}));
    EXPECT_EQ(line.core.LineBps(), 9600);
    EXPECT_EQ(line.Ask("0045000400140005"), "");
    EXPECT_EQ(line.core.LineBps(), 115200);
    EXPECT_EQ(line.Ask("0010F38000020412345678"), "");
    for (int unit : {0, 1}) {
        EXPECT_EQ(line.core.Register(unit, 0xF380), 0x1234);
        EXPECT_EQ(line.core.Register(unit, 0xF381), 0x5678);
    }
    EXPECT_EQ(line.Ask("0003F1000001"), "");
    EXPECT_EQ(line.Ask("0011"), "");
    EXPECT_EQ(line.Ask("0045001812CFF780"), "");
    EXPECT_EQ(line.core.Register(1, SIM_REG_CLOCK), 0x12CF);
    EXPECT_EQ(line.core.Register(1, SIM_REG_CLOCK + 1), 0xF780);
}

TEST(SimAddress, SpeedSwitchFollowsEveryKnownCodeAndIgnoresUnknownOnes) {
    CSimLine line(CSimLine::ConfigOf(GW_KAVELIS));
    const std::vector<std::pair<std::string, int>> codes{
        {"0004", 9600},  {"0011", 14400}, {"0005", 19200},  {"0012", 28800},  {"0006", 38400},
        {"0013", 57600}, {"0007", 76800}, {"0014", 115200}, {"0015", 230400}, {"0100", 460800}};
    for (const auto& [code, bps] : codes) {
        line.Ask("00450004" + code + "0005");
        EXPECT_EQ(line.core.LineBps(), bps) << code;
    }
    line.Ask("00450004FFFF0005");
    EXPECT_EQ(line.core.LineBps(), 460800);
    EXPECT_EQ(line.Ask("3F450004FFFF0005"), Reply("3FC503"));
}

TEST(SimAddress, DamagedFramesAreIgnoredButLogged) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    SimBytes bad = Frame("D003F1000001");
    bad.back() ^= 0x01;
    EXPECT_TRUE(line.AskRaw(bad).empty());
    EXPECT_TRUE(line.AskRaw(HexBytes("D003")).empty());
    EXPECT_TRUE(line.AskRaw({}).empty());
    line.Ask("D011");
    const auto log = line.core.RequestLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], bad);
    EXPECT_EQ(log[1], HexBytes("D003"));
    EXPECT_EQ(log[3], Frame("D011"));
}

}  // namespace
