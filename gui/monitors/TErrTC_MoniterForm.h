#pragma once
// The "Diagnostic Information" window: the scan time and the error counters, read every 500 ms, each
// counter with its "Clear" button beside its row. A failed read closes the window.
#include <QDialog>
#include <QTimer>
#include <array>

#include "core/monitors/DiagnosticCounters.h"

class QPushButton;
class TListGrid;

class TErrTC_MoniterForm : public QDialog {
    Q_OBJECT
public:
    explicit TErrTC_MoniterForm(CSession& session, QWidget* parent = nullptr);

    const CDiagnosticCounters& Monitor() const { return monitor_; }
    const QTimer& Timer() const { return Timer1; }

    // Closing stops the poll timer.
    void done(int result) override;

private:
    void Render();
    void LayOut();
    void Timer1Timer();

    CDiagnosticCounters monitor_;
    QTimer Timer1;
    TListGrid* StringGrid1;
    std::array<QPushButton*, COUNTER_KINDS> resetButtons_{};
};
