// check and show: parameter files opened with every reader check, never a unit.
#include <cctype>
#include <nlohmann/json.hpp>

#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

struct SGoldenCase {
    const char* file;
    GwType type;
};

class CliCheckGolden : public CliTest, public ::testing::WithParamInterface<SGoldenCase> {};

TEST_P(CliCheckGolden, GoldenFilePassesEveryCheckInOneLine) {
    const SCliRun run = Cli(GetParam().type, {"check", GoldenFile(GetParam().file)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GoldenFile(GetParam().file) + ": passes the checks of Save\n");
    EXPECT_EQ(run.err, "");
}

const SGoldenCase PassingGoldens[] = {
    {"kavelis.pkgw", GW_KAVELIS}, {"vosk.vogw", GW_VOSK},   {"vosk-mliii.vmgw", GW_VOSK_ML3},
    {"vosk-lc.volc", GW_VOSK_LC}, {"dravo.dvgw", GW_DRAVO}, {"nub3gw.nugw", GW_NUB3GW},
};
INSTANTIATE_TEST_SUITE_P(Goldens, CliCheckGolden, ::testing::ValuesIn(PassingGoldens), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// Remote I/O (0031h) beside positioner modes: the file reader takes it, Save refuses it, and so does
// check, with Save's wording.
TEST_F(CliTest, CheckRefusesMixedIoModesAsSaveDoes) {
    const std::string mixed = EditedGolden("nub3gw.nugw", "mixed.nugw", {"F112,0031", "F282,0031"});
    const SCliRun run = Cli(GW_NUB3GW, {"check", mixed});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, Printed(Joined(MsgText[72], MsgText[77])));
}

// A file of another gateway type under this type's extension is refused by the reader, as the wrong
// type it is, before any network type could tell the two apart.
TEST_F(CliTest, CheckRefusesAFileOfAnotherTypeRenamed) {
    const struct {
        const char* golden;
        GwType readAs;
        const char* renamed;
        std::string clash;
    } cases[] = {
        {"dravo.dvgw", GW_VOSK, "dravo.vogw", "This is a parameter file of DRAVO, not of VOSK"},
        {"vosk.vogw", GW_KAVELIS, "vosk.pkgw",
         "This is a parameter file of VOSK or VOSK(MLIII), not of KAVELIS"},
        {"kavelis.pkgw", GW_NUB3GW, "kavelis.nugw", "This is a parameter file of KAVELIS, not of NUB3 GW"},
    };
    for (const auto& c : cases) {
        const std::string file = PathOf(c.renamed);
        WriteWholeFile(file, ReadWholeFile(GoldenFile(c.golden)));
        const SCliRun run = Cli(c.readAs, {"check", file});
        EXPECT_EQ(run.status, 1) << c.renamed;
        EXPECT_EQ(run.out, "");
        const std::string tagLine = Lines(ReadWholeFile(file))[2];
        EXPECT_EQ(run.err, Printed(MsgText[18]) + "gwcli: File: " + file + "\ngwcli: Line 3: " +
                               tagLine.substr(0, tagLine.size() - 1) + "\ngwcli: " + c.clash + "\n");
    }
}

struct SMalformedCase {
    const char* name;
    std::vector<std::string> edits;  // lines replaced in (or added to) vosk.vogw
    std::size_t message;             // MsgText index
};

class CliCheckMalformed : public CliTest, public ::testing::WithParamInterface<SMalformedCase> {};

// What gwcli prints after the reader's message: the file, and the refused line with its number (the
// first line of the file that starts as `line` does).
std::string RefusedLineDetail(const std::string& file, const std::string& line, bool tooLong = false) {
    const std::string text = ReadWholeFile(file);
    int number = 1;
    for (std::size_t pos = 0; text.compare(pos, line.size(), line) != 0; ++number)
        pos = text.find('\n', pos) + 1;
    return "gwcli: File: " + file + "\ngwcli: Line " + std::to_string(number) +
           (tooLong ? " is longer than a parameter file line may be\n" : ": " + line + "\n");
}

// The reader's message on standard error, exactly, then which line it refused; status 1.
TEST_P(CliCheckMalformed, PrintsTheReadersMessageWithStatusOne) {
    const std::string file = EditedGolden("vosk.vogw", "plant.vogw", GetParam().edits);
    const SCliRun run = Cli(GW_VOSK, {"check", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    const std::string& refused = GetParam().edits.back();
    const bool tooLong = refused.size() > 99;
    EXPECT_EQ(run.err, Printed(MsgText[GetParam().message]) +
                           RefusedLineDetail(file, tooLong ? refused : refused.substr(0, 99), tooLong));
}

const SMalformedCase MalformedCases[] = {
    {"ValueNotHexadecimal", {"F104,00G5"}, 22},
    {"IllegalNetworkForEtherNetIpAddress", {"F103,0085", "F107,00F5"}, 22},
    {"UnitNumberOutOfRule", {"F200,00000009"}, 22},
    {"ForeignRegister", {"F150,0000"}, 21},
    {"NewFormat", {";FMT=00000001"}, 23},
    {"TypeTagNotHexadecimal", {";VOSKGW=XYZ"}, 18},
    {"OverlongLine", {"F381,0400" + std::string(120, ' ')}, 18},
};
INSTANTIATE_TEST_SUITE_P(Table, CliCheckMalformed, ::testing::ValuesIn(MalformedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Files that cannot be opened at all: missing, empty, or of another type's extension.
TEST_F(CliTest, CheckOfAnUnopenableFilePrintsTheOpenMessage) {
    WriteWholeFile(PathOf("empty.vogw"), "");
    WriteWholeFile(PathOf("plant.pkgw"), ReadWholeFile(GoldenFile("vosk.vogw")));
    const std::pair<std::string, const char*> cases[] = {
        {PathOf("missing.vogw"), "The file does not exist"},
        {PathOf("empty.vogw"), "The file is empty"},
        {PathOf("plant.pkgw"), "The file name does not end with .vogw"}};
    for (const auto& [file, why] : cases) {
        const SCliRun run = Cli(GW_VOSK, {"check", file});
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_EQ(run.err, Printed(MsgText[18]) + "gwcli: File: " + file + "\ngwcli: " + why + "\n") << file;
    }
}

// A set the reader takes but the checks of Save refuse: the save wording, nothing written anywhere.
TEST_F(CliTest, CheckRunsTheChecksOfSave) {
    const std::string file = EditedGolden("vosk.vogw", "plant.vogw", {"F110,0030", "F280,0030"});
    const std::string before = ReadWholeFile(file);
    const SCliRun run = Cli(GW_VOSK, {"check", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Printed(Joined(MsgText[72], MsgText[77])));
    EXPECT_EQ(ReadWholeFile(file), before) << "check never saves";
}

TEST_F(CliTest, ShowPrintsTheSetReadably) {
    const SCliRun run = Cli(GW_VOSK, {"show", GoldenFile("vosk.vogw")});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* line : {
             "type: VOSK, firmware version -\n",
             "network: EtherNet/IP (NTYP 0085h, NMOD 000Ch)\n",
             "station address: -\n",
             "baud rate: Auto (DBPS 0000h)\n",
             "axis slots: 8\n",
             "unit: number 0, top axis 0, IP address 192.168.1.10, subnet mask 255.255.255.0, default "
             "gateway "
             "192.168.1.1, multi-drop off (MDRP 00000000h)\n",
             "options: GMOD 0010h, TBPS 0014h, ExtParam1 0000h, ExtParam2 0400h\n",
         }) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin:\n" << run.out;
    }
    EXPECT_EQ(Occurrences(run.out, "\nAxis"), 8u);
}

// What the window shows: the firmware version as four hexadecimal digits, the information box's sizes
// (KAVELIS its data size, the axis types their bytes and the 16 header bytes, PROFINET IO in modules of
// 4 words) and each slot's mode under the name of its grid column or drive-unit list entry.
TEST_F(CliTest, ShowPrintsVersionSizesAndModesAsTheWindowShowsThem) {
    const struct {
        const char* file;
        GwType type;
        std::vector<std::string> lines;
    } cases[] = {
        {"kavelis.pkgw",
         GW_KAVELIS,
         {"type: KAVELIS, firmware version 0013\n", "sizes: Out 72 byte, In 72 byte (",
          "Axis2:  Point1                       (*)        (8001h)\n",
          "Axis3:  Full                         *          (0003h)\n",
          "Axis4:  -                                       (0004h)\n"}},
        {"vosk.vogw",
         GW_VOSK,
         {"sizes: Out 40 byte, In 40 byte (", "Axis0:  Point1                       *          (0001h)\n",
          "Axis3:  Point2                       (*)        (8010h)\n",
          "Axis7:  -                                       (FFFFh)\n"}},
        {"nub3gw.nugw", GW_NUB3GW, {"Axis3:  Point3                       (*)        (8020h)\n"}},
        {"vosk-mliii.vmgw",
         GW_VOSK_ML3,
         {"sizes: Date Size 32byte (", "Axis0:  ML-IIIServo A                A          (0040h)\n"}},
        {"dravo.dvgw",
         GW_DRAVO,
         {"sizes: Number of 4W modules(Out) 9, Number of 4W modules(In) 9 (",
          "Axis0:  Positioner1(Size:4W)                    (0001h)\n",
          "Axis3:  Direct Indication2(Size:8W)  Axis3 Rsv  (8005h)\n"}},
        {"vosk-lc.volc", GW_VOSK_LC, {"sizes: Out 8 byte, In 8 byte ("}},
    };
    for (const auto& c : cases) {
        const SCliRun run = Cli(c.type, {"show", GoldenFile(c.file)});
        EXPECT_EQ(run.status, 0) << c.file << run.err;
        for (const std::string& line : c.lines)
            EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin:\n" << run.out;
    }
    // A version the window shows in hexadecimal: 0012h is "0012", never 18.
    const std::string twelve = EditedGolden("kavelis.pkgw", "twelve.pkgw", {";KGW=00000012"});
    const SCliRun run = Cli(GW_KAVELIS, {"show", twelve});
    EXPECT_NE(run.out.find("firmware version 0012\n"), std::string::npos) << run.out;
}

// The JSON form: the registers as the file writes them, and the readable lines.
TEST_F(CliTest, ShowAsJsonHoldsTheFilesRegisters) {
    const SCliRun run = Cli(GW_VOSK, {"--json", "show", GoldenFile("vosk.vogw")});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["type"], "VOSK");
    EXPECT_EQ(document["registers"]["F103"], "0085");
    EXPECT_EQ(document["registers"].size(), 48u) << "every register line of a VOSK file";
    EXPECT_EQ(document["lines"][1], "network: EtherNet/IP (NTYP 0085h, NMOD 000Ch)");
}

// Every type's golden file shows its network, one line per slot and the unit block.
TEST_F(CliTest, ShowCoversEveryType) {
    const SGoldenCase all[] = {{"kavelis.pkgw", GW_KAVELIS},     {"vosk.vogw", GW_VOSK},
                               {"vosk-mliii.vmgw", GW_VOSK_ML3}, {"vosk-lc.volc", GW_VOSK_LC},
                               {"nub3gw.nugw", GW_NUB3GW},       {"dravo.dvgw", GW_DRAVO}};
    for (const auto& golden : all) {
        const SCliRun run = Cli(golden.type, {"show", GoldenFile(golden.file)});
        EXPECT_EQ(run.status, 0) << golden.file << run.err;
        EXPECT_EQ(run.out.find("network: (illegal)"), std::string::npos) << golden.file;
        EXPECT_NE(run.out.find("\nunit: "), std::string::npos) << golden.file;
        EXPECT_NE(run.out.find("\noptions: GMOD "), std::string::npos) << golden.file;
    }
    const SCliRun kavelis = Cli(GW_KAVELIS, {"show", GoldenFile("kavelis.pkgw")});
    EXPECT_EQ(Occurrences(kavelis.out, "\nAxis"), 16u);
}

// Without a unit the window is laid out for every axis the file holds: none is put back to its default.
TEST_F(CliTest, CheckAndShowKeepEveryAxisOfTheFile) {
    const std::string file = EditedGolden("dravo.dvgw", "eight.dvgw", DravoEightAxes);
    const SCliRun check = Cli(GW_DRAVO, {"check", file});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, "");
    const SCliRun show = Cli(GW_DRAVO, {"show", file});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.err, "");
    EXPECT_EQ(Occurrences(show.out, "\nAxis"), 8u) << show.out;
    EXPECT_NE(show.out.find("Axis7:  Positioner3(Size:1W) "), std::string::npos) << show.out;
}

TEST_F(CliTest, ShowOfAMalformedFilePrintsOnlyTheMessage) {
    const std::string file = EditedGolden("vosk.vogw", "plant.vogw", {"F104,00G5"});
    const SCliRun run = Cli(GW_VOSK, {"show", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, Printed(MsgText[22]) + RefusedLineDetail(file, "F104,00G5"));
}

struct SRefreshChangeCase {
    const char* name;
    const char* golden;
    GwType type;
    std::vector<std::string> edits;
    std::string warning;               // what the refresh itself printed, "" for a silent change
    std::vector<std::string> changes;  // "field: file value in the file, kept value kept"
    std::string shownLine;             // a line of show's text, as the refresh left the set
};

void PrintTo(const SRefreshChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class CliRefreshChanges : public CliTest, public ::testing::WithParamInterface<SRefreshChangeCase> {};

std::string ChangeLines(const std::vector<std::string>& changes) {
    std::string lines;
    for (const std::string& change : changes) lines += "gwcli: " + change + "\n";
    return lines;
}

// A file the window's refresh changes on opening: check names every change and fails; show prints the
// set as the window keeps it, the refresh's warning and the same changes, and fails as well.
TEST_P(CliRefreshChanges, CheckAndShowSayWhatTheRefreshChanged) {
    const SRefreshChangeCase& c = GetParam();
    const std::string file = EditedGolden(
        c.golden, std::string("changed.") + std::string(GwUnitDataOf(c.type).extension).substr(1), c.edits);
    const std::string before = ReadWholeFile(file);
    const std::string expectedErr = c.warning + ChangeLines(c.changes);

    const SCliRun check = Cli(c.type, {"check", file});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, expectedErr);

    const SCliRun show = Cli(c.type, {"show", file});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.err, expectedErr);
    EXPECT_NE(show.out.find(c.shownLine), std::string::npos) << show.out;
    EXPECT_EQ(ReadWholeFile(file), before) << "neither command writes the file";
}

const SRefreshChangeCase RefreshChangeCases[] = {
    {"StationAddressOutOfTheNetworksRange",
     "vosk.vogw",
     GW_VOSK,
     {"F103,0005", "F107,0000"},
     "",
     {"Address: 0 in the file, 1 kept"},
     "station address: 1\n"},
    {"Rs485BaudCodeUnknown",
     "vosk.vogw",
     GW_VOSK,
     {"F103,F485", "F108,0007"},
     "",
     {"Baud Rate: 0007h in the file, 0004h kept"},
     "baud rate: 9600bps (DBPS 0004h)\n"},
    {"AxisCountBeyondTheSlots",
     "vosk.vogw",
     GW_VOSK,
     {"F10A,000A"},
     "",
     {"Size 1W: 10 in the file, 4 kept"},
     "sizes: Out 40 byte, In 40 byte ("},
    {"DravoUnitBreakingTheRules",
     "dravo.dvgw",
     GW_DRAVO,
     {"F112,0001"},
     Printed(Joined(MsgText[72], MsgText[68])),
     {"FINX: 5 in the file, 0 kept", "Axis Type: 6 in the file, 0 kept",
      "Axis0: 0001h in the file, FFFFh kept", "Axis1: 0001h in the file, FFFFh kept",
      "Axis2: 0001h in the file, FFFFh kept", "Axis3: 8005h in the file, FFFFh kept",
      "Axis4: 0020h in the file, FFFFh kept", "Axis5: 0020h in the file, FFFFh kept"},
     "Axis5:  Undefined                               (FFFFh)\n"},
};
INSTANTIATE_TEST_SUITE_P(Table, CliRefreshChanges, ::testing::ValuesIn(RefreshChangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The JSON form keeps its keys and adds the changes; the refresh's changes still go to standard error.
TEST_F(CliTest, ShowAsJsonListsTheRefreshChanges) {
    const std::string file = EditedGolden("vosk.vogw", "changed.vogw", {"F103,0005", "F107,0000"});
    const SCliRun run = Cli(GW_VOSK, {"--json", "show", file});
    EXPECT_EQ(run.status, 1);
    const nlohmann::json document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["registers"]["F107"], "0001") << "the set as the window keeps it";
    ASSERT_EQ(document["changes"].size(), 1u);
    EXPECT_EQ(document["changes"][0]["field"], "Address");
    EXPECT_EQ(document["changes"][0]["file"], "0");
    EXPECT_EQ(document["changes"][0]["kept"], "1");
    EXPECT_EQ(run.err, "gwcli: Address: 0 in the file, 1 kept\n");

    const SCliRun golden = Cli(GW_VOSK, {"--json", "show", GoldenFile("vosk.vogw")});
    EXPECT_EQ(nlohmann::json::parse(golden.out)["changes"], nlohmann::json::array());
}

// An EtherCAT set too large for the type (eight Full axes on DRAVO): the refresh changes nothing but
// raises its data error; show still prints the set with the window's "Data size over." and fails.
TEST_F(CliTest, ShowOfASetTheRefreshRefusesPrintsItWithTheWarning) {
    std::vector<std::string> edits = {"F103,0087", "F109,0007", "F10A,0008"};
    for (int slot = 0; slot < 8; ++slot) edits.push_back("F11" + std::to_string(slot) + ",0003");
    const std::string file = EditedGolden("dravo.dvgw", "large.dvgw", edits);
    const SCliRun run = Cli(GW_DRAVO, {"show", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Printed(MsgText[48]));
    EXPECT_NE(run.out.find("sizes: Out Data size over., In Data size over. ("), std::string::npos) << run.out;
    EXPECT_EQ(Occurrences(run.out, "\nAxis"), 8u) << run.out;
}

}  // namespace
