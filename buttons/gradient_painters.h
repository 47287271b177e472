#pragma once
// The painters behind DrawGradient. Each paints onto an off-screen canvas whose pen draws
// nothing and whose brush is solid, in colours already resolved to RGB. Colours move in
// 16.16 fixed point from a start towards an end; neighbouring positions of one colour are
// merged into bands, each filled once.

#include "gui/graphics/canvas.h"

#include <cstdint>

namespace gradient {

// The steps a band holds at least beyond its first, from the band byte: b for 2..8, about
// numerator / b above 8, none for 0 and 1. The box painter uses numerator 256, the others
// 255.
int BandMinimum(std::uint8_t band, int numerator);

enum TStripDirection { sdColumns, sdRows };

// An 8-pixel strip of length positions (columns 0..length-1 of rows 0..7, or rows of columns
// 0..7). With split <= 0, first at position 0 and second at the far end; with a split, first
// at both ends and second at the split.
void PaintLinearStrip(TCanvas& canvas, TStripDirection direction, int split, int length,
                      gdi::COLORREF first, gdi::COLORREF second, std::uint8_t band);

// Grows the tile at (x, y) to target width x height by copying what is filled below and
// beside itself, doubling each time.
void ReplicateTile(gdi::HDC dc, int x, int y, int targetWidth, int targetHeight, int tileWidth,
                   int tileHeight);

// The top-left quadrant of a width x height box gradient: second at the centre (kept flat
// over the insets), first at the outer edge.
void PaintBoxQuadrant(TCanvas& canvas, int width, int height, int xInset, int yInset,
                      gdi::COLORREF first, gdi::COLORREF second, std::uint8_t band);

// Mirrors the top-left quadrant of the width x height area at (x, y) into the bottom-left,
// then the left half into the right half; a middle row or column of an odd size stays.
void MirrorQuadrant(gdi::HDC dc, int x, int y, int width, int height);

// Bands parallel to the top-left/bottom-right diagonal of a |width| x height area. A positive
// width runs from first at the bottom-left corner to second at the top-right corner; a
// negative one from second at the bottom-right corner to first at the top-left corner.
void PaintDiagonal(TCanvas& canvas, int width, int height, gdi::COLORREF first,
                   gdi::COLORREF second, std::uint8_t band);

} // namespace gradient
