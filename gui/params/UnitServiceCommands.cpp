// The Setting menu's unit-service items of the main window: each opens its dialog through the core's
// dispatch, which stops the progress bar while the dialog is open and offers the transmission after it.
#include <QDialog>
#include <QProgressBar>

#include "core/service/GatewayTime.h"
#include "core/service/SettingMenuDialogs.h"
#include "gui/params/CMainFormController.h"
#include "gui/params/TGWParaCfgForm.h"
#include "gui/service/TEtherIpSetForm.h"
#include "gui/service/TTimeSettingForm.h"
#include "gui/service/TUnitParaSetForm.h"

void CMainFormController::ExecSettingDialog(QDialog& dialog) {
    if (window_ != nullptr) window_->ProgressBar()->setMaximum(s_.core.form.progressMax);
    dialog.exec();
}

void CMainFormController::ExecEditingDialog(QDialog& dialog) {
    EditSet([&] { ExecSettingDialog(dialog); });
}

void CMainFormController::AddUnitServiceCommands() {
    commands_["MenuTimeSetting"] = [this] {
        MenuTimeSettingClick(s_.core, [this] {
            TTimeSettingForm dialog(s_.core, PcLocalSecondsNow(), window_);
            ExecSettingDialog(dialog);
        });
    };
    commands_["MenuUnitNo"] = [this] {
        MenuUnitNoClick(s_.core, [this] {
            TUnitParaSetForm dialog(s_.core.image, s_.core.form.flags, window_);
            ExecEditingDialog(dialog);
        });
    };
    commands_["MenuEtherIp"] = [this] {
        MenuEtherIpClick(s_.core, [this] {
            TEtherIpSetForm dialog(s_.core.image, s_.core.form.flags, s_.core.host, window_);
            ExecEditingDialog(dialog);
        });
    };
}
