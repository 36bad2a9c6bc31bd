#pragma once
// The register monitor window: renders the core's register monitor state, forwards the user's events to
// its handlers and drives its poll tick from `Timer1`. A failed poll closes the window.
#include <QDialog>
#include <QTimer>
#include <functional>

#include "core/monitors/RegisterMonitor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TMonitorGrid;

class TRegMoniterForm : public QDialog {
    Q_OBJECT
public:
    TRegMoniterForm(CSession& session, QWidget* parent = nullptr);

    const SRegMoniterFormState& State() const { return form_; }
    // One poll tick, as `Timer1` runs it.
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    void Connect();
    void Forward(const std::function<void()>& handler);
    void Render();
    void RenderGrid(TMonitorGrid* grid, const GridState& state, int selectedRow);
    void RenderEditors();
    void ApplyTimer();
    bool HexEditorKeyEvent(QKeyEvent* event);
    bool BinEditorKeyEvent(QKeyEvent* event);
    bool BinEditorMouseEvent(QEvent* event);
    bool HexEditorMouseEvent(QEvent* event);

    CSession& session_;
    SRegMoniterFormState form_;
    QTimer Timer1;
    QLabel *pPLCToZUNA, *pZUNAToPLC, *lF600h, *lF700h;
    TMonitorGrid *StringGrid1, *StringGrid2;
    QScrollBar *ScrollBar1, *ScrollBar2;
    QComboBox *cbCycle, *cbHEXorBIN;
    QCheckBox* chkSyncScroll;
    QRadioButton *rbRead, *rbWrite;
    QPushButton* WriteButton;
    QLineEdit *edSetRegister, *edBinSetRegister;
};
