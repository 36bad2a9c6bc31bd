#pragma once
// What lives for the whole run of the desktop tool: the core's session (program values, the one serial
// link, the one parameter image, the main window's state), the host services it reports through, the
// settings as read and the current parameter file.
#include "core/app/GwComConfig.h"
#include "core/files/ParameterFileCommands.h"
#include "core/procedures/Session.h"
#include "gui/app/CQtHost.h"

struct CToolSession {
    CQtHost host;
    CSession core{host};
    SGwComConfig config;
    SParameterFileState files;
    int unitAxisCount = 0;  // axis slots of the unit the search chose; 0 = the type's default
};
