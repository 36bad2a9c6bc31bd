#include "gui/service/TSearchUnitForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kSideMargin = 20;
constexpr int kTopMargin = 15;
constexpr int kBottomMargin = 15;
}  // namespace

TSearchUnitForm::TSearchUnitForm(CCommUnit& link, HostServices& host, SMainFlags& mainFlags,
                                 const SGWCommunicate& comm, UnitAxisSlotTable& unitAxisSlots,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      search_(link, host, mainFlags, comm, unitAxisSlots) {
    setObjectName("SearchUnitForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    cbUnitNoSel = new QComboBox(this);
    cbUnitNoSel->setObjectName("cbUnitNoSel");
    cbUnitNoSel->setMinimumContentsLength(4);
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);

    // Wide enough for the longest status text, so the window does not change size during the search.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (std::string_view text : CSearchUnit::Label1Texts())
        widest = std::max(widest, metrics.horizontalAdvance(ToQt(text).trimmed()));
    Label1->setMinimumWidth(widest);

    auto* tried = new QHBoxLayout;
    tried->setSpacing(metrics.horizontalAdvance(QLatin1Char(' ')));
    tried->addWidget(Label2);
    tried->addWidget(Label3);
    tried->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kSideMargin, kTopMargin, kSideMargin, kBottomMargin);
    column->setSpacing(6);
    column->addLayout(tried);
    column->addWidget(Label1);
    column->addWidget(cbUnitNoSel, 0, Qt::AlignHCenter);
    column->addSpacing(metrics.height() + 4);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbUnitNoSel, &QComboBox::currentIndexChanged, this,
            [this](int index) { search_.cbUnitNoSel.index = index; });
    connect(Button1, &QPushButton::clicked, this, &TSearchUnitForm::Button1Click);
    search_.onChanged = [this] { Render(); };
    Timer1.setSingleShot(true);
    Timer1.setInterval(SEARCH_UNIT_TIMER_MS);
    connect(&Timer1, &QTimer::timeout, this, &TSearchUnitForm::Timer1Timer);
    Render();
    KeepTitleVisible(*this, *column);
    if (search_.timer1Enabled) Timer1.start();
}

void TSearchUnitForm::Render() {
    setWindowTitle(ToQt(search_.Caption));
    RenderLabel(Label1, search_.Label1);
    RenderLabel(Label2, search_.Label2);
    RenderLabel(Label3, search_.Label3);
    RenderCombo(cbUnitNoSel, search_.cbUnitNoSel);
    RenderButton(Button1, search_.Button1);
    if (search_.button1Focused && Button1->isEnabled()) Button1->setFocus();
}

void TSearchUnitForm::Timer1Timer() {
    Timer1.stop();
    search_.Timer1Timer();
    Render();
}

void TSearchUnitForm::Button1Click() {
    result_ = search_.Button1Click();
    closing_ = true;
    accept();
}

// Escape does nothing: the search decides when the dialog may be left, through OK.
void TSearchUnitForm::reject() {}

void TSearchUnitForm::closeEvent(QCloseEvent* event) {
    if (closing_) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
}
