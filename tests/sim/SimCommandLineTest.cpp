// gwsim's command line: type names, options and usage errors.
#include <gtest/gtest.h>

#include "sim/SimCommandLine.h"
#include "sim/SimTypeName.h"

namespace {

TEST(SimTypeName, AcceptsTheNamesWithoutRegardToCaseBlanksDashesOrParentheses) {
    const std::vector<std::pair<const char*, GwType>> cases{{"KAVELIS", GW_KAVELIS},
                                                            {"kavelis", GW_KAVELIS},
                                                            {"VOSK", GW_VOSK},
                                                            {"VOSK(MLIII)", GW_VOSK_ML3},
                                                            {"vosk-ml3", GW_VOSK_ML3},
                                                            {"voskmliii", GW_VOSK_ML3},
                                                            {"VOSK (ML III)", GW_VOSK_ML3},
                                                            {"VOSK-LC", GW_VOSK_LC},
                                                            {"vosk lc", GW_VOSK_LC},
                                                            {"NUB3 GW", GW_NUB3GW},
                                                            {"nub3gw", GW_NUB3GW},
                                                            {"Nub3-Gw", GW_NUB3GW},
                                                            {"DRAVO", GW_DRAVO},
                                                            {"dravo", GW_DRAVO},
                                                            {"", GW_NONE},
                                                            {"VOSK2", GW_NONE},
                                                            {"NUB3", GW_NONE},
                                                            {"MLIII", GW_NONE}};
    for (const auto& [text, type] : cases) EXPECT_EQ(ParseSimGwType(text), type) << text;
    EXPECT_EQ(SimGwTypeName(GW_VOSK_ML3), "VOSK(MLIII)");
    EXPECT_EQ(SimGwTypeName(GW_NUB3GW), "NUB3 GW");
}

TEST(SimCommandLine, ReadsEveryOption) {
    SSimOptions options;
    std::string error;
    ASSERT_EQ(ParseSimCommandLine({"--type", "vosk-lc", "--link", "/tmp/gw/COM7", "--units", "1,0", "--axes",
                                   "6", "--auto", "--state", "/tmp/gw/state", "--pace"},
                                  options, error),
              0)
        << error;
    EXPECT_EQ(options.config.type, GW_VOSK_LC);
    EXPECT_EQ(options.linkPath, "/tmp/gw/COM7");
    EXPECT_EQ(options.config.units, (std::vector<int>{1, 0}));
    EXPECT_EQ(options.config.axes, 6);
    EXPECT_TRUE(options.config.autoMode);
    EXPECT_EQ(options.config.stateFile, "/tmp/gw/state");
    EXPECT_TRUE(options.config.pace);
    EXPECT_FALSE(options.help);
}

TEST(SimCommandLine, DefaultsAndHelp) {
    SSimOptions options;
    std::string error;
    ASSERT_EQ(ParseSimCommandLine({"--type", "DRAVO"}, options, error), 0);
    EXPECT_EQ(options.config.units, std::vector<int>{0});
    EXPECT_EQ(options.config.axes, 8);
    EXPECT_FALSE(options.config.autoMode || options.config.pace);
    EXPECT_TRUE(options.linkPath.empty());
    SSimOptions help;
    ASSERT_EQ(ParseSimCommandLine({"--help"}, help, error), 0);
    EXPECT_TRUE(help.help);
    SSimOptions version;
    ASSERT_EQ(ParseSimCommandLine({"--version"}, version, error), 0) << "no --type needed";
    EXPECT_TRUE(version.version);
    for (const char* option :
         {"--type", "--link", "--units", "--axes", "--auto", "--state", "--pace", "--help", "--version"}) {
        EXPECT_NE(SimUsageText().find(option), std::string_view::npos) << option;
    }
}

TEST(SimCommandLine, UsageErrorsAreCodeTwoWithAReason) {
    const std::vector<std::vector<std::string_view>> cases{
        {},
        {"--link", "/tmp/x"},
        {"--type"},
        {"--type", "VOSK3"},
        {"--type", "VOSK", "--units", ""},
        {"--type", "VOSK", "--units", "0,0"},
        {"--type", "VOSK", "--units", "0,"},
        {"--type", "VOSK", "--units", "48"},
        {"--type", "VOSK", "--units", "-1"},
        {"--type", "VOSK", "--axes", "256"},
        {"--type", "VOSK", "--axes", "8x"},
        {"--type", "VOSK", "--speed", "9600"},
        {"--type", "VOSK", "extra"},
    };
    for (const auto& args : cases) {
        SSimOptions options;
        std::string error;
        EXPECT_EQ(ParseSimCommandLine(args, options, error), 2) << (args.empty() ? "" : args.back());
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
