#include "gui/params/CMainFormController.h"

#include <QFileDialog>

#include "core/app/MainWindowPrompts.h"
#include "core/app/PortDialogRules.h"
#include "core/app/StartupRules.h"
#include "core/files/NewFileForm.h"
#include "core/files/UnsavedEditsQuestion.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/params/edit/AxisGridEditing.h"
#include "core/params/edit/DravoPanelEvents.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/edit/ParameterSetEdits.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/WriteParameters.h"
#include "gui/advanced/TParaAndPIOForm.h"
#include "gui/app/QtText.h"
#include "gui/app/TCommunicationSetting.h"
#include "gui/diagnosis/TConnectionCheckForm.h"
#include "gui/files/TNewFileForm.h"
#include "gui/monitors/MonitorWindows.h"
#include "gui/monitors/TTrafficMonitorForm.h"
#include "gui/params/TAddressEdit.h"
#include "gui/params/TGWParaCfgForm.h"

namespace {
// The open and save dialogs as the core describes them: the type's one filter, its default suffix, the
// start folder, the pre-filled name and, for saving, the question before a file is replaced.
std::optional<std::string> AskFilePath(QWidget* owner, const SFileDialogRequest& request) {
    QFileDialog dialog(owner);
    dialog.setObjectName("FileDialog");
    dialog.setAcceptMode(request.kind == EFileDialogKind::Save ? QFileDialog::AcceptSave
                                                               : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == EFileDialogKind::Save ? QFileDialog::AnyFile
                                                             : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQt(request.filterName.empty() ? request.filterPattern : request.filterName));
    dialog.setDefaultSuffix(ToQt(request.defaultSuffix));
    dialog.setDirectory(ToQt(request.startFolder));
    if (!request.initialPath.empty()) dialog.selectFile(ToQt(request.initialPath));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQt(dialog.selectedFiles().front());
}
}  // namespace

CMainFormController::CMainFormController(CToolSession& session) : s_(session) {
    BuildCommands();
}

// ---- the frame's own operations -----------------------------------------------------------------

void CMainFormController::RefreshDisplay() {
    s_.core.Refresh();
}

void CMainFormController::ShowPioPattern() {
    TParaAndPIOForm(s_.core.program.SelectedGwType, s_.core.program.Comm.ToolFlags, window_).exec();
}

void CMainFormController::SetWindow(TGWParaCfgForm* window) {
    window_ = window;
    s_.core.showPioPattern = [this] { ShowPioPattern(); };
    s_.host.SetPumpHook([this] {
        if (window_ != nullptr) window_->LockMainWindow(s_.core.windowEnabled);
    });
}

void CMainFormController::AfterEvent() {
    if (window_ != nullptr) window_->LockMainWindow(s_.core.windowEnabled);
}

void CMainFormController::ShowPortDialog() {
    const SPortDialogOutcome outcome = RunPortDialog(s_.core.form.flags, s_.core.program.Comm, [this] {
        TCommunicationSetting dialog(s_.core.program.Comm, s_.config.ports, s_.core.host, window_);
        dialog.exec();
        if (dialog.Result().disableMonitorMenu) s_.core.form.MenuMoniter1.enabled = false;
    });
    if (!outcome.dialogShown) return;
    if (outcome.closePort) s_.core.link.Close();
    RefreshDisplay();
}

// A transfer leaves the focus on its own button, whether it succeeded or not; the window is unlocked by
// then, so the button can take it.
void CMainFormController::ApplyFocusAfterTransfer() {
    if (window_ != nullptr) {
        window_->LockMainWindow(s_.core.windowEnabled);
        window_->FocusCommandButton(s_.core.focus);
    }
    s_.core.focus = FocusTarget::None;
}

void CMainFormController::ClosePort() {
    s_.core.link.Close();
    s_.core.form.flags.portOpen = false;
}

SParameterFileContext CMainFormController::FileContext() {
    SParameterFileHooks hooks = DefaultParameterFileHooks();
    hooks.commitStationAddress = [this] { return CommitAddressEdit(); };
    hooks.refreshDisplay = [this] { RefreshDisplay(); };
    hooks.askFilePath = [this](const SFileDialogRequest& request) { return AskFilePath(window_, request); };
    return SParameterFileContext{s_.core.image, s_.core.program, s_.core.form,
                                 s_.files,      s_.core.host,    std::move(hooks)};
}

bool CMainFormController::CommitAddressEdit() {
    bool rejected = false;
    EditSet([&] { rejected = ::CommitAddressEdit(s_.core.image, s_.core.form, s_.core.program, s_.core.host); });
    return rejected;
}

void CMainFormController::EditSet(const std::function<void()>& edit) {
    EditParameterSet(s_.core.image, s_.core.form, edit);
}

void CMainFormController::OpenCommandLineFiles(const std::vector<std::string>& arguments) {
    SParameterFileContext ctx = FileContext();
    ::OpenCommandLineFiles(ctx, arguments);
}

// The menu items and buttons the tool has an action for.
void CMainFormController::BuildCommands() {
    auto open = [this] {
        SParameterFileContext ctx = FileContext();
        OpenParameterFileCommand(ctx);
    };
    auto newFile = [this] {
        SParameterFileContext ctx = FileContext();
        NewFileCommand(ctx, [this](SNewFileFormState& dialog) {
            return TNewFileForm(dialog, window_).exec() == QDialog::Accepted;
        });
    };
    auto pioPattern = [this] { ShowPioPattern(); };
    auto save = [this] {
        SParameterFileContext ctx = FileContext();
        SaveParameterFileCommand(ctx);
    };
    auto exit = [this] {
        if (window_ != nullptr) window_->close();
    };
    auto portConfig = [this] { ShowPortDialog(); };
    auto read = [this] {
        ReadParameters(s_.core);
        ApplyFocusAfterTransfer();
    };
    auto write = [this] {
        WriteParameters(s_.core);
        ApplyFocusAfterTransfer();
    };
    commands_ = {
        {"MenuPIO1", pioPattern},
        {"MenuNew1", newFile},
        {"tbNewFile", newFile},
        {"MenuOpen1", open},
        {"tbOpenFile", open},
        {"MenuSave1", save},
        {"tbSaveFile", save},
        {"MenuExit1", exit},
        {"Button1", portConfig},
        {"MenuPortConfig", portConfig},
        {"ToolButton2", [this] { ClosePort(); }},
        {"Button2", read},
        {"Button3", write},
        {"MenuSpecial1", [this] { ShowSpecialParams(); }},
        {"MenuDrvObsrv", [this] { ShowDriverMonitorParams(); }},
        {"MenuTrafficMonitor",
         [this] {
             if (window_ != nullptr) ShowTrafficMonitor(s_.core, window_);
         }},
        {"MenuCheckConnection", [this] { TConnectionCheckForm(s_.core, window_).exec(); }},
    };
    AddUnitServiceCommands();
    AddMonitorCommands();
    AddCompareCommands();
}

// Each Monitor menu item that has a window runs it through the monitor rules of the main window.
void CMainFormController::AddMonitorCommands() {
    for (const char* item : {"MenuRegMoniter1", "MenuRS485SIO1", "MenuAllIO", "MenuErrTC_Moniter1",
                             "MenuAlarmlist", "MenuHardmonitor"}) {
        const EMonitorKind kind = *MonitorKindOfMenuItem(item);
        if (!HasMonitorWindow(kind)) continue;
        commands_[item] = [this, kind] {
            RunMonitorWindow(s_.core, kind, [this, kind] {
                if (window_ != nullptr) window_->Render();  // the progress bar's maximum while it is open
                ShowMonitorWindow(kind, s_, window_);
            });
        };
    }
}

bool CMainFormController::Command(const std::string& name) {
    const auto command = commands_.find(name);
    if (command == commands_.end()) return false;
    command->second();
    return true;
}

// ---- parameter fields and axis area -------------------------------------------------------------

#define GW_FORWARD_INDEX(handler)                                                                    \
    void CMainFormController::handler(int index) {                                                   \
        EditSet([&] { ::handler(s_.core.image, s_.core.form, s_.core.program, s_.core.host, index); }); \
    }
GW_FORWARD_INDEX(cbNTYPChange)
GW_FORWARD_INDEX(cbDADRChange)
GW_FORWARD_INDEX(cbDBPSChange)
GW_FORWARD_INDEX(cbFINXChange)
GW_FORWARD_INDEX(cbDSZChange)
GW_FORWARD_INDEX(cbTBPSChange)
GW_FORWARD_INDEX(cbW4NChange)
GW_FORWARD_INDEX(cbW8NChange)
GW_FORWARD_INDEX(cbW2NChange)
GW_FORWARD_INDEX(cbW1NChange)
GW_FORWARD_INDEX(cbB4NChange)
GW_FORWARD_INDEX(ComboBox1Change)
#undef GW_FORWARD_INDEX

void CMainFormController::StringGrid1Click(int col, int row) {
    EditSet([&] { ::StringGrid1Click(s_.core.image, s_.core.form, s_.core.program, s_.core.host, col, row); });
}
void CMainFormController::StringGrid1DblClick(int col, int row) {
    EditSet([&] { ::StringGrid1DblClick(s_.core.image, s_.core.form, s_.core.program, s_.core.host, col, row); });
}
void CMainFormController::StringGrid2Click(int col, int row) {
    EditSet([&] { ::StringGrid2Click(s_.core.image, s_.core.form, s_.core.program, s_.core.host, col, row); });
}
void CMainFormController::StringGrid2DblClick(int col, int row) {
    EditSet([&] { ::StringGrid2DblClick(s_.core.image, s_.core.form, s_.core.program, s_.core.host, col, row); });
}

bool CMainFormController::edDADRKey(int key, std::string& text, int& caret, int& selectionLength) {
    SAddressEditInput edit{text, caret, selectionLength};
    const KeyVerdict verdict = key == ADDRESS_KEY_DELETE      ? edDADRKeyDown(edit, AddressEditKey::Delete)
                               : key == ADDRESS_KEY_BACKSPACE ? edDADRKeyPress(edit, KEY_BACKSPACE)
                                                              : edDADRKeyPress(edit, static_cast<char>(key));
    text = edit.text;
    caret = edit.caret;
    selectionLength = edit.selLength;
    return verdict == KeyVerdict::Swallow;
}

void CMainFormController::edDADRText(const std::string& text) {
    s_.core.form.edDADR.text = text;
}
void CMainFormController::edDADRFocus(bool hasFocus) {
    s_.core.form.edDADRHasFocus = hasFocus;
}
void CMainFormController::edDADRExit() {
    EditSet([&] { ::edDADRExit(s_.core.image, s_.core.form, s_.core.program, s_.core.host); });
}

void CMainFormController::cbAxisCtrlChange(int unit, int index) {
    EditSet([&] { ::cbAxisCtrlChange(s_.core.image, s_.core.form, s_.core.program, s_.core.host, unit, index); });
}
void CMainFormController::chkRsvAxisClick(int unit, int slotInUnit, bool checked) {
    EditSet([&] {
        ::chkRsvAxisClick(s_.core.image, s_.core.form, s_.core.program, s_.core.host, unit, slotInUnit, checked);
    });
}
void CMainFormController::rbFull_PosClick() {
    EditSet([&] { ::rbFull_PosClick(s_.core.image, s_.core.form, s_.core.program, s_.core.host); });
}
void CMainFormController::rbRemIOClick() {
    EditSet([&] { ::rbRemIOClick(s_.core.image, s_.core.form, s_.core.program, s_.core.host); });
}

// ---- window events -------------------------------------------------------------------------------

void CMainFormController::FirstShown() {
    RefreshDisplay();
}

void CMainFormController::MenuFile1Open() {
    CommitAddressEdit();
}
void CMainFormController::MenuSet1Open() {
    CommitAddressEdit();
}

void CMainFormController::MenuMoniter1Open() {
    OnMonitorMenuOpening(s_.core.form, s_.core.image, s_.core.program, s_.core.host, MenuOpeningHooks());
}

void CMainFormController::MenuHelp1Open() {
    OnHelpMenuOpening(s_.core.form, s_.core.program, MenuOpeningHooks());
}

SMenuOpeningHooks CMainFormController::MenuOpeningHooks() {
    SMenuOpeningHooks hooks;
    hooks.commitAddressField = [this] { return CommitAddressEdit(); };
    hooks.openPort = [this](int portNum, int baudIndex) { return s_.core.link.Open(portNum, baudIndex); };
    hooks.describePortOpenFailure = [this] { return DiagnosePortOpenFailure(s_.core.link); };
    return hooks;
}

void CMainFormController::FilesDropped(const std::vector<std::string>& paths) {
    SParameterFileContext ctx = FileContext();
    OpenDroppedFiles(ctx, paths);
}

bool CMainFormController::CloseQuery() {
    SParameterFileContext ctx = FileContext();
    return CloseQueryWithUnsavedEdits(ctx);
}

// Closing: the port is given back and the settings are written (the program's own sections and any
// other, such as [Ports], kept as they were; a settings file that could not be read is left alone).
void CMainFormController::Closed() {
    ClosePort();
    if (saveSettingsOnClose_) SaveGwComConfig(s_.config, s_.core.program.Comm);
}
