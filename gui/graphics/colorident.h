#pragma once
// The names of the GUI layer's colour constants, as streams and layouts write them
// ("clWindow", "clBtnFace", "clRed").

#include "gui/classes/identmaps.h"
#include "gui/graphics/colors.h"

#include <optional>
#include <string_view>

// Colour properties travel as signed 32-bit integers, so the table holds each colour's
// value in that form (clBtnFace is -16777201).
TIdentMap ColorIdents();

std::optional<TColor> IdentToColor(std::string_view ident);
std::optional<std::string_view> ColorToIdent(TColor colour);
