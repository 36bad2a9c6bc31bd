#pragma once
// The "Hardware Monitor" window: five supply voltages, the fan speed and four driver board
// temperatures, read every 2 s. A failed read shows a box; the window stays open and polls on.
#include <array>

#include "core/monitors/HardwareMonitor.h"
#include "gui/monitors/TMonitorDialog.h"

class QLabel;

class THardwareMonitorForm : public TMonitorDialog {
    Q_OBJECT
public:
    explicit THardwareMonitorForm(CSession& session, QWidget* parent = nullptr);

    const CHardwareMonitor& Monitor() const { return monitor_; }

protected:
    SMonitorPoll& Poll() override { return monitor_.poll; }
    void Tick() override { monitor_.Timer1Timer(); }
    void Render() override;

private:
    CHardwareMonitor monitor_;
    std::array<QLabel*, HARDWARE_VALUES> names_{}, colons_{}, values_{}, units_{};
};
