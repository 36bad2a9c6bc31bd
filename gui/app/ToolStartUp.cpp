#include "gui/app/ToolStartUp.h"

#include "core/app/StartupRules.h"
#include "core/app/StatusBarTexts.h"
#include "core/params/MainFormLayout.h"
#include "gui/app/TCommunicationSetting.h"
#include "gui/app/TSelectGwType.h"
#include "gui/service/TSearchUnitForm.h"

void LoadSettings(CToolSession& session) {
    session.config = LoadGwComConfig();
    session.program.Comm = session.config.comm;
    session.link.SetPortOverrides(session.config.ports);
}

int RunStartDialogs(CToolSession& session, const SStartOptions& options) {
    if (session.program.Comm.CurrentPortNum == 0 && !options.noPortDialog) {
        TCommunicationSetting dialog(session.program.Comm, session.config.ports, session.host);
        dialog.exec();
        if (dialog.Result().disableMonitorMenu) session.form.MenuMoniter1.enabled = false;
    }
    if (options.type != GW_NONE) {
        session.program.SelectedGwType = options.type;
    } else {
        TSelectGwType dialog(session.program);
        dialog.exec();
    }
    if ((session.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0 || options.noSearch) return 0;
    TSearchUnitForm search(session.link, session.host, session.form.flags, session.program.Comm,
                           session.unitAxisSlots);
    search.exec();
    session.unitAxisCount = search.Result().axisRowCount;
    return search.Result().unitNo;
}

void PrepareMainForm(CToolSession& session, int unitNo, int screenWidth, int screenHeight) {
    SProgramValues& program = session.program;
    program.GwSlaveAddress = GwSlaveAddressOf(program.SelectedGwType, unitNo);
    ShowExtendedResolutionNote(session.host, screenWidth, screenHeight, program.ExtendedMode());
    LayoutMainForm(session.form, session.image, program, session.unitAxisCount);
    session.form.StatusBar1.back().text = ProgramVersionText();
}
