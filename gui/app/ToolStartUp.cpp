#include "gui/app/ToolStartUp.h"

#include "core/app/StartupRules.h"
#include "core/app/StatusBarTexts.h"
#include "core/params/layout/MainFormLayout.h"
#include "gui/app/TCommunicationSetting.h"
#include "gui/app/TSelectGwType.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"
#include "gui/service/TSearchUnitForm.h"

void LoadSettings(CToolSession& session) {
    session.config = LoadGwComConfig();
    if (session.config.unreadable) {
        session.host.ShowMessageBox(UnreadableSettingsNotice(session.config.file), MB_ICON_WARNING);
    }
    session.core.program.Comm = session.config.comm;
    session.core.link.SetPortOverrides(session.config.ports);
}

std::optional<int> RunStartDialogs(CToolSession& session, const SStartOptions& options) {
    if (session.core.program.Comm.CurrentPortNum == 0 && !options.noPortDialog) {
        TCommunicationSetting dialog(session.core.program.Comm, session.config.ports, session.host);
        dialog.exec();
        if (dialog.Result().disableMonitorMenu) session.core.form.MenuMoniter1.enabled = false;
    }
    if (options.type != GW_NONE) {
        session.core.program.SelectedGwType = options.type;
    } else {
        TSelectGwType dialog(session.core.program);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    }
    if ((session.core.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0 || options.noSearch) return 0;
    TSearchUnitForm search(session.core.link, session.host, session.core.form.flags,
                           session.core.program.Comm, session.core.unitAxisSlots);
    search.exec();
    session.unitAxisCount = search.Result().axisRowCount;
    return search.Result().unitNo;
}

void PrepareMainForm(CToolSession& session, int unitNo, int screenWidth, int screenHeight) {
    SProgramValues& program = session.core.program;
    program.GwSlaveAddress = GwSlaveAddressOf(program.SelectedGwType, unitNo);
    ShowExtendedResolutionNote(session.host, screenWidth, screenHeight, program.ExtendedMode());
    LayoutMainForm(session.core.form, session.core.image, program, session.unitAxisCount);
    session.core.form.StatusBar1.back().text = ProgramVersionText();
}

std::unique_ptr<TGWParaCfgForm> CreateMainWindow(CToolSession& session, CMainFormController& controller) {
    auto window = std::make_unique<TGWParaCfgForm>(session.core.form, controller);
    window->SetColumnGroups(ColumnGroupsOf(session.core.program.SelectedGwType));
    controller.SetWindow(window.get());
    session.host.SetOwner(window.get());
    session.host.SetProgressBar(window->ProgressBar());
    window->Render();
    return window;
}
