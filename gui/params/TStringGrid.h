#pragma once
// A string grid as the gateway tool draws it: fixed title row and column in grey, centred texts, white
// or grey cell backgrounds and black or grey text, all taken from a `GridState`. It never edits; a
// click (and each half of a double click) is reported as one cell click.
#include <QTableWidget>

#include "core/app/ControlState.h"

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(const QString& name, QWidget* parent = nullptr);

    // Shows the cells, colours and text colours of `state`, and sizes the grid to its contents.
    void Render(const GridState& state);
    // Gives every column and row one size, and the grid exactly the size of its cells.
    void SetUniformCellSize(int width, int height);
    // Makes the grid a stop of the Tab order whose current cell (never in the title row or column)
    // moves with the arrow keys; Space acts as a click on it.
    void SetKeyboardOperable();

Q_SIGNALS:
    void CellClicked(int col, int row);
    void CellDoubleClicked(int col, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool CellAt(const QPoint& pos, int& col, int& row) const;
    void FitColumns(const GridState& state);
    void FitSize();
};
