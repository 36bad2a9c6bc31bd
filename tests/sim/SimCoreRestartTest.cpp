// The restart coil: the unit goes silent for a moment and comes back at the address of its new unit
// number, with the parameters written before it.
#include <gtest/gtest.h>

#include "sim/SimRegisterMap.h"
#include "sim/SimUnitProfile.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

using std::chrono::milliseconds;

// The unit block write of the tool: unit number, top axis number, IP, mask, gateway, MDRP.
std::string UnitBlockWrite(const std::string& slave, int unitNo) {
    char unit[9];
    std::snprintf(unit, sizeof unit, "%08X", unitNo);
    return slave + "10F200000C18" + unit + "00000002C0A80014FFFFFF00C0A8000100000000";
}

TEST(SimRestart, UnitIsSilentForAMomentThenAnswersAtItsNewAddress) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    EXPECT_EQ(line.Ask(UnitBlockWrite("D0", 1)), Reply("D010F200000C"));
    EXPECT_EQ(line.Ask("D003F1000001").substr(0, 4), "D003");  // no restart yet: old address
    EXPECT_EQ(line.Ask("D103F1000001"), "");
    EXPECT_EQ(line.Ask("D005040FFF00"), Reply("D005040FFF00"));
    for (const char* slave : {"D0", "D1"}) EXPECT_EQ(line.Ask(std::string(slave) + "03F1000001"), "");
    EXPECT_EQ(RestartSilenceOf(GW_VOSK), milliseconds(1500));
    line.Wait(RestartSilenceOf(GW_VOSK) - milliseconds(1));
    EXPECT_EQ(line.Ask("D103F1000001"), "");
    EXPECT_EQ(line.Ask("0045000400140005"), "");
    EXPECT_EQ(line.core.LineBps(), 9600) << "a restarting unit does not hear broadcasts either";
    line.Wait(milliseconds(1));
    EXPECT_EQ(line.Ask("D103F2000004"), Reply("D10308"
                                              "0000"
                                              "0001"
                                              "0000"
                                              "0002"));
    EXPECT_EQ(line.Ask("D003F1000001"), "");
    EXPECT_EQ(line.core.SlaveAddress(0), 0xD1);
    EXPECT_EQ(line.core.Register(0, SIM_REG_UNIT_NO), 1) << "the unit keeps its configured identity";
}

TEST(SimRestart, EveryTypeIsBackBeforeTheToolReadsAgain) {
    EXPECT_LT(RestartSilenceOf(GW_KAVELIS), milliseconds(500));
    for (GwType type : {GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC}) {
        EXPECT_LT(RestartSilenceOf(type), milliseconds(2500)) << type;
        EXPECT_GE(RestartSilenceOf(type), milliseconds(1000)) << type;
    }
}

TEST(SimRestart, FixedAddressTypesComeBackAtTheirAddress) {
    for (const auto& [type, slave] :
         {std::pair{GW_KAVELIS, std::string("3F")}, std::pair{GW_NUB3GW, std::string("D0")}}) {
        CSimLine line(CSimLine::ConfigOf(type));
        if (type == GW_NUB3GW) line.Ask(UnitBlockWrite(slave, 1));
        EXPECT_EQ(line.Ask(slave + "05040FFF00"), Reply(slave + "05040FFF00"));
        EXPECT_EQ(line.Ask(slave + "03F1000001"), "");
        line.Wait(RestartSilenceOf(type) - milliseconds(1));
        EXPECT_EQ(line.Ask(slave + "03F1000001"), "");
        line.Wait(milliseconds(1));
        EXPECT_EQ(line.Ask(slave + "03F1000001").substr(0, 4), slave + "03");
    }
}

TEST(SimRestart, OtherUnitOnTheLineKeepsAnswering) {
    CSimLine line(CSimLine::ConfigOf(GW_DRAVO, {0, 1}));
    line.Ask("D105040FFF00");
    EXPECT_EQ(line.Ask("D003F1000001").substr(0, 4), "D003");
    EXPECT_EQ(line.Ask("D103F1000001"), "");
    line.Wait(RestartSilenceOf(GW_DRAVO));
    EXPECT_EQ(line.Ask("D103F1000001").substr(0, 4), "D103");
}

}  // namespace
