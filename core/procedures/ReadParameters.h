#pragma once
// The Read button: fetches the whole parameter set of the connected gateway unit into the image in one
// fixed sequence of exchanges, then refreshes the main window.
#include "core/procedures/Session.h"

// `ReadParameters`, the handler of `Button2`. Returns 0 when the parameters were read, otherwise the
// cause of the abort (COMM_OPEN_FAILED, COMM_FAILED for a failed exchange or a declined question, or
// READ_REFUSED_BUSY when another exchange was running); the user has been told already.
inline constexpr int READ_REFUSED_BUSY = -3;
int ReadParameters(CSession& session);
