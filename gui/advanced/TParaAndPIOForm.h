#pragma once
// The PIO (VOSK: operation) pattern reminder: which controller patterns go with which axis modes, and
// "Hide during transmission", the gateway type's option bit in `ToolFlags`.
#include <QDialog>

#include "core/advanced/ParaAndPioState.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TStringGrid;

class TParaAndPIOForm : public QDialog {
    Q_OBJECT
public:
    TParaAndPIOForm(GwType type, std::uint32_t& toolFlags, QWidget* parent = nullptr);

private:
    void FitGridCells();

    GwType type_;
    std::uint32_t& toolFlags_;
    SParaAndPioState state_;
    QLabel *lParaPIO, *lGridTitle, *lNote;
    TStringGrid* StringGrid1;
    QCheckBox* chkShowPIOpatern;
    QPushButton* OKbutton;
};
