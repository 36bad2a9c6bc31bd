#include "gui/monitors/THardwareMonitorForm.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"

namespace {
constexpr int kPanelLeft = 20;
constexpr int kPanelTop = 10;
constexpr int kRowGap = 10;
constexpr int kNameToColon = 20;
constexpr int kColonToValue = 20;

QLabel* NewLabel(QWidget* parent, std::string_view name, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(ToQt(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}
}  // namespace

THardwareMonitorForm::THardwareMonitorForm(CSession& session, QWidget* parent)
    : TMonitorDialog(parent), monitor_(session) {
    setObjectName("HardwareMonitorForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* rows = new QGridLayout(Panel1);
    rows->setContentsMargins(kRowGap, kRowGap, kRowGap, kRowGap);
    rows->setVerticalSpacing(kRowGap);
    rows->setHorizontalSpacing(0);
    const QFontMetrics metrics(font());
    for (std::size_t i = 0; i < HardwareRows.size(); ++i) {
        const SHardwareRow& row = HardwareRows[i];
        const int r = static_cast<int>(i);
        names_[i] = NewLabel(Panel1, row.nameLabel, Qt::AlignRight);
        colons_[i] = NewLabel(Panel1, row.colonLabel, Qt::AlignLeft);
        values_[i] = NewLabel(Panel1, row.valueLabel, Qt::AlignLeft);
        units_[i] = NewLabel(Panel1, row.unitLabel, Qt::AlignLeft);
        rows->addWidget(names_[i], r, 0);
        rows->addWidget(colons_[i], r, 1);
        rows->addWidget(values_[i], r, 2);
        rows->addWidget(units_[i], r, 3);
    }
    // Names right-aligned on one edge, then the colons, the values and their units in columns; the
    // unit column starts "WWWWW" right of the values' left edge.
    rows->setColumnMinimumWidth(0, 0);
    rows->setColumnMinimumWidth(1,
                                kNameToColon + metrics.horizontalAdvance(QLatin1Char(':')) + kColonToValue);
    rows->setColumnMinimumWidth(2, metrics.horizontalAdvance(QStringLiteral("WWWWW")));
    for (QLabel* colon : colons_) colon->setContentsMargins(kNameToColon, 0, 0, 0);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(kPanelLeft, kPanelTop, kPanelLeft, kPanelTop);
    frame->addWidget(Panel1);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    Render();
    StartPolling();
}

void THardwareMonitorForm::Render() {
    setWindowTitle(ToQt(monitor_.Caption));
    for (std::size_t i = 0; i < HardwareRows.size(); ++i) {
        RenderLabel(names_[i], monitor_.names[i]);
        RenderLabel(colons_[i], monitor_.colons[i]);
        RenderLabel(values_[i], monitor_.values[i]);
        RenderLabel(units_[i], monitor_.units[i]);
    }
}
