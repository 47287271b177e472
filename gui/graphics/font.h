#pragma once
// A font: family, height, style, colour and character set. Its platform font is made on
// first use and kept per style, so that switching between bold and regular while drawing and
// measuring creates no font after the first use of each style.

#include "gui/classes/identmaps.h"
#include "gui/classes/set.h"
#include "gui/graphics/colors.h"
#include "gui/graphics/graphicsobject.h"
#include "platform/gdi/owned.h"

#include <array>
#include <string>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
template <>
struct TEnumIdents<TFontStyle> {
    static constexpr std::string_view Names[] = {"fsBold", "fsItalic", "fsUnderline",
                                                 "fsStrikeOut"};
};
using TFontStyles = TSet<TFontStyle>;
using TFontCharset = gdi::BYTE;

class TFont : public TGraphicsObject {
public:
    // Copies every property of another font; other sources as TPersistent does.
    void Assign(const TPersistent* source) override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    // Negative: the character (em) height in pixels; positive: the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    // Points at 96 pixels per inch: Height = -MulDiv(Size, 96, 72).
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);

    // The description the platform font is made from.
    gdi::LOGFONT LogFont() const;
    // The platform font for the current properties. It stays valid until the name, height or
    // character set changes or the font goes; EOutOfResources when none can be made.
    gdi::HFONT Handle();

private:
    void FreeHandles() override;

    std::string FName = "Tahoma";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = gdi::DEFAULT_CHARSET;
    // One platform font per combination of the four styles, indexed by the style bits.
    std::array<gdi::TOwnedFont, 16> FHandles;
};

// number x numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDiv(int number, int numerator, int denominator);
