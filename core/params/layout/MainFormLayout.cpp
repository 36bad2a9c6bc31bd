#include "core/params/layout/MainFormLayout.h"

#include <string>

#include "core/app/StartupRules.h"
#include "core/app/texts/CommonText.h"
#include "core/app/texts/CompareText.h"
#include "core/app/texts/ConnectionCheckText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/TrafficMonitorText.h"
#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/display/DisplayNetwork.h"
#include "core/params/display/DisplayTpPort.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

std::string Ui(int index) {
    return std::string(UiText[static_cast<std::size_t>(index)]);
}
std::string Common(int index) {
    return CommonTextAt(index);
}

void SetFixedTexts(SMainFormState& f) {
    f.caption = Ui(0);
    f.lNTYP.text = Ui(1);
    f.Button1.text = Ui(2);
    f.Button2.text = Ui(3);
    f.Button3.text = Ui(4);
    f.gbInfoConfig.text = Ui(5);
    f.lDADR.text = Ui(149);
    f.lDBPS.text = Ui(27);
    f.lDSZ.text = Ui(365);
    f.lTBPS.text = Ui(392);
    f.Label11.text = Ui(28);
    f.Label4.text = Ui(28);
    f.lblStatAXSFT.text = Ui(368);
    f.lTitleGver.text = Ui(30);
    f.lTitleAbccVer.text = Ui(50);
    f.pnlStrTitleSize.text = Ui(51);
    f.pnlStrSize4W.text = Ui(52);
    f.pnlStrSize8W.text = Ui(53);
    f.pnlStrSize2W.text = Ui(54);
    f.pnlStrSize1W.text = Ui(190);
    f.pnlStrSize4bits.text = Ui(191);
    f.Label6.text = Ui(384);
    f.Label7.text = Ui(384);
    for (TextState* empty : {&f.lGver, &f.lRemote, &f.Label1, &f.Label2, &f.Label3, &f.Label8, &f.Label12,
                             &f.Label13, &f.Label14})
        empty->text.clear();
}

void SetFixedCombos(SMainFormState& f, GwType type) {
    f.cbNTYP.items.clear();
    for (const auto& entry : ListedNetworkTypes(type)) f.cbNTYP.items.push_back(Ui(entry.textIndex));

    f.cbDSZ.items = {FormatText(UiText[366], 32), FormatText(UiText[366], 48)};
    f.cbDSZ.index = 0;
    f.lDSZ.visible = false;
    f.cbDSZ.visible = false;

    f.cbTBPS.items.clear();
    for (const int bps : TP_PORT_SPEEDS) f.cbTBPS.items.push_back(std::to_string(bps) + "bps");
    f.cbTBPS.index = 0;

    f.cbFINX.items.clear();
    for (int n = 0; n <= 15; ++n) f.cbFINX.items.push_back(std::to_string(n));
    f.cbFINX.visible = false;
    f.cbGMOD.visible = false;

    f.cbDADR.items.clear();
    f.cbDBPS.items.clear();
    // The EtherCAT address field lies over cbDADR; the refresh shows it for EtherCAT only.
    f.edDADR.visible = false;
    f.edDADR.enabled = false;
}

void SetMenuCaptions(SMainFormState& f, GwType type) {
    f.MenuFile1.caption = Common(1);
    f.MenuNew1.caption = Common(11);
    f.MenuOpen1.caption = Common(12);
    f.MenuSave1.caption = Ui(59);
    f.MenuExit1.caption = Common(19);
    f.MenuCompareUnit.caption = CompareText::MENU_COMPARE_UNIT;
    f.MenuCompareFile.caption = CompareText::MENU_COMPARE_FILE;
    f.MenuSet1.caption = Common(5);
    f.MenuSpecial1.caption = Ui(86);
    f.MenuPortConfig.caption = Ui(147);
    f.MenuTimeSetting.caption = Ui(199);
    f.MenuUnitNo.caption = Ui(262);
    f.MenuEtherIp.caption = Ui(264);
    f.MenuDrvObsrv.caption = Ui(355);
    f.MenuCheckConnection.caption = std::string(ConnectionCheckText::MENU_CAPTION);
    f.MenuMoniter1.caption = Common(4);
    f.MenuTrafficMonitor.caption = TrafficMonitorText::MENU_CAPTION;
    f.MenuRegMoniter1.caption = Ui(85);
    f.MenuAllIO.caption = Ui(174);
    f.MenuErrTC_Moniter1.caption = Ui(87);
    f.MenuRS485SIO1.caption = Ui(137);
    f.MenuAlarmlist.caption = Ui(196);
    f.MenuHardmonitor.caption = Ui(250);
    f.MenuHelp1.caption = Common(7);
    f.MenuPIO1.caption = type == GW_VOSK ? Ui(385) : Ui(58);
}

void Hide(ControlState& control) {
    control.visible = false;
    control.enabled = false;
}

void SetInitialMenuStates(SMainFormState& f, const SProgramValues& program) {
    const GwType type = program.SelectedGwType;
    f.MenuSpecial1.enabled = false;
    for (MenuItemState* item : {&f.MenuTimeSetting, &f.MenuUnitNo, &f.MenuEtherIp, &f.MenuDrvObsrv,
                                &f.MenuAlarmlist, &f.MenuHardmonitor})
        Hide(*item);
    f.MenuAllIO.visible = false;
    f.MenuRS485SIO1.visible = false;
    f.MenuMoniter1.enabled = false;

    if (type != GW_KAVELIS) {
        f.MenuAlarmlist.visible = true;
        f.MenuTimeSetting.visible = true;
    }
    if (type == GW_DRAVO && program.ExtendedMode()) f.MenuDrvObsrv.visible = true;
}

// Row 0 holds the column titles, column 0 the slot numbers; both are drawn grey.
void SetUpGrid(GridState& grid, const std::vector<int>& titleIndices, int slots) {
    const int cols = static_cast<int>(titleIndices.size());
    grid.Resize(cols, slots + 1);
    for (int col = 0; col < cols; ++col) {
        grid.Cell(col, 0) = Ui(titleIndices[static_cast<std::size_t>(col)]);
        grid.colours[0][static_cast<std::size_t>(col)] = CellColour::Grey;
    }
    for (int row = 1; row <= slots; ++row) {
        grid.Cell(0, row) = std::to_string(row - 1);
        grid.colours[static_cast<std::size_t>(row)][0] = CellColour::Grey;
    }
}

std::vector<std::string> CountItems(std::initializer_list<int> counts) {
    std::vector<std::string> items;
    for (const int n : counts) items.push_back(std::to_string(n));
    return items;
}

// "0", "2", ... up to the unit's axis slots: a unit of 6 axes can keep 6 configured axes.
std::vector<std::string> EvenCountItems(int slots) {
    std::vector<std::string> items;
    for (int n = 0; n <= slots; n += 2) items.push_back(std::to_string(n));
    return items;
}

void ShowKavelisCombos(SMainFormState& f, bool kavelis) {
    for (ComboState* combo : {&f.cbW4N, &f.cbW8N, &f.cbW2N}) {
        combo->visible = kavelis;
        combo->enabled = kavelis;
    }
    for (ComboState* combo : {&f.cbW1N, &f.cbB4N}) {
        combo->visible = !kavelis;
        combo->enabled = !kavelis;
    }
    f.pnlStrSize1W.visible = !kavelis;
    f.pnlStrSize4bits.visible = !kavelis;
    for (ControlState* separator : {&f.Panel2, &f.Panel3, &f.Panel11, &f.Panel15})
        separator->visible = kavelis;
}

void LayoutIoAxisArea(SMainFormState& f, const ParameterImage& image, GwType type) {
    f.pnlAxisCtrlIO.visible = true;
    f.pnlAxisCtrlIO.enabled = true;
    switch (type) {
        case GW_KAVELIS:
            SetUpGrid(f.StringGrid1, {33, 34, 35, 36, 49, 55, 56}, 16);
            ShowKavelisCombos(f, true);
            break;
        case GW_VOSK:
            SetUpGrid(f.StringGrid1, {33, 34, 35, 36, 49, 177, 178}, image.SlotCount);
            ShowKavelisCombos(f, false);
            f.cbW1N.items = EvenCountItems(image.SlotCount);
            f.cbB4N.items = f.cbW1N.items;
            break;
        default:  // NUB3 GW
            SetUpGrid(f.StringGrid1, {33, 34, 35, 36, 49, 177, 182}, image.SlotCount);
            ShowKavelisCombos(f, false);
            f.cbW1N.items = CountItems({0, 1, 2, 3, 4});
            f.cbB4N.items = f.cbW1N.items;
            break;
    }
}

void LayoutServoAxisArea(SMainFormState& f, const ParameterImage& image) {
    f.pnlAxisCtrlSrv.visible = true;
    f.pnlAxisCtrlSrv.enabled = true;
    SetUpGrid(f.StringGrid2, {33, 364}, image.SlotCount);
    f.ComboBox1.items = EvenCountItems(image.SlotCount);
}

void LayoutAxisArea(SMainFormState& f, ParameterImage& image, GwType type) {
    Hide(f.pnlAxisCtrlIO);
    Hide(f.pnlAxisCtrlSrv);
    Hide(f.rbFull_Pos);
    Hide(f.rbRemIO);
    f.StringGrid1.visible = f.StringGrid2.visible = true;
    switch (type) {
        case GW_KAVELIS:
        case GW_VOSK:
        case GW_NUB3GW:
            LayoutIoAxisArea(f, image, type);
            break;
        case GW_VOSK_ML3:
            LayoutServoAxisArea(f, image);
            break;
        case GW_DRAVO:
            LayoutDriveUnitPanels(f, image);
            break;
        default:
            break;  // VOSK-LC has no axis area
    }
}

}  // namespace

extern const std::array<SMenuOrderEntry, MAIN_MENU_ITEMS> MainMenuOrder = {{
    {"MenuFile1", &SMainFormState::MenuFile1, ""},
    {"MenuNew1", &SMainFormState::MenuNew1, "MenuFile1"},
    {"MenuOpen1", &SMainFormState::MenuOpen1, "MenuFile1"},
    {"MenuSave1", &SMainFormState::MenuSave1, "MenuFile1"},
    {"MenuCompareUnit", &SMainFormState::MenuCompareUnit, "MenuFile1", true},
    {"MenuCompareFile", &SMainFormState::MenuCompareFile, "MenuFile1"},
    {"MenuExit1", &SMainFormState::MenuExit1, "MenuFile1", true},
    {"MenuSet1", &SMainFormState::MenuSet1, ""},
    {"MenuSpecial1", &SMainFormState::MenuSpecial1, "MenuSet1"},
    {"MenuPortConfig", &SMainFormState::MenuPortConfig, "MenuSet1"},
    {"MenuTimeSetting", &SMainFormState::MenuTimeSetting, "MenuSet1"},
    {"MenuUnitNo", &SMainFormState::MenuUnitNo, "MenuSet1"},
    {"MenuEtherIp", &SMainFormState::MenuEtherIp, "MenuSet1"},
    {"MenuDrvObsrv", &SMainFormState::MenuDrvObsrv, "MenuSet1"},
    {"MenuCheckConnection", &SMainFormState::MenuCheckConnection, "MenuSet1"},
    {"MenuMoniter1", &SMainFormState::MenuMoniter1, ""},
    {"MenuRegMoniter1", &SMainFormState::MenuRegMoniter1, "MenuMoniter1"},
    {"MenuAllIO", &SMainFormState::MenuAllIO, "MenuMoniter1"},
    {"MenuErrTC_Moniter1", &SMainFormState::MenuErrTC_Moniter1, "MenuMoniter1"},
    {"MenuRS485SIO1", &SMainFormState::MenuRS485SIO1, "MenuMoniter1"},
    {"MenuAlarmlist", &SMainFormState::MenuAlarmlist, "MenuMoniter1"},
    {"MenuHardmonitor", &SMainFormState::MenuHardmonitor, "MenuMoniter1"},
    {"MenuTrafficMonitor", &SMainFormState::MenuTrafficMonitor, "MenuMoniter1", true},
    {"MenuHelp1", &SMainFormState::MenuHelp1, ""},
    {"MenuPIO1", &SMainFormState::MenuPIO1, "MenuHelp1"},
}};

std::vector<SColumnGroup> ColumnGroupsOf(GwType type) {
    switch (type) {
        case GW_KAVELIS:
            return {{"pnlStrTitleSize", &SMainFormState::pnlStrTitleSize, 0, 0},
                    {"pnlStrSize4W", &SMainFormState::pnlStrSize4W, 1, 2},
                    {"pnlStrSize8W", &SMainFormState::pnlStrSize8W, 3, 3},
                    {"pnlStrSize2W", &SMainFormState::pnlStrSize2W, 4, 6}};
        case GW_VOSK:
        case GW_NUB3GW:
            return {{"pnlStrTitleSize", &SMainFormState::pnlStrTitleSize, 0, 0},
                    {"pnlStrSize4W", &SMainFormState::pnlStrSize4W, 1, 2},
                    {"pnlStrSize8W", &SMainFormState::pnlStrSize8W, 3, 3},
                    {"pnlStrSize2W", &SMainFormState::pnlStrSize2W, 4, 4},
                    {"pnlStrSize1W", &SMainFormState::pnlStrSize1W, 5, 5},
                    {"pnlStrSize4bits", &SMainFormState::pnlStrSize4bits, 6, 6}};
        default:
            return {};
    }
}

std::vector<std::string> InfoBoxSampleTexts() {
    std::vector<std::string> texts;
    for (const int index : {21, 22, 15, 17, 359, 360, 29, 10, 11, 150, 152, 153, 144})
        texts.push_back(Ui(index));
    texts.push_back("888" + Ui(32));
    texts.push_back("8 " + Ui(191));
    texts.push_back("8" + Ui(31));
    texts.emplace_back(DATA_SIZE_OVER_TEXT);
    return texts;
}

void LayoutDriveUnitPanels(SMainFormState& form, ParameterImage& image) {
    form.DriveUnits.clear();
    const int slots = image.SlotCount;
    for (int unit = 0; unit * 2 < slots; ++unit) {
        SDriveUnitPanel panel;
        std::string axes;
        for (int slot = unit * 2; slot < unit * 2 + 2 && slot < slots; ++slot) {
            panel.slots.push_back(slot);
            axes += (axes.empty() ? "" : ",") + FormatText(UiText[286], slot);
            CheckState rsv;
            rsv.text = FormatText(UiText[283], slot);
            rsv.enabled = false;
            panel.chkRsvAxis.push_back(rsv);
        }
        panel.gbDriveUnit.text = FormatText(UiText[284], unit) + "(" + axes + ")";
        panel.rsvHint = std::string(MsgText[65]);
        panel.cbAxisCtrl.items = {Ui(280)};
        panel.cbAxisCtrl.index = 0;
        panel.cbAxisCtrl.enabled = false;
        panel.listCodes = {AXIS_NO_SLOT};
        form.DriveUnits.push_back(std::move(panel));
    }
    form.rbFull_Pos.text = Ui(281);
    form.rbRemIO.text = Ui(282);
    for (CheckState* radio : {&form.rbFull_Pos, &form.rbRemIO}) {
        radio->visible = true;
        radio->enabled = true;
    }
    form.rbFull_Pos.checked = true;
    form.rbRemIO.checked = false;
    image.DravoMode = 1;
    form.PanelReinitPending = true;
}

void LayoutMainForm(SMainFormState& form, ParameterImage& image, const SProgramValues& program,
                    int unitAxisCount) {
    const GwType type = program.SelectedGwType;
    ApplyHelpMenuRule(form.MenuHelp1, type);
    ApplyNetworkTypeFieldRule(form.cbNTYP, form.pnlNTYP, form.linpNTYP, program.ExtendedMode());
    ApplyTpBaudRateRule(form.lTBPS, form.cbTBPS, type);
    Hide(form.ToolButton2);

    image.SlotCount = SlotCountOf(type, unitAxisCount);
    SetFixedTexts(form);
    SetFixedCombos(form, type);
    SetMenuCaptions(form, type);
    SetInitialMenuStates(form, program);
    LayoutAxisArea(form, image, type);
    if (form.StatusBar1.empty()) form.StatusBar1 = {SStatusBarPanel{}, SStatusBarPanel{}};
}
