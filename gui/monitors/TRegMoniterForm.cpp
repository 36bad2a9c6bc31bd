#include "gui/monitors/TRegMoniterForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/QtText.h"
#include "gui/monitors/TMonitorGrid.h"
#include "gui/params/ControlRendering.h"

namespace {

constexpr int kFontSize = 9;
constexpr int kGridGap = 40;
constexpr int kBarGap = 4;

QLabel* NewHeading(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    return label;
}

QScrollBar* NewScrollBar(const char* name, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(0, REG_SCROLL_MAX);
    bar->setPageStep(REG_WINDOW_ROWS);
    bar->setSingleStep(1);
    return bar;
}

QLineEdit* NewCellEditor(const char* name, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignCenter);
    edit->hide();
    return edit;
}

// One area: its label and heading above the grid, the scroll bar against the grid's right side, 2 pixels
// below its top (it is 4 pixels shorter than the grid).
QVBoxLayout* AreaColumn(QLabel* label, QLabel* heading, QWidget* grid, QScrollBar* bar) {
    auto* gridAndBar = new QHBoxLayout;
    gridAndBar->setSpacing(kBarGap);
    gridAndBar->addWidget(grid, 0, Qt::AlignTop);
    gridAndBar->addWidget(bar, 0, Qt::AlignVCenter);
    gridAndBar->setAlignment(Qt::AlignLeft);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(heading);
    column->addLayout(gridAndBar);
    return column;
}

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

TRegMoniterForm::TRegMoniterForm(CSession& session, QWidget* parent) : TMonitorDialog(parent), session_(session) {
    setObjectName("RegMoniterForm");
    setFont(QFont(QStringLiteral("Courier New"), kFontSize));
    CreateRegMoniterForm(form_, session_);
    BuildControls();
    Connect();
    Render();
    StartPolling();
}

void TRegMoniterForm::BuildControls() {
    pPLCToZUNA = NewHeading("pPLCToZUNA", this);
    pZUNAToPLC = NewHeading("pZUNAToPLC", this);
    lF600h = new QLabel(this);
    lF600h->setObjectName("lF600h");
    lF700h = new QLabel(this);
    lF700h->setObjectName("lF700h");
    StringGrid1 = new TMonitorGrid(QStringLiteral("StringGrid1"), this);
    StringGrid2 = new TMonitorGrid(QStringLiteral("StringGrid2"), this);
    ScrollBar1 = NewScrollBar("ScrollBar1", this);
    ScrollBar2 = NewScrollBar("ScrollBar2", this);
    cbCycle = new QComboBox(this);
    cbCycle->setObjectName("cbCycle");
    cbHEXorBIN = new QComboBox(this);
    cbHEXorBIN->setObjectName("cbHEXorBIN");
    chkSyncScroll = new QCheckBox(this);
    chkSyncScroll->setObjectName("chkSyncScroll");
    rbRead = new QRadioButton(this);
    rbRead->setObjectName("rbRead");
    rbWrite = new QRadioButton(this);
    rbWrite->setObjectName("rbWrite");
    WriteButton = new QPushButton(this);
    WriteButton->setObjectName("WriteButton");
    WriteButton->setAutoDefault(false);
    edSetRegister = NewCellEditor("edSetRegister", 4, StringGrid1->viewport());
    edBinSetRegister = NewCellEditor("edBinSetRegister", 19, StringGrid1->viewport());
    edBinSetRegister->setReadOnly(true);
    edSetRegister->installEventFilter(this);
    edBinSetRegister->installEventFilter(this);
    ScrollBar1->installEventFilter(this);
    ScrollBar2->installEventFilter(this);

    auto* areas = new QHBoxLayout;
    areas->setSpacing(0);
    areas->addLayout(AreaColumn(lF600h, pPLCToZUNA, StringGrid1, ScrollBar1));
    areas->addSpacing(kGridGap);
    areas->addLayout(AreaColumn(lF700h, pZUNAToPLC, StringGrid2, ScrollBar2));
    areas->setAlignment(Qt::AlignLeft);  // a wider row of controls below leaves the two areas as they are

    auto* controls = new QHBoxLayout;
    controls->addWidget(cbCycle);
    controls->addWidget(cbHEXorBIN);
    controls->addWidget(chkSyncScroll);
    controls->addStretch(1);
    controls->addWidget(rbRead);
    controls->addWidget(rbWrite);
    controls->addWidget(WriteButton);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 20, 10);
    column->addLayout(areas);
    column->addLayout(controls);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TRegMoniterForm::Connect() {
    // A press anywhere on a scroll bar (arrow, trough or thumb) starts a scroll operation, the release
    // ends it: see `NoteScrollOperation`.
    auto scrollBar = [this](QScrollBar* bar, ERegArea area) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, area](int value) { Forward([&] { ScrollBarChange(form_, area, value); }); });
    };
    scrollBar(ScrollBar1, ERegArea::Master);
    scrollBar(ScrollBar2, ERegArea::Gateway);
    auto grid = [this](TMonitorGrid* widget, ERegArea area) {
        connect(widget, &TMonitorGrid::GridKeyPressed, this,
                [this, area](EGridKey key) { Forward([&] { GridKey(form_, area, key); }); });
        connect(widget, &TMonitorGrid::WheelTurned, this,
                [this, area](bool down) { Forward([&] { GridMouseWheel(form_, area, down); }); });
        connect(widget, &TStringGrid::CellClicked, this,
                [this, area](int, int row) { Forward([&] { GridSelectRow(form_, area, row); }); });
    };
    grid(StringGrid1, ERegArea::Master);
    grid(StringGrid2, ERegArea::Gateway);
    connect(StringGrid1, &TStringGrid::CellDoubleClicked, this, [this](int, int row) {
        Forward([&] {
            GridSelectRow(form_, ERegArea::Master, row);
            StartRegisterEdit(form_);
        });
    });
    connect(cbCycle, &QComboBox::currentIndexChanged, this,
            [this](int index) { Forward([&] { cbCycleChange(form_, index); }); });
    connect(cbHEXorBIN, &QComboBox::currentIndexChanged, this,
            [this](int index) { Forward([&] { cbHEXorBINChange(form_, index); }); });
    connect(chkSyncScroll, &QCheckBox::toggled, this,
            [this](bool checked) { Forward([&] { chkSyncScrollClick(form_, checked); }); });
    connect(rbRead, &QRadioButton::clicked, this, [this] { Forward([&] { rbReadClick(form_); }); });
    connect(rbWrite, &QRadioButton::clicked, this, [this] { Forward([&] { rbWriteClick(session_, form_); }); });
    connect(WriteButton, &QPushButton::clicked, this, [this] { Forward([&] { WriteButtonClick(form_); }); });
}

void TRegMoniterForm::Tick() {
    RegMoniterTick(session_, form_);
}

void TRegMoniterForm::Closing() {
    CloseRegMoniterForm(form_);
}

void TRegMoniterForm::Render() {
    setWindowTitle(ToQt(form_.caption));
    RenderLabel(pPLCToZUNA, form_.pPLCToZUNA);
    RenderLabel(pZUNAToPLC, form_.pZUNAToPLC);
    RenderLabel(lF600h, form_.lF600h);
    RenderLabel(lF700h, form_.lF700h);
    RenderGrid(StringGrid1, form_.StringGrid1, form_.selectedRow[0]);
    RenderGrid(StringGrid2, form_.StringGrid2, form_.selectedRow[1]);
    for (auto [bar, state] :
         {std::pair{ScrollBar1, &form_.ScrollBar1}, std::pair{ScrollBar2, &form_.ScrollBar2}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(state->position);
        bar->setFixedHeight(StringGrid1->height() - 4);
    }
    RenderCombo(cbCycle, form_.cbCycle);
    RenderCombo(cbHEXorBIN, form_.cbHEXorBIN);
    RenderCheck(chkSyncScroll, form_.chkSyncScroll);
    RenderCheck(rbRead, form_.rbRead);
    RenderCheck(rbWrite, form_.rbWrite);
    RenderButton(WriteButton, form_.WriteButton);
    RenderEditors();
    RenderGridFocus();
}

// The grid whose scroll bar moved takes the focus, when the core asks for it.
void TRegMoniterForm::RenderGridFocus() {
    if (!form_.gridFocusRequest) return;
    (*form_.gridFocusRequest == ERegArea::Master ? StringGrid1 : StringGrid2)->setFocus();
    form_.gridFocusRequest.reset();
}

// The value column as wide as the view needs (HEX: 6 characters, BIN: 21), the address column as its
// title, rows a text line plus a margin.
void TRegMoniterForm::RenderGrid(TMonitorGrid* grid, const GridState& state, int selectedRow) {
    grid->Render(state);
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));
    const int valueWidth = form_.binaryView ? std::max(200, 21 * w + 8) : std::max(100, 6 * w + 8);
    const int addressWidth = std::max(60, metrics.horizontalAdvance(ToQt(state.Cell(0, 0))) + 10);
    const int rowHeight = std::max(20, metrics.height() + 8);
    grid->setColumnWidth(0, addressWidth);
    grid->setColumnWidth(1, valueWidth);
    for (int row = 0; row < grid->rowCount(); ++row) grid->setRowHeight(row, rowHeight);
    grid->setFixedSize(addressWidth + valueWidth + 2 * grid->frameWidth(),
                       grid->rowCount() * rowHeight + 2 * grid->frameWidth());
    grid->ShowSelectedRow(selectedRow);
}

// The entry fields sit one pixel inside the selected value cell, as wide as the column + 3 and as high
// as a row + 4.
void TRegMoniterForm::RenderEditors() {
    const QRect cell = StringGrid1->visualRect(StringGrid1->model()->index(form_.selectedRow[0], 1));
    const QRect field(cell.left() + 1, cell.top() + 1, cell.width() + 3, cell.height() + 4);
    for (QLineEdit* edit : {edSetRegister, edBinSetRegister})
        edit->setGeometry(field.intersected(StringGrid1->viewport()->rect()));
    const bool hexWasOpen = edSetRegister->isVisible();
    const bool binWasOpen = edBinSetRegister->isVisible();
    if (form_.edSetRegister.visible && !hexWasOpen) {
        edSetRegister->setText(ToQt(form_.edSetRegister.text));
        edSetRegister->show();
        edSetRegister->setFocus();
        edSetRegister->selectAll();
    } else if (!form_.edSetRegister.visible && hexWasOpen) {
        edSetRegister->hide();
        StringGrid1->setFocus();
    }
    if (form_.edBinSetRegister.visible) {
        edBinSetRegister->setText(ToQt(form_.binEditor.text));
        edBinSetRegister->setCursorPosition(form_.binEditor.caret);
        if (!binWasOpen) {
            edBinSetRegister->show();
            edBinSetRegister->setFocus();
        }
    } else if (binWasOpen) {
        edBinSetRegister->hide();
        StringGrid1->setFocus();
    }
}

bool TRegMoniterForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBar1 || watched == ScrollBar2) {
        NoteScrollOperation(event);
        return QDialog::eventFilter(watched, event);
    }
    if (watched == edSetRegister && event->type() == QEvent::KeyPress) {
        return HexEditorKeyEvent(static_cast<QKeyEvent*>(event));
    }
    if (watched == edBinSetRegister && event->type() == QEvent::KeyPress) {
        return BinEditorKeyEvent(static_cast<QKeyEvent*>(event));
    }
    if (watched == edBinSetRegister && BinEditorMouseEvent(event)) return true;
    if (watched == edSetRegister && HexEditorMouseEvent(event)) return true;
    if ((watched == edSetRegister || watched == edBinSetRegister) && event->type() == QEvent::FocusOut) {
        Forward([&] { RegisterEditExit(form_); });
    }
    return QDialog::eventFilter(watched, event);
}

// Line, page and thumb operations alike begin with a press on the scroll bar and end with its release;
// polling pauses in between. The scroll bar still handles the press itself.
void TRegMoniterForm::NoteScrollOperation(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        ScrollOperation(form_, false);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        ScrollOperation(form_, true);
    }
}

// Escape ends the entry and leaves the value as it was; the window stays open.
bool TRegMoniterForm::HexEditorKeyEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        Forward([&] { edSetRegisterEnter(form_, FromQt(edSetRegister->text())); });
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        Forward([&] { RegisterEditExit(form_); });
        return true;
    }
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right || event->key() == Qt::Key_Delete ||
        event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        return false;
    }
    const char key = event->key() == Qt::Key_Backspace ? EDIT_KEY_BACKSPACE
                     : event->text().size() == 1       ? event->text().at(0).toLatin1()
                                                       : '\0';
    const std::optional<char> accepted = HexEditorKey(key);
    if (!accepted) return true;
    if (*accepted == EDIT_KEY_BACKSPACE) return false;
    edSetRegister->insert(QString(QLatin1Char(*accepted)));
    return true;
}

bool TRegMoniterForm::BinEditorKeyEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        Forward([&] { edBinSetRegisterEnter(form_); });
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        Forward([&] { RegisterEditExit(form_); });
        return true;
    }
    const EBinEditorKey key = event->key() == Qt::Key_0       ? EBinEditorKey::Zero
                              : event->key() == Qt::Key_1     ? EBinEditorKey::One
                              : event->key() == Qt::Key_Left  ? EBinEditorKey::Left
                              : event->key() == Qt::Key_Right ? EBinEditorKey::Right
                                                              : EBinEditorKey::Other;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    Forward([&] { BinEditorKey(form_.binEditor, key, shift); });
    return true;
}

// A click places the caret (never on a blank) and remembers it; a double click puts it back there with
// nothing selected instead of selecting a word.
bool TRegMoniterForm::BinEditorMouseEvent(QEvent* event) {
    if (!form_.edBinSetRegister.visible) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int position = edBinSetRegister->cursorPositionAt(mouse->position().toPoint());
        Forward([&] {
            BinEditorPlaceCaret(form_.binEditor, position);
            form_.caretPos = form_.binEditor.caret;
        });
        edBinSetRegister->setFocus();
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        Forward([&] { form_.binEditor.caret = form_.caretPos; });
        edBinSetRegister->deselect();
        return true;
    }
    return false;
}

// The hex field remembers the caret of a click; a double click puts it back there with nothing
// selected instead of selecting the word.
bool TRegMoniterForm::HexEditorMouseEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        form_.caretPos = edSetRegister->cursorPosition();
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        edSetRegister->setCursorPosition(form_.caretPos);
        edSetRegister->deselect();
        return true;
    }
    return false;
}
