#include "gui/service/TEtherIpSetForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/params/ControlRendering.h"
#include "gui/service/TOctetEdit.h"

namespace {
constexpr int kMargin = 20;
constexpr int kLabelGap = 12;  // between the widest label and the first octet column
constexpr int kFieldGap = 12;  // between two octet fields, the dot in the middle
constexpr int kRowGap = 10;
constexpr int kMinFirstColumn = 160;

int Column(int octet) {
    return 1 + 2 * octet;
}
}  // namespace

TEtherIpSetForm::TEtherIpSetForm(ParameterImage& image, SMainFlags& flags, HostServices& host,
                                 QWidget* parent)
    : QDialog(parent), ether_(image, flags, host) {
    setObjectName("EtherIpSetForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    const QFontMetrics metrics(font());
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(kRowGap);
    int widestLabel = 0;
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        QLabel* label = new QLabel(this);
        label->setObjectName(QString::fromStdString(CEtherIpSet::RowName(row)));
        rowLabels_[static_cast<std::size_t>(row)] = label;
        widestLabel =
            std::max(widestLabel,
                     metrics.horizontalAdvance(ToQt(ether_.rowLabels[static_cast<std::size_t>(row)].text)));
        grid->addWidget(label, row, 0);
        for (int col = 0; col < ETHER_IP_OCTETS; ++col) {
            auto* edit = new TOctetEdit({row, col}, this);
            edit->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("0000")) + 8);
            edits_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = edit;
            grid->addWidget(edit, row, Column(col));
            if (col + 1 < ETHER_IP_OCTETS) {
                auto* dot = new QLabel(QStringLiteral("."), this);
                dot->setObjectName(
                    QString::fromStdString(CEtherIpSet::RowName(row) + "_Dot" + std::to_string(col + 1)));
                dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                dot->setFixedWidth(kFieldGap);
                grid->addWidget(dot, row, Column(col) + 1);
            }
            const SOctetField field{row, col};
            TOctetEdit::SRules rules;
            rules.onKey = [this](SAddressEditInput& input, int key) {
                const KeyVerdict verdict = key == TOctetEdit::KEY_DELETE
                                               ? ether_.OctetKeyDown(input, AddressEditKey::Delete)
                                               : ether_.OctetKeyPress(input, static_cast<char>(key));
                return verdict == KeyVerdict::Swallow;
            };
            rules.onArrow = [this, field](OctetArrow arrow, int caret, int length) {
                return ether_.OctetArrowKey(field, arrow, caret, length);
            };
            rules.onText = [this, field](const std::string& text) { ether_.OctetChange(field, text); };
            rules.onEdited = [this, field](SAddressEditInput& input) { ether_.OctetEdited(field, input); };
            rules.onExit = [this, field] {
                if (ether_.OctetExit(field)) Render();
            };
            edit->SetRules(std::move(rules));
            connect(edit, &TOctetEdit::MoveFocus, this, [this](SOctetField to) { Edit(to)->FocusAtEnd(); });
        }
    }
    grid->setColumnMinimumWidth(0, std::max(kMinFirstColumn - kMargin, widestLabel + kLabelGap));

    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setFixedWidth(75);
    Button1->setMinimumHeight(std::max(30, metrics.height() + 10));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TEtherIpSetForm::Button1Click);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kRowGap);
    column->setSpacing(kMargin);
    column->addLayout(grid);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
    Render();
    KeepTitleVisible(*this, *column);
}

TOctetEdit* TEtherIpSetForm::Edit(const SOctetField& field) const {
    return edits_[static_cast<std::size_t>(field.row)][static_cast<std::size_t>(field.col)];
}

void TEtherIpSetForm::Render() {
    setWindowTitle(ToQt(ether_.Caption));
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        RenderLabel(rowLabels_[static_cast<std::size_t>(row)],
                    ether_.rowLabels[static_cast<std::size_t>(row)]);
        for (int col = 0; col < ETHER_IP_OCTETS; ++col)
            RenderEdit(Edit({row, col}), ether_.Octet({row, col}));
    }
    RenderButton(Button1, ether_.Button1);
}

void TEtherIpSetForm::Button1Click() {
    if (ether_.Button1Click()) {
        accept();
        return;
    }
    Render();
    if (ether_.refused) {
        TOctetEdit* edit = Edit(*ether_.refused);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}
