#include <gtest/gtest.h>

#include "core/app/texts/MsgText.h"
#include "core/service/EtherIpSet.h"
#include "tests/support/ScriptedHost.h"

namespace {

const std::string DATA_ERROR{MsgText[48]};

class EtherIpSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.NetAddress = {0xC0A8000Au, 0xFFFFFF00u, 0xC0A80001u};
        image.NetAddressSnapshot = image.NetAddress;
    }
    CEtherIpSet& Open() {
        dialog.emplace(image, flags, host);
        return *dialog;
    }
    // Types `text` into a field the way the window does: each key through the rules, then exit.
    void Type(const SOctetField& field, const std::string& text) {
        dialog->OctetChange(field, text);
        dialog->OctetExit(field);
    }

    ParameterImage image;
    SMainFlags flags;
    ScriptedHost host;
    std::optional<CEtherIpSet> dialog;
};

TEST_F(EtherIpSetTest, OpensWithTheImageOctetsAndDesignNames) {
    CEtherIpSet& d = Open();
    const char* expected[3][4] = {
        {"192", "168", "0", "10"}, {"255", "255", "255", "0"}, {"192", "168", "0", "1"}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) EXPECT_EQ(d.Octet({row, col}).text, expected[row][col]);
    EXPECT_EQ(d.octetMemory[0][3], 10);
    EXPECT_EQ(CEtherIpSet::FieldName({0, 0}), "eIPADR1");
    EXPECT_EQ(CEtherIpSet::FieldName({1, 3}), "eSNMK4");
    EXPECT_EQ(CEtherIpSet::FieldName({2, 1}), "eDFGW2");
    EXPECT_EQ(CEtherIpSet::RowName(1), "lSNMK");
    EXPECT_EQ(d.Caption, "EtherNet/IP Setting");
    EXPECT_EQ(d.rowLabels[2].text, "Default gateway");
}

struct SKeyCase {
    const char* name;
    std::string text;
    int caret;
    int selLength;
    char key;  // KEY_BACKSPACE, a character, or 0 for Delete
    KeyVerdict verdict;
    std::string textAfter;
};

TEST_F(EtherIpSetTest, KeysKeepDigitsAndNeverLeaveTheFieldEmpty) {
    const SKeyCase cases[] = {
        {"digit passes", "12", 2, 0, '3', KeyVerdict::Pass, "12"},
        {"letter swallowed", "12", 2, 0, 'a', KeyVerdict::Swallow, "12"},
        {"dot swallowed", "12", 2, 0, '.', KeyVerdict::Swallow, "12"},
        {"fourth digit swallowed", "123", 3, 0, '4', KeyVerdict::Swallow, "123"},
        {"digit replaces a lone 0", "0", 1, 0, '7', KeyVerdict::Pass, ""},
        {"backspace of the last character leaves 0", "5", 1, 0, KEY_BACKSPACE, KeyVerdict::Swallow, "0"},
        {"backspace with all selected leaves 0", "255", 0, 3, KEY_BACKSPACE, KeyVerdict::Swallow, "0"},
        {"backspace inside passes", "25", 2, 0, KEY_BACKSPACE, KeyVerdict::Pass, "25"},
        {"delete before the last character leaves 0", "5", 0, 0, 0, KeyVerdict::Swallow, "0"},
        {"delete with all selected leaves 0", "192", 0, 3, 0, KeyVerdict::Swallow, "0"},
        {"delete in an empty field leaves 0", "", 0, 0, 0, KeyVerdict::Swallow, "0"},
        {"delete after the last character passes", "5", 1, 0, 0, KeyVerdict::Pass, "5"},
    };
    CEtherIpSet& d = Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SAddressEditInput edit{c.text, c.caret, c.selLength};
        const KeyVerdict verdict =
            c.key == 0 ? d.OctetKeyDown(edit, AddressEditKey::Delete) : d.OctetKeyPress(edit, c.key);
        EXPECT_EQ(verdict, c.verdict);
        EXPECT_EQ(edit.text, c.textAfter);
    }
}

// A paste, cut, drop or undo leaves a text the keys never saw: only its digits stay, never an empty field.
TEST_F(EtherIpSetTest, PastedOrCutTextKeepsItsDigitsAndNeverLeavesTheFieldEmpty) {
    const struct {
        const char* name;
        std::string text;  // as the edit left it
        int caret;
        std::string shown;
        int caretAfter;
    } cases[] = {
        {"digits stay as they are", "192", 3, "192", 3},
        {"letters pasted between digits go", "1a9b", 4, "19", 2},
        {"the caret stays after the same digits", "1x23", 2, "123", 1},
        {"a pasted address keeps its first three digits", "10.0.0.1", 8, "100", 3},
        {"blanks around a number go", " 25 ", 3, "25", 2},
        {"only letters leave 0", "abc", 3, "0", 1},
        {"a cut of the whole text leaves 0", "", 0, "0", 1},
    };
    CEtherIpSet& d = Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SAddressEditInput edit{c.text, c.caret, 0};
        d.OctetEdited({1, 2}, edit);
        EXPECT_EQ(edit.text, c.shown);
        EXPECT_EQ(edit.caret, c.caretAfter);
        EXPECT_EQ(d.Octet({1, 2}).text, c.shown);
    }
    d.OctetExit({1, 2});
    EXPECT_TRUE(host.boxes.empty()) << "what is left is always an octet";
}

TEST_F(EtherIpSetTest, ArrowsMoveWithinTheRowOnlyAtTheTextEnds) {
    CEtherIpSet& d = Open();
    EXPECT_EQ(d.OctetArrowKey({1, 1}, OctetArrow::Right, 3, 3), (SOctetField{1, 2}));
    EXPECT_EQ(d.OctetArrowKey({1, 1}, OctetArrow::Right, 2, 3), std::nullopt);
    EXPECT_EQ(d.OctetArrowKey({1, 3}, OctetArrow::Right, 1, 1), std::nullopt) << "no next field in the row";
    EXPECT_EQ(d.OctetArrowKey({2, 2}, OctetArrow::Left, 0, 2), (SOctetField{2, 1}));
    EXPECT_EQ(d.OctetArrowKey({2, 2}, OctetArrow::Left, 1, 2), std::nullopt);
    EXPECT_EQ(d.OctetArrowKey({2, 0}, OctetArrow::Left, 0, 2), std::nullopt) << "never to the row above";
}

TEST_F(EtherIpSetTest, LeavingAFieldRefusesAValueOutside0To255) {
    CEtherIpSet& d = Open();
    Type({0, 2}, "300");
    EXPECT_EQ(host.Texts(), std::vector<std::string>{DATA_ERROR});
    EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_ERROR);
    EXPECT_EQ(d.Octet({0, 2}).text, "0");
    Type({0, 2}, "77");
    Type({0, 2}, "");
    EXPECT_EQ(d.Octet({0, 2}).text, "77") << "the last accepted value comes back";
    EXPECT_EQ(d.octetMemory[0][2], 77);
    EXPECT_EQ(image.NetAddress[0], 0xC0A8000Au) << "only OK changes the image";
}

TEST_F(EtherIpSetTest, OkStoresTheAddressesAndMarksOnlyRealChanges) {
    CEtherIpSet& d = Open();
    d.OctetChange({0, 3}, "11");
    d.OctetChange({0, 3}, "10");
    ASSERT_TRUE(d.Button1Click());
    EXPECT_FALSE(flags.etherIpModified) << "changed and back again";

    Open();
    dialog->OctetChange({1, 3}, "128");
    dialog->OctetChange({2, 3}, "254");
    ASSERT_TRUE(dialog->Button1Click());
    EXPECT_EQ(image.NetAddress[1], 0xFFFFFF80u);
    EXPECT_EQ(image.NetAddress[2], 0xC0A800FEu);
    EXPECT_TRUE(flags.etherIpModified);
    EXPECT_TRUE(host.boxes.empty());

    // The flag is never cleared by the dialog, also when the values return to the snapshot.
    image.NetAddress = image.NetAddressSnapshot;
    Open();
    ASSERT_TRUE(dialog->Button1Click());
    EXPECT_TRUE(flags.etherIpModified);
}

TEST_F(EtherIpSetTest, OkRefusesTheFirstBadFieldAndStoresNothing) {
    CEtherIpSet& d = Open();
    d.OctetChange({1, 0}, "");
    d.OctetChange({2, 1}, "256");
    d.OctetChange({0, 0}, "10");
    EXPECT_FALSE(d.Button1Click());
    EXPECT_EQ(d.refused, (SOctetField{1, 0}));
    EXPECT_EQ(host.Texts(), std::vector<std::string>{DATA_ERROR});
    EXPECT_EQ(image.NetAddress[0], 0xC0A8000Au);
    EXPECT_FALSE(flags.etherIpModified);

    d.OctetChange({1, 0}, "255");
    EXPECT_FALSE(d.Button1Click());
    EXPECT_EQ(d.refused, (SOctetField{2, 1}));
    d.OctetChange({2, 1}, "255");
    EXPECT_TRUE(d.Button1Click());
    EXPECT_EQ(image.NetAddress, (std::array<std::uint32_t, 3>{0x0AA8000Au, 0xFFFFFF00u, 0xC0FF0001u}));
}

TEST(OctetValue, ReadsDecimalTextOrGivesMinusOne) {
    EXPECT_EQ(OctetValueOf("0"), 0);
    EXPECT_EQ(OctetValueOf("255"), 255);
    EXPECT_EQ(OctetValueOf("300"), 300);
    EXPECT_EQ(OctetValueOf(""), -1);
    EXPECT_EQ(OctetValueOf("1a"), -1);
    EXPECT_EQ(OctetValueOf("-1"), -1);
    EXPECT_EQ(OctetValueOf("99999999999"), -1);
}

}  // namespace
