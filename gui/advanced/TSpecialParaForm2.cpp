#include "gui/advanced/TSpecialParaForm2.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "gui/advanced/OptionListLook.h"
#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

TSpecialParaForm2::TSpecialParaForm2(ParameterImage& image, const SProgramValues& program, SMainFlags& flags,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      image_(image),
      program_(program),
      flags_(flags),
      state_(CreateSpecialPara2State(image, program)) {
    setObjectName("SpecialParaForm2");
    setFont(OptionDialogFont());
    setWindowTitle(ToQt(state_.caption));
    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setDrawBase(false);
    for (const std::string& tab : state_.tabs) TabControl1->addTab(ToQt(tab));
    page_ = new QFrame(this);
    page_->setObjectName("TabPage");
    page_->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QGridLayout(page_);
    rows->setContentsMargins(OPTION_MARGIN, OPTION_MARGIN, OPTION_MARGIN, OPTION_MARGIN);
    rows->setHorizontalSpacing(OPTION_LABEL_GAP);
    rows->setVerticalSpacing(OPTION_ROW_GAP);
    for (int row = 0; row < OPTION_ROWS; ++row) {
        const auto n = static_cast<std::size_t>(row);
        lBit[n] = new QLabel(page_);
        lBit[n]->setObjectName(QStringLiteral("lBit%1").arg(row));
        cbBit[n] = new QComboBox(page_);
        cbBit[n]->setObjectName(QStringLiteral("cbBit%1").arg(row));
        cbBit[n]->setMaxVisibleItems(OPTION_VISIBLE_ITEMS);
        rows->addWidget(lBit[n], row, 0, Qt::AlignVCenter);
        rows->addWidget(cbBit[n], row, 1);
        connect(cbBit[n], &QComboBox::activated, this, [this, row](int index) { ListChange(row, index); });
    }
    rows->setRowStretch(OPTION_ROWS, 1);
    bOK = new QPushButton(this);
    bOK->setObjectName("bOK");
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(TabControl1, &QTabBar::currentChanged, this, &TSpecialParaForm2::TabChange);
    Render();
    SizeOptionColumns(lBit, cbBit, state_.widestLabel, state_.widestItem, OPTION_LIST_COLUMN_BITS);
    SizeCloseButton(bOK);
    FixPageHeight();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(OPTION_MARGIN, OPTION_ROW_GAP, OPTION_MARGIN, OPTION_ROW_GAP);
    column->setSpacing(0);
    column->addWidget(TabControl1);
    column->addWidget(page_);
    column->addSpacing(OPTION_ROW_GAP);
    column->addWidget(bOK, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

// Every page as tall as the type's tallest, so that switching tabs never resizes the dialog.
void TSpecialParaForm2::FixPageHeight() {
    const int rowHeight = cbBit[0]->sizeHint().height() + OPTION_ROW_GAP;
    page_->setFixedHeight(rowHeight * state_.mostVisibleRows + 2 * OPTION_MARGIN);
}

void TSpecialParaForm2::TabChange(int tab) {
    ShowSpecialPage(state_, static_cast<SpecialPage>(tab), image_, program_);
    Render();
}

// The change is written into the page's word; the repaint then refills the page from the word.
void TSpecialParaForm2::ListChange(int row, int index) {
    state_.cbBit[static_cast<std::size_t>(row)].index = index;
    SpecialPara2ListChange(state_, image_, program_, flags_);
    ShowSpecialPage(state_, state_.page, image_, program_);
    Render();
}

void TSpecialParaForm2::Render() {
    for (std::size_t n = 0; n < OPTION_ROWS; ++n) {
        RenderLabel(lBit[n], state_.lBit[n]);
        RenderCombo(cbBit[n], state_.cbBit[n]);
    }
    RenderButton(bOK, state_.bOK);
}
