#pragma once
// The gateway type dialog shown once at start: a label, the list of types for the mode and OK. OK
// closes it only when its choice maps to a type; Escape and the close box leave it without a type.
#include <QDialog>

#include "core/app/SelectGwTypeState.h"

class QComboBox;
class QLabel;
class QPushButton;

class TSelectGwType : public QDialog {
    Q_OBJECT
public:
    TSelectGwType(SProgramValues& values, QWidget* parent = nullptr);

    const SSelectGwTypeState& State() const { return state_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    SProgramValues& values_;
    SSelectGwTypeState state_;
    QLabel* Label1;
    QComboBox* cbSlctGwType;
    QPushButton* Button1;
};
