#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compare/ShownAxisMode.h"

namespace {

// A slot is named by the title of the grid column that holds its mark (the servo column's modes with
// their letter), with the mark as the grid shows it; a mark in parentheses is a reserved slot; a row
// without a mark has no mode. A DRAVO slot is named by its unit's list entry and reserve box.
TEST(ShownAxisMode, SlotsAreNamedAsTheWindowShowsThem) {
    SMainFormState form;
    form.StringGrid1.Resize(4, 5);
    const std::vector<std::vector<std::string>> rows = {{"Axis", "Simple", "Point1", "TEV I/O"},
                                                        {"0", " ", "(*)", "-"},
                                                        {"1", "-", "-", "(A)"},
                                                        {"2", " ", " ", "-"},
                                                        {"3", "*", " ", " "}};
    form.StringGrid1.cells = rows;
    const struct {
        int slot;
        const char* name;
        const char* mark;
        bool reserved;
    } cases[] = {{0, "Point1", "(*)", true}, {1, "TEV I/O A", "(A)", true}, {2, "-", "", false},
                 {3, "Simple", "*", false},  {4, "-", "", false},            {9, "-", "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        const SShownAxisMode mode = ShownAxisMode(form, GW_VOSK, c.slot);
        EXPECT_EQ(mode.name, c.name);
        EXPECT_EQ(mode.mark, c.mark);
        EXPECT_EQ(mode.reserved, c.reserved);
    }
    EXPECT_EQ(ShownAxisMode(form, GW_VOSK_LC, 0).name, "-") << "VOSK-LC shows no axis modes";

    SDriveUnitPanel unit;
    unit.slots = {2, 3};
    unit.cbAxisCtrl.items = {"Undefined", "Positioner1(Size:4W)"};
    unit.cbAxisCtrl.index = 1;
    unit.chkRsvAxis.resize(2);
    unit.chkRsvAxis[1] = {{}, "Axis3 Rsv", true};
    form.DriveUnits = {unit};
    EXPECT_EQ(ShownAxisMode(form, GW_DRAVO, 2).name, "Positioner1(Size:4W)");
    EXPECT_EQ(ShownAxisMode(form, GW_DRAVO, 2).mark, "");
    EXPECT_FALSE(ShownAxisMode(form, GW_DRAVO, 2).reserved);
    EXPECT_EQ(ShownAxisMode(form, GW_DRAVO, 3).mark, "Axis3 Rsv");
    EXPECT_TRUE(ShownAxisMode(form, GW_DRAVO, 3).reserved);
    EXPECT_EQ(ShownAxisMode(form, GW_DRAVO, 4).name, "-");
    EXPECT_EQ(AxisSlotCaption(3), "Axis3");
}

}  // namespace
