#pragma once
// The "unit No." dialog: unit number, top axis number and the multi-drop switch, each change handed to
// the core, which writes the parameter image. OK keeps the changes; the close box and Escape cancel
// them.
#include <QDialog>

#include "core/service/UnitParaSet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class TUnitParaSetForm : public QDialog {
    Q_OBJECT
public:
    TUnitParaSetForm(ParameterImage& image, SMainFlags& flags, QWidget* parent = nullptr);

    // The close box and Escape: the image and its change flag as the dialog found them.
    void reject() override;

private:
    void Render();

    CUnitParaSet unit_;
    QCheckBox* ckMDRP;
    QLabel *Label1, *Label2;
    QComboBox *cbUnitNo, *cbTAxisNo;
    QPushButton* Button1;
};
