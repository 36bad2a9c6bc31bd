#pragma once
// The New command's dialog: the network type of the fresh parameter set, OK and Cancel.
#include <QDialog>

#include "core/files/NewFileForm.h"

class QComboBox;
class QLabel;
class QPushButton;

class TNewFileForm : public QDialog {
    Q_OBJECT
public:
    // Edits `state.cbNetworkType.index`; exec() answers Accepted for OK.
    explicit TNewFileForm(SNewFileFormState& state, QWidget* parent = nullptr);

private:
    SNewFileFormState& state_;
    QLabel* lNetworkType;
    QComboBox* cbNetworkType;
    QPushButton *bOK, *bCancel;
};
