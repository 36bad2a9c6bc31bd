#pragma once
// The specialty parameter dialog (KAVELIS): the rows of `GMOD` as labelled lists; every change goes
// straight into the image, and closing marks the parameters modified when `GMOD` left its snapshot.
#include <QDialog>
#include <array>

#include "core/advanced/SpecialParaState.h"

class QComboBox;
class QLabel;
class QPushButton;

class TSpecialParaForm : public QDialog {
    Q_OBJECT
public:
    TSpecialParaForm(ParameterImage& image, const SProgramValues& program, const ComboState& cbW8N,
                     SMainFlags& flags, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void ListChange(int row, int index);
    void Render();

    ParameterImage& image_;
    const SProgramValues& program_;
    SMainFlags& flags_;
    SSpecialParaState state_;
    std::array<QLabel*, OPTION_ROWS> labels_{};
    std::array<QComboBox*, OPTION_ROWS> lists_{};
    QPushButton* OKbutton;
};
