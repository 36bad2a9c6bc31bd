// The command line rules of gwcli, in-process.
#include <gtest/gtest.h>

#include "cli/console/CliArguments.h"
#include "cli/console/CliTypeName.h"

namespace {

TEST(CliTypeName, ScriptsSpellingsNameTheirType) {
    const std::pair<const char*, GwType> cases[] = {
        {"KAVELIS", GW_KAVELIS},    {"kavelis", GW_KAVELIS},        {"VOSK", GW_VOSK},
        {"vosk", GW_VOSK},          {"VOSK(MLIII)", GW_VOSK_ML3},   {"vosk-ml3", GW_VOSK_ML3},
        {"voskmliii", GW_VOSK_ML3}, {"Vosk (ML III)", GW_VOSK_ML3}, {"VOSK-LC", GW_VOSK_LC},
        {"vosk lc", GW_VOSK_LC},    {"vosklc", GW_VOSK_LC},         {"NUB3 GW", GW_NUB3GW},
        {"nub3gw", GW_NUB3GW},      {"nub3-gw", GW_NUB3GW},         {"DRAVO", GW_DRAVO},
        {"dravo", GW_DRAVO},
    };
    for (const auto& [text, type] : cases) EXPECT_EQ(GwTypeOfName(text), type) << text;
    for (const char* text : {"", "()", "vosk-xl", "vos", "voskml", "nub3", "kavelis2", "ml3"}) {
        EXPECT_FALSE(GwTypeOfName(text).has_value()) << text;
    }
}

SCliArguments Parsed(const std::vector<std::string>& words) {
    const SCliParseResult result = ParseCliArguments(words);
    EXPECT_TRUE(result.Ok()) << result.error;
    return result.arguments;
}

TEST(CliArguments, OptionsStandBeforeOrAfterTheCommand) {
    const SCliArguments a = Parsed({"--type", "vosk-lc", "--port=12", "--baud", "230400", "--unit", "1",
                                    "--extended", "write", "plant.volc", "--restart", "--force"});
    EXPECT_EQ(CommandName(a), "write");
    EXPECT_EQ(a.type, GW_VOSK_LC);
    EXPECT_EQ(a.portNumber, 12);
    EXPECT_EQ(a.portPath, "");
    EXPECT_EQ(a.baudIndex, 5);
    EXPECT_EQ(a.unitNo, 1);
    EXPECT_TRUE(a.extended && a.restart && a.force);
    EXPECT_EQ(a.file, "plant.volc");

    const SCliArguments b = Parsed({"read", "PLANT.VOGW", "--port", "/dev/pts/3", "--type", "VOSK"});
    EXPECT_EQ(CommandName(b), "read");
    EXPECT_EQ(b.portPath, "/dev/pts/3");
    EXPECT_FALSE(b.portNumber.has_value());
    EXPECT_FALSE(b.baudIndex.has_value());
    EXPECT_FALSE(b.unitNo.has_value());
    EXPECT_FALSE(b.extended || b.restart || b.force);
}

TEST(CliArguments, EveryOfferedSpeedHasItsBaudIndex) {
    const std::pair<const char*, int> speeds[] = {{"9600", 0},  {"19200", 1},  {"38400", 2},
                                                  {"57600", 3}, {"115200", 4}, {"230400", 5}};
    for (const auto& [bps, index] : speeds) {
        EXPECT_EQ(Parsed({"--type", "dravo", "--baud", bps, "search"}).baudIndex, index) << bps;
    }
    for (const char* bps : {"460800", "4800", "9600x", "-9600", ""}) {
        EXPECT_FALSE(ParseCliArguments({"--type", "dravo", "--baud", bps, "search"}).Ok()) << bps;
    }
}

TEST(CliArguments, HelpAndVersionNeedNothingElse) {
    EXPECT_EQ(ParseCliArguments({"--help"}).request, ECliRequest::Help);
    EXPECT_EQ(ParseCliArguments({"--version"}).request, ECliRequest::Version);
    // The help of a command: its own options, whatever else stands on the line.
    const SCliParseResult commandHelp = ParseCliArguments({"--type", "vosk", "write", "--bogus", "-h"});
    EXPECT_EQ(commandHelp.request, ECliRequest::Help);
    EXPECT_NE(commandHelp.helpText.find("--restart"), std::string::npos) << commandHelp.helpText;
    EXPECT_EQ(commandHelp.helpText.find("search"), std::string::npos) << commandHelp.helpText;
}

TEST(CliArguments, CommandOptionsAndJsonStandAnywhere) {
    const SCliArguments a = Parsed({"--restart", "--type", "vosk", "--json", "write", "a.vogw"});
    EXPECT_EQ(CommandName(a), "write");
    EXPECT_TRUE(a.restart);
    EXPECT_TRUE(a.json);
    EXPECT_EQ(a.file, "a.vogw");
    // A value that spells a command is still the option's value.
    const SCliParseResult valueLikeCommand =
        ParseCliArguments({"--port", "search", "--type", "vosk", "check", "a"});
    EXPECT_EQ(CommandName(valueLikeCommand.arguments), "check");
    EXPECT_NE(valueLikeCommand.error.find("--port takes a COM number"), std::string::npos)
        << valueLikeCommand.error;
}

TEST(CliArguments, ReadFileMustBearTheTypesExtensionInAnyCase) {
    EXPECT_TRUE(ParseCliArguments({"--type", "kavelis", "read", "dir/Plant.PKGW"}).Ok());
    EXPECT_FALSE(ParseCliArguments({"--type", "kavelis", "read", "dir/plant.pkgw.bak"}).Ok());
    EXPECT_FALSE(ParseCliArguments({"--type", "kavelis", "read", ".pkgw"}).Ok());
    // Opening checks the extension itself and answers with the tool's own message.
    EXPECT_TRUE(ParseCliArguments({"--type", "kavelis", "check", "plant.txt"}).Ok());
}

}  // namespace
