#include "gui/params/TAxisGroupHeader.h"

#include "gui/params/TStringGrid.h"

namespace {
constexpr int kRowGap = 2;
}

TAxisGroupHeader::TAxisGroupHeader(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlAxisGroupHeader");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TAxisGroupHeader::Place(QWidget* widget, int row, int firstColumn, int lastColumn) {
    widget->setParent(this);
    placements_.push_back({widget, row, firstColumn, lastColumn});
}

void TAxisGroupHeader::Clear() {
    placements_.clear();
}

void TAxisGroupHeader::Arrange(const TStringGrid& grid) {
    int rowHeight[2] = {0, 0};
    for (const SPlacement& p : placements_) {
        if (!p.widget->isVisibleTo(this)) continue;
        rowHeight[p.row] = std::max(rowHeight[p.row], p.widget->sizeHint().height());
    }
    const int rowTop[2] = {0, rowHeight[0] + (rowHeight[0] > 0 ? kRowGap : 0)};
    for (const SPlacement& p : placements_) {
        if (p.lastColumn >= grid.columnCount()) continue;
        // Column x positions inside the grid, shifted by the grid's frame: the header stands flush
        // with the grid's left edge.
        const int left = grid.frameWidth() + grid.columnViewportPosition(p.firstColumn);
        const int right =
            grid.frameWidth() + grid.columnViewportPosition(p.lastColumn) + grid.columnWidth(p.lastColumn);
        p.widget->setGeometry(left, rowTop[p.row], right - left, rowHeight[p.row]);
    }
    setFixedSize(grid.width(), rowTop[1] + rowHeight[1]);
}
