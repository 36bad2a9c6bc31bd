#include "gui/advanced/TDrvObsrvForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/procedures/DriverMonitorParameters.h"
#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 20;
constexpr int kCellPadding = 10;
constexpr int kVisibleDataRows = 10;
const QColor kFixedCellColour(0xD4, 0xD0, 0xC8);
const QColor kGreyText(0x80, 0x80, 0x80);

Qt::Alignment AlignmentOf(int col) {
    if (col == 2) return Qt::AlignLeft | Qt::AlignVCenter;
    if (col == DRV_COL_VALUE) return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}
}  // namespace

TDrvObsrvForm::TDrvObsrvForm(CSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session),
      state_(CreateDrvObsrvState()) {
    setObjectName("DrvObsrvForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    setWindowTitle(ToQt(state_.caption));
    sgPara = new QTableWidget(DRIVER_PARAM_ROWS, 4, this);
    sgPara->setObjectName("sgPara");
    sgPara->verticalHeader()->hide();
    sgPara->setSelectionMode(QAbstractItemView::SingleSelection);
    sgPara->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgPara->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgPara->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        for (int col = 0; col < 4; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(AlignmentOf(col));
            const bool editable = col == DRV_COL_VALUE && DriverRowEditable(row);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                           (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
            sgPara->setItem(row - 1, col, cell);
        }
    }
    btnWrite = new QPushButton(this);
    btnWrite->setObjectName("btnWrite");
    btnClose = new QPushButton(this);
    btnClose->setObjectName("btnClose");
    connect(btnWrite, &QPushButton::clicked, this, &TDrvObsrvForm::btnWriteClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(sgPara, &QTableWidget::itemChanged, this, &TDrvObsrvForm::CellChanged);
    Render();
    FitGrid();
    sgPara->setCurrentCell(state_.row - 1, state_.col);
    connect(sgPara, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { DriverCellSelected(state_, col, row + 1, session_.host); });
    connect(sgPara->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache) DriverEditEnded(state_, session_.host);
            });
    connect(qApp, &QApplication::focusChanged, this, &TDrvObsrvForm::FocusChanged);

    const QFontMetrics metrics(font());
    const int buttonWidth = 2 * std::max(metrics.horizontalAdvance(btnWrite->text()),
                                         metrics.horizontalAdvance(btnClose->text()));
    const int buttonHeight = (metrics.height() * 3 + 1) / 2;
    for (QPushButton* button : {btnWrite, btnClose})
        button->setFixedSize(buttonWidth + kCellPadding, buttonHeight + 8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnWrite);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addWidget(sgPara, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TDrvObsrvForm::FitGrid() {
    const QFontMetrics metrics(sgPara->font());
    const int rowHeight = metrics.height() + 4;
    int width = 2 * sgPara->frameWidth() + sgPara->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int col = 0; col < 4; ++col) {
        int textWidth = 0;
        for (int row = 0; row <= DRIVER_PARAM_ROWS; ++row)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(ToQt(state_.sgPara.Cell(col, row))));
        if (col == DRV_COL_VALUE) textWidth = metrics.horizontalAdvance(QStringLiteral("9999999999"));
        sgPara->setColumnWidth(col, textWidth + kCellPadding);
        width += textWidth + kCellPadding;
    }
    // Rows as low as the text needs (the style's least row height would leave room for fewer), so the
    // grid's height shows the header and exactly the data rows it is made for.
    sgPara->verticalHeader()->setMinimumSectionSize(1);
    sgPara->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int row = 0; row < DRIVER_PARAM_ROWS; ++row) sgPara->setRowHeight(row, rowHeight);
    sgPara->horizontalHeader()->setFixedHeight(rowHeight);
    sgPara->setFixedSize(width, 2 * sgPara->frameWidth() + rowHeight * (kVisibleDataRows + 1));
}

void TDrvObsrvForm::Render() {
    const QSignalBlocker quiet(sgPara);
    QStringList headers;
    for (int col = 0; col < 4; ++col) headers << ToQt(state_.sgPara.Cell(col, 0));
    sgPara->setHorizontalHeaderLabels(headers);
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        const auto r = static_cast<std::size_t>(row);
        for (int col = 0; col < 4; ++col) {
            QTableWidgetItem* cell = sgPara->item(row - 1, col);
            cell->setText(ToQt(state_.sgPara.Cell(col, row)));
            const bool fixed = state_.sgPara.colours[r][static_cast<std::size_t>(col)] == CellColour::Grey;
            cell->setBackground(fixed ? kFixedCellColour : QColor(Qt::white));
            cell->setForeground(state_.sgPara.greyText[r][static_cast<std::size_t>(col)] ? kGreyText
                                                                                         : QColor(Qt::black));
        }
    }
    RenderControl(sgPara, state_.sgPara);
    RenderButton(btnWrite, state_.btnWrite);
    RenderButton(btnClose, state_.btnClose);
}

void TDrvObsrvForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The read starts once the window has painted, with the grid and the buttons disabled.
    QTimer::singleShot(0, this, &TDrvObsrvForm::Activate);
}

void TDrvObsrvForm::Activate() {
    DriverRegisters registers{};
    if (ReadDriverParameters(session_, registers) != 0) {
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    readSucceeded_ = true;
    ShowDriverValues(state_, registers);
    EnableDrvObsrvControls(state_, true);
    Render();
}

void TDrvObsrvForm::CellChanged(QTableWidgetItem* item) {
    DriverCellText(state_, item->row() + 1, FromQt(item->text()));
}

// The focus going from the grid (or its editor) to another control of this dialog leaves the grid; a
// message box taking the focus does not.
void TDrvObsrvForm::FocusChanged(QWidget* old, QWidget* now) {
    const auto inGrid = [this](QWidget* w) { return w == sgPara || sgPara->isAncestorOf(w); };
    if (old == nullptr || now == nullptr || !inGrid(old) || inGrid(now) || now->window() != this) return;
    DriverEditEnded(state_, session_.host);
}

void TDrvObsrvForm::btnWriteClick() {
    EnableDrvObsrvControls(state_, false);
    Render();
    if (const auto registers = DriverRegistersToWrite(state_, session_.host)) {
        WriteDriverParameters(session_, *registers);
    }
    EnableDrvObsrvControls(state_, true);
    Render();
}
