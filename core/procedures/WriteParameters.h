#pragma once
// The Write button: checks the image, makes sure the unit is in MANU mode and runs a firmware and
// network type it can take, writes the register blocks, restarts the unit on request and reads the
// parameters back.
#include "core/procedures/Session.h"

// How a write ended. `code` is 0 after a completed write or a silent abort (a declined question, an
// exchange whose failure was already shown), otherwise the failure code whose message the user has been
// shown; the flags tell a completed write from a silent abort.
struct SWriteResult {
    int code = 0;
    bool transmitted = false;  // every register block reached the unit
    bool restarted = false;    // the restart coil was accepted
    bool readBack = false;     // the read after the restart succeeded
    bool mixedSet = false;     // some register blocks reached the unit, not all: it holds old and new words
};

// `WriteParameters`, the handler of `Button3` (and of the transmit prompt after the advanced dialogs).
// A write cut off after some of its register blocks also tells the user that the unit now holds a mixed
// set of old and new parameters.
SWriteResult WriteParameters(CSession& session);
