#include "core/app/MonitorMenuRules.h"

#include "core/app/texts/CommonMsgText.h"

namespace {

constexpr int COMMON_MSG_PORT_OPEN_ERROR = 50;
constexpr unsigned KAVELIS_GVER_DIAGNOSTIC_COUNTERS = 12;
constexpr unsigned KAVELIS_GVER_REGISTER_MONITOR = 9;

void ApplyExtendedModeItems(const SMonitorMenuItems& items, GwType type) {
    items.MenuRS485SIO1.visible = type != GW_VOSK_ML3;
    if (type == GW_KAVELIS) items.MenuAllIO.visible = true;
    if (type & GW_VOSK_FAMILY_MASK) items.MenuHardmonitor.visible = true;
}

}  // namespace

void ApplyMonitorMenuOpeningRule(const SMonitorMenuItems& items, GwType type, bool extendedMode,
                                 unsigned gver) {
    items.MenuRegMoniter1.visible = type != GW_VOSK_ML3;
    if (type == GW_KAVELIS) {
        items.MenuAlarmlist.visible = false;
        items.MenuHardmonitor.visible = false;
    }
    if (extendedMode) {
        ApplyExtendedModeItems(items, type);
    } else {
        items.MenuRS485SIO1.visible = false;
        items.MenuAllIO.visible = false;
    }
    const bool kavelis = type == GW_KAVELIS;
    items.MenuErrTC_Moniter1.enabled = !kavelis || gver >= KAVELIS_GVER_DIAGNOSTIC_COUNTERS;
    items.MenuRegMoniter1.enabled = !kavelis || gver >= KAVELIS_GVER_REGISTER_MONITOR;
}

void OpenPortForMonitorMenu(SMainFlags& flags, const std::function<int()>& openPort, HostServices& host) {
    if (flags.commBusy) return;
    flags.commBusy = true;
    if (!flags.portOpen) {
        if (openPort() == 0) {
            flags.portOpen = true;
        } else {
            host.ShowMessageBox(CommonMsgText[COMMON_MSG_PORT_OPEN_ERROR], MB_ICON_ERROR);
        }
    }
    flags.commBusy = false;
}
