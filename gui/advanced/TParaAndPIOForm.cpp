#include "gui/advanced/TParaAndPIOForm.h"

#include <QCheckBox>
#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"
#include "gui/params/TStringGrid.h"

namespace {
constexpr int kMargin = 20;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 30;
}  // namespace

TParaAndPIOForm::TParaAndPIOForm(GwType type, std::uint32_t& toolFlags, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      type_(type),
      toolFlags_(toolFlags),
      state_(CreateParaAndPioState(type, toolFlags)) {
    setObjectName("ParaAndPIOForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    setWindowTitle(ToQt(state_.caption));
    const QFont windowFont(QStringLiteral("Courier New"), 12);
    lParaPIO = new QLabel(this);
    lParaPIO->setObjectName("lParaPIO");
    lParaPIO->setFont(windowFont);
    lGridTitle = new QLabel(this);
    lGridTitle->setObjectName("lGridTitle");
    lGridTitle->setFont(windowFont);
    StringGrid1 = new TStringGrid("StringGrid1", this);
    StringGrid1->setFont(windowFont);
    lNote = new QLabel(this);
    lNote->setObjectName("lNote");
    chkShowPIOpatern = new QCheckBox(this);
    chkShowPIOpatern->setObjectName("chkShowPIOpatern");
    OKbutton = new QPushButton(this);
    OKbutton->setObjectName("OKbutton");
    OKbutton->setDefault(true);
    OKbutton->setMinimumSize(kButtonWidth, kButtonHeight);
    RenderLabel(lParaPIO, state_.lParaPIO);
    RenderLabel(lGridTitle, state_.lGridTitle);
    StringGrid1->Render(state_.StringGrid1);
    FitGridCells();
    RenderLabel(lNote, state_.lNote);
    RenderCheck(chkShowPIOpatern, state_.chkShowPIOpatern);
    RenderButton(OKbutton, state_.OKbutton);
    connect(chkShowPIOpatern, &QCheckBox::clicked, this, [this](bool checked) {
        state_.chkShowPIOpatern.checked = checked;
        chkShowPIOpaternClick(state_, type_, toolFlags_);
    });
    connect(OKbutton, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
    column->setSpacing(kMargin / 2);
    column->addWidget(lParaPIO);
    column->addWidget(lGridTitle, 0, Qt::AlignHCenter);
    column->addWidget(StringGrid1, 0, Qt::AlignHCenter);
    column->addWidget(lNote, 0, Qt::AlignRight);
    column->addWidget(chkShowPIOpatern);
    column->addWidget(OKbutton, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

// All columns one width and all rows one height, measured on the cell texts in the grid's font.
void TParaAndPIOForm::FitGridCells() {
    const QFontMetrics metrics(StringGrid1->font());
    int widest = 0;
    int tallest = 0;
    for (const auto& row : state_.StringGrid1.cells) {
        for (const std::string& text : row) {
            const QRect bounds = metrics.boundingRect(ToQt(text));
            widest = std::max(widest, metrics.horizontalAdvance(ToQt(text)));
            tallest = std::max(tallest, bounds.height());
        }
    }
    const SPioCellSize size = PioCellSize(widest, metrics.horizontalAdvance(PIO_WIDTH_SAMPLE), tallest,
                                          metrics.boundingRect(PIO_HEIGHT_SAMPLE).height());
    StringGrid1->SetUniformCellSize(size.width, size.height);
}
