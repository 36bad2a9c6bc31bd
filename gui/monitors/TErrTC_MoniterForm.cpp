#include "gui/monitors/TErrTC_MoniterForm.h"

#include <QPushButton>

#include "gui/app/QtText.h"
#include "gui/monitors/TListGrid.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kGridLeft = 20;
constexpr int kGridTop = 10;
constexpr int kButtonGap = 10;
constexpr int kRightMarginWithoutButtons = 20;
constexpr int kMinLabelColumn = 200;
constexpr int kMinValueColumn = 80;
constexpr int kMinButtonWidth = 75;
constexpr int kMinButtonHeight = 25;
constexpr std::array<const char*, COUNTER_KINDS> kButtonNames{"bResetERRT", "bResetERRC", "bResetEMG",
                                                              "bResetRTET"};
}  // namespace

TErrTC_MoniterForm::TErrTC_MoniterForm(CSession& session, QWidget* parent)
    : TMonitorDialog(parent), monitor_(session) {
    setObjectName("ErrTC_MoniterForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    StringGrid1 = new TListGrid("StringGrid1", 0, this);
    StringGrid1->setFont(font());
    // A counter's reset cannot be undone: no Clear button answers Enter or holds the focus at first,
    // the window itself does.
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(kButtonNames[static_cast<std::size_t>(i)]);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, i] { monitor_.ResetClick(static_cast<ECounter>(i)); });
        resetButtons_[static_cast<std::size_t>(i)] = button;
    }
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    Render();
    LayOut();
    StartPolling();
}

// The grid at the top left; each Clear button centred on the row of its counter, right of the grid.
void TErrTC_MoniterForm::LayOut() {
    const QFontMetrics metrics(font());
    int labelWidth = kMinLabelColumn;
    for (int row = 0; row < monitor_.StringGrid1.rowCount; ++row)
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(ToQt(monitor_.StringGrid1.Cell(0, row))) + 2);
    const int valueWidth = std::max(kMinValueColumn, 6 * metrics.horizontalAdvance(QLatin1Char('0')) + 2);
    int buttonWidth = kMinButtonWidth;
    for (QPushButton* b : resetButtons_)
        buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(b->text()) + 10);
    const int buttonHeight = std::max(kMinButtonHeight, metrics.height() + 10);
    const int rowHeight = std::max(buttonHeight + 2, metrics.height() + 14);

    StringGrid1->SetGeometry({labelWidth, valueWidth}, rowHeight, monitor_.StringGrid1.rowCount);
    StringGrid1->move(kGridLeft, kGridTop);
    const int buttonLeft = StringGrid1->geometry().right() + 1 + kButtonGap;
    bool anyButton = false;
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        QPushButton* button = resetButtons_[static_cast<std::size_t>(i)];
        const int row = i + 1;
        const int top =
            StringGrid1->y() + StringGrid1->frameWidth() + row * rowHeight + (rowHeight - buttonHeight) / 2;
        button->setGeometry(buttonLeft, top, buttonWidth, buttonHeight);
        anyButton = anyButton || !button->isHidden();
    }
    const int right = anyButton ? buttonLeft + buttonWidth + kButtonGap
                                : StringGrid1->geometry().right() + 1 + kRightMarginWithoutButtons;
    setFixedSize(right, StringGrid1->geometry().bottom() + 1 + kGridTop);
}

void TErrTC_MoniterForm::Render() {
    setWindowTitle(ToQt(monitor_.Caption));
    StringGrid1->Render(monitor_.StringGrid1);
    for (int i = 0; i < COUNTER_KINDS; ++i)
        RenderButton(resetButtons_[static_cast<std::size_t>(i)],
                     monitor_.ResetButton(static_cast<ECounter>(i)));
}
