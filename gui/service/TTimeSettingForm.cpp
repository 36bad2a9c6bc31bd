#include "gui/service/TTimeSettingForm.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kMargin = 20;
constexpr int kButtonGap = 50;  // between `bConfirm` and `bTransmission`
constexpr int kPairGap = 8;     // between two label/list pairs
constexpr int kGroupGap = 24;   // the extra gap before the year and before the hour
constexpr int kClockPointSize = 20;
const QColor kGreyText(0x80, 0x80, 0x80);
const char* const kLabelNames[6] = {"lYear", "lMonth", "lDay", "lHour", "lMinute", "lSecond"};
const char* const kListNames[6] = {"cbYear", "cbMonth", "cbDay", "cbHour", "cbMinute", "cbSecond"};
}  // namespace

TTimeSettingForm::TTimeSettingForm(CSession& session, std::int64_t pcSeconds, QWidget* parent)
    : QDialog(parent), time_(session, pcSeconds) {
    setObjectName("TimeSettingForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    rbSynqPC = new QRadioButton(this);
    rbSynqPC->setObjectName("rbSynqPC");
    Panel1 = new QLabel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFont(QFont(QStringLiteral("Courier New"), kClockPointSize, QFont::Bold));
    Panel1->setMinimumHeight(QFontMetrics(Panel1->font()).height() + 16);
    rbManualSetting = new QRadioButton(this);
    rbManualSetting->setObjectName("rbManualSetting");
    Panel2 = static_cast<QFrame*>(BuildLists());
    bConfirm = new QPushButton(this);
    bConfirm->setObjectName("bConfirm");
    bTransmission = new QPushButton(this);
    bTransmission->setObjectName("bTransmission");
    const QFontMetrics metrics(font());
    const int buttonWidth = std::max(metrics.horizontalAdvance(ToQt(time_.bConfirm.text)),
                                     metrics.horizontalAdvance(ToQt(time_.bTransmission.text))) +
                            12 + 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    bConfirm->setFixedWidth(buttonWidth);
    bTransmission->setFixedWidth(buttonWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bConfirm);
    buttons->addSpacing(kButtonGap);
    buttons->addWidget(bTransmission);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin);
    column->addWidget(rbSynqPC);
    column->addWidget(Panel1);
    column->addSpacing(kMargin / 2);
    column->addWidget(rbManualSetting);
    column->addWidget(Panel2);
    column->addSpacing(kMargin / 2);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(rbSynqPC, &QRadioButton::clicked, this, [this] {
        time_.rbSynqPCClick();
        Render();
    });
    connect(rbManualSetting, &QRadioButton::clicked, this, [this] {
        time_.rbManualSettingClick();
        Render();
    });
    connect(bTransmission, &QPushButton::clicked, this, [this] {
        time_.bTransmissionClick();
        Render();
    });
    connect(bConfirm, &QPushButton::clicked, this, [this] {
        time_.bConfirmClick();
        Render();
    });
    time_.onChanged = [this] { Render(); };
    Timer1.setInterval(TIME_SETTING_TIMER_MS);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        time_.Timer1Timer();
        Render();
    });
    Render();
    KeepTitleVisible(*this, *column);
    time_.SetUpLink();
    Render();
}

// The six label/list pairs in a row, each label above its list.
QWidget* TTimeSettingForm::BuildLists() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel2");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(kPairGap, kPairGap, kPairGap, kPairGap);
    row->setSpacing(kPairGap);
    const auto lists = time_.Lists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (i == 0 || i == 3) row->addSpacing(kGroupGap - kPairGap);
        auto* pair = new QVBoxLayout;
        labels_[i] = new QLabel(panel);
        labels_[i]->setObjectName(kLabelNames[i]);
        lists_[i] = new QComboBox(panel);
        lists_[i]->setObjectName(kListNames[i]);
        lists_[i]->setMinimumContentsLength(i == 0 ? 4 : 2);
        lists_[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        pair->addWidget(labels_[i]);
        pair->addWidget(lists_[i]);
        row->addLayout(pair);
        ComboState* list = lists[i];
        connect(lists_[i], &QComboBox::activated, this, [this, list](int index) {
            time_.ListChange(*list, index);
            Render();
        });
    }
    row->addSpacing(kGroupGap - kPairGap);
    return panel;
}

void TTimeSettingForm::Render() {
    setWindowTitle(ToQt(time_.Caption));
    RenderCheck(rbSynqPC, time_.rbSynqPC);
    RenderCheck(rbManualSetting, time_.rbManualSetting);
    Panel1->setText(ToQt(time_.Panel1.text));
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::WindowText, time_.panel1Grey ? kGreyText : QColor(Qt::black));
    Panel1->setPalette(palette);
    const TextState* texts[6] = {&time_.lYear, &time_.lMonth,  &time_.lDay,
                                 &time_.lHour, &time_.lMinute, &time_.lSecond};
    const auto lists = time_.Lists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        RenderLabel(labels_[i], *texts[i]);
        RenderCombo(lists_[i], *lists[i]);
    }
    RenderButton(bConfirm, time_.bConfirm);
    RenderButton(bTransmission, time_.bTransmission);
    if (time_.timer1Enabled && !Timer1.isActive()) Timer1.start();
    if (!time_.timer1Enabled) Timer1.stop();
}
