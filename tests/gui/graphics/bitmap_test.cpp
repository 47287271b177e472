#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "helpers.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_graphics;

namespace {

// The sixteen standard colours, which every colour format from 4 bits up holds exactly.
constexpr TColor Standard[16] = {clBlack, clMaroon,  clGreen, clOlive, clNavy, clPurple,
                                 clTeal,  clSilver,  clGray,  clRed,   clLime, clYellow,
                                 clBlue,  clFuchsia, clAqua,  clWhite};

TColor StandardAt(int x, int y) {
    return Standard[(x + 4 * y) % 16];
}

std::unique_ptr<TBitmap> StandardColours(TPixelFormat format) {
    auto bitmap = MakeBitmap(4, 4, format);
    Paint(bitmap->Canvas(), 4, 4, StandardAt);
    return bitmap;
}

TEST(Bitmap, ScanLineCountsRowsFromTheTopOfBottomUpStorage) {
    auto bitmap = MakeBitmap(3, 4, pf24bit, clWhite);
    bitmap->Canvas().SetPixels(0, 0, gdi::RGB(10, 20, 30));
    const auto* top = static_cast<const std::uint8_t*>(bitmap->ScanLine(0));
    EXPECT_EQ(top[0], 30);
    EXPECT_EQ(top[1], 20);
    EXPECT_EQ(top[2], 10);

    gdi::BITMAP info;
    ASSERT_TRUE(gdi::GetObject(bitmap->Handle(), info));
    EXPECT_EQ(bitmap->ScanLine(3), info.bmBits) << "the bottom row is stored first";

    auto* bottom = static_cast<std::uint8_t*>(bitmap->ScanLine(3));
    bottom[3] = 0xFF; // blue of pixel (1, 3)
    bottom[4] = bottom[5] = 0;
    EXPECT_EQ(bitmap->Canvas().Pixels(1, 3), clBlue);

    for (int row : {-1, 4})
        try {
            bitmap->ScanLine(row);
            ADD_FAILURE() << "row " << row << " accepted";
        } catch (const EInvalidOperation& error) {
            EXPECT_EQ(error.Message(), "Scan line index out of range");
        }

    auto device = MakeBitmap(2, 2, pfDevice, clLime);
    const auto* row = static_cast<const std::uint8_t*>(device->ScanLine(1));
    EXPECT_EQ(device->PixelFormat(), pf32bit) << "a device bitmap becomes a section";
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 255);
    EXPECT_EQ(row[2], 0);
}

TEST(Bitmap, AdoptedTopDownSectionStillCountsRowsFromTheTop) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -3;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    TBitmap bitmap;
    bitmap.SetHandle(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.ScanLine(0), bits);
}

TEST(Bitmap, ConversionsBetweenColourFormatsKeepTheColours) {
    for (TPixelFormat from : {pf4bit, pf8bit, pf24bit, pf32bit, pfDevice})
        for (TPixelFormat to : {pf4bit, pf8bit, pf24bit, pf32bit, pfDevice}) {
            if (from == to)
                continue;
            SCOPED_TRACE(testing::Message() << "from " << from << " to " << to);
            auto bitmap = StandardColours(from);
            bitmap->SetPixelFormat(to);
            EXPECT_EQ(bitmap->PixelFormat(), to);
            EXPECT_EQ(bitmap->HandleType(), to == pfDevice ? bmDDB : bmDIB);
            ExpectPixels(bitmap->Canvas(), 4, 4,
                         [](int x, int y) { return gdi::COLORREF(StandardAt(x, y)); });
        }
}

TEST(Bitmap, PaletteFormatsKeepColoursThatFitElseTakeTheNearestStandardOnes) {
    auto few = MakeBitmap(3, 1, pf24bit);
    const TColor odd[] = {gdi::RGB(250, 5, 5), gdi::RGB(200, 200, 200), gdi::RGB(1, 2, 3)};
    Paint(few->Canvas(), 3, 1, [&](int x, int) { return odd[x]; });
    few->SetPixelFormat(pf4bit);
    ExpectPixels(few->Canvas(), 3, 1, [&](int x, int) { return odd[x]; });
    few->SetPixelFormat(pf1bit);
    EXPECT_TRUE(few->Monochrome());
    ExpectPixels(few->Canvas(), 3, 1,
                 [](int x, int) { return x == 1 ? gdi::COLORREF(clWhite) : clBlack; });

    auto many = MakeBitmap(17, 1, pf24bit);
    Paint(many->Canvas(), 17, 1, [](int x, int) { return gdi::RGB(250, 5, 5 + x); });
    many->Canvas().SetPixels(16, 0, gdi::RGB(200, 200, 200));
    many->SetPixelFormat(pf4bit);
    EXPECT_EQ(many->Canvas().Pixels(0, 0), clRed);
    EXPECT_EQ(many->Canvas().Pixels(16, 0), clSilver);
}

TEST(Bitmap, MonochromeKeepsOnlyWhite) {
    auto bitmap = MakeBitmap(3, 1, pf24bit);
    bitmap->Canvas().SetPixels(0, 0, clWhite);
    bitmap->Canvas().SetPixels(1, 0, clSilver);
    bitmap->Canvas().SetPixels(2, 0, clBlack);
    bitmap->SetMonochrome(true);
    EXPECT_TRUE(bitmap->Monochrome());
    EXPECT_EQ(bitmap->HandleType(), bmDDB);
    ExpectPixels(bitmap->Canvas(), 3, 1,
                 [](int x, int) { return x == 0 ? gdi::COLORREF(clWhite) : clBlack; });
    bitmap->SetHandleType(bmDIB);
    EXPECT_EQ(bitmap->PixelFormat(), pf1bit);
    EXPECT_EQ(bitmap->Canvas().Pixels(0, 0), clWhite);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsWithTheBrushColour) {
    for (TPixelFormat format : {pfDevice, pf8bit, pf24bit}) {
        SCOPED_TRACE(format);
        auto bitmap = StandardColours(format);
        bitmap->Canvas().Brush().SetColor(clGray);
        bitmap->SetSize(6, 3);
        EXPECT_EQ(bitmap->PixelFormat(), format);
        ExpectPixels(bitmap->Canvas(), 6, 3,
                     [](int x, int y) { return x < 4 ? gdi::COLORREF(StandardAt(x, y)) : clGray; });
    }
    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetWidth(-1), EInvalidOperation);
    bitmap.SetSize(2, 2);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clWhite) << "a new bitmap starts white";
}

TEST(Bitmap, TransparentDrawingLeavesTheKeyColoursPixelsUntouched) {
    auto glyph = MakeBitmap(3, 3, pf24bit, clFuchsia);
    glyph->Canvas().SetPixels(1, 1, clBlue);
    glyph->Canvas().SetPixels(2, 0, clBlack);
    glyph->SetTransparent(true);
    EXPECT_EQ(glyph->TransparentColor(), clFuchsia) << "the bottom-left pixel";

    auto target = MakeBitmap(5, 5, pf24bit, clGreen);
    target->Canvas().SetPixels(1, 1, clYellow);
    target->Canvas().Draw(1, 1, glyph.get());
    ExpectPixels(target->Canvas(), 5, 5, [](int x, int y) {
        if (x == 2 && y == 2)
            return gdi::COLORREF(clBlue);
        if (x == 3 && y == 1)
            return gdi::COLORREF(clBlack);
        return x == 1 && y == 1 ? gdi::COLORREF(clYellow) : gdi::COLORREF(clGreen);
    });

    glyph->SetTransparentColor(clBlue);
    EXPECT_EQ(glyph->TransparentMode(), tmFixed);
    glyph->Canvas().SetPixels(0, 2, clWhite);
    EXPECT_EQ(glyph->TransparentColor(), clBlue);
    auto stretched = MakeBitmap(6, 6, pf24bit, clWhite);
    stretched->Canvas().StretchDraw(Rect(0, 0, 6, 6), glyph.get());
    EXPECT_EQ(stretched->Canvas().Pixels(2, 2), clWhite);
    EXPECT_EQ(stretched->Canvas().Pixels(3, 3), clWhite);
    EXPECT_EQ(stretched->Canvas().Pixels(0, 0), clFuchsia);
    EXPECT_EQ(stretched->Canvas().Pixels(5, 0), clBlack);
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
    auto original = StandardColours(pf8bit);
    original->SetTransparentColor(clRed);
    original->SetTransparent(true);
    TBitmap copy;
    copy.Assign(original.get());
    EXPECT_EQ(copy.PixelFormat(), pf8bit);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clRed);
    EXPECT_NE(copy.Handle(), original->Handle());
    copy.Canvas().SetPixels(0, 0, clWhite);
    EXPECT_EQ(original->Canvas().Pixels(0, 0), StandardAt(0, 0));
    ExpectPixels(copy.Canvas(), 4, 4, [](int x, int y) {
        return x == 0 && y == 0 ? gdi::COLORREF(clWhite) : StandardAt(x, y);
    });

    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, PaletteFormatsShareTheirColourTableAsAPalette) {
    auto bitmap = StandardColours(pf4bit);
    const gdi::HPALETTE palette = bitmap->Palette();
    ASSERT_NE(palette, nullptr);
    gdi::PALETTEENTRY entries[16];
    ASSERT_EQ(gdi::GetPaletteEntries(palette, 0, 16, entries), 16u);
    EXPECT_EQ(gdi::RGB(entries[9].peRed, entries[9].peGreen, entries[9].peBlue), clRed);

    // Swapping black and white recolours the pixels without touching their indices.
    std::swap(entries[0], entries[15]);
    gdi::LOGPALETTE swapped;
    swapped.palNumEntries = 16;
    std::copy_n(entries, 16, swapped.palPalEntry);
    gdi::TOwnedPalette replacement(gdi::CreatePalette(&swapped));
    bitmap->SetPalette(replacement.Get());
    ExpectPixels(bitmap->Canvas(), 4, 4, [](int x, int y) {
        const TColor c = StandardAt(x, y);
        return c == clBlack ? clWhite : c == clWhite ? clBlack : c;
    });
    EXPECT_EQ(StandardColours(pf24bit)->Palette(), nullptr);
}

TEST(Bitmap, HandlesAreOwnedUntilReleased) {
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    const gdi::HBITMAP adopted = gdi::CreateCompatibleBitmap(screen.Get(), 3, 2);
    const gdi::HBITMAP released = [&] {
        TBitmap bitmap;
        bitmap.SetHandle(adopted);
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.HandleType(), bmDDB);
        bitmap.Canvas().FillRect(Rect(0, 0, 3, 2));
        EXPECT_EQ(bitmap.ReleaseHandle(), adopted);
        EXPECT_EQ(bitmap.Width(), 3) << "size and format stay";
        EXPECT_NE(bitmap.Handle(), adopted);
        return adopted;
    }();
    EXPECT_TRUE(gdi::IsValidObject(released)) << "released to the caller";
    {
        TBitmap bitmap;
        bitmap.SetHandle(released);
    }
    EXPECT_FALSE(gdi::IsValidObject(released)) << "deleted by the bitmap that owned it";

    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetHandle(released), EInvalidGraphic);
}

TEST(Bitmap, NoPlatformObjectOutlivesTheBitmap) {
    THandleRecord record;
    {
        auto bitmap = StandardColours(pf24bit);
        TCanvas& canvas = bitmap->Canvas();
        canvas.TextOut(0, 0, "abc");
        canvas.Rectangle(0, 0, 2, 2);
        record.Add(canvas.Font().Handle());
        record.Add(canvas.Pen().Handle());
        record.Add(canvas.Brush().Handle());
        for (TPixelFormat format : {pf8bit, pfDevice, pf1bit}) {
            record.Add(bitmap->Handle());
            bitmap->SetPixelFormat(format);
            canvas.FillRect(Rect(0, 0, 1, 1));
        }
        record.Add(bitmap->Palette());
        bitmap->SetSize(9, 9);
        record.Add(bitmap->Handle());
        bitmap->SetTransparent(true);
        auto target = MakeBitmap(9, 9, pf24bit);
        target->Canvas().Draw(0, 0, bitmap.get());
        record.Add(target->Handle());
        TBitmap pattern(8, 8);
        canvas.Brush().SetBitmap(&pattern);
        canvas.FillRect(Rect(0, 0, 9, 9));
        record.Add(canvas.Brush().Handle());
    }
    EXPECT_EQ(record.Alive(), 0);
}

} // namespace
