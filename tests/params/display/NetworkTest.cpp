#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/display/Fixture.h"

namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "|" : "") + items[i];
    return text;
}

struct SNetCase {
    const char* name;
    GwType type;
    int unitAxes;
    std::uint16_t ntyp;
    std::vector<std::uint16_t> slots;
    int w4n;
    int w8n;
    std::uint16_t dadr;
    std::uint16_t dbps;
    // expected
    int cbNTYP;
    const char* linpNTYP;
    const char* dbpsItems;
    bool dbpsGrey;
    int dbpsIndex;
    std::uint16_t dbpsAfter;
    int dadrItems;  // -1: cbDADR not checked (EtherCAT)
    const char* dadrFirst;
    bool dadrGrey;
    int dadrIndex;
    std::uint16_t dadrAfter;
    const char* label1;
    const char* label12;
    const char* label13;
};

void PrintTo(const SNetCase& c, std::ostream* os) {
    *os << c.name;
}

class NetworkContents : public ::testing::TestWithParam<SNetCase> {};

TEST_P(NetworkContents, FieldsAndSizes) {
    const auto& c = GetParam();
    SDisplayFixture w(c.type, c.unitAxes);
    w.hooks.dravoUnitRulesHold = [](const ParameterImage&) { return true; };
    w.Slots({});
    for (std::size_t i = 0; i < c.slots.size(); ++i) w.image.AxisMode[i] = c.slots[i];
    w.image.Word(NTYP) = c.ntyp;
    w.image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
    w.image.Word(W8N) = static_cast<std::uint16_t>(c.w8n);
    w.image.Word(FINX) = static_cast<std::uint16_t>(std::max(0, c.w4n + 2 * c.w8n - 1));
    w.image.Word(DADR) = c.dadr;
    w.image.Word(DBPS) = c.dbps;
    w.image.RecountPending = true;
    w.form.Label12.text = w.form.Label13.text = "previous";
    w.Refresh();
    const auto& f = w.form;
    EXPECT_EQ(f.cbNTYP.index, c.cbNTYP);
    EXPECT_EQ(f.linpNTYP.text, c.linpNTYP);
    EXPECT_EQ(Joined(f.cbDBPS.items), c.dbpsItems);
    EXPECT_EQ(f.cbDBPS.grey, c.dbpsGrey);
    EXPECT_EQ(f.cbDBPS.enabled, !c.dbpsGrey);
    EXPECT_EQ(f.cbDBPS.index, c.dbpsIndex);
    EXPECT_EQ(w.image.Word(DBPS), c.dbpsAfter);
    if (c.dadrItems >= 0) {
        EXPECT_TRUE(f.cbDADR.visible);
        EXPECT_FALSE(f.edDADR.visible);
        ASSERT_EQ(f.cbDADR.items.size(), static_cast<std::size_t>(c.dadrItems));
        if (c.dadrItems > 0) {
            EXPECT_EQ(f.cbDADR.items[0], c.dadrFirst);
        }
        EXPECT_EQ(f.cbDADR.grey, c.dadrGrey);
        EXPECT_EQ(f.cbDADR.index, c.dadrIndex);
    } else {
        EXPECT_FALSE(f.cbDADR.visible);
        EXPECT_TRUE(f.edDADR.visible && f.edDADR.enabled);
        EXPECT_EQ(f.edDADR.text, std::to_string(c.dadr));
    }
    EXPECT_EQ(w.image.Word(DADR), c.dadrAfter);
    EXPECT_EQ(f.Label1.text, c.label1);
    EXPECT_EQ(f.Label12.text, c.label12);
    EXPECT_EQ(f.Label13.text, c.label13);
}

constexpr std::uint16_t P3 = 0x0020, FULL = 0x0003, TEV = 0x0030;

// clang-format off
const std::vector<SNetCase> netCases = {
    {"ProfibusAddressZeroBecomesOne", GW_VOSK, 0, NTYP_PROFIBUS_DP, {P3, P3, P3}, 3, 0, 0, 0, 0, "Profibus-DP", "Auto",
     true, 0, 0, 125, "1", false, 0, 1, "Out", "24 byte", "24 byte"},
    {"ProfibusAboveRange", GW_VOSK, 0, NTYP_PROFIBUS_DP, {}, 0, 0, 126, 0, 0, "Profibus-DP", "Auto", true, 0, 0, 125,
     "1", false, 0, 1, "Out", "16 byte", "16 byte"},
    {"ProfibusKavelisSize", GW_KAVELIS, 0, NTYP_PROFIBUS_DP, {0x0001, 0x3FFF, 0x3FFF, FULL, 0x0004, FULL, 0x0004}, 3, 2,
     5, 0, 0, "Profibus-DP", "Auto", true, 0, 0, 125, "1", false, 4, 5, "Out", "72 byte", "72 byte"},
    {"ProfibusVoskLcPlain", GW_VOSK_LC, 0, NTYP_PROFIBUS_DP, {}, 0, 0, 3, 0, 0, "Profibus-DP", "Auto", true, 0, 0, 125,
     "1", false, 2, 3, "Out", "8 byte", "8 byte"},
    {"DeviceNetNoRounding", GW_VOSK, 0, NTYP_DEVICENET, {P3, P3, P3}, 3, 0, 70, 0, 1, "DeviceNet", "Auto", true, 0, 0,
     64, "0", false, 0, 0, "Out", "22 byte", "22 byte"},
    {"Rs485UnknownBaud", GW_NUB3GW, 0, NTYP_RS485, {FULL}, 1, 0, 63, 7, 3, "RS485",
     "9600bps|19200bps|38400bps|57600bps|115200bps|230400bps", false, 0, 4, 1, "63", true, 0, 63, "Out", "32 byte",
     "32 byte"},
    {"Rs485Known", GW_KAVELIS, 0, NTYP_RS485, {0x0010, 0x0010}, 2, 0, 63, 19, 3, "RS485",
     "9600bps|19200bps|38400bps|57600bps|115200bps|230400bps", false, 3, 19, 1, "63", true, 0, 63, "Out", "24 byte",
     "24 byte"},
    {"CompoNet", GW_VOSK, 0, NTYP_COMPONET, {P3, P3}, 2, 0, 64, 0, 4, "CompoNet", "Auto", true, 0, 0, 64, "0", false, 0,
     0, "Out", "20 byte", "20 byte"},
    {"Mechatrolink", GW_NUB3GW, 0, NTYP_MECHATROLINK, {P3}, 1, 0, 50, 3, 5, "MECHATROLINK", "10Mbps", true, 0, 3, 31,
     "97", false, 0, 97, "Out", "32 byte", "32 byte"},
    {"EtherCatRounded", GW_NUB3GW, 0, NTYP_ETHERCAT, {FULL, FULL, FULL, 0x0010}, 4, 0, 1234, 0, 6, "EtherCAT", "Auto",
     true, 0, 0, -1, "", false, -1, 1234, "Out", "80 byte", "80 byte"},
    {"EtherNetIpKavelis", GW_KAVELIS, 0, NTYP_ETHERNET_IP, {0x0000}, 1, 0, 0, 0, 4, "EtherNet/IP", "Auto", true, 0, 0, 0,
     "", true, -1, 0, "Out", "24 byte", "24 byte"},
    {"PioNibbles", GW_VOSK, 0, NTYP_PIO, {TEV, TEV, TEV, TEV}, 4, 0, 0, 0, 8, "PIO", "---", true, 0, 0, 1, "---", true, 0,
     0, "Out", "4 nibble", "4 nibble"},
    {"PioVoskLcEmpty", GW_VOSK_LC, 0, NTYP_PIO, {}, 0, 0, 0, 0, 8, "PIO", "---", true, 0, 0, 1, "---", true, 0, 0, "Out",
     "", ""},
    {"ProfinetModules", GW_VOSK, 0, NTYP_PROFINET_IO, {0x0000, 0x0000, 0x0010}, 3, 0, 9, 0, 10, "PROFINET IO", "Auto",
     true, 0, 0, 0, "", true, -1, 9, "Number of 4W modules(Out)", "5", "5"},
    {"ProfinetKavelis", GW_KAVELIS, 0, NTYP_PROFINET_IO, {0x0000, 0x0000}, 2, 0, 0, 0, 5, "PROFINET IO", "Auto", true, 0,
     0, 0, "", true, -1, 0, "Number of 4W modules(Out)", "4", "4"},
    {"NoneVoskLc", GW_VOSK_LC, 0, NTYP_NONE, {}, 0, 0, 0, 0, 11, "<None>", "---", true, 0, 0, 1, "---", true, 0, 0, "Out",
     "", ""},
    {"IllegalNetworkKeepsLabels", GW_VOSK, 0, 0x1234, {}, 0, 0, 0, 0, -1, "", "", false, -1, 0, 0, "", false, -1, 0, "",
     "previous", "previous"},
    {"KavelisUnofferedNetwork", GW_KAVELIS, 0, NTYP_COMPONET, {}, 0, 0, 70, 0, -1, "CompoNet", "", false, -1, 0, 0, "",
     false, -1, 70, "Out", "previous", "previous"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Networks, NetworkContents, ::testing::ValuesIn(netCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NetworkContentsMl3, DataSizeCombo) {
    for (const auto& [dszo, index, text] : std::vector<std::tuple<std::uint16_t, int, std::string>>{
             {48, 1, "48 byte"}, {32, 0, "32 byte"}, {40, 0, "32 byte"}}) {
        SDisplayFixture w(GW_VOSK_ML3);
        w.image.Word(NTYP) = NTYP_MECHATROLINK3;
        w.image.Word(DSZO) = dszo;
        w.image.Word(DADR) = 2;
        w.Refresh();
        EXPECT_TRUE(w.form.lDSZ.visible && w.form.cbDSZ.visible);
        EXPECT_EQ(w.form.cbDSZ.index, index);
        EXPECT_EQ(w.form.Label12.text, text);
        EXPECT_EQ(w.form.Label13.text, text);
        EXPECT_EQ(Joined(w.form.cbDBPS.items), "100Mbps");
        EXPECT_EQ(w.form.cbNTYP.index, 9);
        EXPECT_EQ(w.image.Word(DADR), 3);
        EXPECT_FALSE(w.form.gbInfoConfig.visible);
    }
    SDisplayFixture other(GW_VOSK);
    other.image.Word(NTYP) = NTYP_DEVICENET;
    other.form.lDSZ.visible = other.form.cbDSZ.visible = true;
    other.Refresh();
    EXPECT_FALSE(other.form.lDSZ.visible || other.form.cbDSZ.visible);
}

struct SCcCase {
    const char* name;
    GwType type;
    int unitAxes;
    std::vector<std::uint16_t> slots;
    int w4n;
    int w8n;
    int finx;
    const char* label12;
    const char* label13;
    const char* label14;
};

void PrintTo(const SCcCase& c, std::ostream* os) {
    *os << c.name;
}

class CcLinkLabels : public ::testing::TestWithParam<SCcCase> {};

TEST_P(CcLinkLabels, ModeCyclicAndStations) {
    const auto& c = GetParam();
    SDisplayFixture w(c.type, c.unitAxes);
    w.hooks.dravoUnitRulesHold = [](const ParameterImage&) { return true; };
    w.Slots({});
    for (std::size_t i = 0; i < c.slots.size(); ++i) w.image.AxisMode[i] = c.slots[i];
    w.image.Word(NTYP) = NTYP_CCLINK_V2;
    w.image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
    w.image.Word(W8N) = static_cast<std::uint16_t>(c.w8n);
    w.image.Word(FINX) = static_cast<std::uint16_t>(c.finx);
    w.image.Word(DBPS) = 0x13;
    w.image.RecountPending = true;
    w.form.Label12.text = w.form.Label13.text = w.form.Label14.text = "previous";
    w.Refresh();
    const auto& f = w.form;
    EXPECT_EQ(f.Label1.text, "Mode");
    EXPECT_EQ(f.Label2.text, "Extend Cyclic setting");
    EXPECT_EQ(f.Label3.text, "Station Qnt");
    EXPECT_EQ(f.Label8.text, "-");
    EXPECT_EQ(f.lRemote.text, "Remote net");
    EXPECT_EQ(f.Label12.text, c.label12);
    EXPECT_EQ(f.Label13.text, c.label13);
    EXPECT_EQ(f.Label14.text, c.label14);
    EXPECT_EQ(Joined(f.cbDBPS.items), "156Kbps|625Kbps|2.5Mbps|  5Mbps| 10Mbps");
    EXPECT_FALSE(f.cbDBPS.grey);
    EXPECT_EQ(f.cbDBPS.index, 3);
    EXPECT_EQ(f.cbNTYP.index, 2);
    EXPECT_EQ(f.linpNTYP.text, "CC-Link");
    EXPECT_EQ(w.image.Word(DADR), 1);
    EXPECT_EQ(f.cbDADR.items.size(), 64u);
}

constexpr std::uint16_t F2 = 0x0005;

// clang-format off
const std::vector<SCcCase> ccCases = {
    {"Vosk32BytesVer1", GW_VOSK, 0, {FULL, FULL}, 2, 0, 1, "Ver.1 mode", "single", "4 station"},
    {"Vosk40BytesQuadruple", GW_VOSK, 0, {FULL, FULL, 0x0000, 0x0000}, 4, 0, 3, "Ver.2 mode", "quadruple", "2 station"},
    {"Vosk96BytesOctuple", GW_VOSK, 0, {FULL, FULL, FULL, FULL, FULL, FULL}, 6, 0, 5, "Ver.2 mode", "octuple",
     "2 station"},
    {"DravoOver128", GW_DRAVO, 10, {F2, F2, F2, F2, F2, F2, F2, F2, F2, F2}, 10, 0, 9, "Data size over.", "previous",
     "previous"},
    {"VoskLcSingleStation", GW_VOSK_LC, 0, {}, 0, 0, 0, "Ver.1 mode", "single", "1 station"},
    {"Kavelis2WVer1", GW_KAVELIS, 0, {0x0010}, 8, 0, 7, "Ver.1 mode", "single", "4 station"},
    {"Kavelis2WQuadruple", GW_KAVELIS, 0, {0x8011}, 9, 0, 8, "Ver.2 mode", "quadruple", "2 station"},
    {"KavelisEmpty2WSlot", GW_KAVELIS, 0, {0x4FFF}, 16, 0, 15, "Ver.2 mode", "quadruple", "2 station"},
    {"Kavelis2WUnchanged", GW_KAVELIS, 0, {0x0010}, 16, 0, 16, "previous", "previous", "previous"},
    {"Kavelis4WVer1", GW_KAVELIS, 0, {0x0001}, 4, 0, 3, "Ver.1 mode", "single", "4 station"},
    {"Kavelis4WQuadruple", GW_KAVELIS, 0, {0x0001}, 5, 0, 4, "Ver.2 mode", "quadruple", "2 station"},
    {"Kavelis4WOctuple", GW_KAVELIS, 0, {0x0001}, 4, 2, 8, "Ver.2 mode", "octuple", "2 station"},
    {"Kavelis4WUnchanged", GW_KAVELIS, 0, {0x0001}, 16, 0, 16, "previous", "previous", "previous"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Types, CcLinkLabels, ::testing::ValuesIn(ccCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EtherCatDataSize, OverTheMaximumShowsTheErrorAtEveryRefresh) {
    SDisplayFixture w(GW_DRAVO, 8);
    w.hooks.dravoUnitRulesHold = [](const ParameterImage&) { return true; };
    w.Slots({F2, F2, F2, F2, F2, F2, F2, F2});
    w.image.Word(W4N) = 8;
    w.image.Word(NTYP) = NTYP_ETHERCAT;
    w.image.RecountPending = true;
    w.Refresh();
    EXPECT_EQ(w.form.Label12.text, "Data size over.");
    EXPECT_EQ(w.form.Label13.text, "Data size over.");
    w.Refresh();
    ASSERT_EQ(w.host.boxes.size(), 2u);
    EXPECT_EQ(w.host.boxes[1].text, "Data Error    \r\n");
    EXPECT_EQ(w.host.boxes[1].style, MB_ICON_ERROR);

    w.Slots({F2, F2, F2, F2, F2, F2});
    w.image.Word(W4N) = 6;
    w.image.RecountPending = true;
    w.Refresh();
    EXPECT_EQ(w.form.Label12.text, "112 byte");
    EXPECT_EQ(w.host.boxes.size(), 2u);
}

TEST(ProfinetMacPanel, InsertedOnceAndRemovedWithTheNetwork) {
    SDisplayFixture w(GW_VOSK);
    w.form.StatusBar1 = {SStatusBarPanel{"port", false}, SStatusBarPanel{"2.0.0.0", false}};
    w.image.Word(NTYP) = NTYP_PROFINET_IO;
    w.image.ProfinetInfo[10] = 0x11AABBCC;
    w.image.ProfinetInfo[11] = 0x22DDEE0F;
    w.Refresh();
    w.Refresh();
    ASSERT_EQ(w.form.StatusBar1.size(), 3u);
    EXPECT_EQ(w.form.StatusBar1[1].text, "MAC ID  AA BB CC DD EE 0F");
    EXPECT_EQ(w.form.StatusBar1[2].text, "2.0.0.0");
    w.image.Word(NTYP) = NTYP_DEVICENET;
    w.Refresh();
    ASSERT_EQ(w.form.StatusBar1.size(), 2u);
    EXPECT_EQ(w.form.StatusBar1[1].text, "2.0.0.0");
}

}  // namespace
