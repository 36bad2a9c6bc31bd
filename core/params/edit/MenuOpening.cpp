#include "core/params/edit/MenuOpening.h"

#include "core/app/StartupRules.h"
#include "core/app/texts/CommonMsgText.h"

namespace {

// KAVELIS firmware that offers the register monitor.
constexpr std::uint16_t KAVELIS_GVER_REGISTER_MONITOR = 9;

// True when the address field held a rejected value: the menu rules do not run then.
bool AddressFieldRejected(const SMainFormState& form, const SMenuOpeningHooks& hooks) {
    return form.edDADRHasFocus && hooks.commitAddressField && hooks.commitAddressField();
}

void ShowExtendedMonitorItems(SMainFormState& form, GwType type) {
    form.MenuRS485SIO1.visible = type != GW_VOSK_ML3;
    if (type == GW_KAVELIS) form.MenuAllIO.visible = true;
    if ((type & GW_VOSK_FAMILY_MASK) != 0) form.MenuHardmonitor.visible = true;
}

}  // namespace

void OpenPortIfNeeded(SMainFlags& flags, const SProgramValues& program, HostServices& host,
                      const std::function<int(int portNum, int baudIndex)>& openPort,
                      const std::function<std::string()>& describePortOpenFailure) {
    if (flags.commBusy) return;
    flags.commBusy = true;
    if (!flags.portOpen && openPort) {
        if (openPort(program.Comm.CurrentPortNum, program.Comm.CurrentBaudIndex) == 0) {
            flags.portOpen = true;
        } else {
            host.ShowMessageBoxWithDetail(
                CommonMsgText[COMMON_MSG_PORT_OPEN_ERROR], MB_ICON_ERROR,
                describePortOpenFailure ? describePortOpenFailure() : std::string());
        }
    }
    flags.commBusy = false;
}

void OnMonitorMenuOpening(SMainFormState& form, const ParameterImage& image, const SProgramValues& program,
                          HostServices& host, const SMenuOpeningHooks& hooks) {
    if (AddressFieldRejected(form, hooks)) return;
    const GwType type = program.SelectedGwType;
    form.MenuRegMoniter1.visible = type != GW_VOSK_ML3;
    if (type == GW_KAVELIS) form.MenuAlarmlist.visible = form.MenuHardmonitor.visible = false;

    if (program.ExtendedMode()) {
        OpenPortIfNeeded(form.flags, program, host, hooks.openPort, hooks.describePortOpenFailure);
        ShowExtendedMonitorItems(form, type);
    } else {
        form.MenuRS485SIO1.visible = false;
        form.MenuAllIO.visible = false;
    }

    const bool kavelis = type == GW_KAVELIS;
    const std::uint16_t gver = image.Word(GVER);
    form.MenuErrTC_Moniter1.enabled = !kavelis || gver >= KAVELIS_GVER_DIAGNOSTICS;
    form.MenuRegMoniter1.enabled = !kavelis || gver >= KAVELIS_GVER_REGISTER_MONITOR;
}

void OnHelpMenuOpening(SMainFormState& form, const SProgramValues& program, const SMenuOpeningHooks& hooks) {
    if (AddressFieldRejected(form, hooks)) return;
    ApplyHelpMenuOpeningRule(form.MenuPIO1, program.SelectedGwType);
}
