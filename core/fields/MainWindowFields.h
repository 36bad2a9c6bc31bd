#pragma once
// The main window's fields by the names the window labels them with: each parameter field, the
// information box's rows and the firmware version, the axis-count lists, and the axis area (the grid's
// slots "Axis0" ... and their reserve marks, or DRAVO's mode group, drive units and reserve boxes).
// A field shows its value as the window does, whether the window lets it be changed now and why not,
// and its choices (a list's entries as shown, the modes a slot's row reaches) or its range (the EtherCAT
// address). Setting a field goes through the window's own handler for the control and its refresh.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

enum class EWindowFieldKind {
    List,           // a combo box: its change handler with the chosen entry's position
    AddressEdit,    // `edDADR`: the digits typed as its key rules let them in, then leaving the field
    Shown,          // a label: follows from the set, not edited
    AxisSlot,       // a grid row's mode, reached by clicks in the row
    AxisReserve,    // a grid row's reserve mark ("(*)"), reached by clicks in the row
    DravoModeGroup, // DRAVO's radio buttons "Direct,Positioner" and "RemoteI/O"
    DriveUnit,      // a DRAVO drive unit's mode list
    DriveReserve,   // a DRAVO drive unit's reserve check box
};

// Why the window does not let a field change now.
enum class EFieldLock {
    None,
    ShownOnly,              // a label of the window
    NetworkReadOnly,        // the network type shows as text outside ExtendedMode
    FixedByNetwork,         // the network fixes the field (`lockedBy`: the network)
    OtherListChosen,        // another count list holds the axes (`lockedBy`: that list)
    PreviousUnitUndefined,  // the drive unit before is "Undefined" (`lockedBy`: that unit)
    UnitUndefined,          // the reserve box's drive unit is "Undefined" (`lockedBy`: that unit)
    BeyondConfiguredAxes,   // the slot lies beyond the configured axes (`lockedBy`: the count lists)
    NoClickChangesIt,       // no click in the slot's row changes it on this network and configuration
};

using ListChangeHandler = void (*)(ParameterImage&, SMainFormState&, const SProgramValues&, HostServices&,
                                   int index);

struct SWindowField {
    std::string name;                 // as the window labels it
    std::vector<unsigned> registers;  // the registers the field is kept in, the first one its own
    std::string value;                // as the window shows it
    bool enabled = false;
    EFieldLock lock = EFieldLock::None;
    std::string lockedBy;
    std::vector<std::string> choices;  // a list's entries, a slot's modes, "on" / "off"
    std::optional<int> min, max;       // the range of an edit

    EWindowFieldKind kind = EWindowFieldKind::Shown;
    ListChangeHandler change = nullptr;
    int slot = -1;  // axis slot of a grid row or reserve box
    int unit = -1;  // drive unit
    int box = -1;   // reserve box within the drive unit
};

// Every field the window shows for the image, in window order. `form` is the window after its refresh.
std::vector<SWindowField> MainWindowFields(const ParameterImage& image, const SMainFormState& form,
                                           const SProgramValues& program);

enum class EFieldSetResult {
    Set,          // the window's handler ran (and its refresh)
    UnknownName,  // no field of that name; `nearest` holds the closest names
    NotOffered,   // the value is none of the field's choices or outside its range; `nearest` the closest
    Locked,       // the window does not let the field change now (`field.lock`)
    Refused,      // the window's handler refused the value and showed its message
};

struct SFieldSetOutcome {
    EFieldSetResult result = EFieldSetResult::Set;
    SWindowField field;  // the field as it stood before the change
    std::vector<std::string> nearest;
};

// Sets the field named `name` (without regard to case) to `value` as the window's user would: a list's
// entry by its text (blanks around it do not count; a drive unit's entry also by the mode's name before
// its size, "Positioner1"), the EtherCAT address typed and the field left, a slot's mode or reserve mark
// by clicks in its row and its pair partner's: a mode keeps the slot's reserve mark where the clicks can
// keep it, the partner changes only where the grid's rules make it follow, and of those ways the one
// with the fewest clicks is taken; a reserve box or radio button is clicked when it is not already as
// asked.
SFieldSetOutcome SetMainWindowField(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                                    HostServices& host, std::string_view name, std::string_view value);
