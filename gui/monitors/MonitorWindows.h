#pragma once
// The Monitor menu's windows: which Qt window stands for which monitor. The main window runs each one
// through the core's monitor rules (`RunMonitorWindow`).
#include <QWidget>

#include "core/monitors/MonitorWindow.h"
#include "gui/app/CToolSession.h"

// True when the tool has a window for the monitor.
bool HasMonitorWindow(EMonitorKind kind);

// Creates the monitor's window, shows it modally and destroys it.
void ShowMonitorWindow(EMonitorKind kind, CToolSession& session, QWidget* owner);
