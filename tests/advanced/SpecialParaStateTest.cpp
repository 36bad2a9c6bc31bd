#include <gtest/gtest.h>

#include "core/advanced/SpecialParaState.h"

namespace {

constexpr std::uint32_t EXTENDED = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;

SProgramValues Kavelis(std::uint32_t flags = TOOLFLAG_VALID) {
    SProgramValues program;
    program.SelectedGwType = GW_KAVELIS;
    program.Comm.ToolFlags = flags;
    return program;
}

ComboState W8N(bool enabled, int index) {
    ComboState combo;
    combo.items = {"0", "1", "2"};
    combo.enabled = enabled;
    combo.index = index;
    return combo;
}

ParameterImage ImageOf(std::uint16_t version, std::uint16_t gmod) {
    ParameterImage image;
    image.Word(GVER) = version;
    image.Word(GMOD) = gmod;
    return image;
}

std::uint16_t VisibleRows(const SSpecialParaState& state) {
    std::uint16_t mask = 0;
    for (int row = 0; row < OPTION_ROWS; ++row) {
        const auto n = static_cast<std::size_t>(row);
        EXPECT_EQ(state.labels[n].visible, state.lists[n].visible) << row;
        if (state.lists[n].visible) mask = static_cast<std::uint16_t>(mask | 1u << row);
    }
    return mask;
}

// Row n of the table is bit n: 0 Enable, 2..4 ERR_T, ERR_C, unit velocity, 8 the retry count.
TEST(SpecialParaState, VisibleRowsByFirmwareAndMode) {
    const struct {
        std::uint16_t version;
        std::uint32_t flags;
        std::uint16_t rows;
        bool countForm;
    } cases[] = {
        {5, TOOLFLAG_VALID, 0x0001, false},  {11, TOOLFLAG_VALID, 0x0001, false},
        {12, TOOLFLAG_VALID, 0x001D, false}, {13, TOOLFLAG_VALID, 0x001D, false},
        {0, TOOLFLAG_VALID, 0x011D, true},   {14, TOOLFLAG_VALID, 0x011D, true},
        {20, TOOLFLAG_VALID, 0x011D, true},  {5, EXTENDED, 0xFFFF, false},
        {0, EXTENDED, 0xFFFF, false},        {20, EXTENDED, 0xFFFF, false},
    };
    for (const auto& c : cases) {
        ParameterImage image = ImageOf(c.version, 0x0100);
        const auto state = CreateSpecialParaState(image, Kavelis(c.flags), W8N(true, 1));
        EXPECT_EQ(VisibleRows(state), c.rows) << c.version << " " << c.flags;
        EXPECT_EQ(state.retryCountForm, c.countForm) << c.version << " " << c.flags;
        EXPECT_EQ(state.lists[RETRY_ROW].items.size(), c.countForm ? 7u : 2u);
    }
}

TEST(SpecialParaState, LabelsFollowFirmwareAndMode) {
    const struct {
        std::uint16_t version;
        std::uint32_t flags;
        const char* errT;
        const char* retry;
    } cases[] = {
        {0, TOOLFLAG_VALID, "Latch in ERR_T/C", "Internal communication retry count"},
        {1, TOOLFLAG_VALID, "Latch after SERVO-OFF in ERR_T ", "Internal communication retry count"},
        {13, TOOLFLAG_VALID, "Latch after SERVO-OFF in ERR_T ", "Internal communication retry count"},
        {14, TOOLFLAG_VALID, "Latch in ERR_T/C", "Internal communication retry count"},
        {13, EXTENDED, "Latch after SERVO-OFF in ERR_T ", "bit8"},
        {20, EXTENDED, "Latch in ERR_T/C", "bit8"},
    };
    for (const auto& c : cases) {
        ParameterImage image = ImageOf(c.version, 0);
        const auto state = CreateSpecialParaState(image, Kavelis(c.flags), W8N(true, 1));
        EXPECT_EQ(state.labels[2].text, c.errT) << c.version;
        EXPECT_EQ(state.labels[RETRY_ROW].text, c.retry) << c.version;
    }
    ParameterImage image = ImageOf(0, 0);
    const auto state = CreateSpecialParaState(image, Kavelis(), W8N(true, 1));
    EXPECT_EQ(state.caption, "Setting Specialty Parameters");
    EXPECT_EQ(state.OKbutton.text, "Close");
    EXPECT_EQ(state.labels[0].text, "Enable");
    EXPECT_EQ(state.lists[0].items, (std::vector<std::string>{"Shutdown", "SERVO-OFF"}));
    EXPECT_EQ(state.lists[3].items, (std::vector<std::string>{"valid", "invalid"}));
    EXPECT_EQ(state.lists[4].items, (std::vector<std::string>{"1.0mm/s", "0.1mm/s"}));
    EXPECT_EQ(state.lists[15].items, (std::vector<std::string>{"OFF", "ON"}));
    EXPECT_EQ(state.labels[4].text, "unit velocity(Only Full Mode)");
}

// The count form both ways: bits 8..10 = v selects item v - 1; a v of 0 selects "0" before firmware 14
// and "2" (storing 3) from 14 on; item i stores i + 1.
TEST(SpecialParaState, RetryCountFormBothWays) {
    for (std::uint16_t v = 1; v <= 7; ++v) {
        ParameterImage image = ImageOf(20, static_cast<std::uint16_t>(v << 8 | 0x0001));
        auto state = CreateSpecialParaState(image, Kavelis(), W8N(true, 1));
        EXPECT_EQ(state.lists[RETRY_ROW].index, v - 1) << v;
        EXPECT_EQ(image.Word(GMOD), v << 8 | 0x0001) << v;
    }
    for (int item = 0; item < 7; ++item) {
        ParameterImage image = ImageOf(14, 0xF801);
        auto state = CreateSpecialParaState(image, Kavelis(), W8N(true, 1));
        state.lists[RETRY_ROW].index = item;
        SpecialParaListChange(state, image, Kavelis());
        EXPECT_EQ(image.Word(GMOD), 0xF801 | (item + 1) << 8) << item;
    }
    const struct {
        std::uint16_t version;
        int shown;
        std::uint16_t stored;
    } zero[] = {{0, 0, 0x0000}, {14, 2, 0x0300}, {20, 2, 0x0300}};
    for (const auto& c : zero) {
        ParameterImage image = ImageOf(c.version, 0);
        const auto state = CreateSpecialParaState(image, Kavelis(), W8N(true, 1));
        EXPECT_EQ(state.lists[RETRY_ROW].index, c.shown) << c.version;
        EXPECT_EQ(image.Word(GMOD), c.stored) << c.version;
    }
}

TEST(SpecialParaState, ListChangeWritesBitsAndKeepsBits9And10OutsideExtendedMode) {
    ParameterImage image = ImageOf(12, 0x0600);  // bits 9 and 10 set, bit form
    auto state = CreateSpecialParaState(image, Kavelis(), W8N(true, 1));
    state.lists[3].index = 1;  // ERR_C "invalid"
    state.lists[2].index = 1;  // ERR_T "valid"
    state.lists[9].index = 0;
    state.lists[10].index = 0;
    SpecialParaListChange(state, image, Kavelis());
    EXPECT_EQ(image.Word(GMOD), 0x060C);

    ParameterImage extended = ImageOf(12, 0x0600);
    auto ext = CreateSpecialParaState(extended, Kavelis(EXTENDED), W8N(true, 1));
    ext.lists[9].index = 0;
    ext.lists[8].index = 1;
    ext.lists[15].index = 1;
    SpecialParaListChange(ext, extended, Kavelis(EXTENDED));
    EXPECT_EQ(extended.Word(GMOD), 0x8500);

    // A list without selection leaves its bit alone.
    ParameterImage none = ImageOf(12, 0x0001);
    auto unselected = CreateSpecialParaState(none, Kavelis(), W8N(true, 1));
    unselected.lists[0].index = -1;
    SpecialParaListChange(unselected, none, Kavelis());
    EXPECT_EQ(none.Word(GMOD), 0x0001);
}

TEST(SpecialParaState, UnitVelocityEnabledOnlyWithFullModeAxes) {
    const struct {
        bool enabled;
        int index;
        bool expected;
    } cases[] = {{true, 1, true}, {true, 0, false}, {false, 2, false}, {true, -1, false}};
    for (const auto& c : cases) {
        ParameterImage image = ImageOf(12, 0);
        const auto state = CreateSpecialParaState(image, Kavelis(), W8N(c.enabled, c.index));
        EXPECT_TRUE(state.lists[4].visible);
        EXPECT_EQ(state.lists[4].enabled, c.expected) << c.enabled << c.index;
    }
}

TEST(SpecialParaState, CloseQueryComparesWithSnapshot) {
    SMainFlags flags;
    ParameterImage image = ImageOf(20, 0);
    image.GmodSnapshot = 0;
    CreateSpecialParaState(image, Kavelis(), W8N(true, 1));  // stores a retry count of 3
    SpecialParaCloseQuery(image, flags);
    EXPECT_TRUE(flags.specialParamsModified);

    SMainFlags unchanged;
    ParameterImage same = ImageOf(5, 0x0101);
    same.GmodSnapshot = 0x0101;
    CreateSpecialParaState(same, Kavelis(), W8N(true, 1));
    SpecialParaCloseQuery(same, unchanged);
    EXPECT_FALSE(unchanged.specialParamsModified);

    // The query never clears a flag set before.
    SMainFlags earlier;
    earlier.specialParamsModified = true;
    SpecialParaCloseQuery(same, earlier);
    EXPECT_TRUE(earlier.specialParamsModified);
}

}  // namespace
