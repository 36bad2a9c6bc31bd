#include <gtest/gtest.h>

#include "core/params/edit/DravoPanelEvents.h"
#include "core/params/edit/DravoPanels.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "tests/params/edit/Bench.h"

namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(const std::vector<SDravoListEntry>& list) {
    Texts texts;
    for (const auto& entry : list) texts.push_back(entry.text);
    return texts;
}

TEST(DravoModeList, OffersTheModesOfTheGroupAndNetwork) {
    struct SCase {
        int dravoMode;
        std::uint16_t ntyp;
        Texts texts;
    };
    const SCase cases[] = {
        {1,
         NTYP_PROFIBUS_DP,
         {"Undefined", "Positioner1(Size:4W)", "Positioner2(Size:2W)", "Positioner3(Size:1W)",
          "Direct Indication1(Size:8W)", "Direct Indication2(Size:8W)", "Simple Direct(Size:4W)"}},
        {2, NTYP_PROFIBUS_DP, {"Undefined", "RemoteI/O(Size:1W)"}},
        {1, NTYP_COMPONET, {"Undefined", "Positioner3(Size:1W)"}},
        {1, NTYP_MECHATROLINK, {"Undefined", "Positioner3(Size:1W)"}},
        {2, NTYP_MECHATROLINK, {"Undefined", "RemoteI/O(Size:1W)"}},
        {0, NTYP_PROFIBUS_DP, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextsOf(DravoModeList(c.dravoMode, c.ntyp)), c.texts) << c.dravoMode;
    const auto list = DravoModeList(1, NTYP_ETHERCAT);
    std::vector<std::uint16_t> codes;
    for (const auto& entry : list) codes.push_back(entry.code);
    EXPECT_EQ(codes, (std::vector<std::uint16_t>{0xFFFF, 0x0001, 0x0010, 0x0020, 0x0003, 0x0005, 0x0000}));
}

TEST(IsDravoModeOffered, ComparesTheModeWithoutTheReserveFlag) {
    EXPECT_TRUE(IsDravoModeOffered(0x8005, 1, NTYP_PROFIBUS_DP));
    EXPECT_TRUE(IsDravoModeOffered(0x0031, 2, NTYP_PROFIBUS_DP));
    EXPECT_FALSE(IsDravoModeOffered(0x0031, 1, NTYP_PROFIBUS_DP));
    EXPECT_FALSE(IsDravoModeOffered(0x0001, 1, NTYP_COMPONET));
    EXPECT_FALSE(IsDravoModeOffered(0x0011, 1, NTYP_PROFIBUS_DP));  // in the table, offered to no type
    EXPECT_FALSE(IsDravoModeOffered(0x0005, 1, NTYP_PROFIBUS_DP, GW_VOSK));
    EXPECT_FALSE(IsDravoModeOffered(0x1234, 1, NTYP_PROFIBUS_DP));
}

struct SRulesCase {
    const char* what;
    int dravoMode;
    int axisCount;
    int w4n;
    std::vector<std::uint16_t> slots;
    bool holds;
};

TEST(DravoUnitRulesHold, ConfiguredUnitsHoldOneOfferedModeInBothSlots) {
    const SRulesCase cases[] = {
        {"nothing configured", 1, 0, 0, {}, true},
        {"two units", 1, 4, 4, {0x0001, 0x8001, 0x0005, 0x0005}, true},
        {"remote I/O", 2, 2, 2, {0x0031, 0x8031}, true},
        {"first slot free", 1, 2, 2, {0xFFFF, 0xFFFF}, false},
        {"slots differ", 1, 2, 2, {0x0001, 0x0010}, false},
        {"mode of the other group", 1, 2, 2, {0x0031, 0x0031}, false},
        {"mode of no DRAVO list", 1, 2, 2, {0x0011, 0x0011}, false},
        {"unknown word", 1, 2, 2, {0x1234, 0x1234}, false},
        {"not-set filler", 1, 2, 2, {0x5FFF, 0x5FFF}, false},
        {"slot beyond the count", 1, 2, 2, {0x0001, 0x0001, 0x0001}, false},
        {"W4N beyond the unit's slots", 1, 0, 8, {}, false},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.AxisMode.fill(AXIS_NO_SLOT);
        std::copy(c.slots.begin(), c.slots.end(), image.AxisMode.begin());
        image.Word(NTYP) = NTYP_PROFIBUS_DP;
        image.DravoMode = c.dravoMode;
        image.AxisCount = c.axisCount;
        image.Word(W4N) = static_cast<std::uint16_t>(c.w4n);
        image.SlotCount = 6;
        EXPECT_EQ(DravoUnitRulesHold(image), c.holds) << c.what;
    }
}

class DravoPanels : public testing::Test {
protected:
    SEditBench bench{GW_DRAVO, 6};

    void SetUp() override {
        bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
        bench.Refresh();
    }
    void Choose(int unit, int index) {
        cbAxisCtrlChange(bench.image, bench.form, bench.program, bench.host, unit, index);
    }
    void Reserve(int unit, int box, bool checked) {
        chkRsvAxisClick(bench.image, bench.form, bench.program, bench.host, unit, box, checked);
    }
    const SDriveUnitPanel& Unit(int i) const { return bench.form.DriveUnits[static_cast<std::size_t>(i)]; }
};

TEST_F(DravoPanels, OnlyTheFirstUnitCanBeChosenAtFirst) {
    ASSERT_EQ(bench.form.DriveUnits.size(), 3u);
    EXPECT_TRUE(Unit(0).cbAxisCtrl.enabled);
    EXPECT_EQ(Unit(0).cbAxisCtrl.items.size(), 7u);
    EXPECT_EQ(Unit(0).cbAxisCtrl.index, 0);
    EXPECT_FALSE(Unit(1).cbAxisCtrl.enabled);
    EXPECT_FALSE(Unit(0).chkRsvAxis[0].enabled);
    EXPECT_FALSE(bench.form.PanelReinitPending);
    EXPECT_TRUE(bench.form.rbFull_Pos.checked);
}

TEST_F(DravoPanels, ChoosingModesFillsBothSlotsAndCountsLeadingUnits) {
    Choose(0, 1);  // Positioner1
    EXPECT_EQ(bench.Slot(0), 0x0001);
    EXPECT_EQ(bench.Slot(1), 0x0001);
    EXPECT_EQ(bench.image.AxisCount, 2);
    EXPECT_EQ(bench.image.Word(W4N), 2);
    EXPECT_EQ(bench.image.Word(FINX), 1);
    EXPECT_TRUE(Unit(1).cbAxisCtrl.enabled);
    EXPECT_TRUE(Unit(0).chkRsvAxis[1].enabled);

    Choose(1, 4);  // Direct Indication1
    Reserve(1, 1, true);
    EXPECT_EQ(bench.Slot(2), 0x0003);
    EXPECT_EQ(bench.Slot(3), 0x8003);
    EXPECT_TRUE(Unit(1).chkRsvAxis[1].checked);
    Choose(1, 2);  // Positioner2 keeps the ticked reserve box
    EXPECT_EQ(bench.Slot(2), 0x0010);
    EXPECT_EQ(bench.Slot(3), 0x8010);

    Choose(2, 6);  // Simple Direct
    EXPECT_EQ(bench.image.AxisCount, 6);
    EXPECT_EQ(bench.image.IoAxisCount, 0);
    EXPECT_EQ(bench.image.Word(FINX), 5);
    EXPECT_EQ(Unit(2).cbAxisCtrl.index, 6);
}

TEST_F(DravoPanels, UndefinedUnitClearsEveryLaterUnit) {
    Choose(0, 1);
    Choose(1, 1);
    Choose(2, 1);
    Choose(0, 0);
    for (int s = 0; s < 16; ++s) EXPECT_EQ(bench.Slot(s), AXIS_NO_SLOT) << s;
    EXPECT_EQ(bench.image.AxisCount, 0);
    EXPECT_EQ(bench.image.Word(W4N), 0);
    EXPECT_FALSE(Unit(1).cbAxisCtrl.enabled);
    EXPECT_FALSE(Unit(2).cbAxisCtrl.enabled);
    EXPECT_EQ(Unit(1).cbAxisCtrl.index, 0);
}

TEST_F(DravoPanels, SelectionWithoutEntryCountsAsUndefined) {
    Choose(0, 1);
    Choose(1, 1);
    Choose(1, 42);
    EXPECT_EQ(Unit(1).cbAxisCtrl.index, 0);
    EXPECT_EQ(bench.Slot(2), AXIS_NO_SLOT);
    EXPECT_EQ(bench.image.AxisCount, 2);
}

TEST_F(DravoPanels, ReserveBoxOfAFreeSlotChangesNothing) {
    Reserve(0, 0, true);
    EXPECT_EQ(bench.Slot(0), AXIS_NO_SLOT);
    EXPECT_FALSE(Unit(0).chkRsvAxis[0].checked);  // the refresh shows the free slot again
    Choose(0, 3);
    Reserve(0, 0, true);
    EXPECT_EQ(bench.Slot(0), 0x8020);
    Reserve(0, 0, false);
    EXPECT_EQ(bench.Slot(0), 0x0020);
}

TEST_F(DravoPanels, HandlersIgnoreUnitsAndBoxesThatDoNotExist) {
    bench.MarkNoRefresh();
    Choose(3, 1);
    Choose(-1, 1);
    Reserve(0, 2, true);
    Reserve(5, 0, true);
    EXPECT_FALSE(bench.Refreshed());
    for (int s = 0; s < 16; ++s) EXPECT_EQ(bench.Slot(s), AXIS_NO_SLOT);
}

TEST_F(DravoPanels, RemoteIoButtonSwitchesTheListsAndClearsTheConfiguration) {
    Choose(0, 1);
    rbRemIOClick(bench.image, bench.form, bench.program, bench.host);
    EXPECT_EQ(bench.image.DravoMode, 2);
    EXPECT_TRUE(bench.form.rbRemIO.checked);
    EXPECT_FALSE(bench.form.rbFull_Pos.checked);
    EXPECT_EQ(bench.image.AxisCount, 0);
    EXPECT_EQ(bench.Slot(0), AXIS_NO_SLOT);
    EXPECT_EQ(Unit(0).cbAxisCtrl.items, (Texts{"Undefined", "RemoteI/O(Size:1W)"}));

    Choose(0, 1);
    EXPECT_EQ(bench.Slot(0), 0x0031);
    EXPECT_EQ(bench.image.IoAxisCount, 2);

    rbFull_PosClick(bench.image, bench.form, bench.program, bench.host);
    EXPECT_EQ(bench.image.DravoMode, 1);
    EXPECT_EQ(Unit(0).cbAxisCtrl.items.size(), 7u);
}

TEST_F(DravoPanels, FocusSelectsAnUnselectedButtonOnly) {
    bench.MarkNoRefresh();
    rbFull_PosEnter(bench.image, bench.form, bench.program, bench.host);
    EXPECT_FALSE(bench.Refreshed());
    rbRemIOEnter(bench.image, bench.form, bench.program, bench.host);
    EXPECT_TRUE(bench.Refreshed());
    EXPECT_EQ(bench.image.DravoMode, 2);
}

TEST_F(DravoPanels, RefreshShowsTheImageInThePanels) {
    bench.image.Word(W4N) = 4;
    bench.SetSlots({0x0005, 0x8005, 0x0020, 0x0020});
    bench.image.RecountPending = true;
    bench.Refresh();
    EXPECT_EQ(bench.image.AxisCount, 4);
    EXPECT_EQ(Unit(0).cbAxisCtrl.index, 5);
    EXPECT_FALSE(Unit(0).chkRsvAxis[0].checked);
    EXPECT_TRUE(Unit(0).chkRsvAxis[1].checked);
    EXPECT_EQ(Unit(1).cbAxisCtrl.index, 3);
    EXPECT_TRUE(Unit(2).cbAxisCtrl.enabled);
    EXPECT_EQ(Unit(2).cbAxisCtrl.index, 0);
    EXPECT_FALSE(Unit(2).chkRsvAxis[0].enabled);
}

TEST(DravoPanelsOddSlots, LastUnitHoldsOneSlot) {
    SEditBench bench(GW_DRAVO, 5);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.Refresh();
    ASSERT_EQ(bench.form.DriveUnits.size(), 3u);
    ASSERT_EQ(bench.form.DriveUnits[2].chkRsvAxis.size(), 1u);
    EXPECT_EQ(bench.form.DriveUnits[2].chkRsvAxis[0].text, "Axis4 Rsv");
    for (int unit = 0; unit < 2; ++unit)
        cbAxisCtrlChange(bench.image, bench.form, bench.program, bench.host, unit, 1);
    EXPECT_EQ(bench.image.AxisCount, 4);
    EXPECT_EQ(bench.Slot(3), 0x0001);
    EXPECT_EQ(bench.Slot(4), AXIS_NO_SLOT);
}

// A five-slot unit: the last drive unit, with its one slot, can be configured, and the configuration
// survives the refresh, the checks before a write or save, and a refresh after a file open.
TEST(DravoPanelsOddSlots, LastOneSlotUnitIsConfiguredAndKept) {
    SEditBench bench(GW_DRAVO, 5);
    bench.image.Word(NTYP) = NTYP_PROFIBUS_DP;
    bench.Refresh();
    for (int unit = 0; unit < 3; ++unit)
        cbAxisCtrlChange(bench.image, bench.form, bench.program, bench.host, unit, 1);
    chkRsvAxisClick(bench.image, bench.form, bench.program, bench.host, 2, 0, true);
    EXPECT_TRUE(bench.host.boxes.empty());
    EXPECT_EQ(bench.image.AxisCount, 5);
    EXPECT_EQ(bench.image.Word(W4N), 5);
    EXPECT_EQ(bench.image.Word(FINX), 4);
    EXPECT_EQ(bench.Slot(3), 0x0001);
    EXPECT_EQ(bench.Slot(4), 0x8001);
    EXPECT_EQ(bench.Slot(5), AXIS_NO_SLOT);
    EXPECT_EQ(bench.form.DriveUnits[2].cbAxisCtrl.index, 1);
    EXPECT_TRUE(bench.form.DriveUnits[2].chkRsvAxis[0].checked);

    EXPECT_EQ(PrepareAndValidate(bench.image, bench.form, bench.program), 0);
    EXPECT_EQ(bench.Slot(4), 0x8001);
    EXPECT_EQ(bench.Slot(5), AXIS_NO_SLOT);
    EXPECT_EQ(bench.image.Word(W4N), 5);

    // As a file with five configured slots leaves the image before the refresh.
    const auto words = bench.image.AxisMode;
    bench.image.AxisCount = 0;
    bench.image.RecountPending = true;
    bench.Refresh();
    EXPECT_TRUE(bench.host.boxes.empty());
    EXPECT_EQ(bench.image.AxisMode, words);
    EXPECT_EQ(bench.image.AxisCount, 5);
    EXPECT_EQ(bench.form.DriveUnits[2].cbAxisCtrl.index, 1);
}

TEST(DravoPanelsOddSlots, UnitRulesCompareOnlySlotsTheUnitHas) {
    const struct {
        const char* what;
        int slotCount;
        int axisCount;
        std::vector<std::uint16_t> slots;
        bool holds;
    } cases[] = {
        {"five of five", 5, 5, {0x0001, 0x0001, 0x0005, 0x0005, 0x0020}, true},
        {"five of six", 6, 5, {0x0001, 0x0001, 0x0005, 0x0005, 0x0020}, false},
        {"six of five", 5, 6, {0x0001, 0x0001, 0x0005, 0x0005, 0x0020, 0x0020}, false},
        {"slot beyond the unit", 5, 5, {0x0001, 0x0001, 0x0005, 0x0005, 0x0020, 0x0020}, false},
    };
    for (const auto& c : cases) {
        ParameterImage image;
        image.AxisMode.fill(AXIS_NO_SLOT);
        std::copy(c.slots.begin(), c.slots.end(), image.AxisMode.begin());
        image.Word(NTYP) = NTYP_PROFIBUS_DP;
        image.DravoMode = 1;
        image.AxisCount = c.axisCount;
        image.Word(W4N) = static_cast<std::uint16_t>(c.axisCount);
        image.SlotCount = c.slotCount;
        EXPECT_EQ(DravoUnitRulesHold(image), c.holds) << c.what;
    }
}

}  // namespace
