#pragma once
// The "Diagnostic Information" window: the scan time and the error counters, read every 500 ms, each
// counter with its "Clear" button beside its row. A failed read closes the window.
#include <array>

#include "core/monitors/DiagnosticCounters.h"
#include "gui/monitors/TMonitorDialog.h"

class QPushButton;
class TListGrid;

class TErrTC_MoniterForm : public TMonitorDialog {
    Q_OBJECT
public:
    explicit TErrTC_MoniterForm(CSession& session, QWidget* parent = nullptr);

    const CDiagnosticCounters& Monitor() const { return monitor_; }

protected:
    SMonitorPoll& Poll() override { return monitor_.poll; }
    void Tick() override { monitor_.Timer1Timer(); }
    void Render() override;

private:
    void LayOut();

    CDiagnosticCounters monitor_;
    TListGrid* StringGrid1;
    std::array<QPushButton*, COUNTER_KINDS> resetButtons_{};
};
