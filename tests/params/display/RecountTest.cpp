#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/params/display/DisplayRecount.h"
#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/display/Fixture.h"

namespace {

struct SRecountCase {
    const char* name;
    GwType type;
    std::uint16_t ntyp;
    std::vector<std::uint16_t> slots;
    int w4n;
    bool pending;
    int axisCount;
    int ioAxisCount;
    int w4nAfter;
    int w1nIndex;
    bool w1nEnabled;
    int b4nIndex;
    bool b4nEnabled;
};

void PrintTo(const SRecountCase& c, std::ostream* os) {
    *os << c.name;
}

class RecountCases : public ::testing::TestWithParam<SRecountCase> {};

TEST_P(RecountCases, CountsAndCombos) {
    const auto& c = GetParam();
    SDisplayFixture w(c.type);
    w.Slots({});
    for (std::size_t i = 0; i < c.slots.size(); ++i) w.image.AxisMode[i] = c.slots[i];
    w.image.Word(NTYP) = c.ntyp;
    w.image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
    w.image.Word(FINX) = 0;
    w.image.RecountPending = c.pending;
    w.image.AxisCount = c.pending ? -1 : c.w4n;
    RecountAxes(w.image, w.form, w.program);
    EXPECT_FALSE(w.image.RecountPending);
    EXPECT_EQ(w.image.AxisCount, c.axisCount);
    EXPECT_EQ(w.image.IoAxisCount, c.ioAxisCount);
    EXPECT_EQ(w.image.Word(W4N), c.w4nAfter);
    EXPECT_EQ(w.form.cbW1N.index, c.w1nIndex);
    EXPECT_EQ(w.form.cbW1N.enabled, c.w1nEnabled);
    EXPECT_EQ(w.form.cbB4N.index, c.b4nIndex);
    EXPECT_EQ(w.form.cbB4N.enabled, c.b4nEnabled);
}

// clang-format off
const std::vector<SRecountCase> recountCases = {
    {"VoskTevAxes", GW_VOSK, NTYP_DEVICENET, {0x0030, 0x0030, 0x0030, 0x0030}, 4, true, 4, 4, 4, 0, false, 2, true},
    {"VoskModeAxes", GW_VOSK, NTYP_DEVICENET, {0x0001, 0x8001, 0x0010, 0x0010, 0x0020, 0x0020}, 6, true, 6, 0, 6, 3,
     true, 0, false},
    {"VoskW4NWins", GW_VOSK, NTYP_DEVICENET, {0x0001, 0x0001, 0x0001, 0x0001}, 2, true, 2, 0, 2, 1, true, 0, false},
    {"VoskW4NTooLarge", GW_VOSK, NTYP_DEVICENET, {0x0003, 0x0003, 0x0000, 0x0000}, 12, true, 4, 0, 4, 2, true, 0, false},
    {"VoskNothing", GW_VOSK, NTYP_DEVICENET, {}, 0, true, 0, 0, 0, 0, true, 0, true},
    {"VoskPioClears", GW_VOSK, NTYP_PIO, {0x0001, 0x0001}, 2, true, 0, 0, 0, 0, false, 0, true},
    {"VoskMl3NetworkClears", GW_VOSK, NTYP_MECHATROLINK3, {0x0001, 0x0001}, 2, true, 0, 0, 0, 0, false, 0, true},
    {"VoskServoCountsAsIo", GW_VOSK, NTYP_MECHATROLINK3, {0x0040, 0x8041}, 2, true, 2, 2, 2, 0, false, 1, true},
    {"VoskWithoutRecount", GW_VOSK, NTYP_DEVICENET, {0x0030, 0x0030}, 2, false, 2, 0, 2, 1, true, 0, false},
    {"Nub3Single", GW_NUB3GW, NTYP_DEVICENET, {0x0001, 0x0003, 0x0020}, 3, true, 3, 0, 3, 3, true, 0, false},
    {"Nub3Remote", GW_NUB3GW, NTYP_DEVICENET, {0x0031, 0x8031}, 2, true, 2, 2, 2, 0, false, 2, true},
    {"Nub3PioKeeps", GW_NUB3GW, NTYP_PIO, {0x0001}, 1, true, 1, 0, 1, 1, true, 0, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Types, RecountCases, ::testing::ValuesIn(recountCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SKavCombosCase {
    int w4n;
    int w8n;
    std::uint16_t slot0;
    int w4nItems;
    int w8nItems;
    int w4nIndex;
    int w8nIndex;
    int w2nIndex;
    bool w4nEnabled;
    bool w2nEnabled;
};

TEST(RecountKavelis, SlotCountCombos) {
    // clang-format off
    const std::vector<SKavCombosCase> cases = {
        {3, 2, 0x0001, 13, 7, 3, 2, 0, true, false},
        {0, 0, 0xFFFF, 17, 9, 0, 0, 0, true, true},
        {4, 0, 0x0010, 17, 7, 0, 0, 4, false, true},
        {4, 0, 0x4FFF, 17, 7, 0, 0, 4, false, true},
        {4, 0, 0x3FFF, 17, 7, 4, 0, 0, true, false},
        {0, 8, 0x0003, 1, 9, 0, 8, 0, true, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SDisplayFixture w(GW_KAVELIS);
        w.image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
        w.image.Word(W8N) = static_cast<std::uint16_t>(c.w8n);
        w.image.AxisMode[0] = c.slot0;
        RecountAxes(w.image, w.form, w.program);
        SCOPED_TRACE(testing::Message() << c.w4n << "/" << c.w8n << " " << std::hex << c.slot0);
        EXPECT_EQ(w.form.cbW4N.items.size(), static_cast<std::size_t>(c.w4nItems));
        EXPECT_EQ(w.form.cbW8N.items.size(), static_cast<std::size_t>(c.w8nItems));
        EXPECT_EQ(w.form.cbW2N.items.size(), 17u);
        EXPECT_EQ(w.form.cbW4N.index, c.w4nIndex);
        EXPECT_EQ(w.form.cbW8N.index, c.w8nIndex);
        EXPECT_EQ(w.form.cbW2N.index, c.w2nIndex);
        EXPECT_EQ(w.form.cbW4N.enabled, c.w4nEnabled);
        EXPECT_EQ(w.form.cbW8N.enabled, c.w4nEnabled);
        EXPECT_EQ(w.form.cbW2N.enabled, c.w2nEnabled);
    }
}

TEST(RecountDravo, ModeFollowsCountsAndRecountStaysForTheCheck) {
    SDisplayFixture w(GW_DRAVO);
    w.Slots({0x0031, 0x8031, 0x0031, 0x0031});
    w.image.Word(W4N) = 4;
    w.image.RecountPending = true;
    w.form.PanelReinitPending = false;
    RecountAxes(w.image, w.form, w.program);
    EXPECT_TRUE(w.image.RecountPending);
    EXPECT_TRUE(w.form.PanelReinitPending);
    EXPECT_EQ(w.image.AxisCount, 4);
    EXPECT_EQ(w.image.IoAxisCount, 4);
    EXPECT_EQ(w.image.DravoMode, 2);

    w.Slots({0x0001, 0x0005});
    w.image.Word(W4N) = 2;
    RecountAxes(w.image, w.form, w.program);
    EXPECT_EQ(w.image.IoAxisCount, 0);
    EXPECT_EQ(w.image.DravoMode, 1);
}

TEST(RecountVoskMl3, ComboAndAutoFillLabel) {
    struct SCase {
        bool extended;
        std::uint16_t extParam2;
        bool labelVisible;
    };
    for (const SCase c :
         {SCase{true, 0x0400, true}, SCase{false, 0x0400, false}, SCase{true, 0x0000, false}}) {
        SDisplayFixture w(GW_VOSK_ML3, 8, c.extended);
        w.Slots({0x0040, 0x8040, 0x0041, 0x0041, 0x0001, 0x0001});
        w.image.Word(W4N) = 4;
        w.image.ExtParam2 = c.extParam2;
        w.image.RecountPending = true;
        RecountAxes(w.image, w.form, w.program);
        EXPECT_EQ(w.image.AxisCount, 4);
        EXPECT_EQ(w.image.IoAxisCount, 4);
        EXPECT_EQ(w.form.ComboBox1.index, 2);
        EXPECT_EQ(w.form.lblStatAXSFT.visible, c.labelVisible);
    }
}

TEST(RecountVoskLc, AlwaysZero) {
    SDisplayFixture w(GW_VOSK_LC);
    w.image.Word(W4N) = 4;
    w.image.Word(FINX) = 3;
    w.image.AxisCount = 4;
    w.image.RecountPending = true;
    RecountAxes(w.image, w.form, w.program);
    EXPECT_EQ(w.image.AxisCount, 0);
    EXPECT_EQ(w.image.Word(W4N), 0);
    EXPECT_EQ(w.image.Word(FINX), 0);
    EXPECT_FALSE(w.image.RecountPending);
}

}  // namespace
