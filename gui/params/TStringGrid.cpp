#include "gui/params/TStringGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/app/QtText.h"
#include "gui/app/ReadOnlyGrid.h"

namespace {
const QColor kWindowColour(Qt::white);
const QColor kButtonFaceColour(0xF0, 0xF0, 0xF0);
const QColor kFixedCellColour(0xD4, 0xD0, 0xC8);
const QColor kGreyText(0x80, 0x80, 0x80);
constexpr int kTitlePadding = 16;
}  // namespace

TStringGrid::TStringGrid(const QString& name, QWidget* parent) : QTableWidget(parent) {
    SetUpReadOnlyGrid(*this, name);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGridStyle(Qt::SolidLine);
}

void TStringGrid::Render(const GridState& state) {
    setVisible(state.visible);
    setEnabled(state.enabled);
    setColumnCount(state.colCount);
    setRowCount(state.rowCount);
    for (int row = 0; row < state.rowCount; ++row) {
        for (int col = 0; col < state.colCount; ++col) {
            QTableWidgetItem& cell = ReadOnlyCell(*this, row, col);
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(col);
            cell.setText(ToQt(state.Cell(col, row)));
            const bool fixed = row == 0 || col == 0;
            const bool grey = r < state.colours.size() && c < state.colours[r].size() &&
                              state.colours[r][c] == CellColour::Grey;
            cell.setBackground(fixed ? kFixedCellColour : grey ? kButtonFaceColour : kWindowColour);
            const bool greyText =
                r < state.greyText.size() && c < state.greyText[r].size() && state.greyText[r][c];
            cell.setForeground(greyText ? kGreyText : QColor(Qt::black));
        }
    }
    FitColumns(state);
    FitSize();
}

// Each column as wide as its widest line of title (or cell) text plus the padding; rows one text
// line plus a little, title row two lines when a title breaks.
void TStringGrid::FitColumns(const GridState& state) {
    const QFontMetrics metrics(font());
    int titleLines = 1;
    for (int col = 0; col < state.colCount; ++col) {
        int width = 0;
        for (int row = 0; row < state.rowCount; ++row) {
            const QStringList lines = ToQt(state.Cell(col, row)).split('\n');
            if (row == 0) titleLines = std::max(titleLines, static_cast<int>(lines.size()));
            for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        }
        setColumnWidth(col, width + kTitlePadding);
    }
    const int rowHeight = metrics.height() + 4;
    for (int row = 0; row < state.rowCount; ++row)
        setRowHeight(row, row == 0 ? titleLines * rowHeight : rowHeight);
}

void TStringGrid::FitSize() {
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col) width += columnWidth(col);
    int height = 2 * frameWidth();
    for (int row = 0; row < rowCount(); ++row) height += rowHeight(row);
    setFixedSize(width, height);
}

void TStringGrid::SetUniformCellSize(int width, int height) {
    for (int col = 0; col < columnCount(); ++col) setColumnWidth(col, width);
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
    FitSize();
}

void TStringGrid::SetKeyboardOperable() {
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);
}

// The first time the grid takes the focus its first axis cell becomes current, so that the focus frame
// shows where Space acts.
void TStringGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if ((currentRow() < 1 || currentColumn() < 1) && rowCount() > 1 && columnCount() > 1)
        setCurrentCell(1, 1);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    int col = std::max(currentColumn(), 1);
    int row = std::max(currentRow(), 1);
    switch (event->key()) {
        case Qt::Key_Left:
            --col;
            break;
        case Qt::Key_Right:
            ++col;
            break;
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_Space:
            if (currentRow() >= 1 && currentColumn() >= 1) Q_EMIT CellClicked(currentColumn(), currentRow());
            return;
        default:
            QTableWidget::keyPressEvent(event);
            return;
    }
    if (col >= 1 && col < columnCount() && row >= 1 && row < rowCount()) setCurrentCell(row, col);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row))
        Q_EMIT CellClicked(col, row);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row))
        Q_EMIT CellDoubleClicked(col, row);
}

bool TStringGrid::CellAt(const QPoint& pos, int& col, int& row) const {
    row = rowAt(pos.y());
    col = columnAt(pos.x());
    return row >= 0 && col >= 0;
}
