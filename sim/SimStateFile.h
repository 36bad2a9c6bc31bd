#pragma once
// Saves and loads the registers of a simulated line as text, so that a gwsim run can continue where
// the last one stopped. Format, one item a line:
//   # comment
//   unit N            (the registers below belong to unit N)
//   ADDR VALUE        (four hexadecimal digits each, e.g. "F101 0015")
#include <string>

#include "sim/GwSimCore.h"

// 0, or -1 when the file cannot be written.
int SaveSimState(const CGwSimCore& core, const std::string& path);
// 0; -1 when the file cannot be read; -2 at the first malformed line (registers before it are set).
// After loading, every unit answers at the address of its stored unit number.
int LoadSimState(CGwSimCore& core, const std::string& path);
