#include "gui/monitors/TAlarmListForm.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/texts/AlarmCodeTable.h"
#include "core/app/texts/UiText.h"
#include "gui/app/QtText.h"
#include "gui/monitors/TListGrid.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kVisibleRows = 16;
constexpr int kMargin = 20;
constexpr int kButtonGap = 12;
constexpr int kMinButtonWidth = 80;
constexpr int kMinButtonHeight = 25;
constexpr int UI_CSV_FILTER = 389;
constexpr int CONTENT_COLUMN = 2;
constexpr int TIME_COLUMN = 5;

// The dialog's display name and mask from a "Name(*.ext)|*.ext|" filter text.
QString FilterName(std::string_view filter) {
    return ToQt(filter.substr(0, filter.find('|')));
}
}  // namespace

TAlarmListForm::TAlarmListForm(CSession& session, QWidget* parent) : QDialog(parent), list_(session) {
    setObjectName("AlarmListForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    StringGrid1 = new TListGrid("StringGrid1", 1, this);
    StringGrid1->setFont(font());
    bRefresh = new QPushButton(this);
    bRefresh->setObjectName("bRefresh");
    bClear = new QPushButton(this);
    bClear->setObjectName("bClear");
    bSave = new QPushButton(this);
    bSave->setObjectName("bSave");
    connect(bRefresh, &QPushButton::clicked, this, &TAlarmListForm::bRefreshClick);
    connect(bClear, &QPushButton::clicked, this, &TAlarmListForm::bClearClick);
    connect(bSave, &QPushButton::clicked, this, &TAlarmListForm::bSaveClick);
    list_.onChanged = [this] { Render(); };
    Render();
    LayOut();
}

void TAlarmListForm::LayOut() {
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 4;
    std::vector<int> widths;
    for (int col = 0; col < ALARM_GRID_COLUMNS; ++col)
        widths.push_back(metrics.horizontalAdvance(ToQt(list_.StringGrid1.Cell(col, 0))) + 2 + 8);
    int widestContent = 0;
    for (const SAlarmCode& alarm : AlarmCodeTable)
        widestContent = std::max(widestContent, metrics.horizontalAdvance(ToQt(alarm.text)));
    widths[CONTENT_COLUMN] = std::max(widths[CONTENT_COLUMN], widestContent + 6 + 8);
    widths[TIME_COLUMN] = std::max(widths[TIME_COLUMN],
                                   metrics.horizontalAdvance(QStringLiteral("8888-12-30 23:59:59.999")) + 8);
    StringGrid1->SetGeometry(widths, rowHeight, kVisibleRows);

    int buttonWidth = kMinButtonWidth;
    for (QPushButton* b : {bRefresh, bClear, bSave})
        buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(b->text()) + 10);
    const int buttonHeight = std::max(kMinButtonHeight, metrics.height() + 10);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(kButtonGap);
    for (QPushButton* b : {bRefresh, bClear, bSave}) {
        b->setFixedSize(buttonWidth, buttonHeight);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    row->setSpacing(kMargin);
    row->addWidget(StringGrid1, 0, Qt::AlignTop);
    row->addLayout(buttons);
    row->setSizeConstraint(QLayout::SetFixedSize);
}

void TAlarmListForm::Render() {
    setWindowTitle(ToQt(list_.Caption));
    StringGrid1->Render(list_.StringGrid1);
    RenderButton(bRefresh, list_.bRefresh);
    RenderButton(bClear, list_.bClear);
    RenderButton(bSave, list_.bSave);
}

// Showing the window reads the list once, as if Refresh had been clicked.
void TAlarmListForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (readDone_) return;
    readDone_ = true;
    QTimer::singleShot(0, this, &TAlarmListForm::bRefreshClick);
}

void TAlarmListForm::bRefreshClick() {
    list_.ReadList();
    Render();
}

void TAlarmListForm::bClearClick() {
    list_.bClearClick();
    Render();
}

void TAlarmListForm::bSaveClick() {
    const SLocalDateTime savedAt = LocalDateTimeNow();  // the moment of the click, not of the dialog's end
    QFileDialog dialog(this);
    dialog.setObjectName("FileSaveDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(FilterName(UiText[UI_CSV_FILTER]));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    list_.SaveCsv(FromQt(dialog.selectedFiles().front()), savedAt);
}
