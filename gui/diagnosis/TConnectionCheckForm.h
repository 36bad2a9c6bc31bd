#pragma once
// Setting > Check connection...: runs the connection check as soon as it is shown, lists each step as it
// runs and ends with the verdict and the fix. It cannot be closed while the check holds the port.
#include <QDialog>

#include "core/diagnosis/ConnectionCheckFormState.h"

class CSession;
class QLabel;
class QPushButton;
class QTableWidget;

class TConnectionCheckForm : public QDialog {
    Q_OBJECT
public:
    TConnectionCheckForm(CSession& session, QWidget* parent = nullptr);

    void reject() override;
    // Runs the check (the dialog starts it by itself once shown).
    void RunCheck();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Render();

    CSession& session_;
    SConnectionCheckFormState form_;
    QTableWidget* gridSteps;
    QLabel* lblVerdict;
    QLabel* lblFix;
    QPushButton *btnAgain, *btnClose;
};
