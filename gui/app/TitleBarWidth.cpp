#include "gui/app/TitleBarWidth.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontMetrics>
#include <QWidget>

namespace {
constexpr int kTitleBarButtons = 4;       // window icon, minimise, maximise, close
constexpr int kTitleBarButtonWidth = 24;  // each, with its gap
constexpr int kTitleBarPadding = 24;
}  // namespace

int TitleBarWidth(const QWidget& window) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) +
           kTitleBarButtons * kTitleBarButtonWidth + kTitleBarPadding;
}

void KeepTitleVisible(const QWidget& window, QBoxLayout& column) {
    const QMargins margins = column.contentsMargins();
    column.addStrut(TitleBarWidth(window) - margins.left() - margins.right());
}
