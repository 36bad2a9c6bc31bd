#include "gui/monitors/TListGrid.h"

#include <QHeaderView>
#include <QScrollBar>

#include "gui/app/QtText.h"
#include "gui/app/ReadOnlyGrid.h"

namespace {
const QColor kWindowColour(Qt::white);
const QColor kButtonFaceColour(0xD4, 0xD0, 0xC8);
}  // namespace

TListGrid::TListGrid(const QString& name, int fixedRows, QWidget* parent)
    : QTableWidget(parent), fixedRows_(fixedRows) {
    SetUpReadOnlyGrid(*this, name);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void TListGrid::Render(const GridState& state) {
    setVisible(state.visible);
    setEnabled(state.enabled);
    if (columnCount() != state.colCount) setColumnCount(state.colCount);
    if (rowCount() != state.rowCount) setRowCount(state.rowCount);
    for (int row = 0; row < state.rowCount; ++row) {
        for (int col = 0; col < state.colCount; ++col) {
            QTableWidgetItem& cell = ReadOnlyCell(*this, row, col);
            const QString text = ToQt(state.Cell(col, row));
            if (cell.text() != text) cell.setText(text);
            const bool grey = state.colours[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] ==
                              CellColour::Grey;
            cell.setBackground(grey ? kButtonFaceColour : kWindowColour);
        }
    }
    // The header row of a scrolling grid stays where it is: it is shown as the table's own header.
    if (fixedRows_ > 0 && state.rowCount > 0) {
        QStringList titles;
        for (int col = 0; col < state.colCount; ++col) titles << ToQt(state.Cell(col, 0));
        setHorizontalHeaderLabels(titles);
        horizontalHeader()->show();
        setRowHidden(0, true);
    }
}

void TListGrid::SetGeometry(const std::vector<int>& columnWidths, int rowHeight, int visibleRows) {
    for (std::size_t col = 0; col < columnWidths.size(); ++col)
        setColumnWidth(static_cast<int>(col), columnWidths[col]);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    const bool scrolls = visibleRows < rowCount() - (fixedRows_ > 0 ? 1 : 0);
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    int width = 2 * frameWidth();
    for (const int w : columnWidths) width += w;
    if (scrolls) width += verticalScrollBar()->sizeHint().width();
    const int header = fixedRows_ > 0 ? rowHeight : 0;
    setFixedSize(width, 2 * frameWidth() + header + visibleRows * rowHeight);
}
