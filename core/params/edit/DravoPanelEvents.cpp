#include "core/params/edit/DravoPanelEvents.h"

#include <algorithm>

#include "core/params/edit/DravoPanels.h"
#include "core/params/edit/FieldEditRefresh.h"
#include "core/params/image/AxisModeTable.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int SLOTS_PER_UNIT = 2;

bool IsSlot(int slot) {
    return slot >= 0 && slot < AXIS_SLOTS;
}

void SetSlot(ParameterImage& image, int slot, std::uint16_t word) {
    if (IsSlot(slot)) image.AxisMode[static_cast<std::size_t>(slot)] = word;
}

// The code of the list's selection; "Undefined" when the selection has no entry.
std::uint16_t SelectedCode(const SDriveUnitPanel& unit) {
    const int index = unit.cbAxisCtrl.index;
    if (index < 0 || index >= static_cast<int>(unit.listCodes.size())) return AXIS_NO_SLOT;
    return unit.listCodes[static_cast<std::size_t>(index)];
}

void SetConfiguredCount(ParameterImage& image, int count) {
    image.AxisCount = count;
    image.IoAxisCount = image.DravoMode == DRAVO_MODE_REMOTE_IO ? count : 0;
    image.Word(W4N) = static_cast<std::uint16_t>(count);
    image.Word(FINX) = static_cast<std::uint16_t>(std::max(0, count - 1));
}

void SelectDravoMode(ParameterImage& image, SMainFormState& form, bool remoteIo,
                     const SProgramValues& program, HostServices& host) {
    form.rbFull_Pos.checked = !remoteIo;
    form.rbRemIO.checked = remoteIo;
    image.DravoMode = form.rbRemIO.checked ? DRAVO_MODE_REMOTE_IO : DRAVO_MODE_DIRECT_POSITIONER;
    form.PanelReinitPending = true;
    image.AxisCount = 0;
    image.IoAxisCount = 0;
    image.Word(W4N) = 0;
    image.Word(FINX) = 0;
    RefreshAfterEdit(image, form, program, host);
}

}  // namespace

void cbAxisCtrlChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int unit, int index) {
    if (unit < 0 || unit >= static_cast<int>(form.DriveUnits.size())) return;
    SDriveUnitPanel& panel = form.DriveUnits[static_cast<std::size_t>(unit)];
    panel.cbAxisCtrl.index = index;
    const std::uint16_t code = SelectedCode(panel);
    if (code == AXIS_NO_SLOT) panel.cbAxisCtrl.index = DRAVO_UNDEFINED_POSITION;
    for (std::size_t j = 0; j < panel.slots.size(); ++j) {
        const bool reserved = j < panel.chkRsvAxis.size() && panel.chkRsvAxis[j].checked;
        SetSlot(image, panel.slots[j], reserved ? static_cast<std::uint16_t>(code | AXIS_RSV_BIT) : code);
    }
    if (code == AXIS_NO_SLOT) {
        for (auto later = form.DriveUnits.begin() + unit + 1; later != form.DriveUnits.end(); ++later)
            for (int s : later->slots) SetSlot(image, s, AXIS_NO_SLOT);
    }
    SetConfiguredCount(image, code == AXIS_NO_SLOT ? SLOTS_PER_UNIT * unit : DravoConfiguredSlots(form));
    RefreshAfterEdit(image, form, program, host);
}

void chkRsvAxisClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host, int unit, int box, bool checked) {
    if (unit < 0 || unit >= static_cast<int>(form.DriveUnits.size())) return;
    SDriveUnitPanel& panel = form.DriveUnits[static_cast<std::size_t>(unit)];
    if (box < 0 || box >= static_cast<int>(panel.chkRsvAxis.size()) ||
        box >= static_cast<int>(panel.slots.size()))
        return;
    panel.chkRsvAxis[static_cast<std::size_t>(box)].checked = checked;
    const int slot = panel.slots[static_cast<std::size_t>(box)];
    const std::uint16_t word = IsSlot(slot) ? image.AxisMode[static_cast<std::size_t>(slot)] : AXIS_NO_SLOT;
    if (word != AXIS_NO_SLOT)
        SetSlot(image, slot, checked ? static_cast<std::uint16_t>(word | AXIS_RSV_BIT) : AxisModeCode(word));
    RefreshAfterEdit(image, form, program, host);
}

void rbFull_PosClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host) {
    SelectDravoMode(image, form, false, program, host);
}

void rbRemIOClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host) {
    SelectDravoMode(image, form, true, program, host);
}

void rbFull_PosEnter(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host) {
    if (!form.rbFull_Pos.checked) rbFull_PosClick(image, form, program, host);
}

void rbRemIOEnter(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host) {
    if (!form.rbRemIO.checked) rbRemIOClick(image, form, program, host);
}
