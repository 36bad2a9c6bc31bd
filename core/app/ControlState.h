#pragma once
// Plain-data state of the controls a window shows. Handlers and procedures change this state; the Qt
// window renders it. So every rule about what a control holds can be tested without a display.
#include <cstdint>
#include <string>
#include <vector>

struct ControlState {
    bool enabled = true;
    bool visible = true;
};

// A label, panel, button, group box or edit: one text.
struct TextState : ControlState {
    std::string text;
};

struct ComboState : ControlState {
    std::vector<std::string> items;
    int index = -1;     // selected item, -1 for none
    bool grey = false;  // drawn with the button-face (grey) colour instead of the window colour

    const std::string& Selected() const {
        static const std::string none;
        return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : none;
    }
};

struct CheckState : ControlState {
    std::string text;
    bool checked = false;
};

enum class CellColour : std::uint8_t { White, Grey };

struct GridState : ControlState {
    int colCount = 0;
    int rowCount = 0;  // including the fixed title row
    std::vector<std::vector<std::string>> cells;        // [row][col]
    std::vector<std::vector<CellColour>> colours;       // [row][col]
    std::vector<std::vector<bool>> greyText;            // [row][col]: text drawn in grey

    void Resize(int cols, int rows) {
        colCount = cols;
        rowCount = rows;
        cells.assign(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols)));
        colours.assign(static_cast<std::size_t>(rows),
                       std::vector<CellColour>(static_cast<std::size_t>(cols), CellColour::White));
        greyText.assign(static_cast<std::size_t>(rows), std::vector<bool>(static_cast<std::size_t>(cols), false));
    }
    std::string& Cell(int col, int row) { return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]; }
    const std::string& Cell(int col, int row) const {
        return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    }
};

struct MenuItemState : ControlState {
    std::string caption;
};
