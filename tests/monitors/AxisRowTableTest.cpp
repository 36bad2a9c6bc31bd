#include <gtest/gtest.h>

#include <array>

#include "core/monitors/AxisRowTable.h"

namespace {

std::array<std::uint16_t, 16> Modes(std::initializer_list<std::uint16_t> first) {
    std::array<std::uint16_t, 16> modes{};
    modes.fill(0x3FFF);
    std::copy(first.begin(), first.end(), modes.begin());
    return modes;
}

TEST(AxisRowTable, FourAndEightWordAxes) {
    // W4N 3, W8N 2: 5 rows, 28 words.
    const auto modes = Modes({0x0001, 0x0000, 0x0001, 0x0003, 0x0004, 0x8003, 0x8004});
    const auto rows = BuildAxisRows(modes, 6);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].modeText, "Point1");
    EXPECT_EQ(rows[1].modeText, "Simple");
    EXPECT_EQ(rows[3].modeText, "Full");
    EXPECT_EQ(rows[3].words, 8);
    EXPECT_EQ(rows[4].modeText, "*Full") << "a reserved Full axis keeps its eight words";
    EXPECT_EQ(rows[4].words, 8);
    EXPECT_EQ(TotalAxisWords(rows), 28);
    EXPECT_FALSE(IsTwoWordLayout(modes[0]));
}

TEST(AxisRowTable, TwoWordAxes) {
    const auto modes = Modes({0x0011, 0x0011, 0x0011, 0x0011});
    const auto rows = BuildAxisRows(modes, 3);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].modeText, "Sol1");
    EXPECT_EQ(TotalAxisWords(rows), 8);
    for (std::uint16_t first : {0x0010, 0x0011, 0x0012, 0x8010, 0x8011, 0x8012})
        EXPECT_TRUE(IsTwoWordLayout(first));
    for (std::uint16_t first : {0x0000, 0x0001, 0x0003, 0x8003, 0x4010, 0x3FFF})
        EXPECT_FALSE(IsTwoWordLayout(first));
}

TEST(AxisRowTable, UnknownWordsTakeARowWithoutWordsEmptySlotsNone) {
    const auto modes = Modes({0x0001, 0x3FFF, 0x0005, 0xFFFF, 0x6FFF, 0x0000});
    const auto rows = BuildAxisRows(modes, 5);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].modeText, "");
    EXPECT_EQ(rows[1].words, 0);
    EXPECT_EQ(rows[2].modeText, "Simple");
    EXPECT_EQ(TotalAxisWords(rows), 8);
}

TEST(AxisRowTable, FinxBeyondTheTableStopsAtItsEnd) {
    std::array<std::uint16_t, 16> modes{};
    modes.fill(0x0001);
    EXPECT_EQ(BuildAxisRows(modes, 0xFFFF).size(), 16u);
    EXPECT_EQ(BuildAxisRows(modes, 0).size(), 1u);
}

}  // namespace
