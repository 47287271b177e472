#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/clipboard.h"
#include "gui/graphics/picture.h"
#include "helpers.h"

#include <gtest/gtest.h>

using namespace testing_graphics;
using namespace clipboard;

namespace {

class ClipboardTest : public testing::Test {
protected:
    void TearDown() override { Clipboard().Clear(); }
};

TEST_F(ClipboardTest, BitmapsGoOntoTheClipboardAndComeBack) {
    auto original = MakeBitmap(3, 2, pf24bit, clSilver);
    original->Canvas().SetPixels(2, 1, clRed);
    Clipboard().Assign(original.get());
    EXPECT_TRUE(Clipboard().HasFormat(CF_BITMAP));
    EXPECT_FALSE(Clipboard().HasFormat(CF_PALETTE));
    original.reset();

    TBitmap pasted;
    pasted.Assign(&Clipboard());
    ASSERT_EQ(pasted.Width(), 3);
    EXPECT_EQ(pasted.PixelFormat(), pf24bit);
    ExpectPixels(pasted.Canvas(), 3, 2, [](int x, int y) {
        return x == 2 && y == 1 ? gdi::COLORREF(clRed) : gdi::COLORREF(clSilver);
    });
    pasted.Canvas().SetPixels(0, 0, clBlack);
    TPicture picture;
    picture.Assign(&Clipboard());
    EXPECT_EQ(picture.Bitmap().Canvas().Pixels(0, 0), clSilver) << "the clipboard kept its own";
}

TEST_F(ClipboardTest, TheClipboardOwnsWhatItHoldsUntilEmptied) {
    auto original = MakeBitmap(2, 2, pf8bit, clTeal);
    Clipboard().Assign(original.get());
    EXPECT_TRUE(Clipboard().HasFormat(CF_PALETTE));
    TBitmap pasted;
    pasted.Assign(&Clipboard());
    EXPECT_EQ(pasted.PixelFormat(), pf8bit);
    EXPECT_EQ(pasted.Canvas().Pixels(1, 0), clTeal);
    Clipboard().Open();
    const gdi::HGDIOBJ bitmap = GetClipboardData(CF_BITMAP);
    const gdi::HGDIOBJ palette = GetClipboardData(CF_PALETTE);
    Clipboard().Close();
    EXPECT_NE(bitmap, original->Handle());
    EXPECT_TRUE(gdi::IsValidObject(bitmap));
    auto other = MakeBitmap(1, 1, pf24bit);
    Clipboard().Assign(other.get());
    EXPECT_FALSE(gdi::IsValidObject(bitmap)) << "replaced data is deleted";
    EXPECT_FALSE(gdi::IsValidObject(palette)) << "the clipboard is emptied before new data";
    Clipboard().Clear();
    EXPECT_FALSE(Clipboard().HasFormat(CF_BITMAP));
}

TEST_F(ClipboardTest, CopyingNothingEmptiesTheClipboardAndPastingNothingChangesNothing) {
    auto bitmap = MakeBitmap(1, 1, pf24bit);
    Clipboard().Assign(bitmap.get());
    TBitmap empty;
    empty.SetPixelFormat(pf8bit);
    Clipboard().Assign(&empty);
    EXPECT_FALSE(Clipboard().HasFormat(CF_BITMAP));
    TPicture picture;
    picture.Bitmap().SetSize(4, 4);
    TGraphic* before = picture.Graphic();
    try {
        picture.Assign(&Clipboard());
        FAIL() << "no error raised";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), "Unsupported clipboard format");
    }
    EXPECT_EQ(picture.Graphic(), before);
}

TEST(PlatformClipboard, TakesOnlyFittingObjectsWhileOpen) {
    gdi::TOwnedBrush brush(gdi::CreateSolidBrush(0));
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    gdi::TOwnedBitmap bitmap(gdi::CreateCompatibleBitmap(screen.Get(), 1, 1));

    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap.Get()), nullptr) << "not open";
    ASSERT_TRUE(OpenClipboard());
    EXPECT_FALSE(OpenClipboard());
    EXPECT_EQ(SetClipboardData(CF_BITMAP, brush.Get()), nullptr);
    EXPECT_EQ(SetClipboardData(CF_PALETTE, bitmap.Get()), nullptr);
    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap.Get()), bitmap.Get());
    const gdi::HBITMAP held = bitmap.Release();
    EXPECT_EQ(SetClipboardData(CF_BITMAP, held), held) << "setting the same object keeps it";
    EXPECT_TRUE(gdi::IsValidObject(held));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), held);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr) << "closed";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    ASSERT_TRUE(OpenClipboard());
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(gdi::IsValidObject(held));
    EXPECT_TRUE(gdi::IsValidObject(brush.Get())) << "refused objects stay with the caller";
}

} // namespace
