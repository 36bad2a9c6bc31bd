// The File menu's two comparisons: each runs the core's comparison and shows its differences in the
// compare window, whose answer decides whether the other set replaces the window's.
#include "core/compare/CompareCommands.h"
#include "gui/compare/TCompareForm.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"

void CMainFormController::AddCompareCommands() {
    const ShowCompareWindow show = [this](const SCompareFormState& state) {
        TCompareForm dialog(state, window_);
        return dialog.exec() == QDialog::Accepted;
    };
    commands_["MenuCompareUnit"] = [this, show] { CompareWithUnitCommand(s_.core, show); };
    commands_["MenuCompareFile"] = [this, show] {
        SParameterFileContext ctx = FileContext();
        CompareWithFileCommand(ctx, show);
    };
}
