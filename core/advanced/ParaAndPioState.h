#pragma once
// The PIO pattern correspondence window `TParaAndPIOForm`: a read-only reminder of which controller
// patterns go with which gateway axis modes, and the "Hide during transmission" choice, which is the
// gateway type's option bit in `ToolFlags`.
#include <string>
#include <vector>

#include "core/app/ControlState.h"
#include "core/app/ProgramValues.h"

struct SParaAndPioState {
    std::string caption;
    TextState lParaPIO;    // explanation
    TextState lGridTitle;  // table title
    GridState StringGrid1;  // first row and first column are headers (grey)
    TextState lNote;        // footnote, shown for NUB3 GW and DRAVO
    CheckState chkShowPIOpatern;
    TextState OKbutton;
};

// The window's contents for `type` (KAVELIS, VOSK, NUB3 GW or DRAVO), the box ticked from the type's bit.
SParaAndPioState CreateParaAndPioState(GwType type, std::uint32_t toolFlags);

// The check box's click: stores its state into the type's option bit, the other bits unchanged. Types
// without a bit keep `ToolFlags` as it is.
void chkShowPIOpaternClick(SParaAndPioState& state, GwType type, std::uint32_t& toolFlags);

// The one size all cells of the table share: every column as wide as the widest cell text (at least
// the sample text "AAAAAAAAAAAA") plus 18, every row 1.5 times the tallest cell text (at least the
// height of "AAAAAAA"), rounded.
struct SPioCellSize {
    int width = 0;
    int height = 0;
};
inline constexpr const char* PIO_WIDTH_SAMPLE = "AAAAAAAAAAAA";
inline constexpr const char* PIO_HEIGHT_SAMPLE = "AAAAAAA";
SPioCellSize PioCellSize(int widestText, int sampleWidth, int tallestText, int sampleHeight);

// Whether a successful write shows the window by itself.
bool PioPatternShownAfterWrite(GwType type, std::uint32_t toolFlags);
