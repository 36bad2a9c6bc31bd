#include "core/params/DravoPanels.h"

#include <algorithm>

#include "core/app/texts/UiText.h"
#include "core/params/AxisModeTable.h"
#include "core/params/DisplayFormat.h"
#include "core/params/FieldEditRefresh.h"
#include "core/params/NetworkTypeTable.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int SLOTS_PER_UNIT = 2;
constexpr int UNDEFINED_POSITION = 0;

// UiText indexes of the mode lists.
constexpr std::size_t TEXT_SIZE = 285;
constexpr std::size_t TEXT_NIBBLE = 191;

void SetSlot(ParameterImage& image, int slot, std::uint16_t word) {
    if (slot >= 0 && slot < AXIS_SLOTS) image.AxisMode[static_cast<std::size_t>(slot)] = word;
}

std::uint16_t SlotWord(const ParameterImage& image, int slot) {
    return slot >= 0 && slot < AXIS_SLOTS ? image.AxisMode[static_cast<std::size_t>(slot)] : AXIS_NO_SLOT;
}

// The code a list compares with: bits 0..14, but a free slot stays FFFFh.
std::uint16_t ListCodeOf(std::uint16_t word) {
    return word == AXIS_NO_SLOT ? AXIS_NO_SLOT : AxisModeCode(word);
}

bool IsOfferedOnNetwork(const SAxisModeEntry& entry, std::uint16_t ntyp) {
    if (ntyp != NTYP_COMPONET && ntyp != NTYP_MECHATROLINK) return true;
    return entry.code == MODE_POINT3 || entry.code == MODE_REMOTE_IO || entry.code == AXIS_NO_SLOT;
}

bool IsOffered(const SAxisModeEntry& entry, int dravoMode, std::uint16_t ntyp, GwType type) {
    return (entry.dravoGroup & dravoMode) != 0 && (entry.gwTypes & type) != 0 &&
           IsOfferedOnNetwork(entry, ntyp);
}

std::string EntryText(const SAxisModeEntry& entry) {
    const std::string name(UiText[entry.textIndex]);
    if (entry.code == AXIS_NO_SLOT) return name;
    const std::string size(UiText[TEXT_SIZE]);
    if (IsNibbleSize(entry.sizeCode))
        return FormatText("%ls(%ls:%ls)", name.c_str(), size.c_str(),
                          std::string(UiText[TEXT_NIBBLE]).c_str());
    return FormatText("%ls(%ls:%dW)", name.c_str(), size.c_str(), entry.sizeCode / 16);
}

bool IsAtUndefined(const SDriveUnitPanel& unit) {
    return unit.cbAxisCtrl.index == UNDEFINED_POSITION;
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

void ShowUnit(SDriveUnitPanel& unit, const ParameterImage& image, bool enabled, bool refill) {
    unit.cbAxisCtrl.enabled = enabled;
    if (refill) FillDravoModeList(unit, image.DravoMode, image.Word(NTYP));
    const int first = unit.slots.empty() ? AXIS_SLOTS : unit.slots.front();
    unit.cbAxisCtrl.index = DravoListPositionOf(unit, SlotWord(image, first)).value_or(UNDEFINED_POSITION);
    const bool defined = !IsAtUndefined(unit);
    for (std::size_t j = 0; j < unit.chkRsvAxis.size(); ++j) {
        CheckState& box = unit.chkRsvAxis[j];
        const int slot = j < unit.slots.size() ? unit.slots[j] : AXIS_SLOTS;
        box.enabled = defined;
        box.checked = defined && IsReservedAxis(SlotWord(image, slot));
    }
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

std::vector<SDravoListEntry> DravoModeList(int dravoMode, std::uint16_t ntyp, GwType type) {
    std::vector<SDravoListEntry> list;
    for (const auto& entry : AxisModeTable)
        if (IsOffered(entry, dravoMode, ntyp, type)) list.push_back({entry.code, EntryText(entry)});
    return list;
}

bool IsDravoModeOffered(std::uint16_t word, int dravoMode, std::uint16_t ntyp, GwType type) {
    const std::uint16_t code = ListCodeOf(word);
    return std::any_of(AxisModeTable.begin(), AxisModeTable.end(), [&](const SAxisModeEntry& entry) {
        return entry.code == code && IsOffered(entry, dravoMode, ntyp, type);
    });
}

// On a unit with an odd slot count the last drive unit has one slot: there is no second slot to
// compare with.
bool DravoUnitRulesHold(const ParameterImage& image, GwType type) {
    const int configured = std::clamp(image.AxisCount, 0, AXIS_SLOTS);
    for (int first = 0; first < configured; first += SLOTS_PER_UNIT) {
        const std::uint16_t word = SlotWord(image, first);
        if (word == AXIS_NO_SLOT) return false;
        if (!IsDravoModeOffered(word, image.DravoMode, image.Word(NTYP), type)) return false;
        const bool secondSlotExists = first + 1 < image.SlotCount;
        if (secondSlotExists && AxisModeCode(SlotWord(image, first + 1)) != AxisModeCode(word)) return false;
    }
    for (int s = configured; s < AXIS_SLOTS; ++s)
        if (SlotWord(image, s) != AXIS_NO_SLOT) return false;
    return image.Word(W4N) <= image.SlotCount;
}

int DravoConfiguredSlots(const SMainFormState& form) {
    int slots = 0;
    for (const SDriveUnitPanel& unit : form.DriveUnits) {
        if (IsAtUndefined(unit)) break;
        slots += static_cast<int>(unit.slots.size());
    }
    return slots;
}

void FillDravoModeList(SDriveUnitPanel& unit, int dravoMode, std::uint16_t ntyp) {
    unit.cbAxisCtrl.items.clear();
    unit.listCodes.clear();
    for (const auto& entry : DravoModeList(dravoMode, ntyp)) {
        unit.cbAxisCtrl.items.push_back(entry.text);
        unit.listCodes.push_back(entry.code);
    }
    unit.cbAxisCtrl.index = UNDEFINED_POSITION;
}

std::optional<int> DravoListPositionOf(const SDriveUnitPanel& unit, std::uint16_t word) {
    const auto found = std::find(unit.listCodes.begin(), unit.listCodes.end(), ListCodeOf(word));
    if (found == unit.listCodes.end()) return std::nullopt;
    return static_cast<int>(found - unit.listCodes.begin());
}

void RefreshDravoPanels(SMainFormState& form, const ParameterImage& image) {
    form.rbRemIO.checked = image.DravoMode == DRAVO_MODE_REMOTE_IO;
    form.rbFull_Pos.checked = !form.rbRemIO.checked;
    for (std::size_t i = 0; i < form.DriveUnits.size(); ++i) {
        const bool enabled = i == 0 || !IsAtUndefined(form.DriveUnits[i - 1]);
        ShowUnit(form.DriveUnits[i], image, enabled, form.PanelReinitPending);
    }
    form.PanelReinitPending = false;
}

void cbAxisCtrlChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int unit, int index) {
    if (unit < 0 || unit >= static_cast<int>(form.DriveUnits.size())) return;
    SDriveUnitPanel& panel = form.DriveUnits[static_cast<std::size_t>(unit)];
    panel.cbAxisCtrl.index = index;
    const std::uint16_t code = SelectedCode(panel);
    if (code == AXIS_NO_SLOT) panel.cbAxisCtrl.index = UNDEFINED_POSITION;
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
    const std::uint16_t word = SlotWord(image, slot);
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
