#pragma once
// What every read-only string grid of the tool shares: no header bars of Qt's own, no editing, no
// selection, no focus, no horizontal scroll bar and a size the window gives it; cells with centred
// texts that can only be looked at.
#include <QString>
#include <QTableWidget>

void SetUpReadOnlyGrid(QTableWidget& grid, const QString& name);
// The grid's cell, made centred and read-only the first time it is asked for.
QTableWidgetItem& ReadOnlyCell(QTableWidget& grid, int row, int col);
