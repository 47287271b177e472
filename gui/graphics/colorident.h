#pragma once
// The names of the GUI layer's colour constants, as streams and layouts write them
// ("clWindow", "clBtnFace", "clRed").

#include "gui/classes/identmaps.h"
#include "gui/graphics/colors.h"

// Colour properties travel as signed 32-bit integers, so the table holds each colour's
// value in that form (clBtnFace is -16777201).
TIdentMap ColorIdents();
