#pragma once
// The main window: command buttons, parameter fields, information box, versions, progress bar, the
// axis area of the gateway type, menus, toolbar and status bar. It renders `SMainFormState` and hands
// every user event to `CMainFormEvents`; it decides nothing about what a control holds.
#include <QMainWindow>
#include <map>
#include <vector>

#include "core/params/layout/MainFormLayout.h"
#include "core/params/layout/MainFormState.h"
#include "core/procedures/Session.h"
#include "gui/params/MainFormEvents.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolBar;
class QVBoxLayout;
class TAddressEdit;
class TAxisGroupHeader;
class TStringGrid;

class TGWParaCfgForm : public QMainWindow {
    Q_OBJECT
public:
    TGWParaCfgForm(SMainFormState& state, CMainFormEvents& events, QWidget* parent = nullptr);

    // Shows the current state in every control.
    void Render();

    // Enables or disables every control of the window and shows the menus' states (a read or a write
    // locks the window and its File, Set and Help menus for its duration).
    void LockMainWindow(bool enabled);

    QProgressBar* ProgressBar() const { return ProgressBar1; }

    // Gives the keyboard focus to the command button a transfer names (Read or Write).
    void FocusCommandButton(FocusTarget target);

    // The column groups above `StringGrid1` for the gateway type (from the layout).
    void SetColumnGroups(const std::vector<SColumnGroup>& groups);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct SDriveUnitWidgets {
        QGroupBox* box;
        QComboBox* mode;
        std::vector<QCheckBox*> reserve;
    };

    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildParameterColumn();
    QWidget* BuildInfoBox();
    QWidget* BuildAxisArea();
    QWidget* BuildIoAxisPanel();
    QWidget* BuildServoAxisPanel();
    QWidget* BuildDriveUnitArea();
    void BuildStatusBar();

    QComboBox* NewCombo(const char* name, void (CMainFormEvents::*handler)(int), QWidget* parent = nullptr);
    QLabel* NewLabel(const char* name, bool smallFont = false);
    QMenu* NewMenu(const char* name, void (CMainFormEvents::*opening)());
    QAction* NewMenuItem(QMenu* menu, const char* name);
    void Forward(const std::function<void()>& event);
    void RunCommand(const char* name);

    void RenderMenus();
    void RenderAxisHeader();
    void RenderDriveUnits();
    void RenderStatusBar();

    SMainFormState& state_;
    CMainFormEvents& events_;
    bool shownOnce_ = false;

    QPushButton *Button1, *Button2, *Button3;
    QLabel *lNTYP, *linpNTYP, *lDADR, *lDBPS, *lDSZ, *lTBPS;
    QFrame* pnlNTYP;
    QComboBox *cbNTYP, *cbDADR, *cbDBPS, *cbFINX, *cbDSZ, *cbTBPS, *cbGMOD;
    TAddressEdit* edDADR;
    QGroupBox* gbInfoConfig;
    QLabel *Label1, *Label2, *Label3, *Label6, *Label7, *Label8, *Label12, *Label13, *Label14, *lRemote;
    QLabel *lTitleGver, *lGver, *lTitleAbccVer, *lAbccVer;
    QProgressBar* ProgressBar1;

    QWidget* pnlAxisArea;
    QWidget* pnlAxisCtrlIO;
    QLabel* Label11;
    TStringGrid* StringGrid1;
    QComboBox *cbW4N, *cbW8N, *cbW2N, *cbW1N, *cbB4N;
    QLabel *pnlStrTitleSize, *pnlStrSize4W, *pnlStrSize8W, *pnlStrSize2W, *pnlStrSize1W, *pnlStrSize4bits;
    TAxisGroupHeader* axisHeader;

    QWidget* pnlAxisCtrlSrv;
    QLabel* Label4;
    QComboBox* ComboBox1;
    TStringGrid* StringGrid2;
    QLabel* lblStatAXSFT;
    QFrame *Panel9, *Panel10;

    QWidget* pnlDriveUnits;
    QRadioButton *rbFull_Pos, *rbRemIO;
    QVBoxLayout* driveUnitLayout;
    std::vector<SDriveUnitWidgets> driveUnits_;

    QToolBar* ToolBar;
    QAction *tbNewFile, *tbOpenFile, *tbSaveFile, *ToolButton2;
    std::vector<QLabel*> statusPanels_;

    QMenu *MenuFile1, *MenuSet1, *MenuMoniter1, *MenuHelp1;
    std::map<QAction*, MenuItemState SMainFormState::*> menuItems_;
    std::vector<QAction*> fileShortcutItems_;  // New, Open, Save with their standard keys
};
