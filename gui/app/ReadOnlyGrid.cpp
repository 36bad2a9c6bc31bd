#include "gui/app/ReadOnlyGrid.h"

#include <QHeaderView>

void SetUpReadOnlyGrid(QTableWidget& grid, const QString& name) {
    grid.setObjectName(name);
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QTableWidgetItem& ReadOnlyCell(QTableWidget& grid, int row, int col) {
    QTableWidgetItem* cell = grid.item(row, col);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setFlags(Qt::ItemIsEnabled);
        grid.setItem(row, col, cell);
    }
    return *cell;
}
