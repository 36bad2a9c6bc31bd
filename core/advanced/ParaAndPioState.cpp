#include "core/advanced/ParaAndPioState.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"

namespace {

constexpr int UI_CAPTION_PIO = 69;
constexpr int UI_CAPTION_OPERATION = 371;
constexpr int UI_TITLE_OPERATION = 372;
constexpr int UI_TITLE_PIO = 376;
constexpr int UI_HIDE_DURING_TRANSMISSION = 148;
constexpr int MSG_CHANGE_PIO = 29;
constexpr int MSG_CHANGE_OPERATION = 80;
constexpr int MSG_UNEXPECTED_MOTION = 81;
constexpr int MSG_MAX_POSITION_NOTE = 82;

// The tables as row-major lists of UiText indexes; the top left cell is empty.
constexpr std::array<int, 24> KavelisTable{370, 55, 56, 68,  //
                                           70, 61, 62, 60,   //
                                           71, 61, 62, 60,   //
                                           74, 64, 65, 66,   //
                                           76, 64, 65, 66,   //
                                           77, 384, 384, 60};
constexpr std::array<int, 6> VoskTable{370, 178, 68, 373, 374, 375};
constexpr std::array<int, 9> Nub3Table{370, 282, 68, 377, 379, 380, 378, 379, 384};
constexpr std::array<int, 6> DravoTable{370, 282, 68, 381, 382, 383};

void FillGrid(GridState& grid, int columns, std::span<const int> cells) {
    const int rows = static_cast<int>(cells.size()) / columns;
    grid.Resize(columns, rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            grid.Cell(col, row) = UiText[static_cast<std::size_t>(cells[static_cast<std::size_t>(row * columns + col)])];
            const bool header = row == 0 || col == 0;
            grid.colours[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] =
                header ? CellColour::Grey : CellColour::White;
        }
    }
}

std::string Explanation(int firstMessage) {
    std::string text(MsgText[static_cast<std::size_t>(firstMessage)]);
    text += "\r\n\r\n";
    text += MsgText[MSG_UNEXPECTED_MOTION];
    return text;
}

}  // namespace

SParaAndPioState CreateParaAndPioState(GwType type, std::uint32_t toolFlags) {
    SParaAndPioState state;
    const bool vosk = type == GW_VOSK;
    state.caption = UiText[vosk ? UI_CAPTION_OPERATION : UI_CAPTION_PIO];
    state.lParaPIO.text = Explanation(vosk ? MSG_CHANGE_OPERATION : MSG_CHANGE_PIO);
    state.lGridTitle.text = UiText[vosk ? UI_TITLE_OPERATION : UI_TITLE_PIO];
    switch (type) {
        case GW_KAVELIS: FillGrid(state.StringGrid1, 4, KavelisTable); break;
        case GW_VOSK: FillGrid(state.StringGrid1, 3, VoskTable); break;
        case GW_NUB3GW: FillGrid(state.StringGrid1, 3, Nub3Table); break;
        default: FillGrid(state.StringGrid1, 3, DravoTable); break;
    }
    state.lNote.text = MsgText[MSG_MAX_POSITION_NOTE];
    state.lNote.visible = type == GW_NUB3GW || type == GW_DRAVO;
    state.chkShowPIOpatern.text = UiText[UI_HIDE_DURING_TRANSMISSION];
    const auto bit = TypeOptionBit(type);
    state.chkShowPIOpatern.checked = bit && (toolFlags & *bit);
    state.OKbutton.text = "OK";
    return state;
}

void chkShowPIOpaternClick(SParaAndPioState& state, GwType type, std::uint32_t& toolFlags) {
    const auto bit = TypeOptionBit(type);
    if (!bit) return;
    toolFlags = state.chkShowPIOpatern.checked ? (toolFlags | *bit) : (toolFlags & ~*bit);
}

SPioCellSize PioCellSize(int widestText, int sampleWidth, int tallestText, int sampleHeight) {
    constexpr int COLUMN_PADDING = 18;
    constexpr int ROW_HEIGHT_NUMERATOR = 3;  // 1.5 times, rounded half up
    const int tallest = std::max(tallestText, sampleHeight);
    return SPioCellSize{std::max(widestText, sampleWidth) + COLUMN_PADDING,
                        (ROW_HEIGHT_NUMERATOR * tallest + 1) / 2};
}

bool PioPatternShownAfterWrite(GwType type, std::uint32_t toolFlags) {
    const auto bit = TypeOptionBit(type);
    return bit && !(toolFlags & *bit);
}
