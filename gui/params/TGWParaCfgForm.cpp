#include "gui/params/TGWParaCfgForm.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/app/StatusBarWidth.h"
#include "core/params/edit/ParameterSetEdits.h"
#include "gui/app/QtText.h"
#include "gui/params/ControlRendering.h"
#include "gui/params/TAddressEdit.h"
#include "gui/params/TAxisGroupHeader.h"
#include "gui/params/TStringGrid.h"

namespace {
constexpr int kWindowFontSize = 12;
constexpr int kSmallFontSize = 9;
constexpr int kMargin = 10;
constexpr int kButtonGap = 12;
constexpr int kMinCommandButtonHeight = 36;
constexpr int kStatusPanelGap = 8;  // the status bar's spacing and frame around each panel

QFont WindowFont(int size) {
    return QFont(QStringLiteral("Courier New"), size);
}

QFrame* NewSeparator(QWidget* parent, const char* name, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A column-group title above the axis grid: a raised panel with its caption centred.
QLabel* NewTitlePanel(QWidget* parent, const char* name) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setFont(WindowFont(kSmallFontSize));
    return panel;
}

// A control that a read or an edit shows and hides keeps its room while hidden, and a label is as high
// without its text as with it: the layout fixes the window's size, and the window must not grow or
// shrink with what the unit holds.
void KeepRoomWhenHidden(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(QStringLiteral("W"));
            label->setMinimumHeight(label->sizeHint().height());
            label->clear();
        }
    }
}

}  // namespace

TGWParaCfgForm::TGWParaCfgForm(SMainFormState& state, CMainFormEvents& events, QWidget* parent)
    : QMainWindow(parent), state_(state), events_(events) {
    setObjectName("GWParaCfgForm");
    // The layout fixes the window's size, so the title bar offers no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont(kWindowFontSize));
    setAcceptDrops(true);
    BuildMenus();
    BuildToolBar();

    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(kMargin / 5, kMargin / 2, kMargin, kMargin / 2);
    row->setSpacing(kButtonGap);
    // A window widened by its status bar gives the room to the parameter column, whose buttons, lists
    // and information box then share it, rather than leaving an empty strip beside them.
    row->addWidget(BuildParameterColumn(), 1, Qt::AlignTop);
    row->addWidget(BuildAxisArea(), 0, Qt::AlignTop);
    setCentralWidget(central);
    BuildStatusBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// ---- construction ------------------------------------------------------------------------------

QAction* TGWParaCfgForm::NewMenuItem(QMenu* menu, const char* name) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
    return action;
}

// The menus in the order of `MainMenuOrder`, each item bound to the state it renders.
void TGWParaCfgForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(QApplication::font());
    const std::map<std::string_view, std::pair<QMenu**, void (CMainFormEvents::*)()>> topLevel = {
        {"MenuFile1", {&MenuFile1, &CMainFormEvents::MenuFile1Open}},
        {"MenuSet1", {&MenuSet1, &CMainFormEvents::MenuSet1Open}},
        {"MenuMoniter1", {&MenuMoniter1, &CMainFormEvents::MenuMoniter1Open}},
        {"MenuHelp1", {&MenuHelp1, &CMainFormEvents::MenuHelp1Open}}};
    // The desktop's standard keys for New, Open and Save.
    const std::map<std::string_view, QKeySequence::StandardKey> keys = {{"MenuNew1", QKeySequence::New},
                                                                        {"MenuOpen1", QKeySequence::Open},
                                                                        {"MenuSave1", QKeySequence::Save}};
    std::map<std::string_view, QMenu*> menus;
    for (const SMenuOrderEntry& entry : MainMenuOrder) {
        if (entry.parent.empty()) {
            const auto& [member, opening] = topLevel.at(entry.name);
            *member = menus[entry.name] = NewMenu(entry.name.data(), opening);
            continue;
        }
        QMenu* menu = menus.at(entry.parent);
        if (entry.separatorBefore) menu->addSeparator();
        QAction* item = NewMenuItem(menu, entry.name.data());
        menuItems_[item] = entry.item;
        if (const auto key = keys.find(entry.name); key != keys.end()) {
            item->setShortcut(key->second);
            fileShortcutItems_.push_back(item);
        }
    }
}

QMenu* TGWParaCfgForm::NewMenu(const char* name, void (CMainFormEvents::*opening)()) {
    auto* menu = new QMenu(menuBar());
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Item");
    menuBar()->addMenu(menu);
    connect(menu, &QMenu::aboutToShow, this,
            [this, opening] { Forward([this, opening] { (events_.*opening)(); }); });
    return menu;
}

void TGWParaCfgForm::BuildToolBar() {
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, ToolBar);
    auto newButton = [&](const char* name, QStyle::StandardPixmap icon) {
        auto* action = ToolBar->addAction(style()->standardIcon(icon), QString());
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
        return action;
    };
    tbNewFile = newButton("tbNewFile", QStyle::SP_FileIcon);
    tbOpenFile = newButton("tbOpenFile", QStyle::SP_DialogOpenButton);
    tbSaveFile = newButton("tbSaveFile", QStyle::SP_DialogSaveButton);
    ToolButton2 = newButton("ToolButton2", QStyle::SP_DialogCloseButton);
}

QLabel* TGWParaCfgForm::NewLabel(const char* name, bool smallFont) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    if (smallFont) label->setFont(WindowFont(kSmallFontSize));
    return label;
}

QComboBox* TGWParaCfgForm::NewCombo(const char* name, void (CMainFormEvents::*handler)(int),
                                    QWidget* parent) {
    auto* combo = new QComboBox(parent != nullptr ? parent : this);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(combo, &QComboBox::activated, this,
            [this, handler](int index) { Forward([this, handler, index] { (events_.*handler)(index); }); });
    return combo;
}

QWidget* TGWParaCfgForm::BuildParameterColumn() {
    auto* column = new QWidget(this);
    column->setObjectName("pnlParameters");
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(kButtonGap);
    grid->setVerticalSpacing(8);

    auto newButton = [&](const char* name) {
        auto* button = new QPushButton(column);
        button->setObjectName(name);
        button->setMinimumHeight(std::max(kMinCommandButtonHeight, fontMetrics().height() + 10));
        connect(button, &QPushButton::clicked, this, [this, name] { RunCommand(name); });
        return button;
    };
    Button1 = newButton("Button1");
    Button2 = newButton("Button2");
    Button3 = newButton("Button3");
    grid->addWidget(Button1, 0, 0);
    grid->addWidget(Button2, 0, 1);
    grid->addWidget(Button3, 0, 2);

    lNTYP = NewLabel("lNTYP");
    cbNTYP = NewCombo("cbNTYP", &CMainFormEvents::cbNTYPChange);
    pnlNTYP = new QFrame(column);
    pnlNTYP->setObjectName("pnlNTYP");
    pnlNTYP->setFrameShape(QFrame::Panel);
    pnlNTYP->setFrameShadow(QFrame::Sunken);
    linpNTYP = NewLabel("linpNTYP");
    linpNTYP->setParent(pnlNTYP);
    auto* panelLayout = new QHBoxLayout(pnlNTYP);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(linpNTYP);

    lDADR = NewLabel("lDADR");
    cbDADR = NewCombo("cbDADR", &CMainFormEvents::cbDADRChange);
    edDADR = new TAddressEdit(column);
    edDADR->SetRules([this](int key, std::string& text, int& caret,
                            int& selection) { return events_.edDADRKey(key, text, caret, selection); },
                     [this] { Forward([this] { events_.edDADRExit(); }); },
                     [this](const std::string& text) { events_.edDADRText(text); },
                     [this](bool hasFocus) { events_.edDADRFocus(hasFocus); });

    lDBPS = NewLabel("lDBPS");
    cbDBPS = NewCombo("cbDBPS", &CMainFormEvents::cbDBPSChange);
    cbFINX = NewCombo("cbFINX", &CMainFormEvents::cbFINXChange);
    auto* baudRow = new QHBoxLayout;
    baudRow->setSpacing(5);
    baudRow->addWidget(cbDBPS, 1);
    baudRow->addWidget(cbFINX);

    lDSZ = NewLabel("lDSZ");
    cbDSZ = NewCombo("cbDSZ", &CMainFormEvents::cbDSZChange);
    lTBPS = NewLabel("lTBPS");
    cbTBPS = NewCombo("cbTBPS", &CMainFormEvents::cbTBPSChange);
    cbGMOD = new QComboBox(column);
    cbGMOD->setObjectName("cbGMOD");
    auto* tpRow = new QHBoxLayout;
    tpRow->addWidget(cbTBPS, 1);
    tpRow->addWidget(cbGMOD);

    int row = 1;
    auto addField = [&](QLabel* label, std::initializer_list<QWidget*> fields) {
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        for (QWidget* field : fields) grid->addWidget(field, row, 1, 1, 2);
        ++row;
    };
    addField(lNTYP, {cbNTYP, pnlNTYP});
    addField(lDADR, {cbDADR, edDADR});
    grid->addWidget(lDBPS, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addLayout(baudRow, row++, 1, 1, 2);
    addField(lDSZ, {cbDSZ});
    grid->addWidget(lTBPS, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addLayout(tpRow, row++, 1, 1, 2);

    grid->addWidget(BuildInfoBox(), row++, 0, 1, 3);

    lTitleGver = NewLabel("lTitleGver", true);
    lGver = NewLabel("lGver", true);
    lTitleAbccVer = NewLabel("lTitleAbccVer", true);
    lAbccVer = NewLabel("lAbccVer", true);
    auto* versions = new QGridLayout;
    versions->setHorizontalSpacing(kMargin);
    versions->setVerticalSpacing(3);
    versions->addWidget(lTitleGver, 0, 0);
    versions->addWidget(lGver, 0, 1);
    versions->addWidget(lTitleAbccVer, 1, 0);
    versions->addWidget(lAbccVer, 1, 1);
    versions->setColumnStretch(2, 1);
    grid->addLayout(versions, row++, 0, 1, 3);
    KeepRoomWhenHidden({lDSZ, cbDSZ, lTitleAbccVer, lAbccVer, lGver, linpNTYP});

    ProgressBar1 = new QProgressBar(column);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(QFontMetrics(WindowFont(kSmallFontSize)).height() + 9);
    grid->addWidget(ProgressBar1, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    return column;
}

QWidget* TGWParaCfgForm::BuildInfoBox() {
    gbInfoConfig = new QGroupBox(this);
    gbInfoConfig->setObjectName("gbInfoConfig");
    Label1 = NewLabel("Label1", true);
    Label2 = NewLabel("Label2", true);
    Label3 = NewLabel("Label3", true);
    Label6 = NewLabel("Label6");
    Label7 = NewLabel("Label7");
    Label8 = NewLabel("Label8");
    Label12 = NewLabel("Label12", true);
    Label13 = NewLabel("Label13", true);
    Label14 = NewLabel("Label14", true);
    lRemote = NewLabel("lRemote", true);
    auto* grid = new QGridLayout(gbInfoConfig);
    grid->setContentsMargins(kMargin, 4, kMargin, 4);
    grid->setHorizontalSpacing(kMargin);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label6, 0, 1);
    grid->addWidget(Label12, 0, 2);
    grid->addWidget(lRemote, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Label7, 2, 1);
    grid->addWidget(Label13, 2, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(Label8, 3, 1);
    grid->addWidget(Label14, 3, 2);
    grid->setColumnStretch(2, 1);
    gbInfoConfig->setMinimumHeight(110);
    return gbInfoConfig;
}

QWidget* TGWParaCfgForm::BuildAxisArea() {
    pnlAxisArea = new QWidget(this);
    pnlAxisArea->setObjectName("pnlAxisArea");
    auto* column = new QVBoxLayout(pnlAxisArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(BuildIoAxisPanel());
    column->addWidget(BuildServoAxisPanel());
    column->addWidget(BuildDriveUnitArea());
    column->addStretch(1);
    return pnlAxisArea;
}

QWidget* TGWParaCfgForm::BuildIoAxisPanel() {
    pnlAxisCtrlIO = new QWidget(this);
    pnlAxisCtrlIO->setObjectName("pnlAxisCtrlIO");
    Label11 = NewLabel("Label11", true);
    Label11->setParent(pnlAxisCtrlIO);
    StringGrid1 = new TStringGrid("StringGrid1", pnlAxisCtrlIO);
    StringGrid1->SetKeyboardOperable();
    StringGrid1->setFont(WindowFont(kSmallFontSize));
    connect(StringGrid1, &TStringGrid::CellClicked, this,
            [this](int col, int row) { Forward([this, col, row] { events_.StringGrid1Click(col, row); }); });
    connect(StringGrid1, &TStringGrid::CellDoubleClicked, this, [this](int col, int row) {
        Forward([this, col, row] { events_.StringGrid1DblClick(col, row); });
    });

    axisHeader = new TAxisGroupHeader(pnlAxisCtrlIO);
    cbW4N = NewCombo("cbW4N", &CMainFormEvents::cbW4NChange, axisHeader);
    cbW8N = NewCombo("cbW8N", &CMainFormEvents::cbW8NChange, axisHeader);
    cbW2N = NewCombo("cbW2N", &CMainFormEvents::cbW2NChange, axisHeader);
    cbW1N = NewCombo("cbW1N", &CMainFormEvents::cbW1NChange, axisHeader);
    cbB4N = NewCombo("cbB4N", &CMainFormEvents::cbB4NChange, axisHeader);
    for (QComboBox* combo : {cbW4N, cbW8N, cbW2N, cbW1N, cbB4N}) {
        combo->setFont(WindowFont(kSmallFontSize));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(2);
    }
    pnlStrTitleSize = NewTitlePanel(axisHeader, "pnlStrTitleSize");
    pnlStrSize4W = NewTitlePanel(axisHeader, "pnlStrSize4W");
    pnlStrSize8W = NewTitlePanel(axisHeader, "pnlStrSize8W");
    pnlStrSize2W = NewTitlePanel(axisHeader, "pnlStrSize2W");
    pnlStrSize1W = NewTitlePanel(axisHeader, "pnlStrSize1W");
    pnlStrSize4bits = NewTitlePanel(axisHeader, "pnlStrSize4bits");

    auto* column = new QVBoxLayout(pnlAxisCtrlIO);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(Label11);
    column->addWidget(axisHeader);
    column->addWidget(StringGrid1);
    return pnlAxisCtrlIO;
}

QWidget* TGWParaCfgForm::BuildServoAxisPanel() {
    pnlAxisCtrlSrv = new QWidget(this);
    pnlAxisCtrlSrv->setObjectName("pnlAxisCtrlSrv");
    Label4 = NewLabel("Label4", true);
    ComboBox1 = NewCombo("ComboBox1", &CMainFormEvents::ComboBox1Change);
    ComboBox1->setFont(WindowFont(kSmallFontSize));
    StringGrid2 = new TStringGrid("StringGrid2", pnlAxisCtrlSrv);
    StringGrid2->SetKeyboardOperable();
    StringGrid2->setFont(WindowFont(kSmallFontSize));
    connect(StringGrid2, &TStringGrid::CellClicked, this,
            [this](int col, int row) { Forward([this, col, row] { events_.StringGrid2Click(col, row); }); });
    connect(StringGrid2, &TStringGrid::CellDoubleClicked, this, [this](int col, int row) {
        Forward([this, col, row] { events_.StringGrid2DblClick(col, row); });
    });
    lblStatAXSFT = NewLabel("lblStatAXSFT", true);
    Panel9 = NewSeparator(pnlAxisCtrlSrv, "Panel9", QFrame::HLine);
    Panel10 = NewSeparator(pnlAxisCtrlSrv, "Panel10", QFrame::HLine);

    auto* title = new QHBoxLayout;
    title->addWidget(Label4);
    title->addWidget(ComboBox1);
    title->addStretch(1);
    auto* column = new QVBoxLayout(pnlAxisCtrlSrv);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(title);
    column->addWidget(Panel9);
    column->addWidget(StringGrid2);
    column->addWidget(Panel10);
    column->addWidget(lblStatAXSFT);
    KeepRoomWhenHidden({lblStatAXSFT});
    return pnlAxisCtrlSrv;
}

QWidget* TGWParaCfgForm::BuildDriveUnitArea() {
    pnlDriveUnits = new QWidget(this);
    pnlDriveUnits->setObjectName("pnlDriveUnits");
    rbFull_Pos = new QRadioButton(pnlDriveUnits);
    rbFull_Pos->setObjectName("rbFull_Pos");
    rbRemIO = new QRadioButton(pnlDriveUnits);
    rbRemIO->setObjectName("rbRemIO");
    auto* group = new QButtonGroup(pnlDriveUnits);
    group->addButton(rbFull_Pos);
    group->addButton(rbRemIO);
    connect(rbFull_Pos, &QRadioButton::clicked, this,
            [this] { Forward([this] { events_.rbFull_PosClick(); }); });
    connect(rbRemIO, &QRadioButton::clicked, this, [this] { Forward([this] { events_.rbRemIOClick(); }); });

    auto* modes = new QHBoxLayout;
    modes->addWidget(rbFull_Pos);
    modes->addWidget(rbRemIO);
    modes->addStretch(1);
    auto* column = new QVBoxLayout(pnlDriveUnits);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(modes);
    driveUnitLayout = new QVBoxLayout;
    column->addLayout(driveUnitLayout);
    return pnlDriveUnits;
}

void TGWParaCfgForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setFont(WindowFont(kSmallFontSize));
    bar->setSizeGripEnabled(false);
}

// ---- events ------------------------------------------------------------------------------------

void TGWParaCfgForm::Forward(const std::function<void()>& event) {
    event();
    events_.AfterEvent();
    Render();
}

void TGWParaCfgForm::RunCommand(const char* name) {
    if (!events_.Command(name)) return;
    events_.AfterEvent();
    Render();
}

void TGWParaCfgForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    Forward([this] { events_.FirstShown(); });
}

void TGWParaCfgForm::closeEvent(QCloseEvent* event) {
    if (!events_.CloseQuery()) {
        event->ignore();
        return;
    }
    events_.Closed();
    event->accept();
}

// No file is taken while a read or write runs (the core refuses it as well).
void TGWParaCfgForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !state_.flags.commBusy) event->acceptProposedAction();
}

void TGWParaCfgForm::dropEvent(QDropEvent* event) {
    if (state_.flags.commBusy) {
        event->ignore();
        return;
    }
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) paths.push_back(FromQt(url.toLocalFile()));
    event->acceptProposedAction();
    raise();
    activateWindow();
    Forward([this, paths] { events_.FilesDropped(paths); });
}

void TGWParaCfgForm::LockMainWindow(bool enabled) {
    centralWidget()->setEnabled(enabled);
    ToolBar->setEnabled(enabled);
    RenderMenus();
}

void TGWParaCfgForm::FocusCommandButton(FocusTarget target) {
    if (target == FocusTarget::Button2) Button2->setFocus(Qt::OtherFocusReason);
    if (target == FocusTarget::Button3) Button3->setFocus(Qt::OtherFocusReason);
}

// ---- rendering ---------------------------------------------------------------------------------

void TGWParaCfgForm::Render() {
    const SMainFormState& s = state_;
    setWindowTitle(ToQt(MainWindowTitle(s)));
    RenderButton(Button1, s.Button1);
    RenderButton(Button2, s.Button2);
    RenderButton(Button3, s.Button3);

    RenderLabel(lNTYP, s.lNTYP);
    RenderCombo(cbNTYP, s.cbNTYP);
    RenderControl(pnlNTYP, s.pnlNTYP);
    RenderLabel(linpNTYP, s.linpNTYP);
    // The read-only network panel stands in for the list: as wide as the list's longest network name.
    pnlNTYP->setMinimumWidth(cbNTYP->sizeHint().width());
    RenderLabel(lDADR, s.lDADR);
    RenderCombo(cbDADR, s.cbDADR);
    RenderEdit(edDADR, s.edDADR);
    RenderLabel(lDBPS, s.lDBPS);
    RenderCombo(cbDBPS, s.cbDBPS);
    RenderCombo(cbFINX, s.cbFINX);
    RenderLabel(lDSZ, s.lDSZ);
    RenderCombo(cbDSZ, s.cbDSZ);
    RenderLabel(lTBPS, s.lTBPS);
    RenderCombo(cbTBPS, s.cbTBPS);
    RenderCombo(cbGMOD, s.cbGMOD);

    RenderGroupBox(gbInfoConfig, s.gbInfoConfig);
    const std::pair<QLabel*, const TextState*> infoLabels[] = {{Label1, &s.Label1},
                                                               {Label2, &s.Label2},
                                                               {Label3, &s.Label3},
                                                               {Label6, &s.Label6},
                                                               {Label7, &s.Label7},
                                                               {Label8, &s.Label8},
                                                               {Label12, &s.Label12},
                                                               {Label13, &s.Label13},
                                                               {Label14, &s.Label14},
                                                               {lRemote, &s.lRemote},
                                                               {lTitleGver, &s.lTitleGver},
                                                               {lGver, &s.lGver},
                                                               {lTitleAbccVer, &s.lTitleAbccVer},
                                                               {lAbccVer, &s.lAbccVer}};
    for (const auto& [label, text] : infoLabels) RenderLabel(label, *text);
    // The CC-Link "Remote net" line under the first value takes room only while it says something.
    if (s.lRemote.text.empty()) lRemote->hide();

    RenderControl(ProgressBar1, s.ProgressBar1);
    ProgressBar1->setMaximum(s.progressMax);

    RenderControl(pnlAxisCtrlIO, s.pnlAxisCtrlIO);
    RenderLabel(Label11, s.Label11);
    StringGrid1->Render(s.StringGrid1);
    RenderCombo(cbW4N, s.cbW4N);
    RenderCombo(cbW8N, s.cbW8N);
    RenderCombo(cbW2N, s.cbW2N);
    RenderCombo(cbW1N, s.cbW1N);
    RenderCombo(cbB4N, s.cbB4N);
    RenderAxisHeader();

    RenderControl(pnlAxisCtrlSrv, s.pnlAxisCtrlSrv);
    RenderLabel(Label4, s.Label4);
    RenderCombo(ComboBox1, s.ComboBox1);
    StringGrid2->Render(s.StringGrid2);
    RenderLabel(lblStatAXSFT, s.lblStatAXSFT);
    RenderControl(Panel9, s.Panel9);
    RenderControl(Panel10, s.Panel10);

    RenderDriveUnits();
    // A type without axis area (VOSK-LC) leaves no gap for it beside the parameter column.
    pnlAxisArea->setVisible(!pnlAxisCtrlIO->isHidden() || !pnlAxisCtrlSrv->isHidden() ||
                            !pnlDriveUnits->isHidden());
    RenderMenus();
    RenderStatusBar();
}

void TGWParaCfgForm::RenderMenus() {
    for (const auto& [action, item] : menuItems_) RenderMenuItem(action, state_.*item);
    const std::pair<QMenu*, const MenuItemState*> menus[] = {{MenuFile1, &state_.MenuFile1},
                                                             {MenuSet1, &state_.MenuSet1},
                                                             {MenuMoniter1, &state_.MenuMoniter1},
                                                             {MenuHelp1, &state_.MenuHelp1}};
    for (const auto& [menu, item] : menus) {
        menu->setTitle(ToQt(item->caption));
        menu->menuAction()->setEnabled(item->enabled);
        menu->menuAction()->setVisible(item->visible);
    }
    // The traffic monitor needs no unit: its item keeps the Monitor menu open while the monitors are
    // locked, and only it can be chosen then.
    if (!state_.MenuMoniter1.enabled && state_.MenuTrafficMonitor.enabled) {
        for (QAction* item : MenuMoniter1->actions()) item->setEnabled(item->objectName() == "MenuTrafficMonitor");
        MenuMoniter1->menuAction()->setEnabled(true);
    }
    // A locked File menu takes its keys with it: no New, Open or Save during a transfer.
    if (!state_.MenuFile1.enabled) {
        for (QAction* item : fileShortcutItems_) item->setEnabled(false);
    }
    // The tool buttons' tips are the captions of the menu items they stand for, without the accelerator.
    const struct {
        QAction* action;
        const ControlState* control;
        const MenuItemState* menuItem;
    } buttons[] = {{tbNewFile, &state_.tbNewFile, &state_.MenuNew1},
                   {tbOpenFile, &state_.tbOpenFile, &state_.MenuOpen1},
                   {tbSaveFile, &state_.tbSaveFile, &state_.MenuSave1},
                   {ToolButton2, &state_.ToolButton2, nullptr}};
    for (const auto& button : buttons) {
        button.action->setEnabled(button.control->enabled);
        button.action->setVisible(button.control->visible);
        if (button.menuItem != nullptr) button.action->setToolTip(ToQt(button.menuItem->caption).remove('&'));
    }
}

void TGWParaCfgForm::SetColumnGroups(const std::vector<SColumnGroup>& groups) {
    const std::map<std::string_view, QLabel*> panels = {
        {"pnlStrTitleSize", pnlStrTitleSize}, {"pnlStrSize4W", pnlStrSize4W},
        {"pnlStrSize8W", pnlStrSize8W},       {"pnlStrSize2W", pnlStrSize2W},
        {"pnlStrSize1W", pnlStrSize1W},       {"pnlStrSize4bits", pnlStrSize4bits}};
    // The slot-count combo boxes stand under the group whose slots they count; the VOSK and NUB3 GW
    // axis count under the five mode columns, their I/O count under the I/O column.
    const std::map<std::string_view, std::vector<QComboBox*>> combos = {{"pnlStrSize4W", {cbW4N}},
                                                                        {"pnlStrSize8W", {cbW8N}},
                                                                        {"pnlStrSize2W", {cbW2N}},
                                                                        {"pnlStrSize4bits", {cbB4N}}};
    axisHeader->Clear();
    for (const SColumnGroup& group : groups) {
        const auto panel = panels.find(group.name);
        if (panel == panels.end()) continue;
        axisHeader->Place(panel->second, 0, group.firstColumn, group.lastColumn);
        const auto combo = combos.find(group.name);
        if (combo == combos.end()) continue;
        for (QComboBox* box : combo->second) axisHeader->Place(box, 1, group.firstColumn, group.lastColumn);
    }
    if (groups.size() > 1) axisHeader->Place(cbW1N, 1, 1, GRID1_COLUMNS - 2);
}

void TGWParaCfgForm::RenderAxisHeader() {
    const SMainFormState& s = state_;
    RenderLabel(pnlStrTitleSize, s.pnlStrTitleSize);
    RenderLabel(pnlStrSize4W, s.pnlStrSize4W);
    RenderLabel(pnlStrSize8W, s.pnlStrSize8W);
    RenderLabel(pnlStrSize2W, s.pnlStrSize2W);
    RenderLabel(pnlStrSize1W, s.pnlStrSize1W);
    RenderLabel(pnlStrSize4bits, s.pnlStrSize4bits);
    axisHeader->Arrange(*StringGrid1);
}

void TGWParaCfgForm::RenderDriveUnits() {
    const SMainFormState& s = state_;
    RenderCheck(rbFull_Pos, s.rbFull_Pos);
    RenderCheck(rbRemIO, s.rbRemIO);
    while (driveUnits_.size() > s.DriveUnits.size()) {
        delete driveUnits_.back().box;
        driveUnits_.pop_back();
    }
    while (driveUnits_.size() < s.DriveUnits.size()) {
        const int unit = static_cast<int>(driveUnits_.size());
        SDriveUnitWidgets widgets{new QGroupBox(pnlDriveUnits), new QComboBox, {}};
        widgets.box->setObjectName(QStringLiteral("gbDriveUnit%1").arg(unit));
        widgets.mode->setObjectName(QStringLiteral("cbAxisCtrl%1").arg(unit));
        widgets.mode->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* layout = new QHBoxLayout(widgets.box);
        layout->addWidget(widgets.mode);
        connect(widgets.mode, &QComboBox::activated, this, [this, unit](int index) {
            Forward([this, unit, index] { events_.cbAxisCtrlChange(unit, index); });
        });
        const auto slotCount = s.DriveUnits[static_cast<std::size_t>(unit)].chkRsvAxis.size();
        for (std::size_t j = 0; j < slotCount; ++j) {
            auto* box = new QCheckBox(widgets.box);
            box->setObjectName(QStringLiteral("chkRsvAxis%1_%2").arg(unit).arg(j));
            layout->addWidget(box);
            const int slot = static_cast<int>(j);
            connect(box, &QCheckBox::clicked, this, [this, unit, slot](bool checked) {
                Forward([this, unit, slot, checked] { events_.chkRsvAxisClick(unit, slot, checked); });
            });
            widgets.reserve.push_back(box);
        }
        layout->addStretch(1);
        driveUnitLayout->addWidget(widgets.box);
        driveUnits_.push_back(std::move(widgets));
    }
    for (std::size_t i = 0; i < driveUnits_.size(); ++i) {
        const SDriveUnitPanel& panel = s.DriveUnits[i];
        RenderGroupBox(driveUnits_[i].box, panel.gbDriveUnit);
        RenderCombo(driveUnits_[i].mode, panel.cbAxisCtrl);
        for (std::size_t j = 0; j < driveUnits_[i].reserve.size() && j < panel.chkRsvAxis.size(); ++j) {
            RenderCheck(driveUnits_[i].reserve[j], panel.chkRsvAxis[j]);
            driveUnits_[i].reserve[j]->setToolTip(ToQt(panel.rsvHint));
        }
    }
    pnlDriveUnits->setVisible(!s.DriveUnits.empty() || s.rbFull_Pos.visible || s.rbRemIO.visible);
}

void TGWParaCfgForm::RenderStatusBar() {
    QStatusBar* bar = statusBar();
    while (statusPanels_.size() > state_.StatusBar1.size()) {
        delete statusPanels_.back();
        statusPanels_.pop_back();
    }
    while (statusPanels_.size() < state_.StatusBar1.size()) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(statusPanels_.size()));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusPanels_.push_back(panel);
    }
    // Panel 0 takes the free width; the others (MAC ID, version) sit at the right as wide as their text.
    // The window is at least as wide as the status bar rule asks (room for any port and speed beside the
    // version), and no panel is ever cut: the client area is kept at least as wide as all panels need.
    const QFontMetrics metrics(bar->font());
    const QString version = state_.StatusBar1.empty() ? QString() : ToQt(state_.StatusBar1.back().text);
    const SStatusBarWidths rule =
        StatusBarWidthRule(metrics.horizontalAdvance(version), metrics.horizontalAdvance(QLatin1Char('W')));
    int needed = 0;
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        bar->removeWidget(statusPanels_[i]);
        statusPanels_[i]->setText(ToQt(state_.StatusBar1[i].text));
        const int textWidth = statusPanels_[i]->sizeHint().width();
        statusPanels_[i]->setMinimumWidth(i == 0 ? std::max(textWidth, rule.portPanelWidth) : textWidth);
        needed += statusPanels_[i]->minimumWidth() + kStatusPanelGap;
        if (i == 0) {
            bar->addWidget(statusPanels_[i], 1);
        } else {
            bar->addPermanentWidget(statusPanels_[i], 0);
        }
        statusPanels_[i]->show();
    }
    centralWidget()->setMinimumWidth(std::max(needed, rule.minClientWidth));
}
