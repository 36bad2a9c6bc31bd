#pragma once
// The axis monitor window ("I/O monitor"): renders the core's axis monitor state, forwards the
// direction and cycle choices and drives the poll from `Timer1`. A failed poll closes the window.
#include "core/monitors/AxisMonitor.h"
#include "gui/monitors/TMonitorDialog.h"

class QComboBox;
class QRadioButton;
class TStringGrid;

class TAxisMonitorForm : public TMonitorDialog {
    Q_OBJECT
public:
    // `state` has been created from the unit (`CreateAxisMonitorForm`).
    TAxisMonitorForm(CSession& session, SAxisMonitorFormState state, QWidget* parent = nullptr);

    const SAxisMonitorFormState& State() const { return form_; }

protected:
    SMonitorPoll& Poll() override { return form_.poll; }
    void Tick() override;
    void Render() override;
    void Closing() override;

private:
    void WidenColumnsForBothDirections();

    CSession& session_;
    SAxisMonitorFormState form_;
    QRadioButton *RadioButton1, *RadioButton2;
    TStringGrid* StringGrid1;
    QComboBox* cbMonitorSpeed;
};
