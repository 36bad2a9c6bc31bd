#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

#include "core/advanced/OptionRows.h"
#include "core/app/texts/CompareText.h"
#include "core/compare/CompareFormState.h"
#include "core/compare/ParameterDifferences.h"
#include "core/files/ParameterFileReader.h"
#include "core/params/layout/MainFormLayout.h"

namespace {

// A laid-out main window and the golden parameter file of a type as the window's set.
struct SWindowOf {
    SProgramValues program;
    SMainFormState form;
    ParameterImage image;

    SWindowOf(GwType type, const char* fileName) {
        program.SelectedGwType = type;
        program.Comm.ToolFlags = TOOLFLAG_VALID;
        LayoutMainForm(form, image, program, 8);
        std::ifstream in(std::string(GW_TEST_DATA_DIR) + "/" + fileName, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(LoadParameterText(bytes.str(), type, image), PFILE_LOADED) << fileName;
    }
};

std::vector<SParameterDifference> Compare(const SWindowOf& w, const ParameterImage& other) {
    return CompareParameterSets(w.image, other, w.form, w.program);
}

std::size_t CountNamed(const std::vector<SParameterDifference>& differences, const std::string& field) {
    return static_cast<std::size_t>(
        std::count_if(differences.begin(), differences.end(),
                      [&](const SParameterDifference& d) { return d.field == field; }));
}

std::string Listed(const std::vector<SParameterDifference>& differences) {
    std::string text;
    for (const auto& d : differences) text += d.field + " " + d.reg + ": " + d.left + " | " + d.right + "\n";
    return text;
}

TEST(ParameterDifferences, IdenticalSetsOfEveryTypeGiveNone) {
    const std::pair<GwType, const char*> files[] = {
        {GW_KAVELIS, "kavelis.pkgw"}, {GW_VOSK, "vosk.vogw"},           {GW_DRAVO, "dravo.dvgw"},
        {GW_NUB3GW, "nub3gw.nugw"},   {GW_VOSK_ML3, "vosk-mliii.vmgw"}, {GW_VOSK_LC, "vosk-lc.volc"}};
    for (const auto& [type, file] : files) {
        SWindowOf w(type, file);
        const ParameterImage copy = w.image;
        EXPECT_TRUE(Compare(w, copy).empty()) << file << "\n" << Listed(Compare(w, copy));
    }
}

// One change on the other side, the field the window names for it, its register and the two texts.
struct SChangeCase {
    const char* what;
    GwType type;
    const char* file;
    std::function<void(ParameterImage&)> prepareBoth;  // gives both sides the network the field needs
    std::function<void(ParameterImage&)> change;
    std::string field;
    std::string reg;
    std::string windowText;  // empty: not checked
    std::string otherText;
};

TEST(ParameterDifferences, OneChangedFieldOfEachKindIsNamedExactlyOnce) {
    const auto none = [](ParameterImage&) {};
    const auto profibus = [](ParameterImage& i) {
        i.Word(NTYP) = 0x0005;
        i.Word(DADR) = 3;
    };
    const auto ccLink = [](ParameterImage& i) {
        i.Word(NTYP) = 0xFF90;
        i.Word(DADR) = 1;
        i.Word(DBPS) = 0x30;
    };
    // clang-format off
    const std::vector<SChangeCase> cases = {
        {"network type", GW_VOSK, "vosk.vogw", none, [](ParameterImage& i) { i.Word(NTYP) = 0x0025; },
         "Network Type", "F103", "EtherNet/IP", "DeviceNet"},
        {"station address", GW_VOSK, "vosk.vogw", profibus, [](ParameterImage& i) { i.Word(DADR) = 17; },
         "Address", "F107", "3", "17"},
        {"baud rate", GW_VOSK, "vosk.vogw", ccLink, [](ParameterImage& i) { i.Word(DBPS) = 0x32; },
         "Baud Rate", "F108", "", ""},
        {"data size", GW_VOSK_ML3, "vosk-mliii.vmgw", none, [](ParameterImage& i) {
             i.Word(DSZO) = i.Word(DSZI) = 48; }, "Date Size", "F105", "32byte", "48byte"},
        {"TP port baud rate", GW_VOSK_LC, "vosk-lc.volc", none, [](ParameterImage& i) { i.Word(TBPS) = 5; },
         "TP Port Baud Rate", "F10E", "57600bps", "19200bps"},
        {"axis mode", GW_NUB3GW, "nub3gw.nugw", none, [](ParameterImage& i) {
             i.AxisMode[0] = (i.AxisMode[0] & AXIS_RSV_BIT) | 0x0010; }, "Axis0", "F110", "", "Point2"},
        {"axis reserve flag", GW_VOSK, "vosk.vogw", none, [](ParameterImage& i) { i.AxisMode[1] ^= AXIS_RSV_BIT; },
         "Axis1 Rsv", "F111", "off", "on"},
        {"KAVELIS axis mode", GW_KAVELIS, "kavelis.pkgw", none, [](ParameterImage& i) { i.AxisMode[1] = 0x0001; },
         "Axis1", "F111", "Simple", "Point1"},
        {"DRAVO reserve flag", GW_DRAVO, "dravo.dvgw", none, [](ParameterImage& i) { i.AxisMode[0] ^= AXIS_RSV_BIT; },
         "Axis0 Rsv", "F110", "", ""},
        {"unit number", GW_VOSK, "vosk.vogw", none, [](ParameterImage& i) { i.UnitNo = 1; },
         "UnitNo.", "F200", "0", "1"},
        {"top axis", GW_DRAVO, "dravo.dvgw", none, [](ParameterImage& i) { i.TopAxisNo = 6; },
         "Top Axis No.", "F202", "", "6"},
        {"multi-drop", GW_VOSK, "vosk.vogw", none, [](ParameterImage& i) { i.MDRP = MDRP_ENABLED; },
         "Multi Drop enable", "F20A", "off", "on"},
        {"IP address", GW_VOSK, "vosk.vogw", none, [](ParameterImage& i) { i.NetAddress[0] = 0xC0A8010B; },
         "IP address", "F204", "192.168.1.10", "192.168.1.11"},
        {"default gateway", GW_KAVELIS, "kavelis.pkgw", none, [](ParameterImage& i) { i.NetAddress[2] = 0x0A000001; },
         "Default gateway", "F124", "", "10.0.0.1"},
    };
    // clang-format on
    for (const SChangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        SWindowOf w(c.type, c.file);
        c.prepareBoth(w.image);
        ParameterImage other = w.image;
        c.change(other);
        const auto differences = Compare(w, other);
        ASSERT_EQ(CountNamed(differences, c.field), 1u) << Listed(differences);
        const auto& d = *std::find_if(differences.begin(), differences.end(),
                                      [&](const SParameterDifference& x) { return x.field == c.field; });
        EXPECT_EQ(d.reg, c.reg);
        EXPECT_NE(d.left, d.right);
        if (!c.windowText.empty()) {
            EXPECT_EQ(d.left, c.windowText);
        }
        if (!c.otherText.empty()) {
            EXPECT_EQ(d.right, c.otherText);
        }
        // Only the changed field and what the window derives from it differ.
        for (const auto& x : differences)
            EXPECT_TRUE(x.reg == c.reg || x.field == "Out" || x.field == "In" || x.reg == "F107" ||
                        x.reg == "F108")
                << Listed(differences);
    }
}

// Each option row of the option dialogs is its own field, named by the row's label, in the word it sets.
TEST(ParameterDifferences, OptionRowsAreNamedByTheirLabel) {
    struct SOptionCase {
        GwType type;
        const char* file;
        std::string label;
        std::string choice;
        std::string reg;
        std::string windowChoice;
    };
    const std::vector<SOptionCase> cases = {
        {GW_KAVELIS, "kavelis.pkgw", "Latch in ERR_T/C", "valid", "F10F", "invalid"},
        {GW_VOSK, "vosk.vogw", "Latch in ERR_T/C", "valid", "F10F", "invalid"},
        {GW_VOSK, "vosk.vogw", "Fan round monitor", "invalid", "F380", "valid"},
        {GW_VOSK, "vosk.vogw", "BYTE swap", "valid", "F381", "invalid"},
    };
    for (const SOptionCase& c : cases) {
        SCOPED_TRACE(c.label);
        SWindowOf w(c.type, c.file);
        ParameterImage other = w.image;
        SMainFlags flags;
        ASSERT_EQ(ChangeOptionRow(other, w.program, w.form.cbW8N, flags, c.label, c.choice).error,
                  OptionChangeError::None);
        const auto differences = Compare(w, other);
        ASSERT_EQ(differences.size(), 1u) << Listed(differences);
        EXPECT_EQ(differences[0].field, c.label);
        EXPECT_EQ(differences[0].reg, c.reg);
        EXPECT_EQ(differences[0].left, c.windowChoice);
        EXPECT_EQ(differences[0].right, c.choice);
    }
}

// Two sets are equal only when every register their files carry is: a difference no field of the
// window shows is listed by its register, and by bit in the option words; the compare window lists it
// among the differing fields.
TEST(ParameterDifferences, DifferencesNoFieldShowsAreListedByRegisterAndBit) {
    struct SUnshownCase {
        const char* what;
        GwType type;
        const char* file;
        std::function<void(ParameterImage&)> change;
        std::vector<SParameterDifference> expected;
    };
    const std::vector<SUnshownCase> cases = {
        {"VOSK GMOD bit 0",
         GW_VOSK,
         "vosk.vogw",
         [](ParameterImage& i) { i.Word(GMOD) ^= 0x0001; },
         {{"Bit 0", "F10F", "0", "1"}}},
        {"NUB3 GW ExtParam2 bits 0 and 15",
         GW_NUB3GW,
         "nub3gw.nugw",
         [](ParameterImage& i) { i.ExtParam2 ^= 0x8001; },
         {{"Bit 0", "F381", "0", "1"}, {"Bit 15", "F381", "0", "1"}}},
        {"reserved word F102",
         GW_VOSK,
         "vosk.vogw",
         [](ParameterImage& i) { i.Word(GCFG_F102) = 0x0001; },
         {{"Register", "F102", "0000", "0001"}}},
        {"axis mirror",
         GW_DRAVO,
         "dravo.dvgw",
         [](ParameterImage& i) { i.AxisModeMirror[7] = 0x0020; },
         {{"Register", "F287", "FFFF", "0020"}}},
        {"status and version describe the unit",
         GW_KAVELIS,
         "kavelis.pkgw",
         [](ParameterImage& i) {
             i.Word(GSTS) ^= 0x8000;
             i.Word(GVER) += 1;
         },
         {}},
    };
    for (const SUnshownCase& c : cases) {
        SCOPED_TRACE(c.what);
        SWindowOf w(c.type, c.file);
        ParameterImage other = w.image;
        c.change(other);
        const auto differences = Compare(w, other);
        std::string expected;
        for (const auto& d : c.expected)
            expected += d.field + " " + d.reg + ": " + d.left + " | " + d.right + "\n";
        EXPECT_EQ(Listed(differences), expected);
        const SCompareFormState window = CreateCompareFormState(ECompareSource::File, differences);
        EXPECT_EQ(window.btnTake.visible, !c.expected.empty());
        if (!c.expected.empty()) {
            EXPECT_EQ(window.sgDifferences.Cell(0, 1), c.expected[0].field);
            EXPECT_EQ(window.sgDifferences.Cell(1, 1), c.expected[0].reg);
        }
    }
}

// A field the window shows for one set only is listed with "(none)" on the other side.
TEST(ParameterDifferences, FieldShownForOneSideOnlyIsListedAgainstNone) {
    std::vector<SShownField> left = {{"Network Type", "F103", "CC-Link"}, {"Mode", "F103", "Ver.1 mode"}};
    std::vector<SShownField> right = {{"Network Type", "F103", "DeviceNet"}, {"Out", "F105", "16 byte"}};
    const auto differences = DifferingFields(left, right);
    const std::string none(CompareText::NOT_SHOWN);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[1].field, "Mode");
    EXPECT_EQ(differences[1].right, none);
    EXPECT_EQ(differences[2].field, "Out");
    EXPECT_EQ(differences[2].left, none);
    EXPECT_TRUE(DifferingFields(left, left).empty());
}

}  // namespace
