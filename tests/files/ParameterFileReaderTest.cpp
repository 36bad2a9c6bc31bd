// The parameter file reader: each rule of the file, the neighbours of each limit, every failure with its
// result, and the image untouched by a failed read.
#include <gtest/gtest.h>

#include <functional>

#include "core/files/ParameterFileReader.h"
#include "tests/files/FileTestSupport.h"

namespace {

std::string VoskText() {
    return ReadBytes(GoldenPath("vosk.vogw"));
}
std::string KavelisText() {
    return ReadBytes(GoldenPath("kavelis.pkgw"));
}

struct SReadCase {
    const char* name;
    GwType type;
    std::function<std::string()> text;
    int expected;
};

void PrintTo(const SReadCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Edit(const std::string& base, const std::function<void(CFileLines&)>& edit) {
    CFileLines lines(base);
    edit(lines);
    return lines.Text();
}

std::string Vosk(const std::function<void(CFileLines&)>& edit) {
    return Edit(VoskText(), edit);
}
std::string Kavelis(const std::function<void(CFileLines&)>& edit) {
    return Edit(KavelisText(), edit);
}
std::function<std::string()> VoskWith(const std::string& prefix, const std::string& line) {
    return [=] { return Vosk([&](CFileLines& l) { l.Replace(prefix, line); }); };
}

const SReadCase ReadCases[] = {
    {"VoskAsWritten", GW_VOSK, VoskText, PFILE_LOADED},
    {"KavelisAsWritten", GW_KAVELIS, KavelisText, PFILE_LOADED},
    // Line length: 98 characters before CR LF (99 before LF) is the longest line.
    {"Line98BeforeCrLf", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append(std::string(98, 'X')); }); },
     PFILE_LOADED},
    {"Line99BeforeCrLf", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append(std::string(99, 'X')); }); },
     PFILE_CANNOT_OPEN},
    {"Line99BeforeLf", GW_VOSK, [] { return VoskText() + std::string(99, 'X') + "\n"; }, PFILE_LOADED},
    {"Line100BeforeLf", GW_VOSK, [] { return VoskText() + std::string(100, 'X') + "\n"; }, PFILE_CANNOT_OPEN},
    {"Line99AtEnd", GW_VOSK, [] { return VoskText() + std::string(99, 'X'); }, PFILE_LOADED},
    {"Line120FirstRefusesAll", GW_VOSK, [] { return std::string(120, ';') + "\r\n" + VoskText(); },
     PFILE_CANNOT_OPEN},
    {"LinesWithoutCr", GW_VOSK, [] { return CFileLines(VoskText()).Text("\n"); }, PFILE_LOADED},
    {"LowerCaseHex", GW_VOSK,
     [] {
         return Vosk(
             [](CFileLines& l) { l.Replace("F113", "f113,8010").Replace(";VOSKGW", ";VOSKGW=5202000a"); });
     },
     PFILE_LOADED},
    {"EmptyFile", GW_VOSK, [] { return std::string(); }, PFILE_CANNOT_OPEN},
    {"HeaderLinesOnly", GW_VOSK, [] { return ";DATE=2026/12/10\r\n;TIME=05:00:00\r\n;FMT=00000000\r\n"; },
     PFILE_NEW_FORMAT},
    {"IgnoredLinesOnly", GW_VOSK, [] { return "XYZ\r\n\r\nF10\r\n"; }, PFILE_NEW_FORMAT},
    {"Format1", GW_VOSK, VoskWith(";FMT=", ";FMT=00000001"), PFILE_NEW_FORMAT},
    {"FormatMissing", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Remove(";FMT="); }); }, PFILE_LOADED},
    {"FormatEmpty", GW_VOSK, VoskWith(";FMT=", ";FMT="), PFILE_LOADED},
    {"FormatNotHex", GW_VOSK, VoskWith(";FMT=", ";FMT=0000000G"), PFILE_CANNOT_OPEN},
    {"GatewayTagTrailingBlank", GW_VOSK, VoskWith(";VOSKGW=", ";VOSKGW=52020001 "), PFILE_CANNOT_OPEN},
    {"KgwTagNotHexInVoskFile", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append(";KGW=x"); }); },
     PFILE_CANNOT_OPEN},
    {"OtherHeadersIgnored", GW_VOSK,
     [] {
         return Vosk([](CFileLines& l) {
             l.Replace(";DATE=", ";DATE=not a date").Append(";DRAVOGW=zz").Append(";kgw=zz");
         });
     },
     PFILE_LOADED},
    {"ForeignRegister", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append("F1FF,0000"); }); },
     PFILE_FOREIGN_REGISTER},
    {"ForeignOddUnitRegister", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append("F20B,0000"); }); },
     PFILE_FOREIGN_REGISTER},
    {"UnusedF20CAccepted", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Append("F20C,FFFF"); }); },
     PFILE_LOADED},
    {"ValueTrailingBlank", GW_VOSK, VoskWith("F104", "F104,13 "), PFILE_INVALID_DATA},
    {"ValueNegative", GW_VOSK, VoskWith("F104", "F104,-1"), PFILE_INVALID_DATA},
    {"ValueLow16BitsTested", GW_VOSK, VoskWith("F104", "F104,10013"), PFILE_LOADED},
    {"ValueLow16BitsOverLimit", GW_VOSK, VoskWith("F104", "F104,00010014"), PFILE_INVALID_DATA},
    {"AnySeparator", GW_VOSK, VoskWith("F104", "F104;0013"), PFILE_LOADED},
    // Largest accepted and smallest refused value of every register with a rule.
    {"F104Max", GW_VOSK, VoskWith("F104", "F104,0013"), PFILE_LOADED},
    {"F104Over", GW_VOSK, VoskWith("F104", "F104,0014"), PFILE_INVALID_DATA},
    {"F105Max", GW_VOSK, VoskWith("F105", "F105,0090"), PFILE_LOADED},
    {"F105Over", GW_VOSK, VoskWith("F105", "F105,0091"), PFILE_INVALID_DATA},
    {"F106Max", GW_VOSK, VoskWith("F106", "F106,00C0"), PFILE_LOADED},
    {"F106Over", GW_VOSK, VoskWith("F106", "F106,00C1"), PFILE_INVALID_DATA},
    {"F107Max", GW_VOSK, VoskWith("F107", "F107,00EF"), PFILE_LOADED},
    {"F107Over", GW_VOSK, VoskWith("F107", "F107,00F0"), PFILE_INVALID_DATA},
    {"F108Max", GW_VOSK, VoskWith("F108", "F108,0034"), PFILE_LOADED},
    {"F108Over", GW_VOSK, VoskWith("F108", "F108,0035"), PFILE_INVALID_DATA},
    {"F109Max", GW_VOSK, VoskWith("F109", "F109,000F"), PFILE_LOADED},
    {"F109Over", GW_VOSK, VoskWith("F109", "F109,0010"), PFILE_INVALID_DATA},
    {"F10AMax", GW_VOSK, VoskWith("F10A", "F10A,0010"), PFILE_LOADED},
    {"F10AOver", GW_VOSK, VoskWith("F10A", "F10A,0011"), PFILE_INVALID_DATA},
    {"F10BMax", GW_VOSK, VoskWith("F10B", "F10B,0008"), PFILE_LOADED},
    {"F10BOver", GW_VOSK, VoskWith("F10B", "F10B,0009"), PFILE_INVALID_DATA},
    {"F200Max", GW_VOSK, VoskWith("F200", "F200,00000008"), PFILE_LOADED},
    {"F200Over", GW_VOSK, VoskWith("F200", "F200,00000009"), PFILE_INVALID_DATA},
    {"F202Max", GW_VOSK, VoskWith("F202", "F202,0000000F"), PFILE_LOADED},
    {"F202Over", GW_VOSK, VoskWith("F202", "F202,00000010"), PFILE_INVALID_DATA},
    {"NetworkTypeLastCode", GW_VOSK, VoskWith("F103", "F103,8000"), PFILE_LOADED},
    {"NetworkTypePlainCcLinkRefused", GW_VOSK, VoskWith("F103", "F103,0090"), PFILE_INVALID_DATA},
    {"NetworkTypeZeroRefused", GW_VOSK, VoskWith("F103", "F103,0000"), PFILE_INVALID_DATA},
    {"AxisCodeLast", GW_VOSK, VoskWith("F11F", "F11F,8042"), PFILE_LOADED},
    {"AxisCodeUnknown", GW_VOSK, VoskWith("F11F", "F11F,0002"), PFILE_INVALID_DATA},
    {"AxisFillerRefused", GW_VOSK, VoskWith("F11F", "F11F,5FFF"), PFILE_INVALID_DATA},
    // The station address rule follows the network type in effect when the F107 line is read.
    {"EtherCatAddressAfterNetwork", GW_VOSK,
     [] { return Vosk([](CFileLines& l) { l.Replace("F103", "F103,0087").Replace("F107", "F107,00F5"); }); },
     PFILE_LOADED},
    {"EtherNetIpAddressAfterNetwork", GW_VOSK,
     [] { return Vosk([](CFileLines& l) { l.Replace("F103", "F103,0085").Replace("F107", "F107,00F5"); }); },
     PFILE_INVALID_DATA},
    {"PioAnyAddress", GW_VOSK,
     [] { return Vosk([](CFileLines& l) { l.Replace("F103", "F103,FAA0").Replace("F107", "F107,FFFF"); }); },
     PFILE_LOADED},
    {"EtherCatAddressBeforeNetwork", GW_VOSK,
     [] {
         return Vosk([](CFileLines& l) {
             l.Remove("F107").Replace("F103", "F103,0087").InsertBefore("F100", "F107,00F5");
         });
     },
     PFILE_INVALID_DATA},
    {"LaterNetworkLineDoesNotRecheckAddress", GW_VOSK,
     [] {
         return Vosk([](CFileLines& l) {
             l.Replace("F103", "F103,0087").Replace("F107", "F107,03E8").InsertBefore("F200", "F103,0005");
         });
     },
     PFILE_LOADED},
    // Required lines.
    {"OptionalGroupAMissing", GW_VOSK,
     [] {
         return Vosk([](CFileLines& l) {
             l.Remove("F100").Remove("F102").Remove("F10C").Remove("F10D").Remove("F10E");
         });
     },
     PFILE_LOADED},
    {"F101MissingVosk", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Remove("F101"); }); },
     PFILE_INVALID_DATA},
    {"F101AndKgwMissingKavelis", GW_KAVELIS,
     [] { return Kavelis([](CFileLines& l) { l.Remove("F101").Remove(";KGW="); }); }, PFILE_INVALID_DATA},
    {"F101FromKgwKavelis", GW_KAVELIS, [] { return Kavelis([](CFileLines& l) { l.Remove("F101"); }); },
     PFILE_LOADED},
    {"F10FMissing", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Remove("F10F"); }); },
     PFILE_INVALID_DATA},
    {"AxisWordMissing", GW_KAVELIS, [] { return Kavelis([](CFileLines& l) { l.Remove("F11F"); }); },
     PFILE_INVALID_DATA},
    {"F381MissingVosk", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.Remove("F381"); }); },
     PFILE_INVALID_DATA},
    {"MirrorMissingDravo", GW_DRAVO,
     [] { return Edit(ReadBytes(GoldenPath("dravo.dvgw")), [](CFileLines& l) { l.Remove("F287"); }); },
     PFILE_INVALID_DATA},
    {"KavelisNetAddressSatisfiesUnitBlock", GW_VOSK,
     [] {
         return Vosk([](CFileLines& l) {
             l.Replace("F204", "F120,0A000001")
                 .Replace("F206", "F122,FF000000")
                 .Replace("F208", "F124,0A0000FE");
         });
     },
     PFILE_LOADED},
    {"CtrlZEndsText", GW_VOSK, [] { return Vosk([](CFileLines& l) { l.InsertBefore("F381", "\x1A"); }); },
     PFILE_INVALID_DATA},
    {"CtrlZAfterLastLine", GW_VOSK, [] { return VoskText() + "\x1A" + std::string(200, 'X'); }, PFILE_LOADED},
    // A file whose header carries another type's tag, and not this type's, is a file of that type.
    {"DravoFileAsVosk", GW_VOSK, [] { return ReadBytes(GoldenPath("dravo.dvgw")); }, PFILE_CANNOT_OPEN},
    {"VoskFileAsKavelis", GW_KAVELIS, VoskText, PFILE_CANNOT_OPEN},
    {"KavelisFileAsVosk", GW_VOSK, KavelisText, PFILE_CANNOT_OPEN},
    {"VoskFileAsVoskLc", GW_VOSK_LC, VoskText, PFILE_CANNOT_OPEN},
    {"VoskFileWithoutItsTagAsDravo", GW_DRAVO,
     [] { return Vosk([](CFileLines& l) { l.Remove(";VOSKGW="); }); }, PFILE_LOADED},
};

class ReadCaseTest : public testing::TestWithParam<SReadCase> {};

TEST_P(ReadCaseTest, ResultAndUntouchedImageOnFailure) {
    const SReadCase& c = GetParam();
    ParameterImage image = SentinelImage();
    const ParameterImage before = image;
    EXPECT_EQ(LoadParameterText(c.text(), c.type, image), c.expected);
    if (c.expected != PFILE_LOADED) {
        ParameterImage expected = before;
        expected.SlaveIdWord = 0;
        EXPECT_TRUE(SameImage(image, expected)) << "a failed read changed the image";
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, ReadCaseTest, testing::ValuesIn(ReadCases),
                         [](const testing::TestParamInfo<SReadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ParameterFileReader, VoskSetGoesIntoTheImage) {
    ParameterImage image = SentinelImage();
    const std::string text =
        Vosk([](CFileLines& l) { l.Replace("F101", "F101,0015").Replace("F10F", "f10f,00ab"); });
    ASSERT_EQ(LoadParameterText(text, GW_VOSK, image), PFILE_LOADED);
    EXPECT_EQ(image.Word(GSTS), 0x8000);
    EXPECT_EQ(image.Word(GVER), 0) << "without a ;KGW= line the version is 0";
    EXPECT_EQ(image.Word(NTYP), 0x0085);
    EXPECT_EQ(image.Word(DSZO), 0x28);
    EXPECT_EQ(image.Word(W4N), 4);
    EXPECT_EQ(image.Word(TBPS), 0x14);
    EXPECT_EQ(image.Word(GMOD), 0x00AB);
    EXPECT_EQ(image.AxisMode[3], 0x8010);
    EXPECT_EQ(image.AxisMode[4], 0xFFFF);
    EXPECT_EQ(image.NetAddress, (std::array<std::uint32_t, 3>{0xC0A8010A, 0xFFFFFF00, 0xC0A80101}));
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_EQ(image.MDRP, 0u);
    EXPECT_EQ(image.AxisModeMirror[3], 0x8010);
    EXPECT_EQ(image.ExtParam2, 0x0400);
    EXPECT_EQ(image.SlaveIdWord, 0x52020001u);
    EXPECT_EQ(image.AxisCount, 4) << "AxisCount follows W4N";
    EXPECT_TRUE(image.RecountPending);
    // Never in a file: kept as they were.
    EXPECT_EQ(image.ModuleInfo[0], 0x7777);
    EXPECT_EQ(image.ProfinetInfo[0], 0xBBBBBBBBu);
    EXPECT_EQ(image.IoAxisCount, 14);
}

TEST(ParameterFileReader, KavelisSetKeepsUnitWordsOutAndTakesVersionFromHeader) {
    ParameterImage image = SentinelImage();
    const std::string text = Kavelis([](CFileLines& l) { l.Replace("F101", "F101,0099"); });
    ASSERT_EQ(LoadParameterText(text, GW_KAVELIS, image), PFILE_LOADED);
    EXPECT_EQ(image.Word(GVER), 0x0013);
    EXPECT_EQ(image.NetAddress, (std::array<std::uint32_t, 3>{0xC0A80001, 0xFFFFFF00, 0xC0A800FE}));
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_EQ(image.TopAxisNo, 0);
    EXPECT_EQ(image.MDRP, 0u);
    EXPECT_EQ(image.SlaveIdWord, 0u);
    EXPECT_EQ(image.AxisModeMirror[0], 0x8888) << "KAVELIS files leave the mirror alone";
    EXPECT_EQ(image.ExtParam1, 0x9999);
    EXPECT_EQ(image.AxisCount, 13);
    EXPECT_TRUE(image.RecountPending);
}

TEST(ParameterFileReader, ValuesFromSpecialLines) {
    struct SValueCase {
        std::function<void(CFileLines&)> edit;
        std::function<std::uint32_t(const ParameterImage&)> field;
        std::uint32_t expected;
    };
    const SValueCase cases[] = {
        {[](CFileLines& l) { l.Replace("F104", "F104,10013"); }, [](const auto& i) { return i.Word(NMOD); },
         0x13},
        {[](CFileLines& l) { l.Replace("F20A", "F20A,1234567890"); }, [](const auto& i) { return i.MDRP; },
         0x34567890},
        {[](CFileLines& l) { l.Append("F104,0007"); }, [](const auto& i) { return i.Word(NMOD); }, 7},
        {[](CFileLines& l) { l.Replace("F104", "F104,"); }, [](const auto& i) { return i.Word(NMOD); }, 0},
        {[](CFileLines& l) { l.Remove("F10C").Remove("F100"); }, [](const auto& i) { return i.Word(GSTS); },
         0},
        {[](CFileLines& l) { l.Remove(";VOSKGW="); }, [](const auto& i) { return i.SlaveIdWord; }, 0},
        {[](CFileLines& l) { l.Replace(";VOSKGW=", ";VOSKGW=5202000a"); },
         [](const auto& i) { return i.SlaveIdWord; }, 0x5202000A},
        {[](CFileLines& l) { l.Append(";KGW=12345"); }, [](const auto& i) { return i.Word(GVER); }, 0x2345},
        {[](CFileLines& l) { l.Append("F122,FF000000"); }, [](const auto& i) { return i.NetAddress[1]; },
         0xFF000000},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        ParameterImage image;
        ASSERT_EQ(LoadParameterText(Vosk(cases[n].edit), GW_VOSK, image), PFILE_LOADED) << "case " << n;
        EXPECT_EQ(cases[n].field(image), cases[n].expected) << "case " << n;
    }
}

TEST(ParameterFileReader, FailedReadRestoresNetworkTypeAfterAcceptingF103) {
    ParameterImage image;
    image.Word(NTYP) = 0x0005;
    const std::string text =
        Vosk([](CFileLines& l) { l.Replace("F103", "F103,0087").Replace("F381", "F381,x"); });
    EXPECT_EQ(LoadParameterText(text, GW_VOSK, image), PFILE_INVALID_DATA);
    EXPECT_EQ(image.Word(NTYP), 0x0005);
}

TEST(ParameterFileReader, StationAddressBeforeNetworkLineFollowsTheImage) {
    const std::string text = Vosk([](CFileLines& l) {
        l.Remove("F107").Replace("F103", "F103,0087").InsertBefore("F100", "F107,00F5");
    });
    ParameterImage image;
    image.Word(NTYP) = 0x0087;
    ASSERT_EQ(LoadParameterText(text, GW_VOSK, image), PFILE_LOADED);
    EXPECT_EQ(image.Word(DADR), 0x00F5);
}

}  // namespace
