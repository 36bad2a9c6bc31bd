#pragma once
// The main window laid out for the chosen gateway type: fixed captions, fixed combo contents, the menus
// in their order with their first states, and the axis area with its grid, slot-count combos and panels.
// Runs once while the window is created; the display refresh fills in the values afterwards.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// An item of the main menu in menu order; the four top-level items have no parent. The window builds
// its menus from this table alone.
struct SMenuOrderEntry {
    std::string_view name;
    MenuItemState SMainFormState::*item;
    std::string_view parent;
    bool separatorBefore = false;  // a line above the item in its menu
};

inline constexpr std::size_t MAIN_MENU_ITEMS = 25;
extern const std::array<SMenuOrderEntry, MAIN_MENU_ITEMS> MainMenuOrder;

// A column-group title panel above `StringGrid1` and the grid columns it spans.
struct SColumnGroup {
    std::string_view name;
    TextState SMainFormState::*panel;
    int firstColumn;
    int lastColumn;
};

// The column groups of `StringGrid1` for the type (KAVELIS: Size, 4W, 8W, 2W; VOSK and NUB3 GW also 1W
// and nibble); empty for the types without `StringGrid1`.
std::vector<SColumnGroup> ColumnGroupsOf(GwType type);

// The widest texts the display refresh can put into the columns of `gbInfoConfig`, for measuring the
// box: names, sizes, CC-Link modes, nibble and station counts.
std::vector<std::string> InfoBoxSampleTexts();

// Lays the window out for `program.SelectedGwType`. `unitAxisCount` is the axis count of the unit the
// unit search found (0 when none); it fixes `image.SlotCount` and with it the grid rows and the DRAVO
// drive units. Also applies the creation rules of the Help menu, the network type field and the TP port
// baud rate.
void LayoutMainForm(SMainFormState& form, ParameterImage& image, const SProgramValues& program,
                    int unitAxisCount);

// Builds one DRAVO drive-unit panel per two slots (the last one holds one slot when the count is odd),
// in its state after building: the mode list holds only "Undefined", selected and disabled, the reserve
// boxes are cleared and disabled, "Direct,Positioner" is selected and `DravoMode` is 1.
void LayoutDriveUnitPanels(SMainFormState& form, ParameterImage& image);
