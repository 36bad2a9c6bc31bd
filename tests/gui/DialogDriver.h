#pragma once
// Acts on a modal dialog once it is shown and ready: every few milliseconds it looks for a visible
// top-level widget with the given object name for which `ready` holds, and runs the test's steps on it,
// once. A dialog that talks to the unit pumps events while it waits, so `ready` keeps the steps from
// running inside its exchange.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

class CDialogDriver {
public:
    CDialogDriver(
        QString name, std::function<void(QDialog*)> steps,
        std::function<bool(QDialog*)> ready = [](QDialog*) { return true; })
        : name_(std::move(name)), steps_(std::move(steps)), ready_(std::move(ready)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    bool ran = false;

private:
    void Poll() {
        if (ran) return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog == nullptr || w->objectName() != name_ || !w->isVisible() || !ready_(dialog)) continue;
            ran = true;
            timer_.stop();
            steps_(dialog);
            return;
        }
    }
    QString name_;
    std::function<void(QDialog*)> steps_;
    std::function<bool(QDialog*)> ready_;
    QTimer timer_;
};
