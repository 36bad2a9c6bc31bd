// The settings file: its rules for each key, and that writing it back keeps what others put in it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/GwComConfig.h"
#include "core/app/SettingsLocation.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// A private configuration folder for each test, through XDG_CONFIG_HOME.
class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gwapp-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        const char* old = std::getenv("XDG_CONFIG_HOME");
        if (old) oldXdg_ = old;
        hadXdg_ = old != nullptr;
        setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    }
    void TearDown() override {
        if (hadXdg_) {
            setenv("XDG_CONFIG_HOME", oldXdg_.c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path SettingsFile() const { return root_ / SETTINGS_SUBFOLDER / SETTINGS_FILE_NAME; }

    fs::path root_;

private:
    std::string oldXdg_;
    bool hadXdg_ = false;
};

TEST(ToolFlagsTest, FlagRule) {
    const struct {
        const char* text;
        std::uint32_t flags;
    } cases[] = {
        {"80000000", 0x00000002u},                             // no validity bit: ExtendedMode stays off
        {"80000002", 0x80000002u}, {"8000000Z", 0x00000002u},  // not hexadecimal: 0, then 2
        {"0", 0x00000002u},        {"", 0x00000002u},         {"1D", 0x0000001Fu}, {"fffffffd", 0x7FFFFFFFu},
    };
    for (const auto& c : cases) EXPECT_EQ(ToolFlagsOfFlagText(c.text), c.flags) << c.text;
}

TEST(GwComConfigParseTest, DefaultsForMissingEmptyAndGarbageText) {
    static const char garbageBytes[] = "\x00\xff[GW\n=\n[GW]\nBaudRate\nPortNum=abc\n\x01\x02";
    const std::string garbage(garbageBytes, sizeof garbageBytes - 1);
    for (const std::string& text : {std::string(), std::string("[GW]\n"), garbage}) {
        const SGwComConfig config = ParseGwComConfig(text);
        EXPECT_EQ(config.comm.CurrentBaudIndex, 0);
        EXPECT_EQ(config.comm.CurrentPortNum, 0);
        EXPECT_EQ(config.comm.ToolFlags, TOOLFLAG_VALID);
        EXPECT_EQ(config.comm.LastFolder, "0");
        EXPECT_TRUE(config.ports.empty());
    }
}

TEST(GwComConfigParseTest, BaudRateAndPortNumRanges) {
    const struct {
        const char* baud;
        const char* port;
        int baudIndex;
        int portNum;
    } cases[] = {
        {"6", "3", 6, 3},
        {"9", "255", 0, 255},
        {"-1", "-2", 0, 0},
        {"4x", "70000", 4, 0},
        {"99999999999999999999", "12", 0, 12},
    };
    for (const auto& c : cases) {
        const SGwComConfig config =
            ParseGwComConfig(std::string("[GW]\nBaudRate=") + c.baud + "\nPortNum=" + c.port + "\n");
        EXPECT_EQ(config.comm.CurrentBaudIndex, c.baudIndex) << c.baud;
        EXPECT_EQ(config.comm.CurrentPortNum, c.portNum) << c.port;
    }
}

TEST(GwComConfigParseTest, PathEndsWithSeparator) {
    EXPECT_EQ(ParseGwComConfig("[GW]\nPath=/home/eng/params\n").comm.LastFolder, "/home/eng/params/");
    EXPECT_EQ(ParseGwComConfig("[GW]\nPath=/home/eng/\n").comm.LastFolder, "/home/eng/");
    EXPECT_EQ(ParseGwComConfig("[GW]\nPath=0\n").comm.LastFolder, "0");
}

TEST(GwComConfigParseTest, PortsSection) {
    const SGwComConfig config = ParseGwComConfig(
        "[Ports]\nCOM7=/tmp/gw/COM7\ncom40 = /dev/ttyAMA0\nCOMX=/x\nCOM0=/y\nSpeed=1\nCOM9=\n");
    const std::map<int, std::string> expected = {{7, "/tmp/gw/COM7"}, {40, "/dev/ttyAMA0"}};
    EXPECT_EQ(config.ports, expected);
}

TEST(SettingsLocationTest, ConfigHomeFromEnvironment) {
    EXPECT_EQ(ConfigHomeFromEnvironment("/xdg", "/home/u"), fs::path("/xdg"));
    EXPECT_EQ(ConfigHomeFromEnvironment(nullptr, "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(ConfigHomeFromEnvironment("relative", "/home/u"), fs::path("/home/u/.config"));
    EXPECT_EQ(ConfigHomeFromEnvironment("", nullptr), std::nullopt);
    EXPECT_EQ(ConfigHomeFromEnvironment(nullptr, ""), std::nullopt);
}

TEST_F(SettingsFolderTest, MissingFileEverywhereGivesDefaultsAndSaveCreatesTheFolders) {
    // The program folder of the test executable holds no settings file.
    ASSERT_FALSE(fs::exists(*ProgramFolder() / SETTINGS_FILE_NAME));
    EXPECT_EQ(SettingsReadPath(), *ProgramFolder() / SETTINGS_FILE_NAME);
    SGwComConfig config = LoadGwComConfig();
    EXPECT_EQ(config.comm.CurrentPortNum, 0);
    EXPECT_EQ(config.comm.ToolFlags, TOOLFLAG_VALID);

    config.comm.CurrentPortNum = 3;
    EXPECT_EQ(SaveGwComConfig(config, config.comm), 0);
    EXPECT_EQ(ReadText(SettingsFile()), "[GW]\nBaudRate=0\nPortNum=3\nFlag=00000002\nPath=0\n");
    EXPECT_EQ(SettingsReadPath(), SettingsFile());
}

TEST_F(SettingsFolderTest, ExtendedModeSurvivesARoundTrip) {
    WriteText(SettingsFile(), "[GW]\nBaudRate=4\nPortNum=7\nFlag=80000002\nPath=/data/\n");
    SGwComConfig config = LoadGwComConfig();
    EXPECT_EQ(config.comm.ToolFlags, 0x80000002u);
    EXPECT_EQ(config.comm.CurrentBaudIndex, 4);
    EXPECT_EQ(config.comm.CurrentPortNum, 7);
    EXPECT_EQ(config.comm.LastFolder, "/data/");
    ASSERT_EQ(SaveGwComConfig(config, config.comm), 0);
    EXPECT_EQ(ReadText(SettingsFile()), "[GW]\nBaudRate=4\nPortNum=7\nFlag=80000002\nPath=/data/\n");
}

// Keys whose text the program reads as the value it holds keep their text, even a value the program
// could not use and read as its default.
TEST_F(SettingsFolderTest, WritingBackKeepsOtherSectionsAndUnknownKeys) {
    WriteText(SettingsFile(),
              "; site settings\n[GW]\nBaudRate=9\nPortNum=7\nFlag=80000000\nOwner=plant 4\n\n"
              "[Ports]\nCOM7=/tmp/gw/COM7\n\n[Other]\nkey=value\n");
    SGwComConfig config = LoadGwComConfig();
    EXPECT_EQ(config.comm.CurrentBaudIndex, 0);
    EXPECT_EQ(config.comm.ToolFlags, TOOLFLAG_VALID);
    EXPECT_EQ(config.ports.at(7), "/tmp/gw/COM7");
    config.comm.LastFolder = "/home/eng/";
    ASSERT_EQ(SaveGwComConfig(config, config.comm), 0);
    EXPECT_EQ(
        ReadText(SettingsFile()),
        "; site settings\n[GW]\nBaudRate=9\nPortNum=7\nFlag=80000000\nOwner=plant 4\nPath=/home/eng/\n\n"
        "[Ports]\nCOM7=/tmp/gw/COM7\n\n[Other]\nkey=value\n");
}

// A rewrite changes only the keys whose value changed: line endings, key order, a Path without its
// final "/" and an empty Path stay as they were.
TEST_F(SettingsFolderTest, RewriteChangesOnlyChangedValues) {
    const struct {
        const char* text;
        const char* written;  // after PortNum 7 -> 3
    } cases[] = {
        {"[GW]\r\nPath=/data\r\nPortNum=7\r\nFlag=00000002\r\nBaudRate=4\r\n[Ports]\r\nCOM7=/dev/x\r\n",
         "[GW]\r\nPath=/data\r\nPortNum=3\r\nFlag=00000002\r\nBaudRate=4\r\n[Ports]\r\nCOM7=/dev/x\r\n"},
        {"[GW]\nPath=\nPortNum=07\nBaudRate=4\nFlag=2\n", "[GW]\nPath=\nPortNum=3\nBaudRate=4\nFlag=2\n"},
    };
    for (const auto& c : cases) {
        WriteText(SettingsFile(), c.text);
        SGwComConfig config = LoadGwComConfig();
        EXPECT_FALSE(config.unreadable);
        ASSERT_EQ(SaveGwComConfig(config, config.comm), 0);
        EXPECT_EQ(ReadText(SettingsFile()), c.text) << "nothing changed, nothing rewritten differently";
        config.comm.CurrentPortNum = 3;
        ASSERT_EQ(SaveGwComConfig(config, config.comm), 0);
        EXPECT_EQ(ReadText(SettingsFile()), c.written);
    }
}

// A file that is there but cannot be read gives the defaults, and is never overwritten at close.
TEST_F(SettingsFolderTest, UnreadableOrOversizedFileGivesDefaultsAndIsKept) {
    fs::create_directories(SettingsFile());  // a folder where the file should be
    SGwComConfig config = LoadGwComConfig();
    EXPECT_EQ(config.comm.CurrentPortNum, 0);
    EXPECT_TRUE(config.unreadable);
    EXPECT_EQ(config.file, SettingsFile());
    EXPECT_EQ(SaveGwComConfig(config, config.comm), -1);
    EXPECT_TRUE(fs::is_directory(SettingsFile()));
    fs::remove(SettingsFile());

    const std::string large = "[GW]\nPortNum=5\n[Ports]\nCOM5=/dev/x\n" + std::string(2u << 20, ';');
    WriteText(SettingsFile(), large);
    config = LoadGwComConfig();
    EXPECT_EQ(config.comm.CurrentPortNum, 0);
    EXPECT_TRUE(config.unreadable);
    config.comm.CurrentPortNum = 4;
    EXPECT_EQ(SaveGwComConfig(config, config.comm), -1);
    EXPECT_EQ(ReadText(SettingsFile()), large);
    EXPECT_NE(UnreadableSettingsNotice(SettingsFile()).find(SettingsFile().string()), std::string::npos);

    fs::remove(SettingsFile());
    EXPECT_FALSE(LoadGwComConfig().unreadable) << "a missing file is no reason to keep the defaults unsaved";
}

TEST_F(SettingsFolderTest, UnwritableFolderFailsSilently) {
    // A plain file where a folder level would have to be created.
    WriteText(root_ / "blocked", "x");
    setenv("XDG_CONFIG_HOME", (root_ / "blocked").c_str(), 1);
    SGWCommunicate comm;
    comm.CurrentPortNum = 3;
    EXPECT_EQ(SaveGwComConfig(SGwComConfig{}, comm), -1);
    EXPECT_EQ(ReadText(root_ / "blocked"), "x");
}

}  // namespace
