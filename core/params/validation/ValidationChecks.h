#pragma once
// The checks of a prepared image, per gateway type. The first failing check decides the result code
// (codes in Validation.h). Two checks correct the image instead of failing: an unknown TP port baud
// code becomes 115200 bit/s (20), and a multi-drop word other than "DROP" becomes 0 once everything
// passed.
#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

int ValidateImage(ParameterImage& image, GwType type);
