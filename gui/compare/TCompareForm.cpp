#include "gui/compare/TCompareForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 12;
constexpr int kButtonHeight = 30;
constexpr int kVisibleRowsMax = 20;
}  // namespace

TCompareForm::TCompareForm(const SCompareFormState& state, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("CompareForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    setWindowTitle(ToQt(state.caption));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName("lblSummary");
    RenderLabel(lblSummary, state.lblSummary);

    sgDifferences = new QTableWidget(this);
    sgDifferences->setObjectName("sgDifferences");
    FillTable(state.sgDifferences);
    sgDifferences->setVisible(state.sgDifferences.visible);

    btnTake = new QPushButton(this);
    btnTake->setObjectName("btnTake");
    btnKeep = new QPushButton(this);
    btnKeep->setObjectName("btnKeep");
    for (QPushButton* button : {btnTake, btnKeep}) button->setMinimumHeight(kButtonHeight);
    RenderButton(btnTake, state.btnTake);
    RenderButton(btnKeep, state.btnKeep);
    // Keeping the window's set is the harmless answer, so it is the default.
    btnKeep->setDefault(true);
    connect(btnTake, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnKeep, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnTake);
    buttons->addWidget(btnKeep);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addWidget(lblSummary);
    column->addWidget(sgDifferences, 1);
    column->addLayout(buttons);
}

// Row 0 of the state holds the column titles; the other rows the differing fields.
void TCompareForm::FillTable(const GridState& grid) {
    sgDifferences->setColumnCount(grid.colCount);
    sgDifferences->setRowCount(std::max(0, grid.rowCount - 1));
    sgDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgDifferences->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgDifferences->verticalHeader()->setVisible(false);
    sgDifferences->setWordWrap(false);
    // Nothing in the table is edited or chosen: no cell shows a focus frame.
    sgDifferences->setFocusPolicy(Qt::NoFocus);
    for (int col = 0; col < grid.colCount; ++col) {
        sgDifferences->setHorizontalHeaderItem(col, new QTableWidgetItem(ToQt(grid.Cell(col, 0))));
        for (int row = 1; row < grid.rowCount; ++row)
            sgDifferences->setItem(row - 1, col, new QTableWidgetItem(ToQt(grid.Cell(col, row))));
    }
    sgDifferences->resizeColumnsToContents();
    sgDifferences->resizeRowsToContents();
    sgDifferences->horizontalHeader()->setStretchLastSection(true);
    // The whole table without a horizontal scroll bar, and up to a screenful of rows.
    int width = 2 * sgDifferences->frameWidth();
    for (int col = 0; col < grid.colCount; ++col) width += sgDifferences->columnWidth(col);
    const int rows = std::min(sgDifferences->rowCount(), kVisibleRowsMax);
    const int rowHeight = sgDifferences->rowCount() > 0 ? sgDifferences->rowHeight(0) : 0;
    const int height = sgDifferences->horizontalHeader()->sizeHint().height() + rows * rowHeight +
                       2 * sgDifferences->frameWidth();
    const int scrollBar = sgDifferences->rowCount() > kVisibleRowsMax
                              ? sgDifferences->verticalScrollBar()->sizeHint().width()
                              : 0;
    sgDifferences->setMinimumSize(width + scrollBar, height);
}
