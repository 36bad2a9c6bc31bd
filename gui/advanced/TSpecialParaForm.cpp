#include "gui/advanced/TSpecialParaForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/advanced/OptionListLook.h"
#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

TSpecialParaForm::TSpecialParaForm(ParameterImage& image, const SProgramValues& program,
                                   const ComboState& cbW8N, SMainFlags& flags, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      image_(image),
      program_(program),
      flags_(flags),
      state_(CreateSpecialParaState(image, program, cbW8N)) {
    setObjectName("SpecialParaForm");
    setFont(OptionDialogFont());
    setWindowTitle(ToQt(state_.caption));
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(OPTION_LABEL_GAP);
    rows->setVerticalSpacing(OPTION_ROW_GAP);
    for (int row = 0; row < OPTION_ROWS; ++row) {
        const auto n = static_cast<std::size_t>(row);
        labels_[n] = new QLabel(this);
        labels_[n]->setObjectName(ToQt(SpecialParaLabelNames[n]));
        lists_[n] = new QComboBox(this);
        lists_[n]->setObjectName(ToQt(SpecialParaListNames[n]));
        lists_[n]->setMaxVisibleItems(OPTION_VISIBLE_ITEMS);
        rows->addWidget(labels_[n], row, 0);
        rows->addWidget(lists_[n], row, 1);
        connect(lists_[n], &QComboBox::activated, this, [this, row](int index) { ListChange(row, index); });
    }
    OKbutton = new QPushButton(this);
    OKbutton->setObjectName("OKbutton");
    OKbutton->setDefault(true);
    connect(OKbutton, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    SizeOptionColumns(labels_, lists_, state_.labels, state_.lists, OPTION_LIST_COLUMN_SPECIAL);
    SizeCloseButton(OKbutton);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(OPTION_MARGIN, OPTION_TOP_MARGIN, OPTION_MARGIN, OPTION_ROW_GAP);
    column->setSpacing(OPTION_ROW_GAP);
    column->addLayout(rows);
    column->addWidget(OKbutton, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TSpecialParaForm::ListChange(int row, int index) {
    state_.lists[static_cast<std::size_t>(row)].index = index;
    SpecialParaListChange(state_, image_, program_);
}

void TSpecialParaForm::Render() {
    for (std::size_t n = 0; n < OPTION_ROWS; ++n) {
        RenderLabel(labels_[n], state_.labels[n]);
        RenderCombo(lists_[n], state_.lists[n]);
    }
    RenderButton(OKbutton, state_.OKbutton);
}

void TSpecialParaForm::done(int result) {
    SpecialParaCloseQuery(image_, flags_);
    QDialog::done(result);
}
