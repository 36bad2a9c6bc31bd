#pragma once
// Plain state of the main window `TGWParaCfgForm`: every control the parameter area, the menus and the
// status bar show, under the control's design name. The layout fills it once per gateway type, the
// display refresh and the edit handlers change it, the Qt window renders it.
#include <string>
#include <vector>

#include "core/app/ControlState.h"
#include "core/app/ProgramValues.h"

// One DRAVO drive unit: two axis slots (the last unit may have one) edited through a mode list and one
// reserve check box per slot.
struct SDriveUnitPanel {
    TextState gbDriveUnit;               // "Drive Unit%d(Axis%d,Axis%d)"
    ComboState cbAxisCtrl;               // mode list, change handler `cbAxisCtrlChange`
    std::vector<CheckState> chkRsvAxis;  // "Axis%d Rsv", click handler `chkRsvAxisClick`
    std::string rsvHint;                 // hint shown on every reserve check box
    std::vector<int> slots;              // the axis slots of this unit (2i, 2i + 1)
    std::vector<int> listCodes;          // mode code of each entry of `cbAxisCtrl`, FFFFh for "Undefined"
};

// One panel of `StatusBar1`. Panel 0 holds port and baud rate, the last panel the program version; the
// PROFINET IO MAC panel is inserted as panel 1 while the network is PROFINET IO.
struct SStatusBarPanel {
    std::string text;
    bool isMacPanel = false;
};

struct SMainFormState {
    std::string caption;  // the window caption
    // The set has been edited since it was last read, opened, saved, written or made new: the caption
    // is marked, and the user is asked before the set is replaced or the program ends.
    bool setModified = false;

    // Command buttons.
    TextState Button1;  // Port Config
    TextState Button2;  // Read
    TextState Button3;  // Write

    // Parameter fields.
    TextState lNTYP;
    ComboState cbNTYP;
    TextState pnlNTYP;   // read-only frame shown instead of `cbNTYP` without ExtendedMode
    TextState linpNTYP;  // the network's name inside `pnlNTYP`
    TextState lDADR;
    ComboState cbDADR;
    TextState edDADR;             // EtherCAT station address, at most 5 digits
    bool edDADRHasFocus = false;  // kept current by the window; the menu openings commit the field then
    TextState lDBPS;
    ComboState cbDBPS;
    ComboState cbFINX;  // hidden
    TextState lDSZ;
    ComboState cbDSZ;
    TextState lTBPS;
    ComboState cbTBPS;
    ComboState cbGMOD;  // hidden

    // Information box.
    TextState gbInfoConfig;
    TextState Label1, Label2, Label3;     // names of the three rows
    TextState Label6, Label7, Label8;     // the dashes between name and value
    TextState Label12, Label13, Label14;  // values of the three rows
    TextState lRemote;                    // under `Label12` (CC-Link "Remote net")

    // Versions.
    TextState lTitleGver, lGver;
    TextState lTitleAbccVer, lAbccVer;

    // Progress bar `ProgressBar1` (the value itself goes through HostServices).
    ControlState ProgressBar1;
    int progressMax = 100;

    // Axis area of KAVELIS, VOSK and NUB3 GW.
    ControlState pnlAxisCtrlIO;
    TextState Label11;
    GridState StringGrid1;
    ComboState cbW4N, cbW8N, cbW2N;  // KAVELIS
    ComboState cbW1N, cbB4N;         // VOSK, NUB3 GW
    TextState pnlStrTitleSize, pnlStrSize4W, pnlStrSize8W, pnlStrSize2W;
    TextState pnlStrSize1W, pnlStrSize4bits;  // VOSK, NUB3 GW
    ControlState Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7, Panel8;
    ControlState Panel9, Panel10, Panel11, Panel12, Panel13, Panel14, Panel15;

    // Axis area of VOSK(MLIII).
    ControlState pnlAxisCtrlSrv;
    TextState Label4;
    ComboState ComboBox1;
    GridState StringGrid2;
    TextState lblStatAXSFT;

    // Axis area of DRAVO.
    std::vector<SDriveUnitPanel> DriveUnits;
    bool PanelReinitPending = false;
    CheckState rbFull_Pos;  // radio button "Direct,Positioner"
    CheckState rbRemIO;     // radio button "RemoteI/O"

    // Bottom.
    std::vector<SStatusBarPanel> StatusBar1;

    // Toolbar.
    ControlState tbNewFile, tbOpenFile, tbSaveFile, ToolButton2;

    // Menus.
    MenuItemState MenuFile1, MenuNew1, MenuOpen1, MenuSave1, MenuExit1;
    MenuItemState MenuCompareUnit, MenuCompareFile;  // the window's set beside the unit's or a file's
    MenuItemState MenuSet1, MenuSpecial1, MenuPortConfig, MenuTimeSetting, MenuUnitNo, MenuEtherIp,
        MenuDrvObsrv;
    MenuItemState MenuCheckConnection;  // Setting > Check connection...
    MenuItemState MenuMoniter1, MenuRegMoniter1, MenuAllIO, MenuErrTC_Moniter1, MenuRS485SIO1, MenuAlarmlist,
        MenuHardmonitor;
    // The traffic monitor: always there, since it only watches the line and needs no unit.
    MenuItemState MenuTrafficMonitor;
    MenuItemState MenuHelp1, MenuPIO1;

    // The window's state flags.
    SMainFlags flags;
};

// Grid of the KAVELIS / VOSK / NUB3 GW area: the mode columns 1..6 (column 0 holds the slot number).
inline constexpr int GRID1_COLUMNS = 7;
// Grid of VOSK(MLIII): the slot number and the servo mode.
inline constexpr int GRID2_COLUMNS = 2;
