#include "gui/advanced/OptionListLook.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "gui/app/QtText.h"

namespace {
constexpr int kListMinWidth = 160;
constexpr int kListExtra = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 30;
constexpr int kButtonPadding = 12;
// Room for the list's drop-down arrow and frame beyond the scroll-bar width of the original layout.
constexpr int kArrowRoom = 24;
}  // namespace

QFont OptionDialogFont() {
    return QFont(QStringLiteral("Courier New"), 9);
}

void SizeOptionColumns(const std::array<QLabel*, OPTION_ROWS>& labels,
                       const std::array<QComboBox*, OPTION_ROWS>& lists, const std::string& widestLabel,
                       const std::string& widestItem, int listColumn) {
    const QFontMetrics metrics(OptionDialogFont());
    const int labelWidth =
        std::max(listColumn - OPTION_MARGIN - OPTION_LABEL_GAP, metrics.horizontalAdvance(ToQt(widestLabel)));
    const int scrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int listWidth = std::max(
        kListMinWidth, metrics.horizontalAdvance(ToQt(widestItem)) + scrollBar + kListExtra + kArrowRoom);
    for (QLabel* label : labels) label->setFixedWidth(labelWidth);
    for (QComboBox* list : lists) list->setFixedWidth(listWidth);
}

void SizeOptionColumns(const std::array<QLabel*, OPTION_ROWS>& labels,
                       const std::array<QComboBox*, OPTION_ROWS>& lists,
                       const std::array<TextState, OPTION_ROWS>& labelTexts, const OptionLists& listTexts,
                       int listColumn) {
    std::string widestLabel, widestItem;
    const QFontMetrics metrics(OptionDialogFont());
    const auto wider = [&metrics](const std::string& a, const std::string& b) {
        return metrics.horizontalAdvance(ToQt(a)) > metrics.horizontalAdvance(ToQt(b));
    };
    for (std::size_t n = 0; n < OPTION_ROWS; ++n) {
        if (wider(labelTexts[n].text, widestLabel)) widestLabel = labelTexts[n].text;
        for (const std::string& item : listTexts[n].items) {
            if (wider(item, widestItem)) widestItem = item;
        }
    }
    SizeOptionColumns(labels, lists, widestLabel, widestItem, listColumn);
}

void SizeCloseButton(QPushButton* button) {
    const QFontMetrics metrics(button->font());
    button->setFixedSize(std::max(kButtonWidth, metrics.horizontalAdvance(button->text()) + kButtonPadding),
                         std::max(kButtonHeight, metrics.height() + 10));
}
