#include "core/advanced/ParaAndPioState.h"

#include <gtest/gtest.h>

namespace {

TEST(ParaAndPioState, ContentsPerType) {
    const struct {
        GwType type;
        const char* caption;
        const char* title;
        int cols, rows;
        bool note;
        const char* lastCell;
    } cases[] = {
        {GW_KAVELIS, "Corresponding PIO pattern", "PIO Pattern for different Operation mode", 4, 6, false, "0"},
        {GW_VOSK, "Corresponding Operation Pattern", "Operation Pattern for different operation mode", 3, 2, false, "6"},
        {GW_NUB3GW, "Corresponding PIO pattern", "PIO Pattern for different Operation mode", 3, 3, true, "-"},
        {GW_DRAVO, "Corresponding PIO pattern", "PIO Pattern for different Operation mode", 3, 2, true, "8"},
    };
    for (const auto& c : cases) {
        const auto state = CreateParaAndPioState(c.type, TOOLFLAG_VALID);
        EXPECT_EQ(state.caption, c.caption) << c.type;
        EXPECT_EQ(state.lGridTitle.text, c.title) << c.type;
        EXPECT_EQ(state.StringGrid1.colCount, c.cols) << c.type;
        EXPECT_EQ(state.StringGrid1.rowCount, c.rows) << c.type;
        EXPECT_EQ(state.lNote.visible, c.note) << c.type;
        EXPECT_EQ(state.StringGrid1.Cell(c.cols - 1, c.rows - 1), c.lastCell) << c.type;
        EXPECT_EQ(state.StringGrid1.Cell(0, 0), "") << c.type;
        EXPECT_EQ(state.chkShowPIOpatern.text, "Hide during transmission");
        EXPECT_FALSE(state.chkShowPIOpatern.checked);
    }
}

TEST(ParaAndPioState, ExplanationsAndTableCells) {
    const auto vosk = CreateParaAndPioState(GW_VOSK, 0);
    EXPECT_EQ(vosk.lParaPIO.text,
              "Please change the Operation pattern to the value corresponding to\r\nthe parameter setting in each "
              "axis.\r\n\r\nIf combination below is not followed, \r\nunexpected motion may occur.");
    EXPECT_EQ(vosk.StringGrid1.Cell(1, 1), "0,1,2,3,4,5");
    const auto kavelis = CreateParaAndPioState(GW_KAVELIS, 0);
    EXPECT_EQ(kavelis.StringGrid1.Cell(3, 3), "0, 1, 2, 3");
    EXPECT_EQ(kavelis.StringGrid1.Cell(0, 3), "VELMO-CF");
    EXPECT_EQ(kavelis.StringGrid1.colours[0][2], CellColour::Grey);
    EXPECT_EQ(kavelis.StringGrid1.colours[2][2], CellColour::White);
    const auto nub3 = CreateParaAndPioState(GW_NUB3GW, 0);
    EXPECT_EQ(nub3.lNote.text, "*Maximum Position number will differ based on selected PIO pattern");
    EXPECT_EQ(nub3.StringGrid1.Cell(1, 2), "Support all pattern");
}

// The check box is the type's option bit: bit 2 for VOSK, the other bits untouched, kept both ways.
TEST(ParaAndPioState, HideDuringTransmissionIsTheTypesOptionBit) {
    std::uint32_t flags = TOOLFLAG_VALID | 0x19;  // bits 0, 3, 4 set
    auto state = CreateParaAndPioState(GW_VOSK, flags);
    EXPECT_FALSE(state.chkShowPIOpatern.checked);
    EXPECT_TRUE(PioPatternShownAfterWrite(GW_VOSK, flags));
    state.chkShowPIOpatern.checked = true;
    chkShowPIOpaternClick(state, GW_VOSK, flags);
    EXPECT_EQ(flags, TOOLFLAG_VALID | 0x1Du);
    EXPECT_FALSE(PioPatternShownAfterWrite(GW_VOSK, flags));
    EXPECT_TRUE(CreateParaAndPioState(GW_KAVELIS, flags).chkShowPIOpatern.checked);
    state.chkShowPIOpatern.checked = false;
    chkShowPIOpaternClick(state, GW_VOSK, flags);
    EXPECT_EQ(flags, TOOLFLAG_VALID | 0x19u);
    // Types without a bit never show the window and keep the flags.
    chkShowPIOpaternClick(state, GW_VOSK_LC, flags);
    EXPECT_EQ(flags, TOOLFLAG_VALID | 0x19u);
    EXPECT_FALSE(PioPatternShownAfterWrite(GW_VOSK_LC, 0));
    EXPECT_FALSE(PioPatternShownAfterWrite(GW_VOSK_ML3, 0));
}

}  // namespace

// One cell size for the whole table: the widest text or the sample, plus 18; 1.5 times the tallest text
// or the sample height, rounded.
TEST(ParaAndPioState, CellSizeFromTheWidestAndTallestText) {
    const struct {
        int widest, sampleWidth, tallest, sampleHeight, width, height;
    } cases[] = {
        {120, 84, 15, 15, 138, 23},  // a text wider than the sample; 22.5 rounds up
        {40, 84, 14, 15, 102, 23},   // short texts: the sample decides both
        {84, 84, 16, 15, 102, 24},
    };
    for (const auto& c : cases) {
        const SPioCellSize size = PioCellSize(c.widest, c.sampleWidth, c.tallest, c.sampleHeight);
        EXPECT_EQ(size.width, c.width) << c.widest;
        EXPECT_EQ(size.height, c.height) << c.widest;
    }
}
