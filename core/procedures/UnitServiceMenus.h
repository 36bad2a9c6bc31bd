#pragma once
// The unit-service menu items that a read or a write switches on or off by gateway type.
#include "core/app/ProgramValues.h"
#include "core/params/layout/MainFormState.h"

// After a successful read: unit number, time setting, alarm list, hardware monitor and (DRAVO in
// ExtendedMode) driver monitor parameters.
void SetUnitServiceMenusAfterRead(SMainFormState& form, const SProgramValues& program);
// After a successful write: unit number and time setting.
void SetUnitServiceMenusAfterWrite(SMainFormState& form, const SProgramValues& program);
