#pragma once
// The Read button: fetches the whole parameter set of the connected gateway unit into the image in one
// fixed sequence of exchanges, then refreshes the main window.
#include "core/procedures/Session.h"

// `ReadParameters`, the handler of `Button2`. Returns 0 when the parameters were read, otherwise the
// cause of the abort (COMM_OPEN_FAILED, COMM_FAILED for a failed exchange or a declined question, or
// READ_REFUSED_BUSY when another exchange was running); the user has been told already.
inline constexpr int READ_REFUSED_BUSY = -3;
int ReadParameters(CSession& session);

// The exchanges of a read without its frame: Report Slave ID (not for KAVELIS) and every register
// block of the type, decoded into `image`, which may be another than the window's (a comparison reads
// the unit beside the window's set). The port must be open and the gateway at the configured speed.
// 0, or the failed exchange's result (already reported); `image` may then be partly filled.
int ReadParameterBlocks(CSession& session, ParameterImage& image);

// What a successful read leaves behind once `session.image` holds the unit's set: the modified-marks
// cleared, the snapshots taken, the menus that follow the unit switched, and the recount requested for
// the next display refresh.
void AdoptReadParameters(CSession& session);
