#include "core/fields/MainWindowFields.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "core/advanced/NearestNames.h"
#include "core/compare/ShownParameterFields.h"
#include "core/fields/AxisSlotClicks.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/edit/DravoPanelEvents.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

constexpr const char* ON = "on";
constexpr const char* OFF = "off";

unsigned ConfigRegister(GwConfigIndex index) {
    return REG_GW_CONFIG + static_cast<unsigned>(index);
}

unsigned SlotRegister(int slot) {
    return REG_AXIS_MODE + static_cast<unsigned>(slot);
}

std::string OnOff(bool on) {
    return on ? ON : OFF;
}

bool Enabled(const ComboState& list) {
    return list.visible && list.enabled && !list.grey;
}

SWindowField ListField(const std::string& name, unsigned reg, ComboState SMainFormState::*list,
                       ListChangeHandler change, const SMainFormState& form) {
    const ComboState& combo = form.*list;
    SWindowField field;
    field.name = name;
    field.registers = {reg};
    field.value = combo.Selected();
    field.enabled = Enabled(combo);
    field.choices = combo.items;
    field.kind = EWindowFieldKind::List;
    field.change = change;
    if (!field.enabled) {
        field.lock = EFieldLock::FixedByNetwork;
        field.lockedBy = form.linpNTYP.text;
    }
    return field;
}

SWindowField ShownField(const std::string& name, unsigned reg, const std::string& value) {
    SWindowField field;
    field.name = name;
    field.registers = {reg};
    field.value = value;
    field.lock = EFieldLock::ShownOnly;
    return field;
}

void AddNetworkFields(std::vector<SWindowField>& fields, const SMainFormState& f) {
    if (f.cbNTYP.visible) {
        fields.push_back(ListField(f.lNTYP.text, ConfigRegister(NTYP), &SMainFormState::cbNTYP, cbNTYPChange, f));
    } else {
        SWindowField network = ShownField(f.lNTYP.text, ConfigRegister(NTYP), f.linpNTYP.text);
        network.lock = EFieldLock::NetworkReadOnly;
        fields.push_back(network);
    }
    if (f.edDADR.visible) {
        SWindowField address;
        address.name = f.lDADR.text;
        address.registers = {ConfigRegister(DADR)};
        address.value = f.edDADR.text;
        address.enabled = f.edDADR.enabled;
        address.min = 0;
        address.max = ETHERCAT_ADDRESS_MAX;
        address.kind = EWindowFieldKind::AddressEdit;
        fields.push_back(address);
    } else {
        fields.push_back(ListField(f.lDADR.text, ConfigRegister(DADR), &SMainFormState::cbDADR, cbDADRChange, f));
    }
    fields.push_back(ListField(f.lDBPS.text, ConfigRegister(DBPS), &SMainFormState::cbDBPS, cbDBPSChange, f));
    if (f.lDSZ.visible)
        fields.push_back(ListField(f.lDSZ.text, ConfigRegister(DSZO), &SMainFormState::cbDSZ, cbDSZChange, f));
    if (f.lTBPS.visible)
        fields.push_back(ListField(f.lTBPS.text, ConfigRegister(TBPS), &SMainFormState::cbTBPS, cbTBPSChange, f));
}

void AddShownFields(std::vector<SWindowField>& fields, const SMainFormState& f) {
    if (f.gbInfoConfig.visible) {
        const TextState* names[] = {&f.Label1, &f.Label2, &f.Label3};
        const TextState* values[] = {&f.Label12, &f.Label13, &f.Label14};
        for (int row = 0; row < 3; ++row) {
            const std::string& name = names[row]->text;
            if (!name.empty()) fields.push_back(ShownField(name, InformationRowRegister(name, row), values[row]->text));
        }
    }
    // "Firmware Version:" names the value beside it.
    std::string version = f.lTitleGver.text;
    while (!version.empty() && (version.back() == ':' || version.back() == ' ')) version.pop_back();
    fields.push_back(ShownField(version, ConfigRegister(GVER), f.lGver.text));
}

// A count list's name: the "Size" title with the caption of the column group it stands under.
std::string SizeListName(const SMainFormState& f, const TextState& caption) {
    return f.pnlStrTitleSize.text + " " + caption.text;
}

struct SCountList {
    std::string name;
    GwConfigIndex word;
    ComboState SMainFormState::*list;
    ListChangeHandler change;
};

std::vector<SCountList> CountLists(const SMainFormState& f, GwType type) {
    switch (type) {
        case GW_KAVELIS:
            return {{SizeListName(f, f.pnlStrSize4W), W4N, &SMainFormState::cbW4N, cbW4NChange},
                    {SizeListName(f, f.pnlStrSize8W), W8N, &SMainFormState::cbW8N, cbW8NChange},
                    {SizeListName(f, f.pnlStrSize2W), W4N, &SMainFormState::cbW2N, cbW2NChange}};
        case GW_VOSK:
        case GW_NUB3GW:
            return {{SizeListName(f, f.pnlStrSize1W), W4N, &SMainFormState::cbW1N, cbW1NChange},
                    {SizeListName(f, f.pnlStrSize4bits), W4N, &SMainFormState::cbB4N, cbB4NChange}};
        case GW_VOSK_ML3:
            return {{f.Label4.text, W4N, &SMainFormState::ComboBox1, ComboBox1Change}};
        default:
            return {};
    }
}

void AddCountLists(std::vector<SWindowField>& fields, const SMainFormState& f, GwType type) {
    const std::vector<SCountList> lists = CountLists(f, type);
    for (const SCountList& count : lists) {
        SWindowField field = ListField(count.name, ConfigRegister(count.word), count.list, count.change, f);
        if (!field.enabled) {
            // A list that is off while another one holds the axes names that one.
            for (const SCountList& other : lists) {
                if (other.list == count.list || (f.*other.list).index <= 0) continue;
                field.lock = EFieldLock::OtherListChosen;
                field.lockedBy = other.name;
                break;
            }
        }
        fields.push_back(field);
    }
}

std::string CountListNames(const SMainFormState& f, GwType type) {
    std::string names;
    for (const SCountList& count : CountLists(f, type)) names += (names.empty() ? "" : ", ") + count.name;
    return names;
}

int ConfiguredAxes(const ParameterImage& image, GwType type) {
    return type == GW_KAVELIS ? image.Word(W4N) + 2 * image.Word(W8N) : image.AxisCount;
}

// The grid column whose title a mode's name starts with; after every column for "-".
int ColumnOfMode(const GridState& grid, const std::string& name) {
    for (int col = 1; col < grid.colCount; ++col) {
        const std::string& title = grid.Cell(col, 0);
        if (name == title || name.starts_with(title + " ")) return col;
    }
    return grid.colCount;
}

// A grid row's two fields: the slot's mode and its reserve mark, with what the clicks reach from here.
std::array<SWindowField, 2> SlotFields(const ParameterImage& image, const SMainFormState& f,
                                       const SProgramValues& program, int slot) {
    const GwType type = program.SelectedGwType;
    const GridState& grid = type == GW_VOSK_ML3 ? f.StringGrid2 : f.StringGrid1;
    const std::vector<SSlotReach> reach = ReachableSlotStates(image, f, program, slot);
    const SShownAxisMode& now = reach.front().mode;
    SWindowField mode;
    mode.name = AxisSlotCaption(slot);
    mode.registers = {SlotRegister(slot)};
    mode.value = now.name;
    mode.kind = EWindowFieldKind::AxisSlot;
    mode.slot = slot;
    SWindowField reserve = mode;
    reserve.name = mode.name + " Rsv";
    reserve.value = OnOff(now.reserved);
    reserve.kind = EWindowFieldKind::AxisReserve;
    for (const SSlotReach& state : reach) {
        if (std::find(mode.choices.begin(), mode.choices.end(), state.mode.name) == mode.choices.end())
            mode.choices.push_back(state.mode.name);
        if (state.mode.name == now.name && state.mode.reserved != now.reserved) reserve.enabled = true;
    }
    std::stable_sort(mode.choices.begin(), mode.choices.end(), [&grid](const auto& a, const auto& b) {
        return ColumnOfMode(grid, a) < ColumnOfMode(grid, b);
    });
    mode.enabled = mode.choices.size() > 1;
    reserve.choices = reserve.enabled ? std::vector<std::string>{ON, OFF} : std::vector<std::string>{reserve.value};
    for (SWindowField* field : {&mode, &reserve}) {
        if (field->enabled) continue;
        const bool beyond = slot >= ConfiguredAxes(image, type);
        field->lock = beyond ? EFieldLock::BeyondConfiguredAxes : EFieldLock::NoClickChangesIt;
        if (beyond) field->lockedBy = CountListNames(f, type);
    }
    return {mode, reserve};
}

// The grid rows' fields; without `withStates` only their names and slots (the clicks are not tried).
void AddGridSlots(std::vector<SWindowField>& fields, const ParameterImage& image, const SMainFormState& f,
                  const SProgramValues& program, bool withStates) {
    const GridState& grid = program.SelectedGwType == GW_VOSK_ML3 ? f.StringGrid2 : f.StringGrid1;
    for (int slot = 0; slot + 1 < grid.rowCount; ++slot) {
        if (withStates) {
            for (const SWindowField& field : SlotFields(image, f, program, slot)) fields.push_back(field);
            continue;
        }
        SWindowField mode;
        mode.name = AxisSlotCaption(slot);
        mode.registers = {SlotRegister(slot)};
        mode.kind = EWindowFieldKind::AxisSlot;
        mode.slot = slot;
        SWindowField reserve = mode;
        reserve.name = mode.name + " Rsv";
        reserve.kind = EWindowFieldKind::AxisReserve;
        fields.push_back(mode);
        fields.push_back(reserve);
    }
}

// "Drive Unit1(Axis2,Axis3)" names the unit "Drive Unit1".
std::string DriveUnitName(const SDriveUnitPanel& unit) {
    const std::string& caption = unit.gbDriveUnit.text;
    return caption.substr(0, caption.find('('));
}

void AddDriveUnits(std::vector<SWindowField>& fields, const SMainFormState& f) {
    SWindowField group;
    group.name = f.Label11.text;
    group.registers = {SlotRegister(0)};
    group.value = f.rbRemIO.checked ? f.rbRemIO.text : f.rbFull_Pos.text;
    group.enabled = f.rbFull_Pos.visible && f.rbFull_Pos.enabled && f.rbRemIO.enabled;
    group.choices = {f.rbFull_Pos.text, f.rbRemIO.text};
    group.kind = EWindowFieldKind::DravoModeGroup;
    fields.push_back(group);
    for (std::size_t i = 0; i < f.DriveUnits.size(); ++i) {
        const SDriveUnitPanel& unit = f.DriveUnits[i];
        SWindowField list;
        list.name = DriveUnitName(unit);
        for (const int slot : unit.slots) list.registers.push_back(SlotRegister(slot));
        list.value = unit.cbAxisCtrl.Selected();
        list.enabled = unit.cbAxisCtrl.enabled;
        list.choices = unit.cbAxisCtrl.items;
        list.kind = EWindowFieldKind::DriveUnit;
        list.unit = static_cast<int>(i);
        if (!list.enabled && i > 0) {
            list.lock = EFieldLock::PreviousUnitUndefined;
            list.lockedBy = DriveUnitName(f.DriveUnits[i - 1]);
        }
        fields.push_back(list);
        for (std::size_t box = 0; box < unit.chkRsvAxis.size() && box < unit.slots.size(); ++box) {
            const CheckState& check = unit.chkRsvAxis[box];
            SWindowField reserve;
            reserve.name = check.text;
            reserve.registers = {SlotRegister(unit.slots[box])};
            reserve.value = OnOff(check.checked);
            reserve.enabled = check.enabled;
            reserve.choices = {ON, OFF};
            reserve.kind = EWindowFieldKind::DriveReserve;
            reserve.unit = static_cast<int>(i);
            reserve.box = static_cast<int>(box);
            reserve.slot = unit.slots[box];
            if (!reserve.enabled) {
                reserve.lock = EFieldLock::UnitUndefined;
                reserve.lockedBy = list.name;
            }
            fields.push_back(reserve);
        }
    }
}

bool SameText(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

std::optional<int> PositionOf(const std::vector<std::string>& items, std::string_view value) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SameText(items[i], value)) return static_cast<int>(i);
    return std::nullopt;
}

// A drive unit's entry by its whole text or by the mode's name before "(Size:...)".
std::optional<int> DriveEntryOf(const std::vector<std::string>& items, std::string_view value) {
    if (const auto whole = PositionOf(items, value)) return whole;
    std::optional<int> found;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!SameText(items[i].substr(0, items[i].find('(')), value)) continue;
        if (found) return std::nullopt;
        found = static_cast<int>(i);
    }
    return found;
}

// The digits typed into the address field over its whole text, as its key rules let them in.
std::string TypedAddress(const std::string& shown, std::string_view value) {
    // The whole text selected from the caret at its start, so the first digit replaces it.
    SAddressEditInput edit{shown, 0, static_cast<int>(shown.size())};
    for (const char key : value) {
        if (edDADRKeyPress(edit, key) == KeyVerdict::Swallow) continue;
        const auto from = std::min(static_cast<std::size_t>(edit.caret), edit.text.size());
        edit.text.replace(from, static_cast<std::size_t>(edit.selLength), 1, key);
        edit.caret = static_cast<int>(from) + 1;
        edit.selLength = 0;
    }
    return edit.text;
}

bool IsWholeNumber(std::string_view value) {
    return !value.empty() && value.size() <= ED_DADR_MAX_LENGTH &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

SFieldSetOutcome NotOffered(SFieldSetOutcome outcome, std::string_view value) {
    outcome.result = EFieldSetResult::NotOffered;
    outcome.nearest = NearestNames(value, outcome.field.choices);
    return outcome;
}

// The state the clicks reach that `wanted` accepts: one that keeps what `keep` accepts if there is one,
// then the one that changes the fewest other registers (a partner the rules do not force to follow
// stays as it is), then the one with the fewest clicks.
template <class Wanted, class Keep>
const SSlotReach* ChosenState(const std::vector<SSlotReach>& reach, Wanted wanted, Keep keep) {
    const SSlotReach* chosen = nullptr;
    const auto rank = [&keep](const SSlotReach& s) {
        return std::tuple(keep(s.mode) ? 0 : 1, s.othersChanged, s.clicks.size());
    };
    for (const SSlotReach& state : reach) {
        if (wanted(state.mode) && (!chosen || rank(state) < rank(*chosen))) chosen = &state;
    }
    return chosen;
}

std::vector<SWindowField> CollectFields(const ParameterImage& image, const SMainFormState& form,
                                        const SProgramValues& program, bool withSlotStates) {
    const GwType type = program.SelectedGwType;
    std::vector<SWindowField> fields;
    AddNetworkFields(fields, form);
    AddShownFields(fields, form);
    AddCountLists(fields, form, type);
    if (type == GW_DRAVO)
        AddDriveUnits(fields, form);
    else if (HasAxisGrid(type))
        AddGridSlots(fields, image, form, program, withSlotStates);
    return fields;
}

}  // namespace

std::vector<SWindowField> MainWindowFields(const ParameterImage& image, const SMainFormState& form,
                                           const SProgramValues& program) {
    return CollectFields(image, form, program, true);
}

SFieldSetOutcome SetMainWindowField(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                                    HostServices& host, std::string_view name, std::string_view value) {
    std::vector<SWindowField> fields = CollectFields(image, form, program, false);
    SFieldSetOutcome outcome;
    auto field = std::find_if(fields.begin(), fields.end(), [name](const auto& f) { return SameText(f.name, name); });
    if (field == fields.end()) {
        std::vector<std::string> names;
        for (const SWindowField& f : fields) names.push_back(f.name);
        outcome.result = EFieldSetResult::UnknownName;
        outcome.nearest = NearestNames(name, names);
        return outcome;
    }
    // Only the named slot's clicks are tried.
    if (field->kind == EWindowFieldKind::AxisSlot || field->kind == EWindowFieldKind::AxisReserve)
        *field = SlotFields(image, form, program, field->slot)[field->kind == EWindowFieldKind::AxisSlot ? 0 : 1];
    outcome.field = *field;
    if (!field->enabled) {
        outcome.result = EFieldSetResult::Locked;
        return outcome;
    }
    switch (field->kind) {
        case EWindowFieldKind::List: {
            const auto index = PositionOf(field->choices, value);
            if (!index) return NotOffered(outcome, value);
            field->change(image, form, program, host, *index);
            break;
        }
        case EWindowFieldKind::AddressEdit: {
            if (!IsWholeNumber(value)) {
                outcome.result = EFieldSetResult::NotOffered;
                return outcome;
            }
            form.edDADR.text = TypedAddress(form.edDADR.text, value);
            if (edDADRExit(image, form, program, host)) outcome.result = EFieldSetResult::Refused;
            break;
        }
        case EWindowFieldKind::AxisSlot:
        case EWindowFieldKind::AxisReserve: {
            const std::vector<SSlotReach> reach = ReachableSlotStates(image, form, program, field->slot);
            const SShownAxisMode now = reach.front().mode;
            const SSlotReach* chosen = nullptr;
            if (field->kind == EWindowFieldKind::AxisSlot) {
                chosen = ChosenState(
                    reach, [value](const SShownAxisMode& m) { return SameText(m.name, value); },
                    [&now](const SShownAxisMode& m) { return m.reserved == now.reserved; });
            } else if (SameText(value, ON) || SameText(value, OFF)) {
                const bool reserved = SameText(value, ON);
                chosen = ChosenState(
                    reach, [&](const SShownAxisMode& m) { return m.name == now.name && m.reserved == reserved; },
                    [](const SShownAxisMode&) { return true; });
            }
            if (!chosen) return NotOffered(outcome, value);
            for (const SSlotClick& click : chosen->clicks)
                ClickSlot(image, form, program, host, click.slot, click.column);
            break;
        }
        case EWindowFieldKind::DravoModeGroup: {
            const auto index = PositionOf(field->choices, value);
            if (!index) return NotOffered(outcome, value);
            if (field->choices[static_cast<std::size_t>(*index)] == field->value) break;
            if (*index == 0)
                rbFull_PosClick(image, form, program, host);
            else
                rbRemIOClick(image, form, program, host);
            break;
        }
        case EWindowFieldKind::DriveUnit: {
            const auto index = DriveEntryOf(field->choices, value);
            if (!index) return NotOffered(outcome, value);
            cbAxisCtrlChange(image, form, program, host, field->unit, *index);
            break;
        }
        case EWindowFieldKind::DriveReserve: {
            if (!SameText(value, ON) && !SameText(value, OFF)) return NotOffered(outcome, value);
            const bool checked = SameText(value, ON);
            if (OnOff(checked) != field->value) chkRsvAxisClick(image, form, program, host, field->unit, field->box, checked);
            break;
        }
        case EWindowFieldKind::Shown:
            outcome.result = EFieldSetResult::Locked;
            break;
    }
    return outcome;
}
