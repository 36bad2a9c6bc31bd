#pragma once
// What lives for the whole run of the desktop tool: the program values, the settings as read, the one
// serial link, the one parameter image, the main window's state and the host services.
#include "core/app/GwComConfig.h"
#include "core/app/ProgramValues.h"
#include "core/files/ParameterFileCommands.h"
#include "core/link/CommUnit.h"
#include "core/params/MainFormState.h"
#include "core/params/ParameterImage.h"
#include "core/service/SearchUnit.h"
#include "gui/app/CQtHost.h"

struct CToolSession {
    CQtHost host;
    SProgramValues program;
    SGwComConfig config;
    CCommUnit link{host};
    ParameterImage image;
    SMainFormState form;
    SParameterFileState files;
    UnitAxisSlotTable unitAxisSlots{};
    int unitAxisCount = 0;  // axis slots of the unit the search chose; 0 = the type's default
};
