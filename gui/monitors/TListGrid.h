#pragma once
// The read-only string grid of the alarm list and the diagnostic counters: centred texts, cells in the
// button-face or window colour as the core's `GridState` says, fixed column widths and row heights
// chosen by the window, and a vertical scroll bar when fewer rows are visible than the grid has.
#include <QTableWidget>

#include "core/app/ControlState.h"

class TListGrid : public QTableWidget {
    Q_OBJECT
public:
    TListGrid(const QString& name, int fixedRows, QWidget* parent = nullptr);

    // Shows the texts and colours of `state`; the first `fixedRows` rows stay in view while scrolling.
    void Render(const GridState& state);
    // Column widths and row height in pixels, and how many rows the grid shows at once; sizes the grid.
    void SetGeometry(const std::vector<int>& columnWidths, int rowHeight, int visibleRows);

private:
    int fixedRows_;
};
