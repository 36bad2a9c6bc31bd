#include <gtest/gtest.h>

#include "core/advanced/SpecialPara2State.h"

namespace {

constexpr std::uint32_t EXTENDED = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;

SProgramValues ProgramOf(GwType type, std::uint32_t flags = TOOLFLAG_VALID) {
    SProgramValues program;
    program.SelectedGwType = type;
    program.Comm.ToolFlags = flags;
    return program;
}

std::uint16_t VisibleRows(const SSpecialPara2State& state) {
    std::uint16_t mask = 0;
    for (int row = 0; row < OPTION_ROWS; ++row) {
        const auto n = static_cast<std::size_t>(row);
        EXPECT_EQ(state.lBit[n].visible, state.cbBit[n].visible) << row;
        if (state.cbBit[n].visible) mask = static_cast<std::uint16_t>(mask | 1u << row);
    }
    return mask;
}

std::vector<std::string> VisibleLabels(const SSpecialPara2State& state) {
    std::vector<std::string> labels;
    for (const auto& label : state.lBit)
        if (label.visible) labels.push_back(label.text);
    return labels;
}

// Every page of every type shows the rows of its mask; ExtendedMode shows all sixteen everywhere.
TEST(SpecialPara2State, VisibleRowsPerTypePageAndMode) {
    const struct {
        GwType type;
        std::array<std::uint16_t, 3> masks;
        int tallest;
    } cases[] = {
        {GW_VOSK, {0x011C, 0x8114, 0x0847}, 5},    {GW_DRAVO, {0x011C, 0x8010, 0x0047}, 4},
        {GW_NUB3GW, {0x011C, 0x8000, 0x0006}, 4},  {GW_VOSK_ML3, {0x010C, 0x8114, 0x0041}, 4},
        {GW_VOSK_LC, {0x0110, 0x8114, 0x0847}, 5},
    };
    for (const auto& c : cases) {
        for (const std::uint32_t flags : {TOOLFLAG_VALID, EXTENDED}) {
            const bool extended = flags == EXTENDED;
            ParameterImage image;
            auto state = CreateSpecialPara2State(image, ProgramOf(c.type, flags));
            EXPECT_EQ(state.mostVisibleRows, extended ? 16 : c.tallest) << c.type;
            for (int page = 0; page < SPECIAL_PAGES; ++page) {
                ShowSpecialPage(state, static_cast<SpecialPage>(page), image, ProgramOf(c.type, flags));
                EXPECT_EQ(VisibleRows(state), extended ? 0xFFFF : c.masks[static_cast<std::size_t>(page)])
                    << c.type << " page " << page;
            }
        }
    }
}

TEST(SpecialPara2State, Nub3PagesOutsideExtendedMode) {
    ParameterImage image;
    const SProgramValues nub3 = ProgramOf(GW_NUB3GW);
    auto state = CreateSpecialPara2State(image, nub3);
    EXPECT_EQ(state.tabs, (std::array<std::string, 3>{"GW-Param", "GW-Param2", "GWmode Select"}));
    EXPECT_EQ(VisibleLabels(state), (std::vector<std::string>{"Latch in ERR_T/C", "SERVO-OFF in ERR_C ",
                                                              "unit velocity(Only Full Mode)",
                                                              "Internal communication retry count"}));
    ShowSpecialPage(state, SpecialPage::GwParam2, image, nub3);
    EXPECT_EQ(VisibleLabels(state), (std::vector<std::string>{"RTC function"}));
    ShowSpecialPage(state, SpecialPage::GwModeSelect, image, nub3);
    EXPECT_EQ(VisibleLabels(state), (std::vector<std::string>{"BYTE swap", "WORD swap in D-WORD Data"}));
}

// The labels that depend on the type, and the items of the rows that differ from OFF/ON.
TEST(SpecialPara2State, LabelReplacementsAndItems) {
    const struct {
        GwType type;
        SpecialPage page;
        int row;
        const char* label;
        std::vector<std::string> items;
    } cases[] = {
        {GW_DRAVO,
         SpecialPage::GwParam,
         4,
         "unit velocity(Only Direct Indication Mode)",
         {"1.0mm/s", "0.1mm/s"}},
        {GW_VOSK, SpecialPage::GwParam, 4, "unit velocity(Only Full Mode)", {"1.0mm/s", "0.1mm/s"}},
        {GW_VOSK, SpecialPage::GwParam, 0, "Enable", {"Shutdown", "SERVO-OFF"}},
        {GW_VOSK, SpecialPage::GwParam, 2, "Latch in ERR_T/C", {"invalid", "valid"}},
        {GW_VOSK, SpecialPage::GwParam, 9, "bit9", {"0", "1"}},
        {GW_VOSK, SpecialPage::GwParam2, 2, "Fulltime Fan run", {"invalid", "valid"}},
        {GW_VOSK, SpecialPage::GwParam2, 4, "Fan round monitor", {"valid", "invalid"}},
        {GW_VOSK, SpecialPage::GwParam2, 8, "BATT Charge Volt monitoring", {"ON", "OFF"}},
        {GW_VOSK, SpecialPage::GwParam2, 15, "RTC function", {"invalid", "valid"}},
        {GW_VOSK, SpecialPage::GwParam2, 9, "Encorder type Check", {"OFF", "ON"}},
        {GW_VOSK, SpecialPage::GwModeSelect, 7, "Enable in TP disconect", {"invalid", "valid"}},
        {GW_VOSK, SpecialPage::GwModeSelect, 10, "Bit10", {"OFF", "ON"}},
        {GW_VOSK_ML3,
         SpecialPage::GwModeSelect,
         10,
         "Node Address consecutive filling for non used axis.",
         {"invalid", "valid"}},
        {GW_VOSK, SpecialPage::GwModeSelect, 11, "PUSH type(only Full mode)", {"Type QEL", "Type TEV"}},
        {GW_DRAVO,
         SpecialPage::GwModeSelect,
         11,
         "PUSH type(only Direct Indication mode)",
         {"Type QEL", "Type TEV"}},
        {GW_VOSK, SpecialPage::GwModeSelect, 13, "Through Mode(SIO)", {"OFF", "ON"}},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        const SProgramValues program = ProgramOf(c.type, EXTENDED);
        auto state = CreateSpecialPara2State(image, program);
        ShowSpecialPage(state, c.page, image, program);
        const auto n = static_cast<std::size_t>(c.row);
        EXPECT_EQ(state.lBit[n].text, c.label) << c.type << " row " << c.row;
        EXPECT_EQ(state.cbBit[n].items, c.items) << c.type << " row " << c.row;
    }
}

// A retry count of 0 always shows "2" and stores 3; v from 1 to 7 shows v - 1; item i stores i + 1.
TEST(SpecialPara2State, RetryCountBothWays) {
    for (const std::uint16_t version : {0, 5, 20}) {
        ParameterImage image;
        image.Word(GVER) = version;
        image.Word(GMOD) = 0x0010;
        const auto state = CreateSpecialPara2State(image, ProgramOf(GW_VOSK));
        EXPECT_EQ(state.cbBit[RETRY_ROW].index, 2) << version;
        EXPECT_EQ(image.Word(GMOD), 0x0310) << version;
    }
    for (int v = 1; v <= 7; ++v) {
        ParameterImage image;
        image.Word(GMOD) = static_cast<std::uint16_t>(v << 8);
        const auto state = CreateSpecialPara2State(image, ProgramOf(GW_DRAVO));
        EXPECT_EQ(state.cbBit[RETRY_ROW].index, v - 1) << v;
    }
    for (int item = 0; item < 7; ++item) {
        ParameterImage image;
        image.Word(GMOD) = 0xF8FF;
        SMainFlags flags;
        auto state = CreateSpecialPara2State(image, ProgramOf(GW_VOSK));
        state.cbBit[RETRY_ROW].index = item;
        SpecialPara2ListChange(state, image, ProgramOf(GW_VOSK), flags);
        EXPECT_EQ(image.Word(GMOD), 0xF8FF | (item + 1) << 8) << item;
    }
}

TEST(SpecialPara2State, ListChangeWritesThePageWordAndMarksModified) {
    const SProgramValues vosk = ProgramOf(GW_VOSK);
    ParameterImage image;
    image.Word(GMOD) = 0x0100;
    SMainFlags flags;
    auto state = CreateSpecialPara2State(image, vosk);

    // Nothing changed, the flag is set all the same.
    SpecialPara2ListChange(state, image, vosk, flags);
    EXPECT_TRUE(flags.specialParamsModified);
    EXPECT_EQ(image.Word(GMOD), 0x0100);

    ShowSpecialPage(state, SpecialPage::GwParam2, image, vosk);
    EXPECT_EQ(state.cbBit[8].Selected(), "ON");
    state.cbBit[8].index = 1;  // "OFF"
    SpecialPara2ListChange(state, image, vosk, flags);
    EXPECT_EQ(image.ExtParam1, 0x0100);

    ShowSpecialPage(state, SpecialPage::GwModeSelect, image, vosk);
    state.cbBit[11].index = 1;  // "Type TEV"
    SpecialPara2ListChange(state, image, vosk, flags);
    EXPECT_EQ(image.ExtParam2, 0x0800);
    EXPECT_EQ(image.ExtParam1, 0x0100);
    EXPECT_EQ(image.Word(GMOD), 0x0100);
}

TEST(SpecialPara2State, Bits9And10OfGmodWrittenOnlyInExtendedMode) {
    for (const std::uint32_t flags : {TOOLFLAG_VALID, EXTENDED}) {
        const SProgramValues program = ProgramOf(GW_VOSK, flags);
        ParameterImage image;
        image.Word(GMOD) = 0x0100;
        SMainFlags modified;
        auto state = CreateSpecialPara2State(image, program);
        state.cbBit[9].index = 1;
        state.cbBit[10].index = 1;
        SpecialPara2ListChange(state, image, program, modified);
        EXPECT_EQ(image.Word(GMOD), flags == EXTENDED ? 0x0700 : 0x0100) << flags;
    }
}

TEST(SpecialPara2State, UnitVelocityEnabling) {
    const struct {
        GwType type;
        std::uint16_t axisMode;
        bool enabled;
    } cases[] = {
        {GW_DRAVO, 0x0001, false},  {GW_DRAVO, 0x0003, true},   {GW_DRAVO, 0x0005, true},
        {GW_DRAVO, 0x8003, false},  {GW_VOSK, 0x0002, false},   {GW_VOSK, 0x0003, true},
        {GW_VOSK_LC, 0x0001, true}, {GW_VOSK_LC, 0xFFFF, true},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.AxisMode.fill(0xFFFF);
        image.AxisMode[3] = c.axisMode;
        const auto state = CreateSpecialPara2State(image, ProgramOf(c.type));
        EXPECT_TRUE(state.cbBit[4].visible);
        EXPECT_EQ(state.cbBit[4].enabled, c.enabled) << c.type << " " << c.axisMode;
    }
}

}  // namespace
