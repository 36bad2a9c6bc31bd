#include "core/params/display/DisplayAxisGrid.h"

#include <algorithm>

#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

constexpr int MODE_COLUMNS = 6;
constexpr std::uint16_t AUTO_FILL_BIT = 1u << 10;  // ExtParam2: node address consecutive auto fill

class CModeRow {
public:
    explicit CModeRow(std::uint16_t word) : mark_(IsReservedAxis(word) ? "(*)" : "*") { cells_.fill("-"); }
    void Open(int first, int last) {
        for (int col = first; col <= last; ++col) At(col) = " ";
    }
    void Mark(int col) { At(col) = mark_; }
    void Put(int col, std::string text) { At(col) = std::move(text); }
    std::array<std::string, MODE_COLUMNS> Cells() const { return cells_; }

private:
    std::string& At(int col) { return cells_[static_cast<std::size_t>(col - 1)]; }
    std::string mark_;
    std::array<std::string, MODE_COLUMNS> cells_;
};

bool IsFillerWord(std::uint16_t word) {
    return word == AXIS_EMPTY_4W || word == AXIS_EMPTY_2W || word == AXIS_NOT_SET ||
           word == AXIS_NOT_SET_ALT || word == AXIS_NO_SLOT;
}

// The mode code of a slot that holds a mode; FFFFh for fillers, which are matched by their full value.
std::uint16_t ShownMode(std::uint16_t word) {
    return IsFillerWord(word) ? AXIS_NO_SLOT : AxisModeCode(word);
}

std::array<std::string, MODE_COLUMNS> KavelisRow(std::uint16_t word) {
    CModeRow row(word);
    if (word == AXIS_EMPTY_4W) row.Open(1, 3);
    if (word == AXIS_EMPTY_2W) row.Open(4, 6);
    switch (ShownMode(word)) {
        case MODE_SIMPLE:
            row.Open(1, 3), row.Mark(1);
            break;
        case MODE_POINT1:
            row.Open(1, 3), row.Mark(2);
            break;
        case MODE_FULL:
            row.Open(1, 3), row.Mark(3);
            break;
        case MODE_FULL_SECOND:
            row.Open(1, 2);
            break;
        case MODE_POINT2:
            row.Open(4, 6), row.Mark(4);
            break;
        case MODE_SOL1:
            row.Open(4, 6), row.Mark(5);
            break;
        case MODE_SOL2:
            row.Open(4, 6), row.Mark(6);
            break;
        default:
            break;
    }
    return row.Cells();
}

std::string ServoText(std::uint16_t word) {
    const std::string letter = AxisModeCode(word) == MODE_SERVO_A ? "A" : "P";
    return IsReservedAxis(word) ? "(" + letter + ")" : letter;
}

// VOSK and NUB3 GW share the columns Simple .. Point3; column 6 is TEV I/O (VOSK) or RemoteI/O (NUB3 GW).
std::array<std::string, MODE_COLUMNS> UnitRow(GwType type, std::uint16_t word, std::uint16_t ntyp) {
    const bool vosk = type == GW_VOSK;
    const bool point3Only = ntyp == NTYP_COMPONET || ntyp == NTYP_MECHATROLINK;
    CModeRow row(word);
    if (word == AXIS_NOT_SET) row.Open(1, 5);
    if (word == AXIS_NOT_SET_ALT) row.Open(6, 6);
    switch (const std::uint16_t mode = ShownMode(word)) {
        case MODE_SIMPLE:
            row.Open(1, 5), row.Mark(1);
            break;
        case MODE_POINT1:
            row.Open(1, 5), row.Mark(2);
            break;
        case MODE_FULL:
            row.Open(1, 5), row.Mark(3);
            break;
        case MODE_POINT2:
            row.Open(1, 5), row.Mark(4);
            break;
        case MODE_FULL_SECOND:
            if (vosk) row.Open(1, 2);
            break;
        case MODE_POINT3:
            if (!point3Only) row.Open(1, 4);
            row.Mark(5);
            break;
        case MODE_TEV_IO:
        case MODE_REMOTE_IO:
            if ((mode == MODE_TEV_IO) == vosk) row.Mark(6);
            break;
        case MODE_SERVO_A:
        case MODE_SERVO_P:
            if (vosk) row.Put(6, ServoText(word));
            break;
        default:
            break;
    }
    return row.Cells();
}

void PaintModeColumns(GridState& grid, int first, int last, CellColour colour) {
    for (int row = 1; row < grid.rowCount; ++row)
        for (int col = first; col <= last; ++col)
            grid.colours[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = colour;
}

void PaintFixedTitles(GridState& grid) {
    for (int col = 0; col < grid.colCount; ++col)
        grid.colours[0][static_cast<std::size_t>(col)] = CellColour::Grey;
    for (int row = 0; row < grid.rowCount; ++row)
        grid.colours[static_cast<std::size_t>(row)][0] = CellColour::Grey;
}

// Columns that the network does not let the user change are drawn grey.
void PaintStringGrid1(GridState& grid, GwType type, std::uint16_t ntyp) {
    PaintFixedTitles(grid);
    PaintModeColumns(grid, 1, MODE_COLUMNS, CellColour::White);
    for (auto& row : grid.greyText) std::fill(row.begin(), row.end(), false);
    if (type == GW_KAVELIS) {
        for (auto& row : grid.greyText) row[3] = true;  // Full axes come only from the 8W count
        return;
    }
    const bool vosk = type == GW_VOSK;
    const bool pio = ntyp == NTYP_PIO;
    const bool ml3 = vosk && ntyp == NTYP_MECHATROLINK3;
    if (pio || ml3 || ntyp == NTYP_COMPONET || ntyp == NTYP_MECHATROLINK)
        PaintModeColumns(grid, 1, 4, CellColour::Grey);
    if (pio || ml3) PaintModeColumns(grid, 5, 5, CellColour::Grey);
}

}  // namespace

std::array<std::string, 6> ModeRowCells(GwType type, std::uint16_t word, std::uint16_t ntyp) {
    if (type == GW_KAVELIS) return KavelisRow(word);
    if (type == GW_VOSK || type == GW_NUB3GW) return UnitRow(type, word, ntyp);
    std::array<std::string, 6> none;
    none.fill("-");
    return none;
}

void RenderStringGrid1(GridState& grid, const ParameterImage& image, GwType type) {
    if (grid.rowCount < 1 || grid.colCount < MODE_COLUMNS + 1) return;
    const int shownSlots = type == GW_KAVELIS ? image.Word(W4N) + 2 * image.Word(W8N) : image.AxisCount;
    const std::uint16_t ntyp = image.Word(NTYP);
    for (int row = 1; row < grid.rowCount; ++row) {
        const int slot = row - 1;
        const std::uint16_t word =
            slot < shownSlots && slot < 16 ? image.AxisMode[static_cast<std::size_t>(slot)] : AXIS_NO_SLOT;
        const auto cells = ModeRowCells(type, word, ntyp);
        for (int col = 1; col <= MODE_COLUMNS; ++col)
            grid.Cell(col, row) = cells[static_cast<std::size_t>(col - 1)];
    }
    PaintStringGrid1(grid, type, ntyp);
}

void RenderStringGrid2(GridState& grid, const ParameterImage& image, bool extendedMode) {
    if (grid.rowCount < 1 || grid.colCount < 2) return;
    const bool autoFill = (image.ExtParam2 & AUTO_FILL_BIT) != 0 && extendedMode;
    PaintFixedTitles(grid);
    for (int row = 1; row < grid.rowCount; ++row) {
        const int slot = row - 1;
        const std::uint16_t word = slot < 16 ? image.AxisMode[static_cast<std::size_t>(slot)] : AXIS_NO_SLOT;
        std::string text = "-";
        if (slot < image.AxisCount && (word == 0x0040 || word == 0x0041 || word == 0x8040 || word == 0x8041))
            text = ServoText(word);
        grid.Cell(1, row) = text;
        const bool grey = autoFill && IsReservedAxis(word) && word != AXIS_NO_SLOT;
        grid.colours[static_cast<std::size_t>(row)][1] = grey ? CellColour::Grey : CellColour::White;
    }
}
