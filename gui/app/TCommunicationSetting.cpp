#include "gui/app/TCommunicationSetting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/link/BaudTable.h"
#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 10;
constexpr int kMinListWidth = 105;
constexpr int kMinButtonWidth = 90;
constexpr int kMinButtonHeight = 30;

// Lists as wide as "COM255" and the fastest offered speed; the drop-down shows the device paths in full.
void SizeList(QComboBox* list, int textWidth) {
    list->setMinimumWidth(
        std::max(kMinListWidth, textWidth + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8));
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
}
}  // namespace

TCommunicationSetting::TCommunicationSetting(SGWCommunicate& comm,
                                             const std::map<int, std::string>& portOverrides,
                                             HostServices& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      comm_(comm),
      host_(host),
      state_(CreateCommunicationSettingState(comm, BaudTable, portOverrides)) {
    setObjectName("CommunicationSetting");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    setWindowTitle(ToQt(state_.caption));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    ComboBox_COM_PORT = new QComboBox(this);
    ComboBox_COM_PORT->setObjectName("ComboBox_COM_PORT");
    ComboBox_COM_PORT->setMaxVisibleItems(16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QString(), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString(), this);
    BitBtn2->setObjectName("BitBtn2");
    RenderLabel(Label1, state_.Label1);
    RenderLabel(Label2, state_.Label2);
    RenderCombo(ComboBox_COM_PORT, state_.ComboBox_COM_PORT);
    RenderCombo(ComboBox1, state_.ComboBox1);
    RenderButton(BitBtn1, state_.BitBtn1);
    RenderButton(BitBtn2, state_.BitBtn2);

    const QFontMetrics metrics(font());
    const int textWidth = std::max(metrics.horizontalAdvance(QStringLiteral("COM255")),
                                   metrics.horizontalAdvance(ToQt(std::to_string(BaudTable[5]))));
    SizeList(ComboBox_COM_PORT, textWidth);
    SizeList(ComboBox1, textWidth);
    const int buttonWidth =
        std::max({kMinButtonWidth, BitBtn1->sizeHint().width(), BitBtn2->sizeHint().width()});
    for (QPushButton* button : {BitBtn1, BitBtn2}) {
        button->setFixedWidth(buttonWidth);
        button->setMinimumHeight(kMinButtonHeight);
    }

    connect(ComboBox_COM_PORT, &QComboBox::currentIndexChanged, this,
            [this](int index) { state_.ComboBox_COM_PORT.index = index; });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { state_.ComboBox1.index = index; });
    connect(BitBtn1, &QPushButton::clicked, this, &TCommunicationSetting::Ok);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(kMargin);
    fields->setVerticalSpacing(kMargin);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(ComboBox_COM_PORT, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(ComboBox1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, 3 * kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addLayout(fields);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleVisible(*this, *column);
}

void TCommunicationSetting::Ok() {
    result_ = CommunicationSettingOk(state_, comm_, host_);
    accept();
}
