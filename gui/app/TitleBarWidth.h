#pragma once
// The width a window needs so that a window manager can show its whole title: the small dialogs are
// narrower than their captions ("Setting of communications", "Connection Check") and would have them
// cut short in the title bar.
class QBoxLayout;
class QWidget;

// The title's text in the bold title-bar font, plus the window icon and the minimise, maximise and close
// buttons on either side.
int TitleBarWidth(const QWidget& window);

// Keeps the dialog laid out by `column` at least as wide as its title bar needs.
void KeepTitleVisible(const QWidget& window, QBoxLayout& column);
