// The tables must hold every text exactly: blanks, line breaks, tabs and misspellings included.
#include <gtest/gtest.h>

#include <string_view>

#include "core/app/texts/AlarmCodeTable.h"
#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/CommonText.h"
#include "core/app/texts/ExtParamBitNames.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"

namespace {

struct SIndexedText {
    std::size_t index;
    std::string_view text;
};

TEST(UiTextTest, TrickyEntriesAreExact) {
    const SIndexedText cases[] = {
        {0, "Parameter Configuration Tool for Orvane GateWay Unit"},
        {31, " station"},
        {32, " byte"},
        {41, "Parameter for KGW(*%ls)|*%ls|"},
        {42, "%04X,%04X\r\n"},
        {43, ";DATE="},
        {90, "Latch after SERVO-OFF in ERR_T "},
        {91, "SERVO-OFF in ERR_C "},
        {232, "Bit0"},
        {247, "Bit15"},
        {254, "Encorder Voltage A"},
        {267, "%04X,%08X\r\n"},
        {324, "Motor power overvoltage  threshold value[V]"},
        {361, " piece"},
        {365, "Date Size"},
        {386, "Point5"},
        {389, "AlarmList(*.csv)|*.csv|"},
        {397, "HMI address(Mod.)"},
    };
    for (const auto& c : cases) EXPECT_EQ(UiText[c.index], c.text) << "UiText[" << c.index << "]";
}

TEST(UiTextTest, ListedEmptySlotsAndTailAreEmpty) {
    for (std::size_t index :
         {7u, 9u, 12u, 14u, 20u, 26u, 57u, 84u, 99u, 100u, 136u, 160u, 215u, 220u, 231u, 362u, 370u}) {
        EXPECT_TRUE(UiText[index].empty()) << "UiText[" << index << "]";
    }
    for (std::size_t index = 398; index < UI_TEXT_SLOTS; ++index) EXPECT_TRUE(UiText[index].empty()) << index;
    EXPECT_EQ(UiText.size(), 870u);
}

TEST(MsgTextTest, TrickyEntriesAreExact) {
    const SIndexedText cases[] = {
        {1, "Are the parameters read from\n  the Gateway unit correct?"},
        {2, "Reading the parameter from the Gateway unit was\n                  successful."},
        {9, "Transmitting the parameter to the Gateway unit succeeded. "},
        {10, "      There is an omission.\nPlease check the data and try again."},
        {12, "Are the communication setting correct?"},
        {17, "      A file cannot be saved.\r\nPlease check the path to save once again."},
        {18, "  The specified file cannot be opened."},
        {19, "Please choose a file only one."},
        {42,
         "Parameters are modified.\r\nDo you wish to exit this application without transmitting the changes "
         "(changes will be lost)?"},
        {43,
         "The Gateway Unit is in AUTO mode. \nPlease change the Gateway Unit to MANU mode before clicking "
         "\"OK\"."},
        {48, "Data Error    \r\n"},
        {49, "Day Error   \r\n"},
        {65, "Prease check, when you reserve this axis"},
        {66, "Illegal Data Value(%ls)\r\nPlease input %d-%d"},
        {86, "Failed to save the alarm list."},
    };
    for (const auto& c : cases) EXPECT_EQ(MsgText[c.index], c.text) << "MsgText[" << c.index << "]";
    for (std::size_t index : {33u, 34u, 79u, 87u, 869u}) EXPECT_TRUE(MsgText[index].empty()) << index;
}

TEST(CommonTextTest, UsedEntriesAndEmptyRest) {
    EXPECT_EQ(CommonText[1], "&File");
    EXPECT_EQ(CommonText[12], "&Open...");
    EXPECT_EQ(CommonText[19], "E&xit");
    EXPECT_EQ(CommonText[275], "Setting of communications");
    EXPECT_EQ(CommonText[278], "Baudrate(bps)");
    EXPECT_EQ(CommonText[445], "COM%d");
    EXPECT_EQ(CommonText[446], "\\\\.\\COM%d");
    EXPECT_EQ(CommonText[517], "Data");
    EXPECT_TRUE(CommonText[0].empty());
    EXPECT_TRUE(CommonText[869].empty());
    EXPECT_EQ(CommonMsgText[50], "Communication port open error");
    EXPECT_EQ(CommonMsgText[58], "Receive data error (PC)");
    EXPECT_TRUE(CommonMsgText[199].empty());
}

TEST(CommonTextTest, CommonTextAtGivesEmptyOutsideTheTable) {
    EXPECT_EQ(CommonTextAt(118), "Alarm");
    EXPECT_EQ(CommonTextAt(0), "");
    EXPECT_EQ(CommonTextAt(869), std::string(CommonText[869]));
    EXPECT_EQ(CommonTextAt(870), "");
    EXPECT_EQ(CommonTextAt(-1), "");
    EXPECT_EQ(CommonTextAt(1 << 30), "");
}

TEST(AlarmCodeTableTest, PaddedTextsTabsAndEndRecord) {
    EXPECT_EQ(AlarmCodeTable[1].text, "ABS charge circuit err.  ");
    EXPECT_EQ(AlarmCodeTable[7].text, "LC minor failure           ");
    EXPECT_EQ(AlarmCodeTable[10].text, "DB comm recive error.     ");
    EXPECT_EQ(AlarmCodeTable[25].text, "FieldBus modure not found.");
    EXPECT_EQ(AlarmCodeTable[43].text, "CPU error\t\t\t\t\t");
    EXPECT_EQ(AlarmCodeTable[43].code, 0x8FA);
    EXPECT_EQ(AlarmCodeTable[42].code, 0xFFF);
    EXPECT_EQ(AlarmCodeTable[44].code, 0);
    EXPECT_EQ(AlarmCodeTable[44].text, "0                         ");
    EXPECT_EQ(AlarmCodeTable[44].text.size(), 26u);
}

TEST(AlarmCodeTableTest, LinearLookup) {
    const struct {
        std::uint16_t code;
        int index;
    } cases[] = {
        {0x842, 0}, {0x8CA, 41}, {0xFFF, 42}, {0x8FA, 43}, {0, -1}, {0x844, -1}, {0xFFFF, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(AlarmCodeIndexOf(c.code), c.index) << std::hex << c.code;
}

TEST(ExtParamBitNamesTest, BothWords) {
    EXPECT_EQ(ExtParam1BitNames[0], "Comd Area notuse");
    EXPECT_EQ(ExtParam1BitNames[9], "Encorder type Check");
    EXPECT_EQ(ExtParam1BitNames[15], "RTC function");
    EXPECT_EQ(ExtParam2BitNames[7], "Enable in TP disconect");
    EXPECT_EQ(ExtParam2BitNames[11], "PUSH type(only Full mode)");
    EXPECT_EQ(ExtParam2BitNames[15], "Field bus loop back");
}

TEST(TextTablesTest, EveryTextIsAscii) {
    const auto ascii = [](std::string_view text) {
        for (const char c : text) {
            if (static_cast<unsigned char>(c) > 0x7F) return false;
        }
        return true;
    };
    for (const auto text : UiText) EXPECT_TRUE(ascii(text)) << text;
    for (const auto text : MsgText) EXPECT_TRUE(ascii(text)) << text;
    for (const auto& record : AlarmCodeTable) EXPECT_TRUE(ascii(record.text)) << record.text;
}

}  // namespace
