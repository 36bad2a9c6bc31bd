#pragma once
// The start of the desktop tool up to the main window: settings, the start dialogs (communication
// settings on the first run, gateway type, unit search), the slave address and the layout for the type.
#include <memory>
#include <optional>

#include "gui/app/CToolSession.h"
#include "gui/app/StartOptions.h"

class CMainFormController;
class TGWParaCfgForm;

// Reads the settings file and hands its [Ports] mapping to the link.
void LoadSettings(CToolSession& session);

// Shows the start dialogs the options leave: the communication settings while no port is configured,
// the gateway type selection unless a type is given, and the unit search for the unit-numbered types.
// Returns the unit number the search chose (0 when none or skipped), or nothing when the user left the
// gateway type dialog without a type (the tool then ends).
std::optional<int> RunStartDialogs(CToolSession& session, const SStartOptions& options);

// Fixes the slave address, applies the creation rules of the main window and lays it out for the type;
// the status bar's last panel shows the program's version.
void PrepareMainForm(CToolSession& session, int unitNo, int screenWidth, int screenHeight);

// The main window over the session's state, wired to the controller and the host, rendered once.
std::unique_ptr<TGWParaCfgForm> CreateMainWindow(CToolSession& session, CMainFormController& controller);
