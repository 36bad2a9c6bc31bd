#include <gtest/gtest.h>

#include "core/params/edit/AxisGridEditing.h"
#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/edit/Bench.h"

namespace {

struct SWordClick {
    std::uint16_t word;
    int column;
    std::uint16_t expected;
};

class KavelisClick : public testing::TestWithParam<SWordClick> {};

TEST_P(KavelisClick, CyclesTheSlotThroughTheColumnsMode) {
    const auto& c = GetParam();
    EXPECT_EQ(KavelisClickedWord(c.word, c.column), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, KavelisClick,
    testing::Values(
        // Simple
        SWordClick{0x0000, 1, 0x8000}, SWordClick{0x8000, 1, 0x3FFF}, SWordClick{0x3FFF, 1, 0x0000},
        SWordClick{0x0001, 1, 0x0000}, SWordClick{0x8001, 1, 0x0000}, SWordClick{0x0010, 1, 0x0010},
        SWordClick{0x4FFF, 1, 0x4FFF}, SWordClick{0xFFFF, 1, 0xFFFF}, SWordClick{0x0003, 1, 0x0003},
        // Point1
        SWordClick{0x0001, 2, 0x8001}, SWordClick{0x8001, 2, 0x3FFF}, SWordClick{0x3FFF, 2, 0x0001},
        SWordClick{0x0000, 2, 0x0001}, SWordClick{0x8000, 2, 0x0001}, SWordClick{0x0004, 2, 0x0004},
        // Full: only the reserve flag; a Full axis comes from the 8W count alone
        SWordClick{0x0003, 3, 0x8003}, SWordClick{0x8003, 3, 0x0003}, SWordClick{0x3FFF, 3, 0x3FFF},
        SWordClick{0x0004, 3, 0x0004},
        // Point2, Sol1, Sol2
        SWordClick{0x0010, 4, 0x8010}, SWordClick{0x8010, 4, 0x4FFF}, SWordClick{0x4FFF, 4, 0x0010},
        SWordClick{0x0011, 4, 0x0010}, SWordClick{0x8012, 4, 0x0010}, SWordClick{0x0000, 4, 0x0000},
        SWordClick{0x0011, 5, 0x8011}, SWordClick{0x8011, 5, 0x4FFF}, SWordClick{0x4FFF, 5, 0x0011},
        SWordClick{0x8010, 5, 0x0011}, SWordClick{0x3FFF, 5, 0x3FFF}, SWordClick{0x0012, 6, 0x8012},
        SWordClick{0x8012, 6, 0x4FFF}, SWordClick{0x4FFF, 6, 0x0012}, SWordClick{0x8011, 6, 0x0012},
        SWordClick{0x0001, 6, 0x0001},
        // words the grid never offers, and columns outside the mode columns
        SWordClick{0x1234, 1, 0x1234}, SWordClick{0x1234, 4, 0x1234}, SWordClick{0x0000, 0, 0x0000},
        SWordClick{0x0000, 7, 0x0000}));

struct SNub3Click {
    std::uint16_t word;
    int column;
    std::uint16_t ntyp;
    std::uint16_t expected;
};

class Nub3Click : public testing::TestWithParam<SNub3Click> {};

TEST_P(Nub3Click, CyclesEachSlotOnItsOwn) {
    const auto& c = GetParam();
    EXPECT_EQ(Nub3ClickedWord(c.word, c.column, c.ntyp), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, Nub3Click,
    testing::Values(
        SNub3Click{0x0000, 1, NTYP_PROFIBUS_DP, 0x8000}, SNub3Click{0x8000, 1, NTYP_PROFIBUS_DP, 0x5FFF},
        SNub3Click{0x5FFF, 1, NTYP_PROFIBUS_DP, 0x0000}, SNub3Click{0x0001, 1, NTYP_PROFIBUS_DP, 0x0000},
        SNub3Click{0xFFFF, 2, NTYP_PROFIBUS_DP, 0x0001}, SNub3Click{0x6FFF, 3, NTYP_PROFIBUS_DP, 0x0003},
        SNub3Click{0x0003, 3, NTYP_PROFIBUS_DP, 0x8003}, SNub3Click{0x0010, 4, NTYP_DEVICENET, 0x8010},
        SNub3Click{0x0031, 1, NTYP_PROFIBUS_DP, 0x0031}, SNub3Click{0x8031, 5, NTYP_PROFIBUS_DP, 0x8031},
        // CompoNet and MECHATROLINK: Simple .. Point2 are fixed, Point3 still cycles
        SNub3Click{0x0000, 1, NTYP_COMPONET, 0x0000}, SNub3Click{0x5FFF, 4, NTYP_MECHATROLINK, 0x5FFF},
        SNub3Click{0x0020, 5, NTYP_COMPONET, 0x8020}, SNub3Click{0x8020, 5, NTYP_COMPONET, 0x5FFF},
        // RemoteI/O only toggles its reserve flag
        SNub3Click{0x0031, 6, NTYP_PROFIBUS_DP, 0x8031}, SNub3Click{0x8031, 6, NTYP_PROFIBUS_DP, 0x0031},
        SNub3Click{0x0000, 6, NTYP_PROFIBUS_DP, 0x0000}, SNub3Click{0x5FFF, 6, NTYP_PROFIBUS_DP, 0x5FFF},
        SNub3Click{0x0000, 0, NTYP_PROFIBUS_DP, 0x0000}, SNub3Click{0x0000, 9, NTYP_PROFIBUS_DP, 0x0000}));

struct SPairClick {
    int slot;
    std::uint16_t self;
    std::uint16_t partner;
    int column;
    std::uint16_t ntyp;
    std::uint16_t selfAfter;
    std::uint16_t partnerAfter;
};

class VoskClick : public testing::TestWithParam<SPairClick> {};

TEST_P(VoskClick, CyclesThePair) {
    const auto& c = GetParam();
    AxisModeWords words{};
    words.fill(AXIS_NO_SLOT);
    const int partner = c.slot % 2 == 0 ? c.slot + 1 : c.slot - 1;
    words[static_cast<std::size_t>(c.slot)] = c.self;
    words[static_cast<std::size_t>(partner)] = c.partner;
    VoskGridClick(words, c.slot, c.column, c.ntyp);
    EXPECT_EQ(words[static_cast<std::size_t>(c.slot)], c.selfAfter);
    EXPECT_EQ(words[static_cast<std::size_t>(partner)], c.partnerAfter);
    for (std::size_t s = 0; s < words.size(); ++s) {
        if (static_cast<int>(s) != c.slot && static_cast<int>(s) != partner) {
            EXPECT_EQ(words[s], AXIS_NO_SLOT);
        }
    }
}

constexpr std::uint16_t DP = NTYP_PROFIBUS_DP;
constexpr std::uint16_t CN = NTYP_COMPONET;
constexpr std::uint16_t ML = NTYP_MECHATROLINK;
constexpr std::uint16_t ML3 = NTYP_MECHATROLINK3;

INSTANTIATE_TEST_SUITE_P(
    ModeColumns, VoskClick,
    testing::Values(SPairClick{0, 0x0001, 0x0001, 2, DP, 0x8001, 0x0001},
                    SPairClick{1, 0x0001, 0x8001, 2, DP, 0x8001, 0x8001},
                    SPairClick{0, 0x8001, 0x8001, 2, DP, 0x5FFF, 0x5FFF},
                    SPairClick{0, 0x8001, 0x0001, 2, DP, 0x0001, 0x0001},
                    SPairClick{2, 0x5FFF, 0x5FFF, 1, DP, 0x0000, 0x0000},
                    SPairClick{3, 0x0003, 0x0003, 1, DP, 0x0000, 0x0000},
                    SPairClick{4, 0xFFFF, 0xFFFF, 4, DP, 0x0010, 0x0010},
                    SPairClick{0, 0x0030, 0x0030, 1, DP, 0x0030, 0x0030},
                    SPairClick{0, 0x8040, 0x8040, 3, DP, 0x8040, 0x8040},
                    SPairClick{0, 0x6FFF, 0x6FFF, 2, DP, 0x6FFF, 0x6FFF},
                    SPairClick{6, 0x1234, 0x0001, 2, DP, 0x0001, 0x0001},
                    // CompoNet, MECHATROLINK, MECHATROLINK III fix Simple .. Point2
                    SPairClick{0, 0x0001, 0x0001, 1, CN, 0x0001, 0x0001},
                    SPairClick{0, 0x5FFF, 0x5FFF, 4, ML, 0x5FFF, 0x5FFF},
                    SPairClick{0, 0x5FFF, 0x5FFF, 2, ML3, 0x5FFF, 0x5FFF},
                    // Point3: on CompoNet and MECHATROLINK a reserved Point3 goes back instead of clearing
                    SPairClick{0, 0x0020, 0x0020, 5, CN, 0x8020, 0x0020},
                    SPairClick{0, 0x8020, 0x8020, 5, CN, 0x0020, 0x8020},
                    SPairClick{0, 0x8020, 0x8020, 5, ML, 0x0020, 0x8020},
                    SPairClick{0, 0x8020, 0x8020, 5, DP, 0x5FFF, 0x5FFF},
                    SPairClick{0, 0x0020, 0x0020, 5, ML3, 0x0020, 0x0020}));

INSTANTIATE_TEST_SUITE_P(IoColumn, VoskClick,
                         testing::Values(SPairClick{0, 0x0030, 0x0030, 6, DP, 0x8030, 0x0030},
                                         SPairClick{1, 0x8030, 0x0030, 6, DP, 0x0030, 0x0030},
                                         SPairClick{0, 0x0001, 0x0001, 6, DP, 0x0001, 0x0001},
                                         SPairClick{0, 0x5FFF, 0x5FFF, 6, DP, 0x5FFF, 0x5FFF},
                                         // MECHATROLINK III: the servo modes A, (A), P, (P)
                                         SPairClick{0, 0x5FFF, 0x5FFF, 6, ML3, 0x0040, 0x0040},
                                         SPairClick{0, 0x0040, 0x0040, 6, ML3, 0x8040, 0x0040},
                                         SPairClick{0, 0x0041, 0x0041, 6, ML3, 0x8041, 0x0041},
                                         SPairClick{0, 0x8040, 0x0040, 6, ML3, 0x0041, 0x0041},
                                         SPairClick{1, 0x8041, 0x8041, 6, ML3, 0x0040, 0x0040}));

TEST(ServoClick, CyclesAReservedAPReservedPAndSetsThePair) {
    AxisModeWords words{};
    words.fill(AXIS_NO_SLOT);
    const std::uint16_t expected[][2] = {
        {0x0040, 0x0040}, {0x8040, 0x0040}, {0x0041, 0x0041}, {0x8041, 0x0041}, {0x0040, 0x0040}};
    for (const auto& step : expected) {
        ServoGridClick(words, 2);
        EXPECT_EQ(words[2], step[0]);
        EXPECT_EQ(words[3], step[1]);
    }
    EXPECT_EQ(words[1], AXIS_NO_SLOT);
    EXPECT_EQ(words[4], AXIS_NO_SLOT);
}

TEST(StringGrid1Click, VoskPairReservesBothSlotsThenClearsThem) {
    SEditBench bench(GW_VOSK, 8);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.image.Word(W4N) = 2;
    bench.SetSlots({0x0001, 0x0001});
    bench.image.RecountPending = true;
    bench.Refresh();
    ASSERT_EQ(bench.image.AxisCount, 2);

    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 1);
    EXPECT_EQ(bench.Slot(0), 0x8001);
    EXPECT_EQ(bench.Slot(1), 0x0001);
    EXPECT_EQ(bench.form.StringGrid1.Cell(2, 1), "(*)");
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 2);
    EXPECT_EQ(bench.Slot(1), 0x8001);
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 1);
    EXPECT_EQ(bench.Slot(0), AXIS_NOT_SET);
    EXPECT_EQ(bench.Slot(1), AXIS_NOT_SET);
}

TEST(StringGrid1Click, TitleRowAndSlotColumnDoNothing) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(W4N) = 1;
    bench.SetSlots({0x0000});
    for (auto [column, row] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{0, 0}, std::pair{-1, 1}}) {
        bench.MarkNoRefresh();
        StringGrid1Click(bench.image, bench.form, bench.program, bench.host, column, row);
        EXPECT_EQ(bench.Slot(0), 0x0000);
        EXPECT_FALSE(bench.Refreshed());
    }
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 1, 1);
    EXPECT_TRUE(bench.Refreshed());
}

TEST(StringGrid1Click, DoubleClickAppliesTheRuleTwice) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(W4N) = 1;
    bench.SetSlots({0x0000});
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 1, 1);
    StringGrid1DblClick(bench.image, bench.form, bench.program, bench.host, 1, 1);
    EXPECT_EQ(bench.Slot(0), AXIS_EMPTY_4W);
}

TEST(StringGrid1Click, KavelisEmptySlotTakesPoint1ButNotFull) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(W4N) = 1;
    bench.SetSlots({AXIS_EMPTY_4W});
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 3, 1);
    EXPECT_EQ(bench.Slot(0), AXIS_EMPTY_4W);
    StringGrid1Click(bench.image, bench.form, bench.program, bench.host, 2, 1);
    EXPECT_EQ(bench.Slot(0), 0x0001);
    EXPECT_EQ(bench.form.StringGrid1.Cell(2, 1), "*");
}

TEST(StringGrid2Click, VoskMl3CyclesThePairThroughTheServoModes) {
    SEditBench bench(GW_VOSK_ML3, 8);
    bench.image.Word(NTYP) = NTYP_MECHATROLINK3;
    bench.image.AxisCount = 2;
    bench.image.Word(W4N) = 2;
    bench.SetSlots({0x0040, 0x0040});
    const char* shown[] = {"(A)", "P", "(P)", "A"};
    const std::uint16_t words[] = {0x8040, 0x0041, 0x8041, 0x0040};
    for (int step = 0; step < 4; ++step) {
        StringGrid2Click(bench.image, bench.form, bench.program, bench.host, 1, 1);
        EXPECT_EQ(bench.Slot(0), words[step]);
        EXPECT_EQ(bench.form.StringGrid2.Cell(1, 1), shown[step]);
    }
    bench.MarkNoRefresh();
    StringGrid2Click(bench.image, bench.form, bench.program, bench.host, 0, 1);
    EXPECT_FALSE(bench.Refreshed());
}

TEST(StringGrid2Click, DoubleClickMovesTwoSteps) {
    SEditBench bench(GW_VOSK_ML3, 8);
    bench.image.Word(NTYP) = NTYP_MECHATROLINK3;
    bench.image.AxisCount = 2;
    bench.image.Word(W4N) = 2;
    bench.SetSlots({0x0040, 0x0040});
    StringGrid2Click(bench.image, bench.form, bench.program, bench.host, 1, 2);
    StringGrid2DblClick(bench.image, bench.form, bench.program, bench.host, 1, 2);
    EXPECT_EQ(bench.Slot(0), 0x0041);
    EXPECT_EQ(bench.Slot(1), 0x0041);
}

}  // namespace
