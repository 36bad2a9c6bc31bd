#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <vector>

#include "core/params/image/IoBytes.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

ParameterImage ImageWithSlots(std::initializer_list<std::uint16_t> slots, int slotCount = 0) {
    ParameterImage image;
    image.AxisMode.fill(AXIS_NO_SLOT);
    std::size_t i = 0;
    for (const auto word : slots) image.AxisMode[i++] = word;
    image.SlotCount = slotCount;
    return image;
}

struct SIoCase {
    const char* name;
    GwType type;
    std::vector<std::uint16_t> slots;
    int slotCount;
    int expected;
};

void PrintTo(const SIoCase& c, std::ostream* os) {
    *os << c.name;
}

class IoBytesByType : public ::testing::TestWithParam<SIoCase> {};

TEST_P(IoBytesByType, BothDirectionsCarryTheAxisBytes) {
    const auto& c = GetParam();
    ParameterImage image = ImageWithSlots({}, c.slotCount);
    for (std::size_t i = 0; i < c.slots.size(); ++i) image.AxisMode[i] = c.slots[i];
    image.OutBytes = image.InBytes = -1;
    ComputeIoBytes(image, c.type);
    EXPECT_EQ(image.OutBytes, c.expected);
    EXPECT_EQ(image.InBytes, c.expected);
}

// clang-format off
const std::vector<SIoCase> ioCases = {
    {"VoskMixed", GW_VOSK, {0x0000, 0x0000, 0x0003, 0x0003, 0x0010, 0x0010, 0x0020, 0x0020}, 8, 60},
    {"VoskReservedLikePlain", GW_VOSK, {0x8000, 0x0001, 0x8003, 0x0003, 0x8010, 0x0010, 0x8020, 0x0020}, 8, 60},
    {"VoskTevBelowSlot4", GW_VOSK, {0x0030, 0x0030, 0x0030, 0x0030}, 8, 2},
    {"VoskTevLastAtSlot4", GW_VOSK, {0x0030, 0x0030, 0x0030, 0x0030, 0x0030}, 8, 4},
    {"VoskTevUpToSlot5", GW_VOSK, {0x0030, 0x0030, 0x0030, 0x0030, 0x0030, 0x0030}, 8, 4},
    {"VoskTevAssignsNotAdds", GW_VOSK, {0x0000, 0x0000, 0x8030}, 8, 2},
    {"VoskFillersCountNothing", GW_VOSK, {0x5FFF, 0x6FFF, 0x0040, 0x8041, 0x0031, 0x0005}, 8, 0},
    {"VoskWalksAllSixteen", GW_VOSK, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0x0001}, 8, 8},
    {"Nub3Slots", GW_NUB3GW, {0x0000, 0x8003, 0x0010, 0x0031}, 4, 30},
    {"Nub3OnlyFirstFour", GW_NUB3GW, {0x0020, 0x0020, 0x0020, 0x0020, 0x0001}, 4, 8},
    {"Nub3IgnoresFull2", GW_NUB3GW, {0x0005, 0x8031}, 4, 2},
    {"DravoFull2Counts", GW_DRAVO, {0x0005, 0x8005, 0x0001, 0x0001}, 6, 48},
    {"DravoOnlySlotCount", GW_DRAVO, {0x0031, 0x0031, 0x0031, 0x0031, 0x0031, 0x0031, 0x0031}, 6, 12},
    {"DravoRemoteIo", GW_DRAVO, {0x0031, 0x8031}, 2, 4},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Types, IoBytesByType, ::testing::ValuesIn(ioCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SLcCase {
    std::uint16_t ntyp;
    int expected;
};

TEST(IoBytesVoskLc, FixedByNetwork) {
    // clang-format off
    const std::vector<SLcCase> cases = {
        {NTYP_PROFIBUS_DP, 8}, {NTYP_DEVICENET, 8}, {NTYP_PROFINET_IO, 8}, {NTYP_ETHERNET_IP, 8},
        {NTYP_COMPONET, 8},    {NTYP_ETHERCAT, 32}, {NTYP_MECHATROLINK, 32}, {NTYP_RS485, 0},
        {NTYP_NONE, 0},        {NTYP_CCLINK_V1, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        ParameterImage image = ImageWithSlots({0x0003, 0x0003});
        image.Word(NTYP) = c.ntyp;
        ComputeIoBytes(image, GW_VOSK_LC);
        EXPECT_EQ(image.OutBytes, c.expected) << std::hex << c.ntyp;
        EXPECT_EQ(image.InBytes, c.expected) << std::hex << c.ntyp;
    }
}

TEST(IoBytesKeep, KavelisAndVoskMl3KeepTheirValues) {
    for (const GwType type : {GW_KAVELIS, GW_VOSK_ML3}) {
        ParameterImage image = ImageWithSlots({0x0003, 0x0003});
        image.OutBytes = 32;
        image.InBytes = 48;
        ComputeIoBytes(image, type);
        EXPECT_EQ(image.OutBytes, 32);
        EXPECT_EQ(image.InBytes, 48);
    }
}

struct SKavCase {
    int w4n;
    int w8n;
    std::uint16_t slot0;
    int expected;
};

TEST(KavelisDataSize, FollowsArrangementOfSlot0) {
    // clang-format off
    const std::vector<SKavCase> cases = {
        {3, 2, 0x0001, 72}, {3, 2, 0x0011, 44}, {3, 2, 0x8012, 44}, {3, 2, 0x8010, 44},
        {0, 0, 0xFFFF, 16}, {16, 0, 0x3FFF, 144}, {16, 0, 0x4FFF, 144}, {0, 8, 0x0003, 144},
    };
    // clang-format on
    for (const auto& c : cases) {
        ParameterImage image;
        image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
        image.Word(W8N) = static_cast<std::uint16_t>(c.w8n);
        image.AxisMode[0] = c.slot0;
        EXPECT_EQ(KavelisDataSize(image, IsKavelis2WArrangement(c.slot0)), c.expected)
            << c.w4n << "/" << c.w8n << " slot0 " << std::hex << c.slot0;
    }
}

TEST(EtherCatSize, RoundsToTheBlockSizes) {
    const std::vector<std::pair<int, int>> cases = {{16, 32},   {32, 32},   {33, 64},   {66, 80},
                                                    {81, 112},  {112, 112}, {113, 144}, {144, 144},
                                                    {145, 145}, {200, 200}};
    for (const auto& [in, out] : cases) EXPECT_EQ(RoundEtherCatSize(in), out) << in;
    EXPECT_EQ(EtherCatMaxSize(GW_VOSK), 144);
    EXPECT_EQ(EtherCatMaxSize(GW_VOSK_ML3), 144);
    EXPECT_EQ(EtherCatMaxSize(GW_NUB3GW), 80);
    EXPECT_EQ(EtherCatMaxSize(GW_DRAVO), 112);
    EXPECT_FALSE(EtherCatMaxSize(GW_KAVELIS).has_value());
}

}  // namespace
