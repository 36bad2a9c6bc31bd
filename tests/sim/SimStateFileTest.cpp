// The registers of a line survive a save and a load, including a new unit number.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "sim/SimRegisterMap.h"
#include "sim/SimStateFile.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

class SimStateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gwsim-state-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder + "/line.txt";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string folder;
    std::string path;
};

TEST_F(SimStateFileTest, RoundTripKeepsEveryRegisterOfEveryUnit) {
    CSimLine first(CSimLine::ConfigOf(GW_VOSK, {0, 1}));
    first.Ask("D110F103000102FF51");
    first.Ask("D010F38000020412345678");
    first.core.SetRegister(1, 0xE000, 0xBEEF);
    ASSERT_EQ(SaveSimState(first.core, path), 0);

    CSimLine second(CSimLine::ConfigOf(GW_VOSK, {0, 1}));
    ASSERT_EQ(LoadSimState(second.core, path), 0);
    for (int unit : {0, 1}) {
        EXPECT_EQ(second.core.RegisterAddresses(unit), first.core.RegisterAddresses(unit));
        for (std::uint16_t address : first.core.RegisterAddresses(unit)) {
            ASSERT_EQ(second.core.Register(unit, address), first.core.Register(unit, address))
                << unit << " " << std::hex << address;
        }
    }
    EXPECT_EQ(second.core.Register(1, 0xF103), 0xFF51);
    EXPECT_EQ(second.Ask("D103E0000001"), Reply("D10302BEEF"));
}

// A cleared alarm history stays empty over a restart of the simulator with the same state file, instead
// of coming back with the records a fresh unit starts with.
TEST_F(SimStateFileTest, ClearedAlarmHistoryStaysEmpty) {
    CSimLine first(CSimLine::ConfigOf(GW_VOSK));
    ASSERT_NE(first.core.Register(0, 0xF403), 0) << "a fresh unit has alarm records";
    EXPECT_EQ(first.Ask("D045000F00000000"), Reply("D045000F"));
    ASSERT_EQ(SaveSimState(first.core, path), 0);

    CSimLine second(CSimLine::ConfigOf(GW_VOSK));
    ASSERT_EQ(LoadSimState(second.core, path), 0);
    for (int n = 0; n < SIM_ALARM_RECORDS; ++n) {
        const auto firstWord = static_cast<std::uint16_t>(SIM_REG_ALARM_HISTORY + SIM_ALARM_RECORD_WORDS * n);
        EXPECT_EQ(second.core.Register(0, static_cast<std::uint16_t>(firstWord + 2)), 0) << n;
        EXPECT_EQ(second.core.Register(0, static_cast<std::uint16_t>(firstWord + 3)), 0) << n;
        EXPECT_EQ(second.core.Register(0, static_cast<std::uint16_t>(firstWord + 1)), 0xFFFF) << n;
    }
}

TEST_F(SimStateFileTest, LoadedUnitNumberGivesTheAddress) {
    std::ofstream(path) << "# saved by hand\nunit 0\nF201 0001\n";
    CSimLine line(CSimLine::ConfigOf(GW_VOSK_LC));
    ASSERT_EQ(LoadSimState(line.core, path), 0);
    EXPECT_EQ(line.Ask("D003F1000001"), "");
    EXPECT_EQ(line.Ask("D103F2010001"), Reply("D103020001"));
}

TEST_F(SimStateFileTest, MalformedOrMissingFilesAreReported) {
    CSimLine line(CSimLine::ConfigOf(GW_VOSK));
    EXPECT_EQ(LoadSimState(line.core, folder + "/missing.txt"), -1);
    for (const char* text :
         {"unit 0\nF380 12345\n", "unit 0\nF380\n", "unit x\n", "F380 00GG\n", "F380 0001 0002\n"}) {
        std::ofstream(path) << text;
        EXPECT_EQ(LoadSimState(line.core, path), -2) << text;
    }
    EXPECT_EQ(SaveSimState(line.core, folder + "/no/such/folder/line.txt"), -1);
}

}  // namespace
