#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/texts/UiText.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/image/ParameterImage.h"

namespace {

std::vector<std::string> ListedNames(GwType type) {
    std::vector<std::string> names;
    for (const auto& entry : ListedNetworkTypes(type))
        names.emplace_back(UiText[static_cast<std::size_t>(entry.textIndex)]);
    return names;
}

TEST(NetworkTypeTable, KavelisListsSixNetworks) {
    EXPECT_EQ(ListedNames(GW_KAVELIS), (std::vector<std::string>{"Profibus-DP", "DeviceNet", "CC-Link",
                                                                 "RS485", "EtherNet/IP", "PROFINET IO"}));
}

TEST(NetworkTypeTable, EveryOtherTypeListsTheSameTwelve) {
    const std::vector<std::string> expected = {
        "Profibus-DP", "DeviceNet", "CC-Link",          "RS485",       "CompoNet", "MECHATROLINK", "EtherCAT",
        "EtherNet/IP", "PIO",       "MECHATROLINK III", "PROFINET IO", "<None>"};
    for (const GwType type : {GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC})
        EXPECT_EQ(ListedNames(type), expected) << type;
}

struct SPositionCase {
    std::uint16_t ntyp;
    int kavelis;  // -1: not listed
    int others;
};

TEST(NetworkTypeTable, ListedPositionsBothWays) {
    // clang-format off
    const std::vector<SPositionCase> cases = {
        {NTYP_PROFIBUS_DP, 0, 0},  {NTYP_DEVICENET, 1, 1},     {NTYP_CCLINK_PLAIN, 2, 2},
        {NTYP_CCLINK_V1, 2, 2},    {NTYP_CCLINK_V2, 2, 2},     {NTYP_RS485, 3, 3},
        {NTYP_COMPONET, -1, 4},    {NTYP_MECHATROLINK, -1, 5}, {NTYP_ETHERCAT, -1, 6},
        {NTYP_ETHERNET_IP, 4, 7},  {NTYP_PIO, -1, 8},          {NTYP_MECHATROLINK3, -1, 9},
        {NTYP_PROFINET_IO, 5, 10}, {NTYP_NONE, -1, 11},        {0x1234, -1, -1},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ListedPositionOf(c.ntyp, GW_KAVELIS).value_or(-1), c.kavelis) << std::hex << c.ntyp;
        EXPECT_EQ(ListedPositionOf(c.ntyp, GW_VOSK).value_or(-1), c.others) << std::hex << c.ntyp;
        if (c.others >= 0 && c.ntyp != NTYP_CCLINK_PLAIN && c.ntyp != NTYP_CCLINK_V2) {
            EXPECT_EQ(NetworkCodeAtListed(c.others, GW_DRAVO), c.ntyp);
        }
    }
    EXPECT_FALSE(NetworkCodeAtListed(6, GW_KAVELIS).has_value());
    EXPECT_FALSE(NetworkCodeAtListed(-1, GW_VOSK).has_value());
}

TEST(NetworkTypeTable, CcLinkCodesAndIllegalCodes) {
    EXPECT_TRUE(IsCcLink(0x0090));
    EXPECT_TRUE(IsCcLink(0xFF90));
    EXPECT_TRUE(IsCcLink(0xFF91));
    EXPECT_FALSE(IsCcLink(0xFF92));
    EXPECT_EQ(FindNetworkType(0x0090), FindNetworkType(0xFF90));
    ASSERT_NE(FindNetworkType(0xFF91), nullptr);
    EXPECT_EQ(FindNetworkType(0xFF91)->textIndex, 25);
    EXPECT_EQ(FindNetworkType(0x0000), nullptr);
    EXPECT_EQ(FindNetworkType(0x0086), nullptr);
}

TEST(NetworkTypeTable, StationAddressDomains) {
    struct SCase {
        std::uint16_t ntyp;
        int first;
        int last;
    };
    const std::vector<SCase> listed = {{NTYP_PROFIBUS_DP, 1, 125},  {NTYP_DEVICENET, 0, 63},
                                       {NTYP_CCLINK_V1, 1, 64},     {NTYP_CCLINK_PLAIN, 1, 64},
                                       {NTYP_COMPONET, 0, 63},      {NTYP_MECHATROLINK, 97, 127},
                                       {NTYP_MECHATROLINK3, 3, 239}};
    for (const auto& c : listed) {
        const auto domain = StationAddressDomainOf(c.ntyp);
        ASSERT_TRUE(domain.has_value()) << std::hex << c.ntyp;
        EXPECT_EQ(domain->first, c.first);
        EXPECT_EQ(domain->last, c.last);
    }
    for (const auto ntyp :
         {NTYP_ETHERCAT, NTYP_RS485, NTYP_ETHERNET_IP, NTYP_PIO, NTYP_PROFINET_IO, NTYP_NONE})
        EXPECT_FALSE(StationAddressDomainOf(ntyp).has_value()) << std::hex << ntyp;
}

TEST(AxisModeTable, DravoEntriesInOrder) {
    struct SCase {
        const char* name;
        std::uint16_t code;
        std::uint16_t size;
        std::uint16_t group;
        std::uint16_t types;
    };
    // clang-format off
    const std::vector<SCase> named = {
        {"Undefined", 0xFFFF, 0, 0xFFFF, 0xFFFF},        {"Positioner1", 0x0001, 0x40, 1, 0x0F},
        {"Positioner2", 0x0010, 0x20, 1, 0x0F},          {"Positioner3", 0x0020, 0x10, 1, 0x0E},
        {"Direct Indication1", 0x0003, 0x80, 1, 0x0F},   {"Direct Indication2", 0x0005, 0x80, 1, 0x04},
        {"Simple Direct", 0x0000, 0x40, 1, 0x0F},        {"RemoteI/O", 0x0031, 0x10, 2, 0x0C},
    };
    // clang-format on
    for (std::size_t i = 0; i < named.size(); ++i) {
        const auto& e = AxisModeTable[i];
        EXPECT_EQ(UiText[e.textIndex], named[i].name);
        EXPECT_EQ(e.code, named[i].code);
        EXPECT_EQ(e.codeAgain, named[i].code);
        EXPECT_EQ(e.sizeCode, named[i].size);
        EXPECT_EQ(e.dravoGroup, named[i].group);
        EXPECT_EQ(e.zero, 0);
        EXPECT_EQ(e.gwTypes, named[i].types);
    }
    const std::vector<std::uint16_t> unnamed = {0x0011, 0x0012, 0x0030, 0x0004, 0x0040, 0x0041, 0x0042};
    for (std::size_t i = 0; i < unnamed.size(); ++i) {
        const auto& e = AxisModeTable[named.size() + i];
        EXPECT_EQ(e.code, unnamed[i]);
        EXPECT_EQ(e.gwTypes, 0);
        EXPECT_TRUE(UiText[e.textIndex].empty());
    }
    EXPECT_TRUE(IsNibbleSize(AxisModeTable[10].sizeCode));
    EXPECT_FALSE(IsNibbleSize(AxisModeTable[3].sizeCode));
}

TEST(ParameterImageState, ResetClearsEverythingButSlotCount) {
    ParameterImage image;
    image.GwConfigBlock.fill(0x1234);
    image.AxisMode.fill(0x0003);
    image.UnitNo = 1;
    image.MDRP = MDRP_ENABLED;
    image.ExtParam2 = 0x0400;
    image.ProfinetInfo[3] = 7;
    image.SlaveIdWord = 9;
    image.AxisCount = 4;
    image.RecountPending = true;
    image.SlotCount = 6;
    ResetParameterImage(image);
    ParameterImage expected;
    expected.SlotCount = 6;
    EXPECT_EQ(image.GwConfigBlock, expected.GwConfigBlock);
    EXPECT_EQ(image.AxisMode, expected.AxisMode);
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_EQ(image.MDRP, 0u);
    EXPECT_EQ(image.ExtParam2, 0);
    EXPECT_EQ(image.ProfinetInfo, expected.ProfinetInfo);
    EXPECT_EQ(image.SlaveIdWord, 0u);
    EXPECT_EQ(image.AxisCount, 0);
    EXPECT_FALSE(image.RecountPending);
    EXPECT_EQ(image.SlotCount, 6);
}

TEST(ParameterImageState, SlotCountPerType) {
    struct SCase {
        GwType type;
        int unitAxes;
        int expected;
    };
    // clang-format off
    const std::vector<SCase> cases = {
        {GW_KAVELIS, 0, 16}, {GW_KAVELIS, 4, 16}, {GW_NUB3GW, 8, 4},   {GW_VOSK, 0, 8},   {GW_VOSK, 4, 4},
        {GW_VOSK, 12, 8},    {GW_VOSK_ML3, 0, 8}, {GW_VOSK_ML3, 6, 6}, {GW_DRAVO, 0, 6},  {GW_DRAVO, 4, 4},
        {GW_DRAVO, 20, 16},  {GW_VOSK_LC, 8, 0},  {GW_VOSK, -3, 8},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SlotCountOf(c.type, c.unitAxes), c.expected) << c.type << "/" << c.unitAxes;
}

}  // namespace
