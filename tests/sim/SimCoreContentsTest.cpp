// What each gateway type holds: every area the tool reads is there, the configuration words agree with
// each other, and the live values (clock, counters, hardware, cyclic I/O) move with the time.
#include <gtest/gtest.h>

#include <set>

#include "sim/SimRegisterMap.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

struct SArea {
    std::uint16_t first;
    int count;
};

struct STypeCase {
    const char* name;
    GwType type;
    std::string slave;
    std::set<std::uint16_t> networks;  // the NTYP codes the tool lists for the type
    std::vector<SArea> areas;          // every area the tool reads from this type
};

const std::vector<SArea> PARAMETER_AREAS{{0xF100, 16}, {0xF110, 16}, {0xF180, 8},  {0xF187, 5},
                                         {0xF600, 72}, {0xF700, 72}, {0xFA00, 24}, {0xFA0E, 2}};
const std::vector<SArea> UNIT_AREAS{{0xF380, 2},  {0xF200, 13}, {0xF280, 8},  {0xF400, 96},
                                    {0xF460, 96}, {0xF4C0, 96}, {0xF520, 96}, {0xF172, 2}};

std::vector<SArea> Join(std::vector<SArea> a, const std::vector<SArea>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::set<std::uint16_t> OTHER_NETWORKS{0x0005, 0x0025, 0xFF90, 0xF485, 0xFF40, 0xFF50,
                                             0x0087, 0x0085, 0xFAA0, 0xFF51, 0x0084, 0x8000};

class SimTypeContentsTest : public ::testing::TestWithParam<STypeCase> {};

TEST_P(SimTypeContentsTest, EveryAreaTheToolReadsIsAnswered) {
    const STypeCase& c = GetParam();
    CSimLine line(CSimLine::ConfigOf(c.type));
    for (const SArea& area : c.areas) {
        char request[16];
        std::snprintf(request, sizeof request, "%s03%04X%04X", c.slave.c_str(), area.first, area.count);
        const std::string reply = line.Ask(request);
        EXPECT_EQ(reply.size(), 2u * (3 + 2 * area.count + 2)) << request << " -> " << reply;
    }
}

TEST_P(SimTypeContentsTest, ConfigurationWordsAgree) {
    const STypeCase& c = GetParam();
    for (int axes : {0, 2, 6, 8, 16}) {
        CSimLine line(CSimLine::ConfigOf(c.type, {0}, axes));
        auto reg = [&](std::uint16_t address) { return line.core.Register(0, address); };
        EXPECT_NE(reg(0xF100) & SIM_GSTS_MANU, 0);
        EXPECT_TRUE(c.networks.count(reg(0xF103))) << std::hex << reg(0xF103);
        EXPECT_EQ(reg(SIM_REG_AXIS_SLOTS) & 0xFF, axes);
        int occupied = 0;
        while (occupied < SIM_AXIS_WORDS && reg(static_cast<std::uint16_t>(0xF110 + occupied)) != 0xFFFF)
            ++occupied;
        for (int i = occupied; i < SIM_AXIS_WORDS; ++i)
            EXPECT_EQ(reg(static_cast<std::uint16_t>(0xF110 + i)), 0xFFFF);
        EXPECT_EQ(reg(0xF109), std::max(0, occupied - 1)) << "FINX, axes " << axes;
        if (c.type == GW_KAVELIS) {
            EXPECT_EQ(reg(0xF10A) + 2 * reg(0xF10B), occupied);
            EXPECT_EQ(reg(0xF105), occupied * 8 + 16);
            continue;
        }
        EXPECT_EQ(reg(0xF10A), occupied);
        EXPECT_EQ(reg(0xF10B), 0);
        EXPECT_LE(occupied, std::min(axes, 16));
        if (c.type == GW_VOSK || c.type == GW_VOSK_ML3 || c.type == GW_DRAVO) {
            EXPECT_EQ(occupied % 2, 0);
            for (int j = 0; j + 1 < occupied; j += 2) {
                EXPECT_EQ(reg(static_cast<std::uint16_t>(0xF110 + j)),
                          reg(static_cast<std::uint16_t>(0xF111 + j)));
            }
        }
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(reg(static_cast<std::uint16_t>(0xF280 + i)),
                      reg(static_cast<std::uint16_t>(0xF110 + i)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, SimTypeContentsTest,
    ::testing::Values(STypeCase{"Kavelis",
                                GW_KAVELIS,
                                "3F",
                                {0x0005, 0x0025, 0xFF90, 0xF485, 0x0085, 0x0084},
                                Join(PARAMETER_AREAS, {{0xF120, 6}})},
                      STypeCase{"Vosk", GW_VOSK, "D0", OTHER_NETWORKS,
                                Join(Join(PARAMETER_AREAS, UNIT_AREAS), {{0xF900, 10}})},
                      STypeCase{"Dravo", GW_DRAVO, "D0", OTHER_NETWORKS,
                                Join(Join(PARAMETER_AREAS, UNIT_AREAS), {{0xF800, 38}})},
                      STypeCase{"Nub3Gw", GW_NUB3GW, "D0", OTHER_NETWORKS, Join(PARAMETER_AREAS, UNIT_AREAS)},
                      STypeCase{"VoskMl3", GW_VOSK_ML3, "D0", OTHER_NETWORKS,
                                Join(Join(PARAMETER_AREAS, UNIT_AREAS), {{0xF900, 10}})},
                      STypeCase{"VoskLc", GW_VOSK_LC, "D0", OTHER_NETWORKS,
                                Join(Join(PARAMETER_AREAS, UNIT_AREAS), {{0xF900, 10}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimContents, KavelisVersionAllowsEveryArea) {
    CSimLine line(CSimLine::ConfigOf(GW_KAVELIS));
    EXPECT_GE(line.core.Register(0, SIM_REG_GVER), 19);
    EXPECT_NE(line.core.Register(0, 0xF10F) & 0x0700, 0)
        << "retry count set, as units from version 14 keep it";
}

TEST(SimContents, AlarmHistoryHoldsKnownAndUnknownCodesWithBothKindsOfTime) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    auto record = [&](int n, int word) {
        return line.core.Register(0, static_cast<std::uint16_t>(0xF400 + 6 * n + word));
    };
    auto code = [&](int n) { return (record(n, 2) << 16) | record(n, 3); };
    auto time = [&](int n) { return (static_cast<std::uint32_t>(record(n, 4)) << 16) | record(n, 5); };
    std::set<int> codes;
    int elapsed = 0, calendar = 0, empty = 0;
    for (int n = 0; n < 64; ++n) {
        if (code(n) == 0) {
            ++empty;
            continue;
        }
        codes.insert(code(n));
        (time(n) < 315619200u ? elapsed : calendar)++;
    }
    EXPECT_TRUE(codes.count(0x0FFF) && codes.count(0x0860)) << "known codes";
    EXPECT_TRUE(codes.count(0x0123)) << "a code the tool does not know";
    EXPECT_GT(elapsed, 0);
    EXPECT_GT(calendar, 0);
    EXPECT_GT(empty, 0);

    EXPECT_EQ(line.Ask("D045000F00000000"), Reply("D045000F"));
    for (int n = 0; n < 64; ++n) EXPECT_EQ(code(n), 0) << n;
}

TEST(SimContents, ClockRunsInWholeSecondsFromTheTimeItWasSet) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    line.Ask("D045001812CFF780");
    line.Wait(milliseconds(999));
    EXPECT_EQ(line.Ask("D003F1720002"), Reply("D00304"
                                              "12CFF780"));
    line.Wait(milliseconds(1));
    EXPECT_EQ(line.Ask("D003F1720002"), Reply("D00304"
                                              "12CFF781"));
    line.Wait(seconds(3600));
    EXPECT_EQ(line.Ask("D003F1720002"), Reply("D00304"
                                              "12D00591"));
}

TEST(SimContents, SetClocksReachesEveryUnitThatKeepsAClock) {
    CSimLine line(CSimLine::ConfigOf(GW_DRAVO, {0, 1}));
    line.core.SetClocks(0x12345678);
    EXPECT_EQ(line.Ask("D103F1720002"), Reply("D10304"
                                              "12345678"));
    EXPECT_EQ(line.Ask("D003F1720002"), Reply("D00304"
                                              "12345678"));
    CSimLine kavelis(CSimLine::ConfigOf(GW_KAVELIS));
    kavelis.core.SetClocks(0x12345678);
    EXPECT_EQ(kavelis.Ask("3F03F1720002"), Reply("3F8302")) << "KAVELIS keeps no clock";
}

TEST(SimContents, CountersCountAndResetToZero) {
    CSimLine line(CSimLine::ConfigOf(GW_NUB3GW));
    line.core.Advance(line.now);
    const std::uint16_t errT = line.core.Register(0, 0xF188);
    line.Wait(seconds(60));
    line.core.Advance(line.now);
    for (std::uint16_t counter = 0xF188; counter <= 0xF18B; ++counter) {
        EXPECT_GT(line.core.Register(0, counter), 0) << std::hex << counter;
    }
    EXPECT_GT(line.core.Register(0, 0xF188), errT);
    EXPECT_EQ(line.Ask("D010F188000102"
                       "0000"),
              Reply("D010F1880001"));
    EXPECT_EQ(line.core.Register(0, 0xF188), 0);
    line.Wait(seconds(7));
    line.core.Advance(line.now);
    EXPECT_EQ(line.core.Register(0, 0xF188), 1);
}

TEST(SimContents, HardwareValuesMoveWithinPlausibleRanges) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK_LC));
    std::set<std::uint16_t> motorVoltages;
    for (int i = 0; i < 20; ++i) {
        line.Wait(milliseconds(700));
        line.core.Advance(line.now);
        const std::uint16_t motor = line.core.Register(0, 0xF900);
        EXPECT_GE(motor, 230);
        EXPECT_LE(motor, 250);
        for (std::uint16_t temp = 0xF906; temp <= 0xF909; ++temp) {
            EXPECT_GE(line.core.Register(0, temp), 20);
            EXPECT_LE(line.core.Register(0, temp), 60);
        }
        EXPECT_GT(line.core.Register(0, 0xF905), 0) << "the fan turns";
        motorVoltages.insert(motor);
    }
    EXPECT_GT(motorVoltages.size(), 2u);
}

TEST(SimContents, CyclicAreasChangeAndKeepWhatTheMasterWrote) {
    CSimLine line(CSimLine::ConfigOf(GW_KAVELIS));
    const std::string first = line.Ask("3F03F7000010");
    line.Wait(milliseconds(300));
    const std::string second = line.Ask("3F03F7000010");
    EXPECT_NE(first, second);
    EXPECT_NE(line.Ask("3F03F6000001"), Reply("3F03020000")) << "the master's area counts too";
    line.Ask("3F10F60A0001021234");
    EXPECT_EQ(line.Ask("3F03F60A0001"), Reply("3F03021234"));
    line.Wait(milliseconds(100));  // the gateway's next scan
    EXPECT_EQ(line.Ask("3F03F70A0001"), Reply("3F03021234")) << "the gateway answers with the master's word";
}

}  // namespace
