#include "core/params/validation/ValidationPreparation.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/params/display/DisplayTpPort.h"
#include "core/params/edit/DravoPanels.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/IoBytes.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "core/params/validation/ValidationNetworkWords.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int GRID1_MODE_COLUMNS = 6;
constexpr int GRID2_MODE_COLUMNS = 1;
constexpr std::uint16_t CCLINK_BAUD_BITS = 0x07;

std::uint16_t ToWord(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

int IndexOrZero(const ComboState& combo) {
    return std::max(combo.index, 0);
}

// A mark found in a row: the column and the text ("*", "(*)", "A", "(A)", "P", "(P)").
struct SGridMark {
    int column;
    std::string text;
};

bool IsMark(const std::string& text) {
    return text == "*" || text == "(*)" || text == "A" || text == "P" || text == "(A)" || text == "(P)";
}

bool IsReservedMark(const std::string& text) {
    return text.size() == 3;
}

bool IsPMark(const std::string& text) {
    return text == "P" || text == "(P)";
}

bool IsAMark(const std::string& text) {
    return text == "A" || text == "(A)";
}

// The code of a marked column for the type.
std::uint16_t MarkedCode(GwType type, const SGridMark& mark) {
    if (type == GW_VOSK_ML3) return IsPMark(mark.text) ? MODE_SERVO_P : MODE_SERVO_A;
    switch (mark.column) {
        case 1:
            return MODE_SIMPLE;
        case 2:
            return MODE_POINT1;
        case 3:
            return MODE_FULL;
        case 4:
            return MODE_POINT2;
        case 5:
            return type == GW_KAVELIS ? MODE_SOL1 : MODE_POINT3;
        default:
            break;
    }
    if (type == GW_KAVELIS) return MODE_SOL2;
    if (type == GW_NUB3GW) return MODE_REMOTE_IO;
    if (IsAMark(mark.text)) return MODE_SERVO_A;
    return IsPMark(mark.text) ? MODE_SERVO_P : MODE_TEV_IO;
}

// The word of a row without a mark: `selectable` is the first column that could be chosen (0: none).
std::uint16_t UnmarkedWord(GwType type, int selectable, std::uint16_t previous, bool firstRow) {
    if (selectable == 0) return AXIS_NO_SLOT;
    if (type != GW_KAVELIS) return AXIS_NOT_SET;
    if (!firstRow && (previous == 0x0003 || previous == 0x8003)) return MODE_FULL_SECOND;
    return selectable >= 4 ? AXIS_EMPTY_2W : AXIS_EMPTY_4W;
}

std::uint16_t RowWord(const GridState& grid, int row, GwType type, std::uint16_t previous) {
    const auto& cells = grid.cells[static_cast<std::size_t>(row)];
    const int modeColumns = type == GW_VOSK_ML3 ? GRID2_MODE_COLUMNS : GRID1_MODE_COLUMNS;
    const int lastColumn = std::min({modeColumns, grid.colCount - 1, static_cast<int>(cells.size()) - 1});
    int selectable = 0;
    for (int column = 1; column <= lastColumn; ++column) {
        const std::string& text = cells[static_cast<std::size_t>(column)];
        if (IsMark(text)) {
            const std::uint16_t code = MarkedCode(type, {column, text});
            return IsReservedMark(text) ? static_cast<std::uint16_t>(code | AXIS_RSV_BIT) : code;
        }
        if (text != "-" && selectable == 0) selectable = column;
    }
    return UnmarkedWord(type, selectable, previous, row == 1);
}

bool HasRow(const GridState& grid, int row) {
    return row < grid.rowCount && row < static_cast<int>(grid.cells.size());
}

// Step 1: the station address from `cbDADR`, or typed into `edDADR` for EtherCAT.
int PrepareStationAddress(ParameterImage& image, const SMainFormState& form) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (ntyp == NTYP_RS485 || ntyp == NTYP_NONE || ntyp == NTYP_PIO) return VALIDATION_OK;
    if (ntyp == NTYP_ETHERCAT) {
        const auto address = ParseEtherCatAddress(form.edDADR.text);
        if (!address) return VALIDATION_ILLEGAL_STATION;
        image.Word(DADR) = *address;
        return VALIDATION_OK;
    }
    if (!StationAddressDomainOf(ntyp)) {
        image.Word(DADR) = 0;
        return VALIDATION_OK;
    }
    const auto address = StationAddressAt(ntyp, form.cbDADR.index);
    if (!address) return VALIDATION_ILLEGAL_STATION;
    image.Word(DADR) = *address;
    return VALIDATION_OK;
}

// Step 2: the baud code of CC-Link and RS485. A CC-Link position that cannot be a baud index leaves an
// index the baud check refuses.
void PrepareBaudCode(ParameterImage& image, const SMainFormState& form) {
    const std::uint16_t ntyp = image.Word(NTYP);
    const int index = form.cbDBPS.index;
    if (IsCcLink(ntyp)) {
        const int baud = index >= 0 && index <= CCLINK_BAUD_BITS ? index : CCLINK_BAUD_BITS;
        image.Word(DBPS) = static_cast<std::uint16_t>((image.Word(DBPS) & ~CCLINK_BAUD_BITS) | baud);
    } else if (ntyp == NTYP_RS485)
        image.Word(DBPS) = Rs485BaudCodeAt(index);
}

// Step 3 for DRAVO: the slots of each drive unit take the unit's mode, reserve flags from its boxes;
// every slot after the last unit's is free.
int PrepareDravoAxisWords(ParameterImage& image, const SMainFormState& form) {
    int slotsAfterUnits = 0;
    for (const SDriveUnitPanel& unit : form.DriveUnits) {
        const int index = unit.cbAxisCtrl.index;
        if (index < 0 || index >= static_cast<int>(unit.listCodes.size())) return VALIDATION_ILLEGAL_MODE;
        const std::uint16_t code = unit.listCodes[static_cast<std::size_t>(index)];
        // The unit's own slots: the last unit of an odd slot count has only one.
        for (std::size_t j = 0; j < unit.slots.size(); ++j) {
            const int slot = unit.slots[j];
            if (slot < 0 || slot >= AXIS_SLOTS) continue;
            const bool reserved = j < unit.chkRsvAxis.size() && unit.chkRsvAxis[j].checked;
            image.AxisMode[static_cast<std::size_t>(slot)] =
                reserved ? static_cast<std::uint16_t>(code | AXIS_RSV_BIT) : code;
            slotsAfterUnits = std::max(slotsAfterUnits, slot + 1);
        }
    }
    for (int s = slotsAfterUnits; s < AXIS_SLOTS; ++s)
        image.AxisMode[static_cast<std::size_t>(s)] = AXIS_NO_SLOT;
    return VALIDATION_OK;
}

// Step 3 for VOSK-LC: the TP port code of the chosen `cbTBPS` entry.
int PrepareTpPortBaud(ParameterImage& image, const SMainFormState& form) {
    const int index = form.cbTBPS.index;
    if (index < 0 || index >= static_cast<int>(TP_PORT_SPEEDS.size())) return VALIDATION_ILLEGAL_TP_BAUD;
    image.Word(TBPS) = TpPortCodeAt(index);
    return VALIDATION_OK;
}

int PrepareAxisWords(ParameterImage& image, SMainFormState& form, GwType type) {
    switch (type) {
        case GW_KAVELIS:
        case GW_VOSK:
        case GW_NUB3GW:
            RebuildAxisWordsFromGrid(image, form.StringGrid1, type);
            return VALIDATION_OK;
        case GW_VOSK_ML3:
            RebuildAxisWordsFromGrid(image, form.StringGrid2, type);
            return VALIDATION_OK;
        case GW_DRAVO:
            return PrepareDravoAxisWords(image, form);
        case GW_VOSK_LC:
            return PrepareTpPortBaud(image, form);
        default:
            return VALIDATION_ILLEGAL_PARAMETER;
    }
}

void SetAxisCounts(ParameterImage& image, int axes, int ioAxes) {
    image.AxisCount = axes;
    image.IoAxisCount = ioAxes;
    image.Word(W4N) = ToWord(axes);
    image.Word(FINX) = ToWord(std::max(0, axes - 1));
    image.Word(W8N) = 0;
}

// VOSK and NUB3 GW: `cbW1N` counts mode axes, `cbB4N` I/O axes (VOSK in pairs).
void CountFromSlotCombos(ParameterImage& image, const SMainFormState& form, GwType type) {
    ComputeIoBytes(image, type);
    const int perEntry = type == GW_VOSK ? 2 : 1;
    const int modeEntries = IndexOrZero(form.cbW1N);
    const int ioEntries = IndexOrZero(form.cbB4N);
    if (modeEntries != 0)
        SetAxisCounts(image, perEntry * modeEntries, 0);
    else
        SetAxisCounts(image, perEntry * ioEntries, perEntry * ioEntries);
}

void PrepareCounts(ParameterImage& image, const SMainFormState& form, GwType type) {
    switch (type) {
        case GW_KAVELIS: {
            const int twoWord = IndexOrZero(form.cbW2N);
            image.Word(W4N) = ToWord(twoWord != 0 ? twoWord : IndexOrZero(form.cbW4N));
            image.Word(W8N) = ToWord(IndexOrZero(form.cbW8N));
            image.Word(FINX) = ToWord(std::max(0, image.Word(W4N) + 2 * image.Word(W8N) - 1));
            break;
        }
        case GW_VOSK:
        case GW_NUB3GW:
            CountFromSlotCombos(image, form, type);
            break;
        case GW_VOSK_ML3: {
            const int axes = 2 * IndexOrZero(form.ComboBox1);
            SetAxisCounts(image, axes, axes);
            break;
        }
        case GW_DRAVO: {
            ComputeIoBytes(image, type);
            const int axes = DravoConfiguredSlots(form);
            SetAxisCounts(image, axes, image.DravoMode == DRAVO_MODE_REMOTE_IO ? axes : 0);
            break;
        }
        default:
            break;
    }
}

void CopyMirror(ParameterImage& image, GwType type) {
    if (type == GW_KAVELIS || type == GW_VOSK_LC) return;
    std::copy_n(image.AxisMode.begin(), image.AxisModeMirror.size(), image.AxisModeMirror.begin());
}

// The MECHATROLINK III size choice; a position outside the list goes back to the first entry.
int DataSizeChoice(const ParameterImage& image, SMainFormState& form) {
    if (image.Word(NTYP) == NTYP_MECHATROLINK3 && (form.cbDSZ.index < 0 || form.cbDSZ.index > 1))
        form.cbDSZ.index = 0;
    return form.cbDSZ.index;
}

}  // namespace

void RebuildAxisWordsFromGrid(ParameterImage& image, const GridState& grid, GwType type) {
    for (int slot = 0; slot < AXIS_SLOTS; ++slot) {
        const int row = slot + 1;
        const std::uint16_t previous =
            slot > 0 ? image.AxisMode[static_cast<std::size_t>(slot - 1)] : AXIS_NO_SLOT;
        image.AxisMode[static_cast<std::size_t>(slot)] =
            HasRow(grid, row) ? RowWord(grid, row, type, previous) : AXIS_NO_SLOT;
    }
}

int PrepareImage(ParameterImage& image, SMainFormState& form, GwType type) {
    if (int code = PrepareStationAddress(image, form)) return code;
    PrepareBaudCode(image, form);
    if (int code = PrepareAxisWords(image, form, type)) return code;
    PrepareCounts(image, form, type);
    CopyMirror(image, type);
    DeriveNetworkWords(image, type, DataSizeChoice(image, form));
    return VALIDATION_OK;
}
