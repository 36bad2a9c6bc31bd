#include "gui/monitors/TTrafficMonitorForm.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/QtText.h"

namespace {

constexpr int REFRESH_MS = 200;
constexpr const char* FORM_NAME = "TTrafficMonitorForm";
const QColor FAILED_ROW_COLOUR(255, 220, 220);

}  // namespace

CTrafficTableModel::CTrafficTableModel(const CTrafficMonitor& monitor, QObject* parent)
    : QAbstractTableModel(parent), monitor_(monitor) {}

int CTrafficTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(monitor_.RowCount());
}

int CTrafficTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(TRAFFIC_COLUMNS);
}

QVariant CTrafficTableModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole) return ToQt(monitor_.Cell(row, static_cast<ETrafficColumn>(index.column())));
    if (role == Qt::BackgroundRole && monitor_.RowFailed(row)) return QBrush(FAILED_ROW_COLOUR);
    return {};
}

QVariant CTrafficTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return ToQt(TrafficMonitorText::COLUMNS[static_cast<std::size_t>(section)]);
}

void CTrafficTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

TTrafficMonitorForm::TTrafficMonitorForm(CSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(FORM_NAME);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQt(TrafficMonitorText::CAPTION));
    BuildControls();
    session_.link.AddFrameObserver(monitor_.Recorder());
    connect(&refreshTimer_, &QTimer::timeout, this, &TTrafficMonitorForm::Render);
    refreshTimer_.start(REFRESH_MS);
    Render();
    resize(1180, 620);
}

TTrafficMonitorForm::~TTrafficMonitorForm() {
    session_.link.RemoveFrameObserver(monitor_.Recorder());
}

void TTrafficMonitorForm::BuildControls() {
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(name);
        return widget;
    };
    cbFunction = named(new QComboBox(this), "cbFunction");
    cbSlave = named(new QComboBox(this), "cbSlave");
    cbFunction->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbSlave->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkFailuresOnly = named(new QCheckBox(ToQt(TrafficMonitorText::FAILURES_ONLY), this), "chkFailuresOnly");
    btnPause = named(new QPushButton(this), "btnPause");
    btnClear = named(new QPushButton(ToQt(TrafficMonitorText::CLEAR), this), "btnClear");
    btnSaveText = named(new QPushButton(ToQt(TrafficMonitorText::SAVE_TEXT), this), "btnSaveText");
    btnSavePcap = named(new QPushButton(ToQt(TrafficMonitorText::SAVE_PCAP), this), "btnSavePcap");
    lblFrameCount = named(new QLabel(this), "lblFrameCount");

    gridFrames = named(new QTableView(this), "gridFrames");
    gridFrames->setModel(&model_);
    gridFrames->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridFrames->setSelectionMode(QAbstractItemView::SingleSelection);
    gridFrames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridFrames->verticalHeader()->hide();
    gridFrames->verticalHeader()->setDefaultSectionSize(gridFrames->fontMetrics().height() + 4);
    gridFrames->horizontalHeader()->setStretchLastSection(false);
    gridFrames->setWordWrap(false);
    const int widths[TRAFFIC_COLUMNS] = {80, 32, 76, 60, 400, 218, 64, 76, 120};
    for (std::size_t c = 0; c < TRAFFIC_COLUMNS; ++c)
        gridFrames->setColumnWidth(static_cast<int>(c), widths[c]);

    memoDecoding = named(new QPlainTextEdit(this), "memoDecoding");
    memoDecoding->setReadOnly(true);
    memoDecoding->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memoDecoding->setLineWrapMode(QPlainTextEdit::NoWrap);

    // Filters and buttons on two rows: the window stays narrow enough to stand beside the main window.
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(ToQt(TrafficMonitorText::FUNCTION_LABEL), this));
    filters->addWidget(cbFunction);
    filters->addSpacing(8);
    filters->addWidget(new QLabel(ToQt(TrafficMonitorText::SLAVE_LABEL), this));
    filters->addWidget(cbSlave);
    filters->addSpacing(8);
    filters->addWidget(chkFailuresOnly);
    filters->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnPause, btnClear, btnSaveText, btnSavePcap}) buttons->addWidget(button);
    buttons->addStretch();

    auto* splitter = named(new QSplitter(Qt::Vertical, this), "splitFrames");
    splitter->addWidget(gridFrames);
    splitter->addWidget(memoDecoding);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    layout->addWidget(lblFrameCount);

    connect(cbFunction, &QComboBox::currentIndexChanged, this, &TTrafficMonitorForm::FilterChanged);
    connect(cbSlave, &QComboBox::currentIndexChanged, this, &TTrafficMonitorForm::FilterChanged);
    connect(chkFailuresOnly, &QCheckBox::toggled, this, &TTrafficMonitorForm::FilterChanged);
    connect(btnPause, &QPushButton::clicked, this, [this] {
        monitor_.SetPaused(!monitor_.Paused());
        Render();
    });
    connect(btnClear, &QPushButton::clicked, this, [this] {
        monitor_.Clear();
        Render();
    });
    connect(btnSaveText, &QPushButton::clicked, this, [this] { Save(ECaptureFormat::Text); });
    connect(btnSavePcap, &QPushButton::clicked, this, [this] { Save(ECaptureFormat::Pcap); });
    connect(gridFrames->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TTrafficMonitorForm::SelectionChanged);
}

void TTrafficMonitorForm::RenderFilterChoices(QComboBox* combo, const std::vector<std::string>& choices) {
    const QString current = combo->currentIndex() > 0 ? combo->currentText() : QString();
    combo->clear();
    combo->addItem(ToQt(TrafficMonitorText::ALL_CHOICES));
    for (const std::string& choice : choices) combo->addItem(ToQt(choice));
    const int index = current.isEmpty() ? 0 : combo->findText(current);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

// Rows come and go only here; a view scrolled to its end follows the newest frame.
void TTrafficMonitorForm::Render() {
    if (monitor_.Revision() == renderedRevision_) return;
    rendering_ = true;
    QScrollBar* scroll = gridFrames->verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    model_.Reset();
    RenderFilterChoices(cbFunction, monitor_.FunctionChoices());
    RenderFilterChoices(cbSlave, monitor_.SlaveChoices());
    const int selected = monitor_.SelectedRow();
    if (selected >= 0) gridFrames->selectRow(selected);
    if (following) gridFrames->scrollToBottom();
    btnPause->setText(ToQt(monitor_.Paused() ? TrafficMonitorText::RESUME : TrafficMonitorText::PAUSE));
    lblFrameCount->setText(ToQt(FrameCountText(monitor_.RowCount(), monitor_.KeptCount())));
    RenderDecoding();
    renderedRevision_ = monitor_.Revision();
    rendering_ = false;
}

void TTrafficMonitorForm::RenderDecoding() {
    QString text;
    for (const std::string& line : monitor_.SelectedDecoding()) text += ToQt(line) + '\n';
    memoDecoding->setPlainText(text);
}

void TTrafficMonitorForm::SelectionChanged() {
    if (rendering_) return;
    monitor_.Select(gridFrames->currentIndex().row());
    RenderDecoding();
}

void TTrafficMonitorForm::FilterChanged() {
    if (rendering_) return;
    monitor_.SetFunctionFilter(cbFunction->currentIndex() > 0 ? cbFunction->currentText().toStdString() : "");
    monitor_.SetSlaveFilter(cbSlave->currentIndex() > 0 ? cbSlave->currentText().toStdString() : "");
    monitor_.SetFailuresOnly(chkFailuresOnly->isChecked());
    Render();
}

void TTrafficMonitorForm::Save(ECaptureFormat format) {
    const bool capture = format != ECaptureFormat::Text;
    QFileDialog dialog(this);
    dialog.setObjectName(capture ? "SavePcapDialog" : "SaveTextDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (capture) {
        // pcapng first: it keeps who sent each frame and the failed receives; classic PCAP for older readers.
        dialog.setNameFilters({ToQt(TrafficMonitorText::PCAPNG_FILTER), ToQt(TrafficMonitorText::PCAP_FILTER)});
        dialog.setDefaultSuffix("pcapng");
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(filter == ToQt(TrafficMonitorText::PCAP_FILTER) ? "pcap" : "pcapng");
        });
    } else {
        dialog.setNameFilter(ToQt(TrafficMonitorText::TEXT_FILTER));
        dialog.setDefaultSuffix("txt");
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    std::string detail;
    const std::string path = dialog.selectedFiles().front().toStdString();
    if (capture) format = CaptureFormatOfPath(path);
    if (monitor_.SaveShown(path, format, detail) != 0) {
        session_.host.ShowMessageBoxWithDetail(TrafficMonitorText::SAVE_FAILED, MB_OK_ONLY | MB_ICON_ERROR,
                                               detail);
    }
}

void ShowTrafficMonitor(CSession& session, QWidget* owner) {
    auto* form = owner->findChild<TTrafficMonitorForm*>(FORM_NAME, Qt::FindDirectChildrenOnly);
    if (form == nullptr) form = new TTrafficMonitorForm(session, owner);
    form->show();
    form->raise();
    form->activateWindow();
}
