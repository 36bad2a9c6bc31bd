#include <gtest/gtest.h>

#include "core/app/texts/MsgText.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "tests/params/edit/Bench.h"

namespace {

TEST(cbNTYPChange, TakesTheCodeOfTheListedEntryForTheType) {
    struct SCase {
        GwType type;
        int index;
        std::uint16_t ntyp;
    };
    const SCase cases[] = {{GW_KAVELIS, 3, NTYP_RS485},       {GW_KAVELIS, 4, NTYP_ETHERNET_IP},
                           {GW_KAVELIS, 5, NTYP_PROFINET_IO}, {GW_VOSK, 3, NTYP_RS485},
                           {GW_VOSK, 9, NTYP_MECHATROLINK3},  {GW_VOSK_LC, 11, NTYP_NONE},
                           {GW_NUB3GW, 6, NTYP_ETHERCAT}};
    for (const auto& c : cases) {
        SEditBench bench(c.type);
        cbNTYPChange(bench.image, bench.form, bench.program, bench.host, c.index);
        EXPECT_EQ(bench.image.Word(NTYP), c.ntyp) << "type " << c.type << " index " << c.index;
        EXPECT_EQ(bench.form.cbNTYP.index, c.index);
    }
}

TEST(cbNTYPChange, IndexOutsideTheListChangesNothing) {
    for (int index : {-1, 6, 40}) {
        SEditBench bench(GW_KAVELIS);
        bench.image.Word(NTYP) = NTYP_DEVICENET;
        bench.MarkNoRefresh();
        cbNTYPChange(bench.image, bench.form, bench.program, bench.host, index);
        EXPECT_EQ(bench.image.Word(NTYP), NTYP_DEVICENET);
        EXPECT_FALSE(bench.Refreshed());
    }
}

TEST(cbNTYPChange, AxisTypesStartTheirAxisConfigurationAgain) {
    SEditBench bench(GW_VOSK, 8);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.image.Word(W4N) = 4;
    bench.SetSlots({0x0001, 0x0001, 0x0000, 0x0000});
    bench.image.RecountPending = true;
    bench.Refresh();
    ASSERT_EQ(bench.form.cbW1N.index, 2);
    cbNTYPChange(bench.image, bench.form, bench.program, bench.host, 1);
    EXPECT_EQ(bench.image.AxisCount, 0);
    EXPECT_EQ(bench.image.IoAxisCount, 0);
    EXPECT_EQ(bench.image.Word(W4N), 0);
    EXPECT_EQ(bench.image.Word(FINX), 0);
    EXPECT_EQ(bench.form.cbW1N.index, 0);
    EXPECT_EQ(bench.Slot(0), AXIS_NO_SLOT);
}

TEST(cbNTYPChange, KavelisKeepsItsSlots) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(W4N) = 2;
    bench.image.Word(FINX) = 1;
    bench.SetSlots({0x0001, 0x0000});
    cbNTYPChange(bench.image, bench.form, bench.program, bench.host, 1);
    EXPECT_EQ(bench.image.Word(W4N), 2);
    EXPECT_EQ(bench.Slot(0), 0x0001);
    EXPECT_EQ(bench.Slot(1), 0x0000);
}

TEST(cbNTYPChange, DravoRefillsTheModeListsForTheNetwork) {
    SEditBench bench(GW_DRAVO, 6);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.Refresh();
    cbNTYPChange(bench.image, bench.form, bench.program, bench.host, 4);  // CompoNet
    ASSERT_EQ(bench.image.Word(NTYP), NTYP_COMPONET);
    for (const auto& unit : bench.form.DriveUnits) {
        EXPECT_EQ(unit.cbAxisCtrl.items, (std::vector<std::string>{"Undefined", "Positioner3(Size:1W)"}));
    }
}

struct SIndexCase {
    std::uint16_t ntyp;
    int index;
    std::uint16_t before;
    std::uint16_t after;
};

TEST(cbDADRChange, AddressIsTheIndexPlusTheNetworksFirstAddress) {
    const SIndexCase cases[] = {
        {NTYP_PROFIBUS_DP, 0, 9, 1},   {NTYP_PROFIBUS_DP, 124, 9, 125},   {NTYP_CCLINK_V1, 63, 9, 64},
        {NTYP_CCLINK_PLAIN, 4, 9, 5},  {NTYP_CCLINK_V2, 0, 9, 1},         {NTYP_DEVICENET, 0, 9, 0},
        {NTYP_COMPONET, 63, 9, 63},    {NTYP_MECHATROLINK, 0, 9, 97},     {NTYP_MECHATROLINK, 30, 9, 127},
        {NTYP_MECHATROLINK3, 0, 9, 3}, {NTYP_MECHATROLINK3, 236, 9, 239}, {NTYP_ETHERNET_IP, 5, 9, 9},
        {NTYP_RS485, 0, 63, 63},       {NTYP_ETHERCAT, 3, 700, 700},      {NTYP_PIO, 0, 9, 9},
    };
    for (const auto& c : cases) {
        SEditBench bench(GW_VOSK, 8);
        bench.image.Word(NTYP) = c.ntyp;
        bench.image.Word(DADR) = c.before;
        cbDADRChange(bench.image, bench.form, bench.program, bench.host, c.index);
        EXPECT_EQ(bench.image.Word(DADR), c.after) << std::hex << c.ntyp << std::dec << " index " << c.index;
    }
}

TEST(cbDBPSChange, CcLinkSetsTheBaudBitsAndKeepsTheStationBits) {
    const SIndexCase cases[] = {
        {NTYP_CCLINK_V1, 0, 0x0034, 0x0030},
        {NTYP_CCLINK_V1, 4, 0x0030, 0x0034},
        {NTYP_CCLINK_V2, 2, 0x0011, 0x0012},
        {NTYP_CCLINK_PLAIN, 3, 0x0000, 0x0003},
        // RS485: the six serial speeds
        {NTYP_RS485, 0, 21, 4},
        {NTYP_RS485, 1, 4, 5},
        {NTYP_RS485, 2, 4, 6},
        {NTYP_RS485, 3, 4, 19},
        {NTYP_RS485, 4, 4, 20},
        {NTYP_RS485, 5, 4, 21},
        {NTYP_RS485, 6, 21, 4},
        // other networks keep their code
        {NTYP_PROFIBUS_DP, 0, 7, 7},
        {NTYP_MECHATROLINK, 0, 2, 2},
        // a CC-Link position that is no baud entry changes nothing
        {NTYP_CCLINK_V1, 9, 0x0032, 0x0032},
    };
    for (const auto& c : cases) {
        SEditBench bench(GW_KAVELIS);
        bench.image.Word(NTYP) = c.ntyp;
        bench.image.Word(DBPS) = c.before;
        cbDBPSChange(bench.image, bench.form, bench.program, bench.host, c.index);
        EXPECT_EQ(bench.image.Word(DBPS), c.after) << std::hex << c.ntyp << std::dec << " index " << c.index;
    }
}

TEST(cbFINXChange, SetsTheLastAxisIndex) {
    SEditBench bench(GW_KAVELIS);
    cbFINXChange(bench.image, bench.form, bench.program, bench.host, 7);
    EXPECT_EQ(bench.image.Word(FINX), 7);
}

TEST(cbDSZChange, MechatrolinkIIISetsBothSizes) {
    struct SCase {
        std::uint16_t ntyp;
        int index;
        int size;
        int indexAfter;
    };
    const SCase cases[] = {{NTYP_MECHATROLINK3, 0, 32, 0},
                           {NTYP_MECHATROLINK3, 1, 48, 1},
                           {NTYP_MECHATROLINK3, 5, 32, 0},
                           {NTYP_MECHATROLINK3, -1, 32, 0},
                           {NTYP_PROFIBUS_DP, 1, 77, 1}};
    for (const auto& c : cases) {
        SEditBench bench(GW_VOSK_ML3, 8);
        bench.image.Word(NTYP) = c.ntyp;
        bench.image.Word(DSZO) = bench.image.Word(DSZI) = 77;
        cbDSZChange(bench.image, bench.form, bench.program, bench.host, c.index);
        EXPECT_EQ(bench.image.Word(DSZO), c.size) << c.index;
        EXPECT_EQ(bench.image.Word(DSZI), c.size) << c.index;
        EXPECT_EQ(bench.form.cbDSZ.index, c.indexAfter) << c.index;
    }
}

TEST(cbTBPSChange, TakesTheCodeOfTheSpeed) {
    const std::pair<int, std::uint16_t> cases[] = {{0, 4},  {1, 5},  {2, 6}, {3, 19},
                                                   {4, 20}, {5, 21}, {6, 20}};
    for (auto [index, code] : cases) {
        SEditBench bench(GW_VOSK_LC);
        cbTBPSChange(bench.image, bench.form, bench.program, bench.host, index);
        EXPECT_EQ(bench.image.Word(TBPS), code) << index;
    }
}

TEST(KavelisSlotCombos, FourAndEightWordCountsSetTheLastIndex) {
    SEditBench bench(GW_KAVELIS);
    cbW4NChange(bench.image, bench.form, bench.program, bench.host, 3);
    EXPECT_EQ(bench.image.Word(W4N), 3);
    EXPECT_EQ(bench.image.Word(FINX), 2);
    cbW8NChange(bench.image, bench.form, bench.program, bench.host, 2);
    EXPECT_EQ(bench.image.Word(W8N), 2);
    EXPECT_EQ(bench.image.Word(FINX), 6);
    cbW4NChange(bench.image, bench.form, bench.program, bench.host, 0);
    EXPECT_EQ(bench.image.Word(FINX), 3);
}

TEST(KavelisSlotCombos, NoFullAxesClearGmodBit4) {
    SEditBench bench(GW_KAVELIS);
    bench.image.Word(GMOD) = 0x0115;
    cbW8NChange(bench.image, bench.form, bench.program, bench.host, 1);
    EXPECT_EQ(bench.image.Word(GMOD), 0x0115);
    cbW8NChange(bench.image, bench.form, bench.program, bench.host, 0);
    EXPECT_EQ(bench.image.Word(GMOD), 0x0105);
    EXPECT_EQ(bench.image.Word(FINX), 0);
}

TEST(KavelisSlotCombos, TwoWordCountKeeps2WModesAndEmptiesTheRest) {
    SEditBench bench(GW_KAVELIS);
    bench.SetSlots({0x0001, 0x0010, 0x3FFF});
    cbW2NChange(bench.image, bench.form, bench.program, bench.host, 3);
    EXPECT_EQ(bench.image.Word(W4N), 3);
    EXPECT_EQ(bench.image.Word(FINX), 2);
    EXPECT_EQ(bench.Slot(0), AXIS_EMPTY_2W);
    EXPECT_EQ(bench.Slot(1), 0x0010);
    EXPECT_EQ(bench.Slot(2), AXIS_EMPTY_2W);
    EXPECT_EQ(bench.Slot(3), AXIS_NO_SLOT);
}

TEST(AxisCountCombos, VoskCountsPairsNub3SingleSlots) {
    struct SCase {
        GwType type;
        bool ioCombo;
        int index;
        int axes;
        int ioAxes;
        int finx;
    };
    const SCase cases[] = {{GW_VOSK, false, 3, 6, 0, 5},  {GW_VOSK, true, 2, 4, 4, 3},
                           {GW_VOSK, false, 0, 0, 0, 0},  {GW_NUB3GW, false, 3, 3, 0, 2},
                           {GW_NUB3GW, true, 1, 1, 1, 0}, {GW_NUB3GW, true, 4, 4, 4, 3}};
    for (const auto& c : cases) {
        SEditBench bench(c.type, 8);
        bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
        if (c.ioCombo)
            cbB4NChange(bench.image, bench.form, bench.program, bench.host, c.index);
        else
            cbW1NChange(bench.image, bench.form, bench.program, bench.host, c.index);
        EXPECT_EQ(bench.image.AxisCount, c.axes);
        EXPECT_EQ(bench.image.Word(W4N), c.axes);
        EXPECT_EQ(bench.image.Word(FINX), c.finx);
        if (c.ioCombo) {
            EXPECT_EQ(bench.image.IoAxisCount, c.ioAxes);
        }
    }
}

TEST(AxisCountCombos, OtherTypesIgnoreThemWithoutRefresh) {
    for (GwType type : {GW_KAVELIS, GW_DRAVO, GW_VOSK_ML3, GW_VOSK_LC}) {
        SEditBench bench(type, 8);
        bench.MarkNoRefresh();
        cbW1NChange(bench.image, bench.form, bench.program, bench.host, 2);
        cbB4NChange(bench.image, bench.form, bench.program, bench.host, 2);
        EXPECT_EQ(bench.image.AxisCount, 0);
        EXPECT_FALSE(bench.Refreshed());
    }
}

// A unit with six axes: a configuration of six read from it shows in the count combos and is complete.
TEST(AxisCountCombos, SixAxisUnitKeepsSixConfiguredAxes) {
    const struct {
        GwType type;
        std::uint16_t mode;
        bool io;  // counted by cbB4N rather than cbW1N
    } cases[] = {{GW_VOSK, 0x0001, false}, {GW_VOSK, 0x0030, true}, {GW_VOSK_ML3, 0x0040, true}};
    for (const auto& c : cases) {
        SEditBench bench(c.type, 6);
        bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
        bench.SetSlots({c.mode, c.mode, c.mode, c.mode, c.mode, c.mode});
        bench.image.Word(W4N) = 6;
        bench.image.Word(FINX) = 5;
        bench.image.RecountPending = true;
        bench.Refresh();
        SCOPED_TRACE(testing::Message() << c.type << " mode " << c.mode);
        EXPECT_EQ(bench.image.AxisCount, 6);
        if (c.type == GW_VOSK_ML3) {
            EXPECT_EQ(bench.form.ComboBox1.index, 3);
            ASSERT_EQ(bench.form.ComboBox1.items.size(), 4u) << "no count beyond the grid's rows";
        } else {
            const ComboState& counted = c.io ? bench.form.cbB4N : bench.form.cbW1N;
            ASSERT_EQ(counted.index, 3);
            EXPECT_EQ(counted.items[3], "6");
        }
        EXPECT_EQ(CheckCompleteness(bench.image, bench.form, bench.program), 0);
        for (int s = 0; s < 6; ++s) EXPECT_EQ(bench.Slot(s), c.mode) << s;
    }
}

TEST(ComboBox1Change, SetsTheServoAxisCount) {
    SEditBench bench(GW_VOSK_ML3, 8);
    bench.image.Word(NTYP) = NTYP_MECHATROLINK3;
    ComboBox1Change(bench.image, bench.form, bench.program, bench.host, 3);
    EXPECT_EQ(bench.image.AxisCount, 6);
    EXPECT_EQ(bench.image.Word(W4N), 6);
    EXPECT_EQ(bench.image.Word(FINX), 5);
    EXPECT_EQ(bench.Slot(5), 0x0040);  // the refresh fills the new slots with servo mode A
    ComboBox1Change(bench.image, bench.form, bench.program, bench.host, 0);
    EXPECT_EQ(bench.image.Word(FINX), 0);
}

struct SKeyCase {
    std::string text;
    int caret;
    int selLength;
    char key;
    KeyVerdict verdict;
    std::string textAfter;
    int caretAfter;
};

TEST(edDADRKeyPress, DigitsOnlyAndNeverEmpty) {
    const SKeyCase cases[] = {
        {"12", 2, 0, '3', KeyVerdict::Pass, "12", 2},
        {"0", 1, 0, '7', KeyVerdict::Pass, "", 0},  // the lone 0 is replaced
        {"0", 0, 1, '7', KeyVerdict::Pass, "", 0},
        {"12345", 5, 0, '6', KeyVerdict::Swallow, "12345", 5},  // five digits at most
        {"12345", 0, 5, '6', KeyVerdict::Pass, "12345", 0},     // typing over the selection
        {"12", 2, 0, 'a', KeyVerdict::Swallow, "12", 2},
        {"12", 2, 0, '-', KeyVerdict::Swallow, "12", 2},
        {"12", 2, 0, '\x16', KeyVerdict::Swallow, "12", 2},  // Ctrl+V
        {"7", 1, 0, KEY_BACKSPACE, KeyVerdict::Swallow, "0", 1},
        {"123", 0, 3, KEY_BACKSPACE, KeyVerdict::Swallow, "0", 1},
        {"7", 0, 0, KEY_BACKSPACE, KeyVerdict::Pass, "7", 0},  // nothing before the caret
        {"12", 2, 0, KEY_BACKSPACE, KeyVerdict::Pass, "12", 2},
        {"", 0, 0, KEY_BACKSPACE, KeyVerdict::Swallow, "0", 1},
    };
    for (const auto& c : cases) {
        SAddressEditInput edit{c.text, c.caret, c.selLength};
        EXPECT_EQ(edDADRKeyPress(edit, c.key), c.verdict) << c.text << " key " << int(c.key);
        EXPECT_EQ(edit.text, c.textAfter) << c.text << " key " << int(c.key);
        EXPECT_EQ(edit.caret, c.caretAfter) << c.text << " key " << int(c.key);
    }
}

TEST(edDADRKeyDown, DeleteThatWouldEmptyTheFieldLeavesZero) {
    const SKeyCase cases[] = {
        {"7", 0, 0, 0, KeyVerdict::Swallow, "0", 1},
        {"65535", 0, 5, 0, KeyVerdict::Swallow, "0", 1},
        {"7", 1, 0, 0, KeyVerdict::Pass, "7", 1},  // nothing after the caret
        {"12", 0, 0, 0, KeyVerdict::Pass, "12", 0},
    };
    for (const auto& c : cases) {
        SAddressEditInput edit{c.text, c.caret, c.selLength};
        EXPECT_EQ(edDADRKeyDown(edit, AddressEditKey::Delete), c.verdict) << c.text;
        EXPECT_EQ(edit.text, c.textAfter) << c.text;
        EXPECT_EQ(edit.caret, c.caretAfter) << c.text;
    }
    SAddressEditInput edit{"7", 0, 1};
    EXPECT_EQ(edDADRKeyDown(edit, AddressEditKey::Other), KeyVerdict::Pass);
    EXPECT_EQ(edit.text, "7");
    EXPECT_TRUE(edDADRContextPopup());
}

TEST(edDADRExit, AcceptsAddressesUpTo65535) {
    for (auto [text, address] : {std::pair{"0", 0}, std::pair{"65535", 65535}, std::pair{"00042", 42}}) {
        SEditBench bench(GW_VOSK, 8);
        bench.image.Word(NTYP) = NTYP_ETHERCAT;
        bench.image.Word(DADR) = 5;
        bench.form.edDADR.text = text;
        EXPECT_FALSE(edDADRExit(bench.image, bench.form, bench.program, bench.host));
        EXPECT_EQ(bench.image.Word(DADR), address);
        EXPECT_TRUE(bench.host.boxes.empty());
        EXPECT_EQ(bench.form.edDADR.text, std::to_string(address));
    }
}

TEST(edDADRExit, RefusedEntryShowsTheAddressErrorAndRestoresTheAddress) {
    for (const char* text : {"70000", "65536", "abc", "", "12a", "999999"}) {
        SEditBench bench(GW_VOSK, 8);
        bench.image.Word(NTYP) = NTYP_ETHERCAT;
        bench.image.Word(DADR) = 321;
        bench.form.edDADR.text = text;
        EXPECT_TRUE(edDADRExit(bench.image, bench.form, bench.program, bench.host)) << text;
        EXPECT_EQ(bench.image.Word(DADR), 321);
        EXPECT_EQ(bench.form.edDADR.text, "321");
        ASSERT_FALSE(bench.host.boxes.empty());
        EXPECT_EQ(bench.host.boxes[0].text, "Address Error\r\nPlease set under 65535.");
        EXPECT_EQ(bench.host.boxes[0].style, MB_ICON_ERROR);
    }
}

TEST(CommitAddressEdit, OnlyTheFocusedFieldIsCommitted) {
    SEditBench bench(GW_NUB3GW);
    bench.image.Word(NTYP) = NTYP_ETHERCAT;
    bench.image.Word(DADR) = 12;
    bench.form.edDADR.text = "70000";
    bench.form.edDADRHasFocus = false;
    bench.MarkNoRefresh();
    EXPECT_FALSE(CommitAddressEdit(bench.image, bench.form, bench.program, bench.host));
    EXPECT_TRUE(bench.host.boxes.empty());
    EXPECT_FALSE(bench.Refreshed());
    bench.form.edDADRHasFocus = true;
    EXPECT_TRUE(CommitAddressEdit(bench.image, bench.form, bench.program, bench.host));
    EXPECT_EQ(bench.form.edDADR.text, "12");
    bench.form.edDADR.text = "99";
    EXPECT_FALSE(CommitAddressEdit(bench.image, bench.form, bench.program, bench.host));
    EXPECT_EQ(bench.image.Word(DADR), 99);
}

}  // namespace
