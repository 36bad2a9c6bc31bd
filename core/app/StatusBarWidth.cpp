#include "core/app/StatusBarWidth.h"

#include "core/app/texts/CommonText.h"

namespace {
constexpr int COMMON_TEXT_PORT = 277;
constexpr int COMMON_TEXT_BAUDRATE = 278;
// Characters beside the two names: the separators, the speed digits and the port number (17), and the
// room the gateway kept for the rest of the panel (25).
constexpr int SEPARATOR_AND_NUMBER_CHARS = 17;
constexpr int RESERVED_CHARS = 25;
constexpr int BAR_MARGIN = 24;
constexpr int CLIENT_MARGIN = 28;
constexpr int PANEL_GAP = 10;
}  // namespace

SStatusBarWidths StatusBarWidthRule(int versionWidth, int charWidth) {
    const int chars =
        static_cast<int>(CommonTextAt(COMMON_TEXT_PORT).size() + CommonTextAt(COMMON_TEXT_BAUDRATE).size()) +
        SEPARATOR_AND_NUMBER_CHARS + RESERVED_CHARS;
    SStatusBarWidths widths;
    widths.needed = versionWidth + chars * charWidth;
    widths.minClientWidth = widths.needed + CLIENT_MARGIN;
    widths.barWidth = widths.needed + BAR_MARGIN;
    widths.portPanelWidth = widths.barWidth - versionWidth - PANEL_GAP;
    return widths;
}
