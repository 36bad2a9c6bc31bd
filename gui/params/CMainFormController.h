#pragma once
// Runs the core's handlers for the main window's events on the run's objects, opens the dialogs the
// menus and buttons stand for, and carries out the frame's own operations (port dialog, closing the
// port, the close sequence). Commands whose window or procedure the tool does not have yet are not in
// the dispatch table and do nothing.
#include <functional>
#include <map>
#include <string>

#include "core/params/edit/MenuOpening.h"
#include "gui/app/CToolSession.h"
#include "gui/params/MainFormEvents.h"

class QDialog;
class TGWParaCfgForm;

class CMainFormController : public CMainFormEvents {
public:
    explicit CMainFormController(CToolSession& session);

    void SetWindow(TGWParaCfgForm* window);
    // Shows the window's lock as the core left it; the window calls this after every event.
    void AfterEvent() override;
    // The self test leaves the user's settings file alone.
    void SetSaveSettingsOnClose(bool save) { saveSettingsOnClose_ = save; }

    // The port dialog of the "Port Config" button and menu item; also used at the first start.
    void ShowPortDialog();
    // The PIO pattern reminder (Help menu, and after a successful write unless hidden for the type).
    void ShowPioPattern();
    // The Setting menu's specialty / gateway parameter bit dialog and the driver monitor parameters.
    void ShowSpecialParams();
    void ShowDriverMonitorParams();
    // The display refresh from the image.
    void RefreshDisplay();
    // Opens the parameter files named on the command line (one is opened, more are refused).
    void OpenCommandLineFiles(const std::vector<std::string>& arguments);
    // Whether a command name has an action.
    bool HasCommand(const std::string& name) const { return commands_.count(name) != 0; }

    void cbNTYPChange(int index) override;
    void cbDADRChange(int index) override;
    void cbDBPSChange(int index) override;
    void cbFINXChange(int index) override;
    void cbDSZChange(int index) override;
    void cbTBPSChange(int index) override;
    void cbW4NChange(int index) override;
    void cbW8NChange(int index) override;
    void cbW2NChange(int index) override;
    void cbW1NChange(int index) override;
    void cbB4NChange(int index) override;
    void ComboBox1Change(int index) override;
    void StringGrid1Click(int col, int row) override;
    void StringGrid1DblClick(int col, int row) override;
    void StringGrid2Click(int col, int row) override;
    void StringGrid2DblClick(int col, int row) override;
    bool edDADRKey(int key, std::string& text, int& caret, int& selectionLength) override;
    void edDADRText(const std::string& text) override;
    void edDADRFocus(bool hasFocus) override;
    void edDADRExit() override;
    void cbAxisCtrlChange(int unit, int index) override;
    void chkRsvAxisClick(int unit, int slotInUnit, bool checked) override;
    void rbFull_PosClick() override;
    void rbRemIOClick() override;
    void FirstShown() override;
    void MenuFile1Open() override;
    void MenuSet1Open() override;
    void MenuMoniter1Open() override;
    void MenuHelp1Open() override;
    bool Command(const std::string& name) override;
    void FilesDropped(const std::vector<std::string>& paths) override;
    bool CloseQuery() override;
    void Closed() override;

private:
    void BuildCommands();
    // The Setting menu's unit-service dialogs: time setting, unit number, EtherNet/IP.
    void AddUnitServiceCommands();
    // Shows a modal dialog from the Setting menu with the progress bar as the core has set it.
    void ExecSettingDialog(QDialog& dialog);
    void AddMonitorCommands();
    // The File menu's comparisons with the unit and with a file.
    void AddCompareCommands();
    SParameterFileContext FileContext();
    SMenuOpeningHooks MenuOpeningHooks();
    bool CommitAddressEdit();
    // Runs an event that may edit the set; a changed register marks the set modified.
    void EditSet(const std::function<void()>& edit);
    // A Setting dialog that edits the set in place.
    void ExecEditingDialog(QDialog& dialog);
    void ClosePort();
    void ApplyFocusAfterTransfer();

    CToolSession& s_;
    TGWParaCfgForm* window_ = nullptr;
    bool saveSettingsOnClose_ = true;
    std::map<std::string, std::function<void()>> commands_;
};
