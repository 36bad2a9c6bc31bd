#pragma once
// What the main window does after the specialty (KAVELIS) or gateway parameter bit dialog closed.
#include "core/procedures/Session.h"

// With `specialParamsModified` set, the transmit prompt: Yes writes the parameters to the unit, No
// shows the reminder and refreshes the window. Without changes nothing happens.
void TransmitSpecialParamsIfModified(CSession& session);
