#pragma once
// The main window's "Port Config" action (`ShowPortDialog`): when it may open the dialog and whether the
// open port has to be closed afterwards.
#include <functional>

#include "core/app/ProgramValues.h"

// Whether the port or the speed differs between two communication records.
bool PortSettingsChanged(const SGWCommunicate& before, const SGWCommunicate& after);

struct SPortDialogOutcome {
    bool dialogShown = false;  // false while an exchange runs (`commBusy`); then nothing else happened
    bool closePort = false;    // the settings changed while the port was open: close the link now
};

// Runs `showDialog` (the modal communication settings dialog, which edits `comm`) unless `commBusy`.
// When the port or speed changed and the port is open, clears `portOpen` and asks for the link to be
// closed, so that the next exchange opens it with the new values. The caller then refreshes the window.
SPortDialogOutcome RunPortDialog(SMainFlags& flags, SGWCommunicate& comm,
                                 const std::function<void()>& showDialog);
