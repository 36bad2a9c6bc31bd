#pragma once
// The main window's questions about changes that have not been transmitted to the gateway.
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"

// Whether a dialog's change (specialty parameters, unit number, EtherNet/IP) is waiting to be sent.
bool UntransmittedChanges(const SMainFlags& flags);

// Close query: with untransmitted changes the question box "Parameters are modified.\r\nDo you wish to
// exit ..." is asked; true lets the window close, false (No) keeps the program running. While an
// exchange with the gateway runs (`commBusy`) the window does not close and nothing is asked.
bool CloseQueryAllowsExit(const SMainFlags& flags, HostServices& host);

// The transmit prompt after a dialog changed parameters: true when the user wants them written now;
// on No the reminder that they take effect only after transmission is shown and false returned.
bool AskTransmitNow(HostServices& host);
