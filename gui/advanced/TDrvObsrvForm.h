#pragma once
// The driver monitor parameter dialog (DRAVO in ExtendedMode): reads the 28 supervision parameters
// when it is first shown, lets the editable ones be changed within their limits and writes them all
// back, with the optional restart of the unit.
#include <QDialog>

#include "core/advanced/DrvObsrvState.h"
#include "core/procedures/Session.h"

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class TDrvObsrvForm : public QDialog {
    Q_OBJECT
public:
    TDrvObsrvForm(CSession& session, QWidget* parent = nullptr);

    // Whether the read at opening succeeded (a failed read closes the dialog).
    bool ReadSucceeded() const { return readSucceeded_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Activate();
    void btnWriteClick();
    void CellChanged(QTableWidgetItem* item);
    void FocusChanged(QWidget* old, QWidget* now);
    void Render();
    void FitGrid();

    CSession& session_;
    SDrvObsrvState state_;
    bool shownOnce_ = false;
    bool readSucceeded_ = false;
    QTableWidget* sgPara;
    QPushButton* btnWrite;
    QPushButton* btnClose;
};
