#pragma once
// Puts every window the tool opens where the placement rule says: a dialog or message box centred on
// the window it belongs to and below that window's menu bar when there is room, the traffic monitor
// beside the main window, every one inside the screen. One application-wide filter does it as a window
// is first shown, so no window has to remember to.
#include <QObject>

class QWidget;

// Moves `window`, about to be shown for the first time, by the rule relative to the window it belongs
// to; a window without one is left where the platform puts it.
void PlaceByOwner(QWidget& window);

class CWindowPlacer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
