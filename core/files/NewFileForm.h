#pragma once
// The New command and its dialog `TNewFileForm`: the user picks a network type and the parameter image
// is cleared down to that network type, ready to be built up in the main window.
#include <functional>
#include <vector>

#include "core/app/ControlState.h"
#include "core/files/ParameterFileCommands.h"

struct SNewFileFormState {
    std::string caption;       // "NewFile"
    TextState lNetworkType;    // "Network Type"
    ComboState cbNetworkType;  // selection only
    TextState bOK;
    TextState bCancel;
};

// The network types the New dialog offers the gateway type, in table order, as indices into
// `NetworkTypeTable`. In ExtendedMode more networks are offered than normally.
std::vector<int> NewFileNetworkRows(GwType type, bool extendedMode);

// The dialog as created: captions, the list filled for the type and mode, the first item selected.
SNewFileFormState CreateNewFileForm(const SProgramValues& program);

// OK: clears the image down to the selected network type, names the window after no file, and resets
// the marks, snapshots and menus of a new parameter set. An index outside the list leaves `NTYP` 0.
void ApplyNewFile(const SNewFileFormState& dialog, SParameterFileContext& ctx);

// New (`tbNewFile`, `MenuNew1`): commits `edDADR` (a rejected entry ends the command), shows the dialog
// through `showDialog` (true when closed with OK, with `cbNetworkType.index` as chosen), applies OK, and
// refreshes the main window after OK and Cancel alike. 0 after OK, -1 otherwise.
int NewFileCommand(SParameterFileContext& ctx, const std::function<bool(SNewFileFormState&)>& showDialog);
