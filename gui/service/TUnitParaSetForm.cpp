#include "gui/service/TUnitParaSetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 20;
constexpr int kListGap = 40;  // between the wider label and the lists
constexpr int kRowGap = 20;
}  // namespace

TUnitParaSetForm::TUnitParaSetForm(ParameterImage& image, SMainFlags& flags, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      unit_(image, flags) {
    setObjectName("UnitParaSetForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    ckMDRP = new QCheckBox(this);
    ckMDRP->setObjectName("ckMDRP");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    cbUnitNo = new QComboBox(this);
    cbUnitNo->setObjectName("cbUnitNo");
    cbTAxisNo = new QComboBox(this);
    cbTAxisNo->setObjectName("cbTAxisNo");
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(kListGap);
    fields->setVerticalSpacing(kRowGap);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(cbUnitNo, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(cbTAxisNo, 1, 1);
    fields->setColumnStretch(2, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin);
    column->setSpacing(kRowGap);
    column->addWidget(ckMDRP);
    column->addLayout(fields);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbUnitNo, &QComboBox::activated, this, [this](int index) {
        unit_.cbUnitNoChange(index);
        Render();
    });
    connect(cbTAxisNo, &QComboBox::activated, this, [this](int index) {
        unit_.cbTAxisNoChange(index);
        Render();
    });
    connect(ckMDRP, &QCheckBox::clicked, this, [this](bool checked) {
        unit_.ckMDRPClick(checked);
        Render();
    });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    KeepTitleVisible(*this, *column);
}

void TUnitParaSetForm::Render() {
    setWindowTitle(ToQt(unit_.Caption));
    RenderCheck(ckMDRP, unit_.ckMDRP);
    RenderLabel(Label1, unit_.Label1);
    RenderLabel(Label2, unit_.Label2);
    RenderCombo(cbUnitNo, unit_.cbUnitNo);
    RenderCombo(cbTAxisNo, unit_.cbTAxisNo);
    RenderButton(Button1, unit_.Button1);
}

void TUnitParaSetForm::reject() {
    unit_.Cancel();
    QDialog::reject();
}
