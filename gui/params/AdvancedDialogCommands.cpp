// The Setting menu's advanced parameter dialogs, opened by the main window's controller.
#include "core/procedures/SpecialParamsTransmit.h"
#include "gui/advanced/TDrvObsrvForm.h"
#include "gui/advanced/TSpecialParaForm.h"
#include "gui/advanced/TSpecialParaForm2.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"

// KAVELIS gets the specialty dialog, every other type the gateway parameter bit dialog; afterwards the
// transmit prompt when something changed.
void CMainFormController::ShowSpecialParams() {
    CSession& s = s_.core;
    EditSet([&] {
        if (s.program.SelectedGwType == GW_KAVELIS) {
            TSpecialParaForm(s.image, s.program, s.form.cbW8N, s.form.flags, window_).exec();
        } else {
            TSpecialParaForm2(s.image, s.program, s.form.flags, window_).exec();
        }
    });
    TransmitSpecialParamsIfModified(s);
}

// The progress bar has no maximum while the dialog's exchanges run.
void CMainFormController::ShowDriverMonitorParams() {
    s_.core.form.progressMax = 0;
    if (window_ != nullptr) window_->Render();
    TDrvObsrvForm(s_.core, window_).exec();
    s_.core.form.progressMax = 100;
}
