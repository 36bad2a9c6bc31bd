#include "gui/monitors/TAxisMonitorForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"
#include "gui/params/TStringGrid.h"

namespace {
constexpr int kFontSize = 9;
constexpr int kCellPadding = 2 + 8;
}  // namespace

TAxisMonitorForm::TAxisMonitorForm(CSession& session, SAxisMonitorFormState state, QWidget* parent)
    : TMonitorDialog(parent), session_(session), form_(std::move(state)) {
    setObjectName("AxisMonitorForm");
    setFont(QFont(QStringLiteral("Courier New"), kFontSize));
    RadioButton1 = new QRadioButton(this);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton(this);
    RadioButton2->setObjectName("RadioButton2");
    StringGrid1 = new TStringGrid(QStringLiteral("StringGrid1"), this);
    cbMonitorSpeed = new QComboBox(this);
    cbMonitorSpeed->setObjectName("cbMonitorSpeed");

    auto* directions = new QHBoxLayout;
    directions->addSpacing(30);
    directions->addWidget(RadioButton1);
    directions->addSpacing(5);
    directions->addWidget(RadioButton2);
    directions->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 10, 20, 3);
    column->addLayout(directions);
    column->addWidget(StringGrid1);
    column->addSpacing(6);
    column->addWidget(cbMonitorSpeed, 0, Qt::AlignLeft);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(RadioButton1, &QRadioButton::clicked, this,
            [this] { Forward([this] { AxisDirectionClick(form_, false); }); });
    connect(RadioButton2, &QRadioButton::clicked, this,
            [this] { Forward([this] { AxisDirectionClick(form_, true); }); });
    connect(cbMonitorSpeed, &QComboBox::currentIndexChanged, this,
            [this](int index) { Forward([this, index] { cbMonitorSpeedChange(form_, index); }); });
    Render();
    StartPolling();
}

void TAxisMonitorForm::Tick() {
    AxisMonitorTick(session_, form_);
}

void TAxisMonitorForm::Closing() {
    CloseAxisMonitorForm(form_);
}

void TAxisMonitorForm::Render() {
    setWindowTitle(ToQt(form_.caption));
    RenderCheck(RadioButton1, form_.RadioButton1);
    RenderCheck(RadioButton2, form_.RadioButton2);
    RenderCombo(cbMonitorSpeed, form_.cbMonitorSpeed);
    StringGrid1->Render(form_.StringGrid1);
    WidenColumnsForBothDirections();
}

// Every column as wide as its widest text in either direction, so switching never resizes the window.
void TAxisMonitorForm::WidenColumnsForBothDirections() {
    SAxisMonitorFormState other = form_;
    WriteAxisHeaders(other, !form_.RadioButton2.checked);
    const QFontMetrics metrics(StringGrid1->font());
    const int statusWidth = 21 * metrics.horizontalAdvance(QLatin1Char('W'));
    int total = 2 * StringGrid1->frameWidth();
    for (int col = 0; col < form_.StringGrid1.colCount; ++col) {
        int width = col == 0 ? 60 : 80;
        if (col == form_.StringGrid1.colCount - 1) width = statusWidth;
        for (const GridState* grid : {&form_.StringGrid1, &other.StringGrid1}) {
            for (int row = 0; row < grid->rowCount; ++row) {
                width = std::max(width, metrics.horizontalAdvance(ToQt(grid->Cell(col, row))) + kCellPadding);
            }
        }
        StringGrid1->setColumnWidth(col, width);
        total += width;
    }
    int height = 2 * StringGrid1->frameWidth();
    for (int row = 0; row < StringGrid1->rowCount(); ++row) height += StringGrid1->rowHeight(row);
    StringGrid1->setFixedSize(total, height);
}
