#pragma once
// The "unit No." dialog: unit number, top axis number and the multi-drop switch, each change handed to
// the core, which writes the parameter image. It has no close box and no Escape: OK is the way out.
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

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Render();

    CUnitParaSet unit_;
    bool closing_ = false;
    QCheckBox* ckMDRP;
    QLabel *Label1, *Label2;
    QComboBox *cbUnitNo, *cbTAxisNo;
    QPushButton* Button1;
};
