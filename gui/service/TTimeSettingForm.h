#pragma once
// The "TimeSetting" dialog: the PC's running time or a date and time picked in six lists, written to
// the gateway's clock, and the gateway's clock read back. The core holds the behaviour; the window
// drives its one-second timer and renders.
#include <QDialog>
#include <QTimer>
#include <array>

#include "core/service/TimeSetting.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

class TTimeSettingForm : public QDialog {
    Q_OBJECT
public:
    // `pcSeconds`: the PC's local time in whole seconds since 2000-01-01 when the dialog is created.
    TTimeSettingForm(CSession& session, std::int64_t pcSeconds, QWidget* parent = nullptr);

    const CTimeSetting& State() const { return time_; }

private:
    QWidget* BuildLists();
    void Render();

    CTimeSetting time_;
    QTimer Timer1;
    QRadioButton *rbSynqPC, *rbManualSetting;
    QLabel* Panel1;
    QFrame* Panel2;
    std::array<QLabel*, 6> labels_{};
    std::array<QComboBox*, 6> lists_{};
    QPushButton *bConfirm, *bTransmission;
};
