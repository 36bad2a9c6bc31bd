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
             "type: VOSK, firmware version 0\n",
             "network: EtherNet/IP (NTYP 0085h, NMOD 000Ch)\n",
             "station address: -\n",
             "baud rate: Auto (DBPS 0000h)\n",
             "axis slots: 8\n",
             "slot  0: Positioner1                  (0001h)\n",
             "slot  3: Positioner2              rsv (8010h)\n",
             "slot  7: (none)                       (FFFFh)\n",
             "unit: number 0, top axis 0, IP address 192.168.1.10, subnet mask 255.255.255.0, default "
             "gateway "
             "192.168.1.1, multi-drop off (MDRP 00000000h)\n",
             "options: GMOD 0010h, TBPS 0014h, ExtParam1 0000h, ExtParam2 0400h\n",
         }) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin:\n" << run.out;
    }
    EXPECT_EQ(Occurrences(run.out, "\nslot "), 8u);
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
    EXPECT_EQ(Occurrences(kavelis.out, "\nslot "), 16u);
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
    EXPECT_EQ(Occurrences(show.out, "\nslot "), 8u) << show.out;
    EXPECT_NE(show.out.find("slot  7: Positioner3 "), std::string::npos) << show.out;
}

TEST_F(CliTest, ShowOfAMalformedFilePrintsOnlyTheMessage) {
    const std::string file = EditedGolden("vosk.vogw", "plant.vogw", {"F104,00G5"});
    const SCliRun run = Cli(GW_VOSK, {"show", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, Printed(MsgText[22]) + RefusedLineDetail(file, "F104,00G5"));
}

}  // namespace
