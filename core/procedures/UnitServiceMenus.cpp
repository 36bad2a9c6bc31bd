#include "core/procedures/UnitServiceMenus.h"

namespace {

// "on" = enabled and visible, "off" = disabled and hidden.
void Show(MenuItemState& item, bool on) {
    item.enabled = on;
    item.visible = on;
}

bool IsVoskFamily(GwType type) { return (type & GW_VOSK_FAMILY_MASK) != 0; }

}  // namespace

void SetUnitServiceMenusAfterRead(SMainFormState& form, const SProgramValues& program) {
    const GwType type = program.SelectedGwType;
    const bool kavelis = type == GW_KAVELIS;
    Show(form.MenuUnitNo, IsVoskFamily(type) || type == GW_DRAVO);
    Show(form.MenuTimeSetting, !kavelis);
    Show(form.MenuAlarmlist, !kavelis);
    if (kavelis) {
        Show(form.MenuHardmonitor, false);
    } else {
        form.MenuHardmonitor.enabled = IsVoskFamily(type);
    }
    if (type == GW_DRAVO && program.ExtendedMode()) Show(form.MenuDrvObsrv, true);
}

void SetUnitServiceMenusAfterWrite(SMainFormState& form, const SProgramValues& program) {
    const GwType type = program.SelectedGwType;
    Show(form.MenuUnitNo, IsVoskFamily(type) || type == GW_DRAVO);
    Show(form.MenuTimeSetting, type != GW_KAVELIS);
}
