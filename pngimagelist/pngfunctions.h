#pragma once
// Drawing PNG images in their disabled forms, and turning the other kinds of image (bitmaps
// with a mask or a transparent colour, icons, images of other image lists) into PNG images
// with an alpha channel.
//
// Pixel arithmetic that uses floating point rounds to the nearest integer, halves to even.

#include "gui/classes/identmaps.h"
#include "gui/classes/set.h"
#include "gui/graphics/colors.h"
#include "gui/graphics/geometry.h"
#include "platform/gdi/handles.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TGraphic;
class TPNGObject;

enum TPngOption { pngBlendOnDisabled, pngGrayscaleOnDisabled };
using TPngOptions = TSet<TPngOption>;

template <>
struct TEnumIdents<TPngOption> {
    static constexpr std::string_view Names[] = {"pngBlendOnDisabled", "pngGrayscaleOnDisabled"};
};

// One opacity byte per pixel (255 opaque, 0 transparent), top row first.
struct TAlphaRows {
    TAlphaRows(int width, int height)
        : Width(width), Height(height), Bytes(std::size_t(width) * std::size_t(height), 255) {}

    std::uint8_t* Row(int y) { return Bytes.data() + std::size_t(y) * std::size_t(Width); }

    int Width;
    int Height;
    std::vector<std::uint8_t> Bytes;
};

// True when the image holds a decoded picture; an empty image has none, nor has one whose
// reading failed part way (it may keep a header without pixels).
bool HasPicture(const TPNGObject& png);
// True for colour types 4 and 6, whose alpha lies in a plane of its own (AlphaRow).
bool HasAlphaPlane(const TPNGObject& png);

// Draws the image into rect of the canvas: as the image draws itself when options is
// empty, otherwise a copy faded and/or grey as options say. The image is not changed; an
// image without a picture draws nothing.
void PaintPng(TPNGObject& png, TCanvas& canvas, const TRect& rect, TPngOptions options);
// A copy of the image in its disabled form: with pngBlendOnDisabled faded by 127 (alpha
// halved), then with pngGrayscaleOnDisabled desaturated by 255 (fully grey). The image must
// have a picture.
std::unique_ptr<TPNGObject> DisabledPng(const TPNGObject& png, TPngOptions options);

// Scales every alpha to round(alpha / 256 x (amount + 1)); pixels of a colour key become
// transparent. Grey and palette images first become RGB images with alpha (a palette
// image's partial transparency is not kept), in which every pixel has alpha amount; RGB
// images gain an alpha plane.
void FadePng(TPNGObject& png, std::uint8_t amount);
// Moves each colour towards its grey level L (Luminance): a channel C becomes
// round(C / 256 x (255 - amount)) + round(L / 256 x (amount + 1)), at most 255. With amount
// 255 every channel becomes L. Palette images change their palette; grey images and alpha
// are left as they are.
void DesaturatePng(TPNGObject& png, std::uint8_t amount);
// The grey level of a colour: R x 0.3 + G x 0.59 + B x 0.11, evaluated left to right in
// floating point with a 64-bit significand (each operation rounded to nearest even) and
// rounded to an integer, halves to even.
std::uint8_t Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// A new PNG image of a PNG image (a copy), a bitmap or an icon. A bitmap marked transparent
// loses the pixels of its transparent colour (fixed, or its bottom-left pixel's); an icon
// the pixels its mask marks, and on systems with alpha icons and a true-colour display it
// takes its colour image's alpha when that has any. Without transparency the result is an
// RGB image with no alpha plane. Other graphics give a blank image of their size.
std::unique_ptr<TPNGObject> GraphicToPng(TGraphic& graphic);
// An RGB image with alpha: the colours of image, the alpha the red channel of mask (white
// opaque, black transparent), or its inverse. Without a mask, or outside it, pixels are
// opaque.
std::unique_ptr<TPNGObject> MaskedBitmapToPng(TBitmap& image, TBitmap* mask, bool invertMask);
// An RGB image with alpha: the pixels whose colour is exactly maskColor transparent, all
// others opaque. maskColor is not resolved, so a system colour matches no pixel.
std::unique_ptr<TPNGObject> KeyedBitmapToPng(TBitmap& image, TColor maskColor);
// Makes png a copy of image index of source: the PNG item itself from a PNG image list,
// otherwise the image's icon, opaque where its mask is black. png stays as it was when
// source has no such image.
void CopyPngFromImageList(TPNGObject& png, TCustomImageList& source, int index);
// Overwrites the alpha rows (within both sizes) with the alpha bytes of an icon's 32-bit
// colour bitmap when any of them is not 0; changes nothing otherwise or when the bitmap
// cannot be read.
void ReadIconAlpha(gdi::HBITMAP colourBitmap, TAlphaRows& alpha);
// True when the system draws icons by per-pixel alpha (NT 5.1 or later).
bool AlphaIconsSupported();
