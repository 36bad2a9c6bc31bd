#include "gui/diagnosis/TConnectionCheckForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/diagnosis/SessionConnectionCheck.h"
#include "gui/app/QtText.h"

namespace {
constexpr int STEP_COLUMNS = 3;
constexpr int DIALOG_WIDTH = 720;
constexpr int DIALOG_HEIGHT = 330;

QPushButton* NewButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    return button;
}
}  // namespace

TConnectionCheckForm::TConnectionCheckForm(CSession& session, QWidget* parent)
    : QDialog(parent), session_(session), form_(InitialConnectionCheckForm()) {
    setObjectName("ConnectionCheckForm");
    setFont(QFont(QStringLiteral("Courier New"), 9));
    gridSteps = new QTableWidget(0, STEP_COLUMNS, this);
    gridSteps->setObjectName("gridSteps");
    QStringList titles;
    for (const std::string& title : form_.columns) titles << ToQt(title);
    gridSteps->setHorizontalHeaderLabels(titles);
    gridSteps->verticalHeader()->hide();
    gridSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridSteps->setSelectionMode(QAbstractItemView::NoSelection);
    gridSteps->setFocusPolicy(Qt::NoFocus);
    gridSteps->setWordWrap(true);
    gridSteps->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    gridSteps->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    gridSteps->horizontalHeader()->setStretchLastSection(true);
    lblVerdict = new QLabel(this);
    lblVerdict->setObjectName("lblVerdict");
    QFont bold = lblVerdict->font();
    bold.setBold(true);
    lblVerdict->setFont(bold);
    lblFix = new QLabel(this);
    lblFix->setObjectName("lblFix");
    lblFix->setWordWrap(true);
    btnAgain = NewButton("btnAgain", this);
    btnClose = NewButton("btnClose", this);
    connect(btnAgain, &QPushButton::clicked, this, &TConnectionCheckForm::RunCheck);
    connect(btnClose, &QPushButton::clicked, this, &TConnectionCheckForm::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAgain);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridSteps, 1);
    layout->addWidget(lblVerdict);
    layout->addWidget(lblFix);
    layout->addLayout(buttons);
    resize(DIALOG_WIDTH, DIALOG_HEIGHT);
    Render();
    QTimer::singleShot(0, this, &TConnectionCheckForm::RunCheck);
}

void TConnectionCheckForm::RunCheck() {
    if (form_.running) return;
    ShowConnectionCheckResult(form_, SConnectionCheckResult{});
    Render();
    CheckSessionConnection(session_, [this](const SConnectionCheckResult& result) {
        ShowConnectionCheckResult(form_, result);
        Render();
    });
}

void TConnectionCheckForm::Render() {
    setWindowTitle(ToQt(form_.Caption));
    gridSteps->setRowCount(static_cast<int>(form_.rows.size()));
    for (int row = 0; row < gridSteps->rowCount(); ++row) {
        const SConnectionCheckStep& step = form_.rows[static_cast<std::size_t>(row)];
        const std::string texts[STEP_COLUMNS] = {step.step, step.result, step.detail};
        for (int col = 0; col < STEP_COLUMNS; ++col) {
            auto* item = new QTableWidgetItem(ToQt(texts[col]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            gridSteps->setItem(row, col, item);
        }
    }
    gridSteps->resizeRowsToContents();
    lblVerdict->setText(ToQt(form_.lblVerdict.text));
    lblFix->setText(ToQt(form_.lblFix.text));
    btnAgain->setText(ToQt(form_.btnAgain.text));
    btnAgain->setEnabled(form_.btnAgain.enabled);
    btnClose->setText(ToQt(form_.btnClose.text));
    btnClose->setEnabled(form_.btnClose.enabled);
}

void TConnectionCheckForm::reject() {
    if (!form_.running) QDialog::reject();
}

void TConnectionCheckForm::closeEvent(QCloseEvent* event) {
    if (form_.running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
