#include "gui/app/WindowPlacer.h"

#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include "core/app/WindowPlacement.h"

namespace {

constexpr const char* PLACED = "placedByOwner";

SScreenRect ScreenRectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The first row below the owner's title bar and, for the main window, its menu bar.
int BarsBottom(const QWidget& owner) {
    const auto* main = qobject_cast<const QMainWindow*>(&owner);
    const QWidget* menu = main != nullptr ? main->menuWidget() : nullptr;
    if (menu == nullptr || !menu->isVisible()) return owner.geometry().top();
    return menu->mapToGlobal(QPoint(0, menu->height())).y();
}

// A window that stays open while its owner is used (not a dialog) goes beside it.
EWindowPlacement PlacementOf(const QWidget& window) {
    return qobject_cast<const QDialog*>(&window) != nullptr ? EWindowPlacement::CentredOnOwner
                                                            : EWindowPlacement::BesideOwner;
}

}  // namespace

void PlaceByOwner(QWidget& window) {
    const QWidget* owner = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible() || owner->screen() == nullptr) return;
    // Not yet shown, the window may know nothing of its frame: the owner's frame stands in for it.
    const QMargins frame = FrameOf(*owner);
    const QSize size = window.size().grownBy(frame);
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(frame);
    const SScreenRect placed =
        PlaceWindow({PlacementOf(window), ScreenRectOf(owner->screen()->availableGeometry()),
                     ScreenRectOf(owner->frameGeometry()), BarsBottom(*owner), size.width(), size.height(),
                     least.width()});
    const QSize inner = QSize(placed.width, placed.height).shrunkBy(frame);
    if (inner != window.size()) window.resize(inner);
    // Qt moves a window by the frame it knows of: none on X11 before the window manager has framed the
    // window, so the rest of the frame is added here.
    const QMargins known = FrameOf(window);
    window.move(placed.left + frame.left() - known.left(), placed.top + frame.top() - known.top());
}

bool CWindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    const bool ownWindow = window->windowType() == Qt::Window || window->windowType() == Qt::Dialog;
    if (!ownWindow || window->property(PLACED).toBool()) return false;
    window->setProperty(PLACED, true);
    // The window sizes itself as it shows (a message box fits its text then): it gets the event first,
    // then it is placed, before the platform maps it.
    watched->event(event);
    PlaceByOwner(*window);
    return true;
}
