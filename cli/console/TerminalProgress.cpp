#include "cli/console/TerminalProgress.h"

#include <algorithm>
#include <string>

namespace {

constexpr int PROGRESS_MAX = 100;  // the main window's bar during a read or a write
constexpr int BAR_WIDTH = 30;

}  // namespace

void CTerminalProgress::Set(int newValue) {
    value = std::clamp(newValue, 0, PROGRESS_MAX);
    if (value == 0) {
        Clear();
    } else {
        Draw();
    }
}

void CTerminalProgress::Clear() {
    if (!shown) return;
    std::fputs("\r\033[K", stream);
    std::fflush(stream);
    shown = false;
}

void CTerminalProgress::Draw() {
    if (!drawn) return;
    const int filled = value * BAR_WIDTH / PROGRESS_MAX;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(BAR_WIDTH - filled), '.');
    std::fprintf(stream, "\r\033[Kgwcli: [%s] %3d %%", bar.c_str(), value);
    std::fflush(stream);
    shown = true;
}

void CTerminalProgress::ShowLine(const std::string& text) {
    if (!drawn) return;
    std::fprintf(stream, "\r\033[Kgwcli: %s", text.c_str());
    std::fflush(stream);
    shown = true;
}
