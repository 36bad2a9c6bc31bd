#include "gui/files/TNewFileForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 20;
constexpr int kMinButtonWidth = 100;
constexpr int kMinButtonHeight = 30;
}  // namespace

TNewFileForm::TNewFileForm(SNewFileFormState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state) {
    setObjectName("NewFileForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    setWindowTitle(ToQt(state_.caption));
    lNetworkType = new QLabel(this);
    lNetworkType->setObjectName("lNetworkType");
    cbNetworkType = new QComboBox(this);
    cbNetworkType->setObjectName("cbNetworkType");
    cbNetworkType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QString(), this);
    bOK->setObjectName("bOK");
    bOK->setDefault(true);
    bCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString(), this);
    bCancel->setObjectName("bCancel");
    RenderLabel(lNetworkType, state_.lNetworkType);
    RenderCombo(cbNetworkType, state_.cbNetworkType);
    RenderButton(bOK, state_.bOK);
    RenderButton(bCancel, state_.bCancel);
    const int buttonWidth = std::max({kMinButtonWidth, bOK->sizeHint().width(), bCancel->sizeHint().width()});
    for (QPushButton* button : {bOK, bCancel}) {
        button->setFixedWidth(buttonWidth);
        button->setMinimumHeight(kMinButtonHeight);
    }
    connect(cbNetworkType, &QComboBox::currentIndexChanged, this,
            [this](int index) { state_.cbNetworkType.index = index; });
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addStretch(1);
    field->addWidget(lNetworkType);
    field->addStretch(1);
    field->addWidget(cbNetworkType);
    field->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK);
    buttons->addStretch(1);
    buttons->addWidget(bCancel);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addLayout(field);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}
