#include "gui/app/AfterFirstExposure.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

// Watches the window's first exposure, then hands the step to the event loop and goes.
class CFirstExposure : public QObject {
public:
    CFirstExposure(QWindow& window, std::function<void()> step) : QObject(&window), step_(std::move(step)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(step_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> step_;
};

}  // namespace

void AfterFirstExposure(QWidget& window, std::function<void()> step) {
    window.winId();  // the native window exists from here on
    QWindow* handle = window.windowHandle();
    if (handle != nullptr && !handle->isExposed()) {
        new CFirstExposure(*handle, std::move(step));
        return;
    }
    QTimer::singleShot(0, &window, std::move(step));
}
