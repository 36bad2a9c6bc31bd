#pragma once
// The Write button: checks the image, makes sure the unit is in MANU mode and runs a firmware and
// network type it can take, writes the register blocks, restarts the unit on request and reads the
// parameters back.
#include "core/procedures/Session.h"

// `WriteParameters`, the handler of `Button3` (and of the transmit prompt after the advanced dialogs).
// Returns the code the write ended with: 0 after a completed write (with or without restart) or a
// silent abort, otherwise the failure code whose message the user has been shown.
int WriteParameters(CSession& session);
