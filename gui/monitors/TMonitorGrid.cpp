#include "gui/monitors/TMonitorGrid.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace {
EGridKey GridKeyOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return EGridKey::Up;
        case Qt::Key_Down:
            return EGridKey::Down;
        case Qt::Key_PageUp:
            return EGridKey::PageUp;
        case Qt::Key_PageDown:
            return EGridKey::PageDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return EGridKey::Enter;
        default:
            return EGridKey::Other;
    }
}
}  // namespace

TMonitorGrid::TMonitorGrid(const QString& name, QWidget* parent) : TStringGrid(name, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
}

void TMonitorGrid::ShowSelectedRow(int row) {
    if (row < rowCount() && columnCount() > 1) setCurrentCell(row, 1);
}

void TMonitorGrid::keyPressEvent(QKeyEvent* event) {
    const EGridKey key = GridKeyOf(event->key());
    if (key == EGridKey::Other) {
        TStringGrid::keyPressEvent(event);
        return;
    }
    Q_EMIT GridKeyPressed(key);
}

void TMonitorGrid::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) Q_EMIT WheelTurned(delta < 0);
    event->accept();
}
