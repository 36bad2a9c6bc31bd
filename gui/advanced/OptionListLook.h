#pragma once
// The look the two option dialogs share: font, margins, the column of labels and the column of lists
// (one width for every list, measured over every label and item, hidden rows included).
#include <QFont>
#include <array>
#include <string>

#include "core/advanced/GmodOptionLists.h"

class QComboBox;
class QLabel;
class QPushButton;

inline constexpr int OPTION_MARGIN = 20;
inline constexpr int OPTION_TOP_MARGIN = 30;
inline constexpr int OPTION_ROW_GAP = 10;
inline constexpr int OPTION_LABEL_GAP = 25;
inline constexpr int OPTION_VISIBLE_ITEMS = 7;
// Smallest left edge of the list column, counted from the dialog's left edge.
inline constexpr int OPTION_LIST_COLUMN_SPECIAL = 300;
inline constexpr int OPTION_LIST_COLUMN_BITS = 330;

QFont OptionDialogFont();
// Fixes the label column's and the lists' widths from the texts.
void SizeOptionColumns(const std::array<QLabel*, OPTION_ROWS>& labels,
                       const std::array<QComboBox*, OPTION_ROWS>& lists,
                       const std::array<TextState, OPTION_ROWS>& labelTexts, const OptionLists& listTexts,
                       int listColumn);
// The same from the widest texts measured beforehand.
void SizeOptionColumns(const std::array<QLabel*, OPTION_ROWS>& labels,
                       const std::array<QComboBox*, OPTION_ROWS>& lists, const std::string& widestLabel,
                       const std::string& widestItem, int listColumn);
// 80 x 30 pixels, or larger for the caption.
void SizeCloseButton(QPushButton* button);
