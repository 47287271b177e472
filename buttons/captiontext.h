#pragma once
// Caption text drawn (or measured) with the platform's text formatting.

#include "gui/graphics/canvas.h"

#include <string_view>

// Draws the whole text in rect with the DT_ flags, in the canvas's font and font colour,
// and returns the height of the text. With DT_CALCRECT nothing is drawn and rect receives
// the text's extent.
int DrawCaptionOnCanvas(TCanvas& canvas, std::string_view text, TRect& rect, gdi::UINT flags);
