#include "gui/app/TSelectGwType.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 20;
constexpr int kDialogFontSize = 9;
}  // namespace

TSelectGwType::TSelectGwType(SProgramValues& values, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      values_(values),
      state_(CreateSelectGwTypeState(values.ExtendedMode())) {
    setObjectName("SelectGwType");
    setFont(QFont(QStringLiteral("Courier New"), kDialogFontSize));
    setWindowTitle(ToQt(state_.caption));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    cbSlctGwType = new QComboBox(this);
    cbSlctGwType->setObjectName("cbSlctGwType");
    cbSlctGwType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    RenderLabel(Label1, state_.Label1);
    RenderCombo(cbSlctGwType, state_.cbSlctGwType);
    RenderButton(Button1, state_.Button1);
    connect(cbSlctGwType, &QComboBox::currentIndexChanged, this,
            [this](int index) { state_.cbSlctGwType.index = index; });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addWidget(Label1, 0, Qt::AlignHCenter);
    column->addWidget(cbSlctGwType, 0, Qt::AlignHCenter);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleVisible(*this, *column);
}

void TSelectGwType::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ActivateSelectGwType(values_);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

// OK and Enter go through the closing rule: the dialog stays open until its selection names a type.
// Escape and the close box reject the dialog: no type, and the start goes no further.
void TSelectGwType::done(int result) {
    if (result == QDialog::Rejected) {
        LeaveSelectGwTypeWithoutChoice(values_);
        QDialog::done(QDialog::Rejected);
        return;
    }
    if (!CloseSelectGwType(state_, values_)) return;
    QDialog::done(QDialog::Accepted);
}
