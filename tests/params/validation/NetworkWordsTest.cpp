#include <gtest/gtest.h>

#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/ValidationNetworkWords.h"
#include "tests/support/TestCaseName.h"

namespace {

constexpr std::uint16_t KEPT = 0x0999;  // preset of words a network leaves alone

struct SDerive {
    const char* what;
    GwType type;
    std::uint16_t ntyp;
    int out;
    int in;
    std::uint16_t dszo;
    std::uint16_t dszi;
    std::uint16_t nmod;
    std::uint16_t dbps;
    int dszIndex = 0;
};

ParameterImage ImageFor(const SDerive& c) {
    ParameterImage image;
    image.AxisMode.fill(AXIS_NO_SLOT);
    image.Word(NTYP) = c.ntyp;
    image.OutBytes = c.out;
    image.InBytes = c.in;
    image.Word(DSZO) = image.Word(DSZI) = image.Word(NMOD) = image.Word(DBPS) = image.Word(DADR) = KEPT;
    return image;
}

class DeriveNetworkWordsTable : public testing::TestWithParam<SDerive> {};

TEST_P(DeriveNetworkWordsTable, SetsModuleSizesAndBaud) {
    const auto& c = GetParam();
    ParameterImage image = ImageFor(c);
    DeriveNetworkWords(image, c.type, c.dszIndex);
    EXPECT_EQ(image.Word(DSZO), c.dszo);
    EXPECT_EQ(image.Word(DSZI), c.dszi);
    EXPECT_EQ(image.Word(NMOD), c.nmod);
    EXPECT_EQ(image.Word(DBPS), c.dbps);
    EXPECT_EQ(image.Word(NTYP), c.ntyp);
    EXPECT_EQ(image.Word(DADR), c.ntyp == NTYP_RS485 ? 63 : KEPT);
}

INSTANTIATE_TEST_SUITE_P(
    Networks, DeriveNetworkWordsTable,
    testing::Values(
        SDerive{"PROFIBUS rounds to 4", GW_VOSK, NTYP_PROFIBUS_DP, 18, 5, 36, 24, 1, 0},
        SDerive{"PROFIBUS VOSK-LC plain", GW_VOSK_LC, NTYP_PROFIBUS_DP, 8, 8, 8, 8, 1, 0},
        SDerive{"DeviceNet +16", GW_NUB3GW, NTYP_DEVICENET, 10, 6, 26, 22, 2, 0},
        SDerive{"PROFINET +16", GW_DRAVO, NTYP_PROFINET_IO, 20, 20, 36, 36, 18, 0},
        SDerive{"PROFINET MLIII keeps", GW_VOSK_ML3, NTYP_PROFINET_IO, 20, 20, KEPT, KEPT, 18, 0},
        SDerive{"EtherNet/IP +16", GW_NUB3GW, NTYP_ETHERNET_IP, 4, 4, 20, 20, 12, 0},
        SDerive{"EtherCAT to 32", GW_VOSK, NTYP_ETHERCAT, 10, 10, 32, 32, 16, 0},
        SDerive{"EtherCAT to 80", GW_NUB3GW, NTYP_ETHERCAT, 50, 50, 80, 80, 16, 0},
        SDerive{"EtherCAT over NUB3 max", GW_NUB3GW, NTYP_ETHERCAT, 70, 50, 86, 80, 16, 0},
        SDerive{"EtherCAT to 144", GW_VOSK, NTYP_ETHERCAT, 100, 100, 144, 144, 16, 0},
        SDerive{"EtherCAT over DRAVO max", GW_DRAVO, NTYP_ETHERCAT, 100, 90, 116, 112, 16, 0},
        SDerive{"EtherCAT VOSK-LC plain", GW_VOSK_LC, NTYP_ETHERCAT, 32, 32, 32, 32, 16, 0},
        SDerive{"EtherCAT KAVELIS keeps", GW_KAVELIS, NTYP_ETHERCAT, 0, 0, KEPT, KEPT, 16, 0},
        SDerive{"None keeps", GW_VOSK, NTYP_NONE, 8, 8, KEPT, KEPT, 19, KEPT},
        SDerive{"None VOSK-LC plain", GW_VOSK_LC, NTYP_NONE, 0, 0, 0, 0, 19, KEPT},
        SDerive{"RS485 +16, station 63", GW_VOSK, NTYP_RS485, 8, 8, 24, 24, 10, KEPT},
        SDerive{"PIO changes nothing", GW_VOSK, NTYP_PIO, 8, 8, KEPT, KEPT, KEPT, KEPT},
        SDerive{"PIO VOSK-LC plain", GW_VOSK_LC, NTYP_PIO, 0, 0, 0, 0, KEPT, KEPT},
        SDerive{"CompoNet +16", GW_VOSK, NTYP_COMPONET, 2, 2, 18, 18, 14, 0},
        SDerive{"CompoNet KAVELIS keeps", GW_KAVELIS, NTYP_COMPONET, 0, 0, KEPT, KEPT, 14, 0},
        SDerive{"MECHATROLINK", GW_VOSK, NTYP_MECHATROLINK, 16, 16, 32, 32, 15, 2},
        SDerive{"MECHATROLINK III 32", GW_VOSK_ML3, NTYP_MECHATROLINK3, 0, 0, 32, 32, 17, 0, 0},
        SDerive{"MECHATROLINK III 48", GW_VOSK_ML3, NTYP_MECHATROLINK3, 0, 0, 48, 48, 17, 0, 1},
        SDerive{"MECHATROLINK III bad index", GW_VOSK_LC, NTYP_MECHATROLINK3, 0, 0, 32, 32, 17, 0, 7},
        SDerive{"MECHATROLINK III KAVELIS", GW_KAVELIS, NTYP_MECHATROLINK3, 0, 0, KEPT, KEPT, 17, 0, 1},
        SDerive{"unknown network", GW_VOSK, 0x1234, 8, 8, KEPT, KEPT, KEPT, KEPT}),
    [](const auto& info) { return TestCaseName(info.param.what); });

TEST(DeriveNetworkWords, KavelisSizeFollowsTheArrangementOfSlot0) {
    for (auto [slot0, size] : {std::pair{std::uint16_t{0x0001}, 72}, std::pair{std::uint16_t{0x0011}, 44},
                               std::pair{std::uint16_t{0x8010}, 44}}) {
        ParameterImage image;
        image.Word(NTYP) = NTYP_DEVICENET;
        image.Word(W4N) = 3;
        image.Word(W8N) = 2;
        image.AxisMode[0] = slot0;
        DeriveNetworkWords(image, GW_KAVELIS, 0);
        EXPECT_EQ(image.Word(DSZO), size);
        EXPECT_EQ(image.Word(DSZI), size);
    }
}

struct SCcLink {
    const char* what;
    GwType type;
    std::uint16_t ntyp;
    int out;
    int in;
    std::uint16_t dbps;
    std::uint16_t ntypAfter;
    std::uint16_t dsziAfter;
    std::uint16_t dbpsAfter;
    std::uint16_t nmodAfter;
};

TEST(DeriveNetworkWords, CcLinkChoosesVersionExtendedCyclicAndStations) {
    const SCcLink cases[] = {
        {"40 each way", GW_VOSK, NTYP_CCLINK_V1, 40, 40, 0x0003, NTYP_CCLINK_V2, 0x80, 0x13, 7},
        {"small output", GW_VOSK, NTYP_CCLINK_V2, 16, 40, 0x0012, NTYP_CCLINK_V1, 0x00, 0x32, 6},
        {"small input", GW_NUB3GW, NTYP_CCLINK_PLAIN, 40, 32, 0x0001, NTYP_CCLINK_V1, 0x00, 0x31, 6},
        {"octuple", GW_VOSK, NTYP_CCLINK_V1, 80, 80, 0x0004, NTYP_CCLINK_V2, 0xC0, 0x14, 7},
        {"one side octuple", GW_DRAVO, NTYP_CCLINK_V1, 20, 100, 0x0000, NTYP_CCLINK_V2, 0xC0, 0x10, 7},
        {"too large", GW_DRAVO, NTYP_CCLINK_PLAIN, 200, 200, 0x0002, NTYP_CCLINK_PLAIN, KEPT, 0x0002, KEPT},
        {"VOSK-LC one station", GW_VOSK_LC, NTYP_CCLINK_PLAIN, 0, 0, 0x0034, NTYP_CCLINK_V1, 0x00, 0x04, 6},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.Word(NTYP) = c.ntyp;
        image.OutBytes = c.out;
        image.InBytes = c.in;
        image.Word(DBPS) = c.dbps;
        image.Word(DSZO) = image.Word(DSZI) = image.Word(NMOD) = KEPT;
        DeriveNetworkWords(image, c.type, 0);
        EXPECT_EQ(image.Word(NTYP), c.ntypAfter) << c.what;
        EXPECT_EQ(image.Word(DSZO), c.dsziAfter == KEPT ? KEPT : 0) << c.what;
        EXPECT_EQ(image.Word(DSZI), c.dsziAfter) << c.what;
        EXPECT_EQ(image.Word(DBPS), c.dbpsAfter) << c.what;
        EXPECT_EQ(image.Word(NMOD), c.nmodAfter) << c.what;
    }
}

TEST(CcLinkSettingFor, KavelisByLastAxisIndexAndArrangement) {
    struct SCase {
        std::uint16_t slot0;
        std::uint16_t finx;
        CcLinkSetting setting;
    };
    const SCase cases[] = {
        {0x0010, 7, CcLinkSetting::Ver1},           {0x0010, 8, CcLinkSetting::Ver2Quadruple},
        {0x4FFF, 15, CcLinkSetting::Ver2Quadruple}, {0x8012, 16, CcLinkSetting::NoFit},
        {0x0001, 3, CcLinkSetting::Ver1},           {0x0001, 4, CcLinkSetting::Ver2Quadruple},
        {0x0000, 7, CcLinkSetting::Ver2Quadruple},  {0x3FFF, 8, CcLinkSetting::Ver2Octuple},
        {0x0001, 15, CcLinkSetting::Ver2Octuple},   {0x0001, 16, CcLinkSetting::NoFit},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.AxisMode[0] = c.slot0;
        image.Word(FINX) = c.finx;
        EXPECT_EQ(CcLinkSettingFor(image, GW_KAVELIS), c.setting)
            << std::hex << c.slot0 << std::dec << " " << c.finx;
    }
}

TEST(CcLinkSettingFor, KavelisOctupleWritesC0) {
    ParameterImage image;
    image.Word(NTYP) = NTYP_CCLINK_V1;
    image.AxisMode[0] = 0x0001;
    image.Word(FINX) = 9;
    DeriveNetworkWords(image, GW_KAVELIS, 0);
    EXPECT_EQ(image.Word(NTYP), NTYP_CCLINK_V2);
    EXPECT_EQ(image.Word(DSZI), 0xC0);
}

}  // namespace
