#pragma once
// Edits of the main window's parameter set: an event that changes any register of the set marks it
// modified (`SMainFormState::setModified`); reading, opening, saving, writing and New clear the mark.
#include <functional>
#include <string>

#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Whether two sets hold the same value in every register a parameter file carries or a write sends.
bool SameParameterRegisters(const ParameterImage& a, const ParameterImage& b);

// Runs one event of the main window or of a dialog that edits the set, and marks the set modified when
// the event changed a register.
void EditParameterSet(ParameterImage& image, SMainFormState& form, const std::function<void()>& edit);

// The main window's title: the caption, marked " *" while the set holds unsaved edits.
std::string MainWindowTitle(const SMainFormState& form);
