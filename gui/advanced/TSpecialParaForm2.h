#pragma once
// The gateway parameter bit dialog (every type but KAVELIS): a tab per option word (`GMOD`,
// `ExtParam1`, `ExtParam2`) with the word's bits as labelled lists. Every change goes straight into the
// image and marks the specialty parameters modified.
#include <QDialog>
#include <array>

#include "core/advanced/SpecialPara2State.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

class TSpecialParaForm2 : public QDialog {
    Q_OBJECT
public:
    TSpecialParaForm2(ParameterImage& image, const SProgramValues& program, SMainFlags& flags,
                      QWidget* parent = nullptr);

private:
    void TabChange(int tab);
    void ListChange(int row, int index);
    void Render();
    void FixPageHeight();

    ParameterImage& image_;
    const SProgramValues& program_;
    SMainFlags& flags_;
    SSpecialPara2State state_;
    QTabBar* TabControl1;
    QFrame* page_;
    std::array<QLabel*, OPTION_ROWS> lBit{};
    std::array<QComboBox*, OPTION_ROWS> cbBit{};
    QPushButton* bOK;
};
