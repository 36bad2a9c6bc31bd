#include "core/params/edit/AxisGridEditing.h"

#include <algorithm>
#include <initializer_list>

#include "core/params/edit/FieldEditRefresh.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int MODE_COLUMNS = 6;
constexpr int SERVO_COLUMN = 1;
constexpr int IO_COLUMN = 6;
constexpr int POINT3_COLUMN = 5;

// The code of mode columns 1..5 of `StringGrid1` (Simple, Point1, Full, Point2, Point3 / Sol1).
constexpr std::array<std::uint16_t, 5> COLUMN_CODES = {MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_POINT2,
                                                       MODE_POINT3};

std::uint16_t Reserved(std::uint16_t code) {
    return static_cast<std::uint16_t>(code | AXIS_RSV_BIT);
}

bool OneOf(std::uint16_t word, std::initializer_list<std::uint16_t> codes) {
    return std::find(codes.begin(), codes.end(), word) != codes.end();
}

std::uint16_t ColumnCode(int column) {
    return COLUMN_CODES[static_cast<std::size_t>(column - 1)];
}

// CompoNet and MECHATROLINK carry only Point3 and I/O axes: Simple to Point2 cannot be chosen.
bool IsPoint3OnlyNetwork(std::uint16_t ntyp) {
    return ntyp == NTYP_COMPONET || ntyp == NTYP_MECHATROLINK;
}

// KAVELIS 2W column (Point2, Sol1, Sol2): the code cycles plain -> reserved -> empty 2W slot -> plain,
// and a slot holding another 2W mode takes this one.
std::uint16_t Kavelis2WClick(std::uint16_t word, std::uint16_t code) {
    if (word == code) return Reserved(code);
    if (word == Reserved(code)) return AXIS_EMPTY_2W;
    if (word == AXIS_EMPTY_2W || OneOf(word, {0x0010, 0x8010, 0x0011, 0x8011, 0x0012, 0x8012})) return code;
    return word;
}

std::uint16_t& SlotRef(AxisModeWords& words, int slot) {
    return words[static_cast<std::size_t>(slot)];
}

int PartnerOf(int slot) {
    return slot % 2 == 0 ? slot + 1 : slot - 1;
}

void SetPair(AxisModeWords& words, int slot, std::uint16_t word) {
    SlotRef(words, slot) = word;
    SlotRef(words, PartnerOf(slot)) = word;
}

bool IsVoskModeColumnLocked(int column, std::uint16_t ntyp) {
    if (column <= 4) return IsPoint3OnlyNetwork(ntyp) || ntyp == NTYP_MECHATROLINK3;
    return ntyp == NTYP_MECHATROLINK3;
}

void VoskModeColumnClick(AxisModeWords& words, int slot, int column, std::uint16_t ntyp) {
    if (IsVoskModeColumnLocked(column, ntyp)) return;
    const std::uint16_t code = ColumnCode(column);
    std::uint16_t& self = SlotRef(words, slot);
    const std::uint16_t partner = SlotRef(words, PartnerOf(slot));
    if (self == code)
        self = Reserved(code);
    else if (self == Reserved(code)) {
        const bool point3Stays = column == POINT3_COLUMN && IsPoint3OnlyNetwork(ntyp);
        if (partner == Reserved(code) && !point3Stays)
            SetPair(words, slot, AXIS_NOT_SET);
        else
            self = code;
    } else if (!OneOf(self, {0x0030, 0x0040, 0x0041, AXIS_NOT_SET_ALT, 0x8030, 0x8040, 0x8041}))
        SetPair(words, slot, code);
}

void VoskIoColumnClick(AxisModeWords& words, int slot, std::uint16_t ntyp) {
    if (ntyp == NTYP_MECHATROLINK3) {
        ServoGridClick(words, slot);
        return;
    }
    std::uint16_t& self = SlotRef(words, slot);
    if (self == MODE_TEV_IO)
        self = Reserved(MODE_TEV_IO);
    else if (self == Reserved(MODE_TEV_IO))
        self = MODE_TEV_IO;
}

bool IsModeCell(int column, int row, int columns) {
    return row >= 1 && row <= AXIS_SLOTS && column >= 1 && column <= columns;
}

}  // namespace

std::uint16_t KavelisClickedWord(std::uint16_t word, int column) {
    switch (column) {
        case 1:
            if (word == 0x0000) return 0x8000;
            if (word == 0x8000) return AXIS_EMPTY_4W;
            if (OneOf(word, {AXIS_EMPTY_4W, 0x0001, 0x8001})) return 0x0000;
            return word;
        case 2:
            if (word == 0x0001) return 0x8001;
            if (word == 0x8001) return AXIS_EMPTY_4W;
            if (OneOf(word, {AXIS_EMPTY_4W, 0x0000, 0x8000})) return 0x0001;
            return word;
        case 3:
            if (word == 0x0003) return 0x8003;
            if (word == 0x8003) return 0x0003;
            return word;  // Full axes come only from the 8W count
        case 4:
            return Kavelis2WClick(word, MODE_POINT2);
        case 5:
            return Kavelis2WClick(word, MODE_SOL1);
        case 6:
            return Kavelis2WClick(word, MODE_SOL2);
        default:
            return word;
    }
}

std::uint16_t Nub3ClickedWord(std::uint16_t word, int column, std::uint16_t ntyp) {
    if (column == IO_COLUMN) {
        if (word == MODE_REMOTE_IO) return Reserved(MODE_REMOTE_IO);
        if (word == Reserved(MODE_REMOTE_IO)) return MODE_REMOTE_IO;
        return word;
    }
    if (column < 1 || column > IO_COLUMN) return word;
    if (column <= 4 && IsPoint3OnlyNetwork(ntyp)) return word;
    const std::uint16_t code = ColumnCode(column);
    if (word == code) return Reserved(code);
    if (word == Reserved(code)) return AXIS_NOT_SET;
    if (word == MODE_REMOTE_IO || word == Reserved(MODE_REMOTE_IO)) return word;
    return code;
}

void VoskGridClick(AxisModeWords& words, int slot, int column, std::uint16_t ntyp) {
    if (slot < 0 || slot >= AXIS_SLOTS) return;
    if (column == IO_COLUMN)
        VoskIoColumnClick(words, slot, ntyp);
    else if (column >= 1 && column < IO_COLUMN)
        VoskModeColumnClick(words, slot, column, ntyp);
}

void ServoGridClick(AxisModeWords& words, int slot) {
    if (slot < 0 || slot >= AXIS_SLOTS) return;
    std::uint16_t& self = SlotRef(words, slot);
    if (self == MODE_SERVO_A)
        self = Reserved(MODE_SERVO_A);
    else if (self == MODE_SERVO_P)
        self = Reserved(MODE_SERVO_P);
    else if (self == Reserved(MODE_SERVO_A))
        SetPair(words, slot, MODE_SERVO_P);
    else
        SetPair(words, slot, MODE_SERVO_A);
}

void StringGrid1Click(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int column, int row) {
    if (!IsModeCell(column, row, MODE_COLUMNS)) return;
    const int slot = row - 1;
    std::uint16_t& word = image.AxisMode[static_cast<std::size_t>(slot)];
    switch (program.SelectedGwType) {
        case GW_KAVELIS:
            word = KavelisClickedWord(word, column);
            break;
        case GW_NUB3GW:
            word = Nub3ClickedWord(word, column, image.Word(NTYP));
            break;
        case GW_VOSK:
            VoskGridClick(image.AxisMode, slot, column, image.Word(NTYP));
            break;
        default:
            return;
    }
    RefreshAfterEdit(image, form, program, host);
}

void StringGrid2Click(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int column, int row) {
    if (program.SelectedGwType != GW_VOSK_ML3 || !IsModeCell(column, row, SERVO_COLUMN)) return;
    ServoGridClick(image.AxisMode, row - 1);
    RefreshAfterEdit(image, form, program, host);
}

void StringGrid1DblClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host, int column, int row) {
    StringGrid1Click(image, form, program, host, column, row);
}

void StringGrid2DblClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host, int column, int row) {
    StringGrid2Click(image, form, program, host, column, row);
}
