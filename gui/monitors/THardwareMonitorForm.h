#pragma once
// The "Hardware Monitor" window: five supply voltages, the fan speed and four driver board
// temperatures, read every 2 s. A failed read shows a box; the window stays open and polls on.
#include <QDialog>
#include <QTimer>
#include <array>

#include "core/monitors/HardwareMonitor.h"

class QLabel;

class THardwareMonitorForm : public QDialog {
    Q_OBJECT
public:
    explicit THardwareMonitorForm(CSession& session, QWidget* parent = nullptr);

    const CHardwareMonitor& Monitor() const { return monitor_; }
    const QTimer& Timer() const { return Timer1; }

    // Closing stops the poll timer.
    void done(int result) override;

private:
    void Render();
    void Timer1Timer();

    CHardwareMonitor monitor_;
    QTimer Timer1;
    std::array<QLabel*, HARDWARE_VALUES> names_{}, colons_{}, values_{}, units_{};
};
