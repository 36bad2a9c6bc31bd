#pragma once
// The register monitor window: renders the core's register monitor state, forwards the user's events to
// its handlers and drives its poll tick from `Timer1`. A failed poll closes the window.
#include "core/monitors/RegisterMonitor.h"
#include "gui/monitors/TMonitorDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TMonitorGrid;

class TRegMoniterForm : public TMonitorDialog {
    Q_OBJECT
public:
    TRegMoniterForm(CSession& session, QWidget* parent = nullptr);

    const SRegMoniterFormState& State() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    SMonitorPoll& Poll() override { return form_.poll; }
    void Tick() override;
    void Render() override;
    void Closing() override;

private:
    void BuildControls();
    void Connect();
    void RenderGrid(TMonitorGrid* grid, const GridState& state, int selectedRow);
    void RenderEditors();
    void RenderGridFocus();
    void NoteScrollOperation(const QEvent* event);
    bool HexEditorKeyEvent(QKeyEvent* event);
    bool BinEditorKeyEvent(QKeyEvent* event);
    bool BinEditorMouseEvent(QEvent* event);
    bool HexEditorMouseEvent(QEvent* event);

    CSession& session_;
    SRegMoniterFormState form_;
    QLabel *pPLCToZUNA, *pZUNAToPLC, *lF600h, *lF700h;
    TMonitorGrid *StringGrid1, *StringGrid2;
    QScrollBar *ScrollBar1, *ScrollBar2;
    QComboBox *cbCycle, *cbHEXorBIN;
    QCheckBox* chkSyncScroll;
    QRadioButton *rbRead, *rbWrite;
    QPushButton* WriteButton;
    QLineEdit *edSetRegister, *edBinSetRegister;
};
