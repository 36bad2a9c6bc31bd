#pragma once
// The main window's progress bar on a terminal: one line on standard error, redrawn in place as the
// read or write advances and cleared when the procedure puts the bar back to 0. A long wait for a reply
// takes the line over while it lasts. Drawn only when
// standard error is a terminal; a log file or a pipe gets nothing.
#include <cstdio>
#include <string>

class CTerminalProgress {
public:
    CTerminalProgress(std::FILE* stream, bool drawn) : stream(stream), drawn(drawn) {}

    void Advance(int step) { Set(value + step); }
    // 0 ends the display: the line is cleared.
    void Set(int newValue);
    // Clears the line before other text is printed; the next step draws it again.
    void Clear();
    // Draws `text` in the line instead of the bar (what a long wait waits for), until the next Clear.
    void ShowLine(const std::string& text);

private:
    void Draw();

    std::FILE* stream;
    bool drawn;
    bool shown = false;
    int value = 0;
};
