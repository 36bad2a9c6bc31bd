#pragma once
// Runs a step once a window is on the screen where the window manager put it: a message that the step
// shows is then placed on the window, not on where the window was asked for before it was mapped.
#include <QWidget>
#include <functional>

void AfterFirstExposure(QWidget& window, std::function<void()> step);
