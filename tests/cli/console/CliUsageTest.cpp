// Usage errors, help and version of the built program.
#include <cstdio>

#include "tests/cli/CliTestSupport.h"

namespace {

struct SUsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* reason;  // part of the one-line reason
};

class CliUsageErrors : public CliTest, public ::testing::WithParamInterface<SUsageCase> {};

// Status 2, the reason on the first line of standard error, the usage after it, nothing on stdout.
TEST_P(CliUsageErrors, GiveStatusTwoWithReasonAndUsage) {
    const SUsageCase& c = GetParam();
    WriteSettingsFile(ConfigHome(), CLI_SIM_COM, CLI_SIM_BAUD_INDEX, "/dev/null");
    const SCliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    const std::string firstLine = run.err.substr(0, run.err.find('\n'));
    EXPECT_EQ(firstLine.rfind("gwcli: ", 0), 0u) << run.err;
    EXPECT_NE(firstLine.find(c.reason), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\nusage: gwcli --type TYPE"), std::string::npos) << run.err;
}

const SUsageCase UsageCases[] = {
    {"NoArguments", {}, "no command"},
    {"NoCommand", {"--type", "vosk"}, "no command"},
    {"UnknownCommand", {"--type", "vosk", "frobnicate"}, "unknown command \"frobnicate\""},
    {"ReadWithoutFile", {"--type", "vosk", "read"}, "read needs a FILE"},
    {"CheckWithTwoFiles", {"--type", "vosk", "check", "a.vogw", "b.vogw"}, "unexpected argument \"b.vogw\""},
    {"SearchWithArgument", {"--type", "vosk", "search", "now"}, "unexpected argument \"now\""},
    {"MissingType", {"check", "a.vogw"}, "--type is required"},
    {"UnknownType", {"--type", "VOSK-XL", "check", "a.vogw"}, "unknown gateway type \"VOSK-XL\""},
    {"TypeWithoutValue", {"check", "a.vogw", "--type"}, "--type needs a value"},
    {"UnknownOption", {"--type", "vosk", "--speed", "9600", "search"}, "unknown option --speed"},
    {"UnofferedBaudRate", {"--type", "vosk", "--baud", "460800", "search"}, "--baud takes"},
    {"BaudNotANumber", {"--type", "vosk", "--baud", "fast", "search"}, "--baud takes"},
    {"UnitTwo", {"--type", "vosk", "--unit", "2", "search"}, "--unit takes 0 or 1"},
    {"PortName",
     {"--type", "vosk", "--port", "ttyS0", "search"},
     "--port takes a COM number or a device path"},
    {"PortZero", {"--type", "vosk", "--port", "0", "search"}, "no COM number 0"},
    {"RestartWithRead", {"--type", "vosk", "read", "a.vogw", "--restart"}, "--restart belongs to the write"},
    {"ForceWithCheck", {"--type", "vosk", "--force", "check", "a.vogw"}, "--force belongs to the write"},
    {"ForceWithoutExtended", {"--type", "vosk", "write", "a.vogw", "--force"}, "--force needs --extended"},
    {"ExtendedWithValue", {"--type", "vosk", "--extended=1", "search"}, "--extended takes no value"},
    {"UnitForKavelis",
     {"--type", "kavelis", "--unit", "0", "read", "a.pkgw"},
     "--unit does not apply to KAVELIS"},
    {"SearchForNub3", {"--type", "nub3gw", "search"}, "search applies to VOSK"},
    {"ReadToForeignExtension", {"--type", "vosk", "read", "plant.pkgw"}, "extension .vogw of VOSK"},
    {"ReadToBareExtension", {"--type", "dravo", "read", "settings"}, "extension .dvgw of DRAVO"},
};
INSTANTIATE_TEST_SUITE_P(Table, CliUsageErrors, ::testing::ValuesIn(UsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A usage error of a command shows that command's usage and where its help is, not every command.
TEST_F(CliTest, UsageErrorShowsTheCommandsOwnUsage) {
    const SCliRun run = Cli({"--type", "vosk", "read"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gwcli: read needs a FILE\nusage: gwcli --type TYPE [OPTIONS] read FILE\nmore: gwcli read --help\n");

    const SCliRun json = Cli({"--type", "vosk", "--json", "read"});
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(json.out, "{\"error\":{\"message\":\"read needs a FILE\",\"details\":[],\"exit\":2}}\n");
}

TEST_F(CliTest, CommandHelpNamesItsValuesAndTheGlobalOptionsThatApply) {
    const SCliRun alarms = Cli({"alarms", "--help"});
    EXPECT_EQ(alarms.status, 0);
    EXPECT_NE(alarms.out.find("--csv FILE"), std::string::npos) << alarms.out;
    EXPECT_EQ(alarms.out.find("TEXT"), std::string::npos) << alarms.out;
    EXPECT_NE(alarms.out.find("--trace FILE, --pcap FILE"), std::string::npos) << alarms.out;
    const SCliRun check = Cli({"check", "--help"});
    EXPECT_NE(check.out.find("--json"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("--trace"), std::string::npos) << "check touches no line: " << check.out;
    const SCliRun registers = Cli({"registers", "--help"});
    EXPECT_NE(registers.out.find("--watch MS"), std::string::npos) << registers.out;
    EXPECT_NE(registers.out.find("--count N"), std::string::npos) << registers.out;
}

// Without a port in the settings and without --port, the commands that need a unit cannot start.
TEST_F(CliTest, UnitCommandWithoutAnyPortIsAUsageError) {
    const SCliRun run = Cli(GW_VOSK, {"search"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("gwcli: no port", 0), 0u) << run.err;
}

TEST_F(CliTest, HelpAndVersion) {
    const SCliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Usage: gwcli --type TYPE", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("CR LF"), std::string::npos) << "the help says how line breaks are printed";
    EXPECT_NE(help.out.find("write FILE [--restart] [--force]"), std::string::npos);
    EXPECT_NE(help.out.find("130 stopped by Ctrl-C"), std::string::npos) << help.out;

    const SCliRun helpAmongErrors = Cli({"--type", "nonsense", "--help"});
    EXPECT_EQ(helpAmongErrors.status, 0);

    const SCliRun version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, GW_VERSION_TEXT "\n");
    EXPECT_EQ(std::string(GW_VERSION_TEXT), "2.0.0.0");
}

}  // namespace

namespace {

// gwcli runs where no display and no Qt is installed: none of its shared libraries is a Qt library.
TEST(CliProgram, LinksNoQtLibrary) {
    std::FILE* pipe = popen("ldd " GWCLI_PROGRAM " 2>&1", "r");
    ASSERT_NE(pipe, nullptr);
    std::string libraries;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) libraries += buffer;
    ASSERT_EQ(pclose(pipe), 0) << libraries;
    EXPECT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}

}  // namespace
