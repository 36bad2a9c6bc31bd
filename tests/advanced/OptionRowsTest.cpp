#include <gtest/gtest.h>

#include "core/advanced/OptionRows.h"

namespace {

constexpr std::uint32_t EXTENDED = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;

SProgramValues ProgramOf(GwType type, std::uint32_t flags = TOOLFLAG_VALID) {
    SProgramValues program;
    program.SelectedGwType = type;
    program.Comm.ToolFlags = flags;
    return program;
}

ComboState FullAxes(bool configured) {
    ComboState w8n;
    w8n.items = {"0", "1"};
    w8n.index = configured ? 1 : 0;
    return w8n;
}

TEST(OptionRows, ShownRowsFollowTheDialog) {
    ParameterImage image;
    image.Word(GMOD) = 0x0100;
    image.ExtParam2 = 0x0004;
    const auto rows = ShownOptionRows(image, ProgramOf(GW_NUB3GW), FullAxes(false));
    std::vector<std::string> seen;
    for (const auto& row : rows) seen.push_back(row.page + "|" + row.label + "|" + row.choice);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "GMOD|Latch in ERR_T/C|invalid", "GMOD|SERVO-OFF in ERR_C |valid",
                        "GMOD|unit velocity(Only Full Mode)|1.0mm/s",
                        "GMOD|Internal communication retry count|0", "ExtParam1|RTC function|invalid",
                        "ExtParam2|BYTE swap|invalid", "ExtParam2|WORD swap in D-WORD Data|valid"}));
    EXPECT_FALSE(rows[2].enabled);
    EXPECT_EQ(rows[3].choices.size(), 7u);

    ParameterImage kavelis;
    kavelis.Word(GVER) = 5;
    const auto few = ShownOptionRows(kavelis, ProgramOf(GW_KAVELIS), FullAxes(true));
    ASSERT_EQ(few.size(), 1u);
    EXPECT_EQ(few[0].label, "Enable");
    EXPECT_EQ(few[0].choices, (std::vector<std::string>{"Shutdown", "SERVO-OFF"}));
}

TEST(OptionRows, ChangeByLabelAndChoice) {
    const struct {
        GwType type;
        std::uint32_t flags;
        const char* label;
        const char* choice;
        std::uint16_t gmod, ext1, ext2;
    } cases[] = {
        {GW_VOSK, TOOLFLAG_VALID, "PUSH type(only Full mode)", "Type TEV", 0x0100, 0, 0x0800},
        {GW_VOSK, TOOLFLAG_VALID, " push TYPE(only full mode) ", "type tev", 0x0100, 0, 0x0800},
        {GW_VOSK, TOOLFLAG_VALID, "BATT Charge Volt monitoring", "OFF", 0x0100, 0x0100, 0},
        {GW_DRAVO, TOOLFLAG_VALID, "Internal communication retry count", "6", 0x0700, 0, 0},
        {GW_VOSK, EXTENDED, "ExtParam2:Bit5", "ON", 0x0100, 0, 0x0020},
        {GW_VOSK, EXTENDED, "GWmode Select:Bit5", "ON", 0x0100, 0, 0x0020},
        {GW_VOSK, EXTENDED, "gw-param2:Bit5", "ON", 0x0100, 0x0020, 0},
        {GW_VOSK, EXTENDED, "bit9", "1", 0x0300, 0, 0},
        {GW_KAVELIS, TOOLFLAG_VALID, "SERVO-OFF in ERR_C", "invalid", 0x0108, 0, 0},
        {GW_KAVELIS, TOOLFLAG_VALID, "Internal communication retry count", "0", 0x0100, 0, 0},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.Word(GVER) = 20;
        image.Word(GMOD) = 0x0100;
        image.GmodSnapshot = 0x0100;
        SMainFlags flags;
        const auto result =
            ChangeOptionRow(image, ProgramOf(c.type, c.flags), FullAxes(true), flags, c.label, c.choice);
        EXPECT_EQ(result.error, OptionChangeError::None) << c.label;
        EXPECT_EQ(image.Word(GMOD), c.gmod) << c.label;
        EXPECT_EQ(image.ExtParam1, c.ext1) << c.label;
        EXPECT_EQ(image.ExtParam2, c.ext2) << c.label;
        // The gateway bit dialog marks every change; the specialty dialog only a changed word.
        EXPECT_EQ(flags.specialParamsModified, c.type != GW_KAVELIS || c.gmod != 0x0100) << c.label;
    }
}

TEST(OptionRows, RefusedChangesLeaveTheImageAlone) {
    const struct {
        GwType type;
        std::uint32_t flags;
        const char* label;
        const char* choice;
        OptionChangeError error;
        std::vector<std::string> nearest;
    } cases[] = {
        {GW_VOSK, TOOLFLAG_VALID, "RTC functon", "valid", OptionChangeError::UnknownLabel, {"RTC function"}},
        {GW_VOSK,
         TOOLFLAG_VALID,
         "PUSH type",
         "Type TEV",
         OptionChangeError::UnknownLabel,
         {"PUSH type(only Full mode)"}},
        {GW_NUB3GW, TOOLFLAG_VALID, "Fulltime Fan run", "valid", OptionChangeError::UnknownLabel, {}},
        {GW_VOSK,
         EXTENDED,
         "Bit5",
         "ON",
         OptionChangeError::AmbiguousLabel,
         {"ExtParam1:Bit5", "ExtParam2:Bit5"}},
        {GW_VOSK, TOOLFLAG_VALID, "RTC function", "vaild", OptionChangeError::UnknownChoice, {"valid"}},
        {GW_DRAVO,
         TOOLFLAG_VALID,
         "unit velocity(Only Direct Indication Mode)",
         "0.1mm/s",
         OptionChangeError::DisabledRow,
         {}},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.AxisMode.fill(0xFFFF);
        image.Word(GMOD) = 0x0100;
        SMainFlags flags;
        const auto result =
            ChangeOptionRow(image, ProgramOf(c.type, c.flags), FullAxes(false), flags, c.label, c.choice);
        EXPECT_EQ(result.error, c.error) << c.label;
        // The nearest names come first; a shown label or choice is always offered.
        ASSERT_GE(result.nearest.size(), c.nearest.size()) << c.label;
        EXPECT_EQ(std::vector<std::string>(result.nearest.begin(), result.nearest.begin() + c.nearest.size()),
                  c.nearest)
            << c.label;
        EXPECT_EQ(image.Word(GMOD), 0x0100) << c.label;
        EXPECT_EQ(image.ExtParam1, 0) << c.label;
        EXPECT_EQ(image.ExtParam2, 0) << c.label;
        EXPECT_FALSE(flags.specialParamsModified) << c.label;
    }
}

}  // namespace
