#include "core/params/edit/DravoPanels.h"

#include <algorithm>

#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int SLOTS_PER_UNIT = 2;

// UiText indexes of the mode lists.
constexpr std::size_t TEXT_SIZE = 285;
constexpr std::size_t TEXT_NIBBLE = 191;

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
    return unit.cbAxisCtrl.index == DRAVO_UNDEFINED_POSITION;
}

void ShowUnit(SDriveUnitPanel& unit, const ParameterImage& image, bool enabled, bool refill) {
    unit.cbAxisCtrl.enabled = enabled;
    if (refill) FillDravoModeList(unit, image.DravoMode, image.Word(NTYP));
    const int first = unit.slots.empty() ? AXIS_SLOTS : unit.slots.front();
    unit.cbAxisCtrl.index =
        DravoListPositionOf(unit, SlotWord(image, first)).value_or(DRAVO_UNDEFINED_POSITION);
    const bool defined = !IsAtUndefined(unit);
    for (std::size_t j = 0; j < unit.chkRsvAxis.size(); ++j) {
        CheckState& box = unit.chkRsvAxis[j];
        const int slot = j < unit.slots.size() ? unit.slots[j] : AXIS_SLOTS;
        box.enabled = defined;
        box.checked = defined && IsReservedAxis(SlotWord(image, slot));
    }
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
    unit.cbAxisCtrl.index = DRAVO_UNDEFINED_POSITION;
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
