#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/params/display/DisplayNormalize.h"
#include "core/params/image/NetworkTypeTable.h"
#include "tests/support/ScriptedHost.h"

namespace {

using Words = std::vector<std::uint16_t>;

std::array<std::uint16_t, 16> Expand(const Words& words) {
    std::array<std::uint16_t, 16> all{};
    all.fill(AXIS_NO_SLOT);
    for (std::size_t i = 0; i < words.size(); ++i) all[i] = words[i];
    return all;
}

struct SNormCase {
    const char* name;
    GwType type;
    std::uint16_t ntyp;
    int axisCount;
    int ioAxisCount;
    int w4n;
    int w8n;
    int finx;
    Words before;
    Words after;
};

void PrintTo(const SNormCase& c, std::ostream* os) {
    *os << c.name;
}

class NormalizeCases : public ::testing::TestWithParam<SNormCase> {};

TEST_P(NormalizeCases, Words) {
    const auto& c = GetParam();
    ParameterImage image;
    image.Word(NTYP) = c.ntyp;
    image.AxisCount = c.axisCount;
    image.IoAxisCount = c.ioAxisCount;
    image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
    image.Word(W8N) = static_cast<std::uint16_t>(c.w8n);
    image.Word(FINX) = static_cast<std::uint16_t>(c.finx);
    image.AxisMode = Expand(c.before);
    SProgramValues program;
    program.SelectedGwType = c.type;
    ScriptedHost host;
    NormalizeAxisWords(image, program, host, {});
    EXPECT_EQ(image.AxisMode, Expand(c.after));
    EXPECT_TRUE(host.boxes.empty());
}

// clang-format off
const std::vector<SNormCase> normCases = {
    {"VoskNotSet", GW_VOSK, NTYP_PROFIBUS_DP, 4, 0, 4, 0, 3, {0x0001, 0x0001}, {0x0001, 0x0001, 0x5FFF, 0x5FFF}},
    {"VoskTevFiller", GW_VOSK, NTYP_PROFIBUS_DP, 4, 2, 4, 0, 3, {0x0030, 0x0030}, {0x0030, 0x0030, 0x0030, 0x0030}},
    {"VoskServoFiller", GW_VOSK, NTYP_MECHATROLINK3, 2, 2, 2, 0, 1, {}, {0x0040, 0x0040}},
    {"VoskPoint3OnCompoNet", GW_VOSK, NTYP_COMPONET, 2, 0, 2, 0, 1, {}, {0x0020, 0x0020}},
    {"VoskPoint3OnMechatrolink", GW_VOSK, NTYP_MECHATROLINK, 2, 0, 2, 0, 1, {0xFFFF, 0x0001}, {0x0020, 0x0001}},
    {"VoskClearsBeyondCount", GW_VOSK, NTYP_DEVICENET, 2, 0, 2, 0, 1, {0x0001, 0x0001, 0x0003, 0x0003}, {0x0001, 0x0001}},
    {"Nub3RemoteFiller", GW_NUB3GW, NTYP_DEVICENET, 3, 1, 3, 0, 2, {0x0031}, {0x0031, 0x0031, 0x0031}},
    {"Nub3NotSet", GW_NUB3GW, NTYP_DEVICENET, 2, 0, 2, 0, 1, {0x0000, 0xFFFF, 0x0001}, {0x0000, 0x5FFF}},
    {"Ml3ServoFiller", GW_VOSK_ML3, NTYP_MECHATROLINK3, 4, 4, 4, 0, 3, {0x8041, 0xFFFF, 0x0003}, {0x8041, 0x0040, 0x0003, 0x0040}},
    {"VoskLcAllEmpty", GW_VOSK_LC, NTYP_DEVICENET, 0, 0, 0, 0, 0, {0x0001, 0x0001}, {}},
    {"KavelisFullPairAfterGroup", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 2, 1, 3, {0x0003, 0x0004}, {0x3FFF, 0x3FFF, 0x0003, 0x0004}},
    {"KavelisReservedPairKept", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 1, 2, 4, {0x0001, 0x8003, 0x0004, 0x0003, 0x0004},
     {0x0001, 0x8003, 0x0004, 0x0003, 0x0004}},
    {"KavelisSecondPairReserveFollowsItsPair", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 2, 2, 5,
     {0x0001, 0x0003, 0x0004, 0x8003, 0x0004}, {0x0001, 0x3FFF, 0x0003, 0x0004, 0x8003, 0x0004}},
    {"KavelisReserveFollowsOldPair", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 2, 1, 3, {0x8003, 0x0004},
     {0x3FFF, 0x3FFF, 0x8003, 0x0004}},
    {"Kavelis2WGroupUntouched", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 3, 0, 2, {0x0010, 0x4FFF, 0x8011, 0x0001},
     {0x0010, 0x4FFF, 0x8011}},
    {"KavelisEmptyGroupSlot", GW_KAVELIS, NTYP_DEVICENET, 0, 0, 2, 0, 1, {0x0000}, {0x0000, 0x3FFF}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Types, NormalizeCases, ::testing::ValuesIn(normCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SDravoCase {
    bool rulesHold;
    bool recountPending;
    bool messageExpected;
};

TEST(NormalizeDravo, IllegalUnitsAreClearedAndReportedOnlyAfterRead) {
    const std::vector<SDravoCase> cases = {{true, true, false}, {false, false, false}, {false, true, true}};
    for (const auto& c : cases) {
        ParameterImage image;
        image.SlotCount = 6;
        image.AxisMode = Expand({0x0031, 0x0031, 0x0001, 0x0001});
        image.AxisCount = 4;
        image.IoAxisCount = 2;
        image.Word(W4N) = 4;
        image.Word(FINX) = 3;
        image.DravoMode = 2;
        image.RecountPending = c.recountPending;
        SProgramValues program;
        program.SelectedGwType = GW_DRAVO;
        ScriptedHost host;
        NormalizeAxisWords(image, program, host, [&](const ParameterImage&) { return c.rulesHold; });
        SCOPED_TRACE(testing::Message() << c.rulesHold << c.recountPending);
        EXPECT_FALSE(image.RecountPending);
        if (c.rulesHold) {
            EXPECT_EQ(image.AxisCount, 4);
            EXPECT_EQ(image.AxisMode, Expand({0x0031, 0x0031, 0x0001, 0x0001}));
        } else {
            EXPECT_EQ(image.AxisCount, 0);
            EXPECT_EQ(image.IoAxisCount, 0);
            EXPECT_EQ(image.Word(W4N), 0);
            EXPECT_EQ(image.AxisMode, Expand({}));
            EXPECT_EQ(image.DravoMode, c.recountPending ? 1 : 2);
        }
        ASSERT_EQ(host.boxes.size(), c.messageExpected ? 1u : 0u);
        if (c.messageExpected) {
            EXPECT_EQ(host.boxes[0].text,
                      "An illegal operation mode was specified.\r\nIt returns to a default value.");
            EXPECT_EQ(host.boxes[0].style, MB_ICON_WARNING);
        }
    }
}

}  // namespace
