#pragma once
// The traffic monitor: a window of its own, beside the main window, listing every frame on the line
// with its timing and decoding. It renders CTrafficMonitor and forwards the user's actions to it; it
// stays open while the tool reads, writes and monitors.
#include <QAbstractTableModel>
#include <QTimer>
#include <QWidget>

#include "core/procedures/Session.h"
#include "core/traffic/TrafficMonitor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The table's rows, read from the monitor as the view asks for them.
class CTrafficTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CTrafficTableModel(const CTrafficMonitor& monitor, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Reset();

private:
    const CTrafficMonitor& monitor_;
};

class TTrafficMonitorForm : public QWidget {
    Q_OBJECT
public:
    TTrafficMonitorForm(CSession& session, QWidget* parent = nullptr);
    ~TTrafficMonitorForm() override;

    CTrafficMonitor& Monitor() { return monitor_; }
    // Shows what changed since the last rendering; the refresh timer calls it.
    void Render();

private:
    void BuildControls();
    void RenderFilterChoices(QComboBox* combo, const std::vector<std::string>& choices);
    void RenderDecoding();
    void SelectionChanged();
    void FilterChanged();
    void Save(ECaptureFormat format);

    CSession& session_;
    CTrafficMonitor monitor_;
    CTrafficTableModel model_{monitor_};
    QTimer refreshTimer_;
    std::uint64_t renderedRevision_ = ~std::uint64_t{0};
    bool rendering_ = false;

    QComboBox* cbFunction = nullptr;
    QComboBox* cbSlave = nullptr;
    QCheckBox* chkFailuresOnly = nullptr;
    QPushButton* btnPause = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnSaveText = nullptr;
    QPushButton* btnSavePcap = nullptr;
    QLabel* lblFrameCount = nullptr;
    QTableView* gridFrames = nullptr;
    QPlainTextEdit* memoDecoding = nullptr;
};

// Opens the traffic monitor beside `owner`, or brings the one already open to the front.
void ShowTrafficMonitor(CSession& session, QWidget* owner);
