#pragma once
// The axis monitor window ("I/O monitor"): renders the core's axis monitor state, forwards the
// direction and cycle choices and drives the poll from `Timer1`. A failed poll closes the window.
#include <QDialog>
#include <QTimer>

#include "core/monitors/AxisMonitor.h"

class QComboBox;
class QRadioButton;
class TStringGrid;

class TAxisMonitorForm : public QDialog {
    Q_OBJECT
public:
    // `state` has been created from the unit (`CreateAxisMonitorForm`).
    TAxisMonitorForm(CSession& session, SAxisMonitorFormState state, QWidget* parent = nullptr);

    const SAxisMonitorFormState& State() const { return form_; }
    void Timer1Timer();

protected:
    void done(int result) override;

private:
    void Render();
    void WidenColumnsForBothDirections();
    void ApplyTimer();

    CSession& session_;
    SAxisMonitorFormState form_;
    QTimer Timer1;
    QRadioButton *RadioButton1, *RadioButton2;
    TStringGrid* StringGrid1;
    QComboBox* cbMonitorSpeed;
};
