#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/params/display/DisplayAxisGrid.h"
#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/display/Fixture.h"

namespace {

struct SRowCase {
    GwType type;
    std::uint16_t word;
    std::uint16_t ntyp;
    const char* cells;  // the six mode cells separated by '|'
};

std::string Joined(const std::array<std::string, 6>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "|" : "") + cells[i];
    return text;
}

constexpr std::uint16_t DN = NTYP_DEVICENET;

// Every slot code for the three types that show StringGrid1.
// clang-format off
const std::vector<SRowCase> rowCases = {
    // VOSK
    {GW_VOSK, 0x0000, DN, "*| | | | |-"},
    {GW_VOSK, 0x8001, DN, " |(*)| | | |-"},
    {GW_VOSK, 0x0003, DN, " | |*| | |-"},
    {GW_VOSK, 0x0004, DN, " | |-|-|-|-"},
    {GW_VOSK, 0x0010, DN, " | | |*| |-"},
    {GW_VOSK, 0x0011, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x0012, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x0020, DN, " | | | |*|-"},
    {GW_VOSK, 0x8020, NTYP_COMPONET, "-|-|-|-|(*)|-"},
    {GW_VOSK, 0x0020, NTYP_MECHATROLINK, "-|-|-|-|*|-"},
    {GW_VOSK, 0x0030, DN, "-|-|-|-|-|*"},
    {GW_VOSK, 0x8030, DN, "-|-|-|-|-|(*)"},
    {GW_VOSK, 0x0031, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x0040, NTYP_MECHATROLINK3, "-|-|-|-|-|A"},
    {GW_VOSK, 0x8041, NTYP_MECHATROLINK3, "-|-|-|-|-|(P)"},
    {GW_VOSK, 0x3FFF, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x4FFF, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x5FFF, DN, " | | | | |-"},
    {GW_VOSK, 0x6FFF, DN, "-|-|-|-|-| "},
    {GW_VOSK, 0xFFFF, DN, "-|-|-|-|-|-"},
    {GW_VOSK, 0x0005, DN, "-|-|-|-|-|-"},
    // NUB3 GW
    {GW_NUB3GW, 0x0001, DN, " |*| | | |-"},
    {GW_NUB3GW, 0x8003, DN, " | |(*)| | |-"},
    {GW_NUB3GW, 0x0004, DN, "-|-|-|-|-|-"},
    {GW_NUB3GW, 0x0010, DN, " | | |*| |-"},
    {GW_NUB3GW, 0x0011, DN, "-|-|-|-|-|-"},
    {GW_NUB3GW, 0x0020, NTYP_COMPONET, "-|-|-|-|*|-"},
    {GW_NUB3GW, 0x0030, DN, "-|-|-|-|-|-"},
    {GW_NUB3GW, 0x8031, DN, "-|-|-|-|-|(*)"},
    {GW_NUB3GW, 0x0040, DN, "-|-|-|-|-|-"},
    {GW_NUB3GW, 0x3FFF, DN, "-|-|-|-|-|-"},
    {GW_NUB3GW, 0x5FFF, DN, " | | | | |-"},
    {GW_NUB3GW, 0x6FFF, DN, "-|-|-|-|-| "},
    {GW_NUB3GW, 0xFFFF, DN, "-|-|-|-|-|-"},
    // KAVELIS
    {GW_KAVELIS, 0x0000, DN, "*| | |-|-|-"},
    {GW_KAVELIS, 0x0001, DN, " |*| |-|-|-"},
    {GW_KAVELIS, 0x8003, DN, " | |(*)|-|-|-"},
    {GW_KAVELIS, 0x0004, DN, " | |-|-|-|-"},
    {GW_KAVELIS, 0x0010, DN, "-|-|-|*| | "},
    {GW_KAVELIS, 0x8011, DN, "-|-|-| |(*)| "},
    {GW_KAVELIS, 0x0012, DN, "-|-|-| | |*"},
    {GW_KAVELIS, 0x0020, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0x0030, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0x0031, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0x0040, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0x3FFF, DN, " | | |-|-|-"},
    {GW_KAVELIS, 0x4FFF, DN, "-|-|-| | | "},
    {GW_KAVELIS, 0x5FFF, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0x6FFF, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0xFFFF, DN, "-|-|-|-|-|-"},
    {GW_KAVELIS, 0xBFFF, DN, "-|-|-|-|-|-"},
};
// clang-format on

TEST(GridRows, EverySlotCode) {
    for (const auto& c : rowCases)
        EXPECT_EQ(Joined(ModeRowCells(c.type, c.word, c.ntyp)), c.cells)
            << "type " << c.type << " word " << std::hex << c.word << " ntyp " << c.ntyp;
}

TEST(GridRender, LaterRowsShowDashes) {
    SDisplayFixture w(GW_VOSK);
    w.Slots({0x0030, 0x0030, 0x0030, 0x0030, 0x0001, 0x0001});
    w.image.AxisCount = 4;
    w.image.Word(NTYP) = DN;
    RenderStringGrid1(w.form.StringGrid1, w.image, GW_VOSK);
    EXPECT_EQ(w.form.StringGrid1.Cell(6, 4), "*");
    for (int row = 5; row <= 8; ++row)
        for (int col = 1; col <= 6; ++col)
            EXPECT_EQ(w.form.StringGrid1.Cell(col, row), "-") << row << "/" << col;
    EXPECT_EQ(w.form.StringGrid1.Cell(0, 5), "4");  // the slot number stays
}

TEST(GridRender, RowsOfRemovedAxesNeverKeepTheirMarks) {
    SDisplayFixture w(GW_VOSK);
    w.image.Word(NTYP) = DN;
    w.Slots({0x0001, 0x0001, 0x0001, 0x0001});
    w.image.AxisCount = 4;
    RenderStringGrid1(w.form.StringGrid1, w.image, GW_VOSK);
    ASSERT_EQ(w.form.StringGrid1.Cell(2, 4), "*");
    w.image.AxisCount = 2;
    w.image.Word(FINX) = 8;  // an inconsistent index must not leave the old rows on screen
    RenderStringGrid1(w.form.StringGrid1, w.image, GW_VOSK);
    EXPECT_EQ(w.form.StringGrid1.Cell(2, 2), "*");
    EXPECT_EQ(w.form.StringGrid1.Cell(2, 3), "-");
    EXPECT_EQ(w.form.StringGrid1.Cell(2, 4), "-");
}

TEST(GridRender, KavelisRowsFollowSlotCounts) {
    SDisplayFixture w(GW_KAVELIS);
    w.Slots({0x0001, 0x3FFF, 0x0003, 0x0004});
    w.image.Word(W4N) = 2;
    w.image.Word(W8N) = 1;
    RenderStringGrid1(w.form.StringGrid1, w.image, GW_KAVELIS);
    EXPECT_EQ(w.form.StringGrid1.Cell(3, 3), "*");
    EXPECT_EQ(w.form.StringGrid1.Cell(1, 4), " ");
    EXPECT_EQ(w.form.StringGrid1.Cell(1, 5), "-");
    EXPECT_EQ(w.form.StringGrid1.Cell(1, 16), "-");
    for (int row = 0; row < w.form.StringGrid1.rowCount; ++row) {
        EXPECT_TRUE(w.form.StringGrid1.greyText[static_cast<std::size_t>(row)][3]);
        EXPECT_FALSE(w.form.StringGrid1.greyText[static_cast<std::size_t>(row)][2]);
    }
}

struct SColourCase {
    GwType type;
    std::uint16_t ntyp;
    bool greyCols1to4;
    bool greyCol5;
};

TEST(GridRender, ColoursByNetwork) {
    // clang-format off
    const std::vector<SColourCase> cases = {
        {GW_VOSK, DN, false, false},
        {GW_VOSK, NTYP_PIO, true, true},
        {GW_VOSK, NTYP_COMPONET, true, false},
        {GW_VOSK, NTYP_MECHATROLINK, true, false},
        {GW_VOSK, NTYP_MECHATROLINK3, true, true},
        {GW_NUB3GW, NTYP_PIO, true, true},
        {GW_NUB3GW, NTYP_COMPONET, true, false},
        {GW_NUB3GW, NTYP_MECHATROLINK3, false, false},
        {GW_KAVELIS, NTYP_PIO, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SDisplayFixture w(c.type);
        w.image.Word(NTYP) = c.ntyp;
        RenderStringGrid1(w.form.StringGrid1, w.image, c.type);
        const auto& colours = w.form.StringGrid1.colours;
        SCOPED_TRACE(testing::Message() << c.type << " " << std::hex << c.ntyp);
        const auto grey = CellColour::Grey;
        EXPECT_EQ(colours[1][1] == grey, c.greyCols1to4);
        EXPECT_EQ(colours[2][4] == grey, c.greyCols1to4);
        EXPECT_EQ(colours[1][5] == grey, c.greyCol5);
        EXPECT_EQ(colours[1][6], CellColour::White);
        EXPECT_EQ(colours[0][3], grey);
        EXPECT_EQ(colours[2][0], grey);
    }
}

TEST(GridRender, ServoGrid) {
    SDisplayFixture w(GW_VOSK_ML3, 8, true);
    w.Slots({0x0040, 0x8040, 0x0041, 0x8041, 0x0003, 0x0040});
    w.image.AxisCount = 4;
    w.image.ExtParam2 = 0x0400;
    RenderStringGrid2(w.form.StringGrid2, w.image, true);
    const auto& g = w.form.StringGrid2;
    const std::vector<std::string> expected = {"A", "(A)", "P", "(P)", "-", "-", "-", "-"};
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(g.Cell(1, row), expected[static_cast<std::size_t>(row - 1)]) << row;
    EXPECT_EQ(g.colours[1][1], CellColour::White);
    EXPECT_EQ(g.colours[2][1], CellColour::Grey);
    EXPECT_EQ(g.colours[4][1], CellColour::Grey);
    EXPECT_EQ(g.colours[7][1], CellColour::White);  // FFFFh is never grey

    RenderStringGrid2(w.form.StringGrid2, w.image, false);
    EXPECT_EQ(g.colours[2][1], CellColour::White);
}

}  // namespace
