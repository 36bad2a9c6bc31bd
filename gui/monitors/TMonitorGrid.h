#pragma once
// A monitor's string grid that takes the keyboard focus and shows the selected data row: it reports the
// keys and wheel turns the monitor's rules act on, and a click on a row.
#include "core/monitors/RegisterMonitor.h"
#include "gui/params/TStringGrid.h"

class TMonitorGrid : public TStringGrid {
    Q_OBJECT
public:
    explicit TMonitorGrid(const QString& name, QWidget* parent = nullptr);

    // Marks the selected data row.
    void ShowSelectedRow(int row);

Q_SIGNALS:
    void GridKeyPressed(EGridKey key);
    void WheelTurned(bool down);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
