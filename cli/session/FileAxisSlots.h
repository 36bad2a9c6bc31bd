#pragma once
// The axis slot count a parameter file needs when no unit tells it: the window is laid out wide enough
// for every axis the file holds, so that opening it without a unit keeps all of them.
#include <string>

#include "core/app/GwType.h"

// The unit axis count to lay the window out with for the file at `path`: the slots up to the file's last
// configured axis, at least the type's default; 0 (the default) when the file does not load.
int FileAxisSlots(const std::string& path, GwType type);
