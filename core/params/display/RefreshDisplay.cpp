#include "core/params/display/RefreshDisplay.h"

#include "core/app/StatusBarTexts.h"
#include "core/link/BaudTable.h"
#include "core/params/display/DisplayAxisGrid.h"
#include "core/params/display/DisplayCombos.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/display/DisplayNetwork.h"
#include "core/params/display/DisplayRecount.h"
#include "core/params/display/DisplayTpPort.h"
#include "core/params/image/IoBytes.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

void ShowPortStatus(SMainFormState& form, const SProgramValues& program) {
    const auto& comm = program.Comm;
    if (comm.CurrentPortNum == 0) return;
    if (form.StatusBar1.empty()) form.StatusBar1.emplace_back();
    // A baud index outside the table (a hand-edited settings file) is shown as the first speed.
    const int baudIndex = IsValidBaudIndex(comm.CurrentBaudIndex) ? comm.CurrentBaudIndex : 0;
    form.StatusBar1[0].text = PortStatusText(
        static_cast<std::uint32_t>(BaudTable[static_cast<std::size_t>(baudIndex)]), comm.CurrentPortNum);
}

void ShowVersions(const ParameterImage& image, SMainFormState& form) {
    const std::uint16_t moduleVersion = image.ModuleInfo[1];
    const bool hasModule = moduleVersion != 0;
    form.lTitleAbccVer.visible = form.lAbccVer.visible = hasModule;
    form.lAbccVer.text =
        hasModule ? FormatText("%d.%02d", moduleVersion >> 8, moduleVersion & 0xFF) : std::string();
    const std::uint16_t gver = image.Word(GVER);
    form.lGver.text = gver == 0 ? std::string() : FormatText("%04hX", gver);
}

// EtherCAT addresses are typed into `edDADR`; every other network uses the list `cbDADR`.
void SwitchAddressField(const ParameterImage& image, SMainFormState& form) {
    form.cbDADR.items.clear();
    form.cbDADR.index = -1;
    const bool etherCat = image.Word(NTYP) == NTYP_ETHERCAT;
    form.cbDADR.visible = form.cbDADR.enabled = !etherCat;
    form.edDADR.visible = form.edDADR.enabled = etherCat;
}

void RedrawAxisArea(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                    const SRefreshHooks& hooks) {
    switch (program.SelectedGwType) {
        case GW_DRAVO:
            if (hooks.refreshDravoPanels) hooks.refreshDravoPanels(form, image);
            break;
        case GW_VOSK_ML3:
            RenderStringGrid2(form.StringGrid2, image, program.ExtendedMode());
            break;
        case GW_VOSK_LC:
            break;
        default:
            RenderStringGrid1(form.StringGrid1, image, program.SelectedGwType);
            break;
    }
}

void ShowNetworkMenusAndColours(const ParameterImage& image, SMainFormState& form,
                                const SProgramValues& program) {
    const std::uint16_t ntyp = image.Word(NTYP);
    form.cbW1N.grey = ntyp == NTYP_PIO || ntyp == NTYP_MECHATROLINK3;
    if (form.cbW1N.grey) form.cbW1N.enabled = false;
    const bool etherIp = ntyp == NTYP_ETHERNET_IP || (ntyp == NTYP_PROFINET_IO && program.ExtendedMode());
    // `etherIpModified` stays: addresses changed in the dialog are not in effect until a write with a
    // restart, and the close question must still ask about them after any refresh.
    form.MenuEtherIp.enabled = form.MenuEtherIp.visible = etherIp;
    if (program.ExtendedMode()) form.MenuMoniter1.enabled = true;
}

void CopyAxisMirror(ParameterImage& image) {
    for (std::size_t slot = 0; slot < image.AxisModeMirror.size(); ++slot)
        image.AxisModeMirror[slot] = image.AxisMode[slot];
}

}  // namespace

void RefreshDisplay(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                    HostServices& host, const SRefreshHooks& hooks) {
    host.SetProgress(0);
    ShowPortStatus(form, program);
    ShowVersions(image, form);
    SwitchAddressField(image, form);
    form.gbInfoConfig.visible = program.SelectedGwType != GW_VOSK_ML3;
    RecountAxes(image, form, program);
    NormalizeAxisWords(image, program, host, hooks.dravoUnitRulesHold);
    RedrawAxisArea(image, form, program, hooks);
    ComputeIoBytes(image, program.SelectedGwType);
    RemoveMacPanel(form);
    SelectIndex(form.cbTBPS, TpPortSpeedPosition(image.Word(TBPS)));
    ShowNetworkContents(image, form, program, host);
    ShowNetworkMenusAndColours(image, form, program);
    CopyAxisMirror(image);
}
