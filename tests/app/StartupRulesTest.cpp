#include <gtest/gtest.h>

#include "core/app/StartupRules.h"
#include "core/app/StatusBarTexts.h"
#include "core/app/texts/MsgText.h"
#include "tests/support/ScriptedHost.h"

namespace {

TEST(StartupRulesTest, OperatingSystemIsSupported) {
    EXPECT_EQ(CheckOperatingSystem(), OsSupport::Supported);
}

TEST(StartupRulesTest, ResolutionNotes) {
    const struct {
        int width, height;
        bool extended;
        std::vector<std::string> boxes;
    } cases[] = {
        {799, 600, false, {std::string(MsgText[39])}},
        {800, 599, true, {std::string(MsgText[39]), std::string(MsgText[38])}},
        {800, 600, false, {}},
        {1000, 700, false, {}},
        {1000, 700, true, {std::string(MsgText[38])}},
        {1024, 767, true, {std::string(MsgText[38])}},
        {1366, 768, true, {}},
        {700, 500, true, {std::string(MsgText[39])}},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        ShowLowResolutionNote(host, c.width, c.height);
        ShowExtendedResolutionNote(host, c.width, c.height, c.extended);
        EXPECT_EQ(host.Texts(), c.boxes) << c.width << "x" << c.height << " extended " << c.extended;
        for (const auto& box : host.boxes) EXPECT_EQ(box.style, 0x40u);
    }
}

TEST(StartupRulesTest, GwSlaveAddress) {
    const struct {
        GwType type;
        int unit;
        int address;
    } cases[] = {
        {GW_KAVELIS, 5, 63}, {GW_NUB3GW, 5, 208}, {GW_VOSK, 0, 208},      {GW_VOSK, 1, 209},
        {GW_DRAVO, 15, 223}, {GW_VOSK_LC, 48, 0}, {GW_VOSK_ML3, 47, 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GwSlaveAddressOf(c.type, c.unit), c.address) << c.type << " " << c.unit;
}

TEST(StartupRulesTest, HelpMenuOnlyForTypesWithAnOptionBit) {
    for (const GwType type : {GW_KAVELIS, GW_VOSK, GW_NUB3GW, GW_DRAVO, GW_VOSK_ML3, GW_VOSK_LC}) {
        const bool shown = type != GW_VOSK_ML3 && type != GW_VOSK_LC;
        MenuItemState help;
        ApplyHelpMenuRule(help, type);
        EXPECT_EQ(help.visible, shown) << type;
        EXPECT_EQ(help.enabled, shown) << type;
        MenuItemState pio;
        ApplyHelpMenuOpeningRule(pio, type);
        EXPECT_EQ(pio.enabled, shown) << type;
    }
}

TEST(StartupRulesTest, NetworkTypeField) {
    ComboState cbNTYP;
    TextState pnlNTYP, linpNTYP;
    ApplyNetworkTypeFieldRule(cbNTYP, pnlNTYP, linpNTYP, false);
    EXPECT_FALSE(cbNTYP.enabled);
    EXPECT_FALSE(cbNTYP.visible);
    EXPECT_TRUE(pnlNTYP.visible);
    EXPECT_TRUE(linpNTYP.visible);
    ApplyNetworkTypeFieldRule(cbNTYP, pnlNTYP, linpNTYP, true);
    EXPECT_TRUE(cbNTYP.enabled);
    EXPECT_TRUE(cbNTYP.visible);
    EXPECT_FALSE(pnlNTYP.visible);
    EXPECT_FALSE(linpNTYP.visible);
}

TEST(StartupRulesTest, TpBaudRateOnlyOnVoskLc) {
    for (const GwType type : {GW_KAVELIS, GW_VOSK, GW_NUB3GW, GW_DRAVO, GW_VOSK_ML3, GW_VOSK_LC}) {
        TextState lTBPS;
        ComboState cbTBPS;
        ApplyTpBaudRateRule(lTBPS, cbTBPS, type);
        EXPECT_EQ(lTBPS.visible, type == GW_VOSK_LC) << type;
        EXPECT_EQ(cbTBPS.visible, type == GW_VOSK_LC) << type;
    }
}

TEST(StatusBarTextsTest, VersionAndPort) {
    EXPECT_EQ(ProgramVersionText(), GW_VERSION_TEXT);
    EXPECT_EQ(PortStatusText(115200, 3), "Baudrate(bps):115200   Port:COM3");
    EXPECT_EQ(PortStatusText(9600, 255), "Baudrate(bps):9600   Port:COM255");
}

}  // namespace
