#pragma once
// Answers the message boxes a test provokes: every few milliseconds it looks for a shown QMessageBox,
// records its caption, text, icon and default button, and presses a key (Enter by default, so the
// default button answers) or the button the test queued.
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

struct SSeenBox {
    std::string caption;
    std::string text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    std::string informativeText;
};

class CMessageBoxWatcher {
public:
    CMessageBoxWatcher();
    // Answers for the next boxes in order; without one, Enter is pressed.
    std::deque<QMessageBox::StandardButton> answers;
    std::vector<SSeenBox> seen;

private:
    void Poll();
    QTimer timer_;
};
