#pragma once
// A monitor window: a modal dialog that polls the unit on a core tick. `Timer1` follows the core's poll
// interval after every tick and every user event (a new cycle takes effect at once), the window closes
// itself when the core asks (a failed poll), and closing stops the timer.
#include <QDialog>
#include <QTimer>
#include <functional>

#include "core/monitors/MonitorWindow.h"

class TMonitorDialog : public QDialog {
    Q_OBJECT
public:
    const QTimer& Timer() const { return Timer1; }
    // One poll tick, as `Timer1` runs it.
    void Timer1Timer();

protected:
    explicit TMonitorDialog(QWidget* parent);

    // The core's poll state of this monitor.
    virtual SMonitorPoll& Poll() = 0;
    // The core's tick.
    virtual void Tick() = 0;
    // Shows the core's state.
    virtual void Render() = 0;
    // The core's own close handling, where the monitor has one.
    virtual void Closing() {}

    // Runs a user's event through its core handler, then renders and follows the poll state.
    void Forward(const std::function<void()>& handler);
    // Starts `Timer1` at the core's interval; the window calls it once its controls stand.
    void StartPolling();
    void done(int result) override;

private:
    void FollowPollState();

    QTimer Timer1;
};
