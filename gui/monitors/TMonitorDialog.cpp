#include "gui/monitors/TMonitorDialog.h"

TMonitorDialog::TMonitorDialog(QWidget* parent) : QDialog(parent) {
    connect(&Timer1, &QTimer::timeout, this, &TMonitorDialog::Timer1Timer);
}

void TMonitorDialog::Timer1Timer() {
    Tick();
    Render();
    FollowPollState();
}

void TMonitorDialog::Forward(const std::function<void()>& handler) {
    handler();
    Render();
    FollowPollState();
}

void TMonitorDialog::StartPolling() {
    FollowPollState();
}

// The timer runs at the core's interval (0 = stopped); a window the core has ended closes.
void TMonitorDialog::FollowPollState() {
    const SMonitorPoll& poll = Poll();
    if (poll.timerInterval <= 0) {
        Timer1.stop();
    } else if (!Timer1.isActive() || Timer1.interval() != poll.timerInterval) {
        Timer1.start(poll.timerInterval);
    }
    if (poll.closeRequested) reject();
}

void TMonitorDialog::done(int result) {
    Closing();
    Timer1.stop();
    QDialog::done(result);
}
