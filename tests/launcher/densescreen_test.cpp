// The main window on a screen of scale 2, from its screenshot: the same logical geometry,
// with text rasterised at twice the size and icons from their double-size renderings. The
// screenshot is saved as main-window-scale2.png in the working directory.

#include "mainwindow.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/owned.h"

#include <cstring>

namespace launchertest {
namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Grey = 0x808080;

gdi::COLORREF ColourOf(std::uint32_t pixel) {
    return gdi::RGB(gdi::BYTE(pixel >> 16), gdi::BYTE(pixel >> 8), gdi::BYTE(pixel));
}

void Save(const win::TScreenshot& shot, const std::string& path) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = shot.Width;
    info.bmiHeader.biHeight = -shot.Height;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const gdi::TOwnedBitmap bitmap(
        gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    ASSERT_NE(bits, nullptr);
    std::memcpy(bits, shot.Pixels.data(), shot.Pixels.size() * 4);
    TPNGObject png;
    png.AssignFromBitmapHandle(bitmap.Get(), false, 0);
    png.SaveToFile(path);
}

class DenseScreen : public TMainWindowTest {
protected:
    // The main window's client area, opened on a new screen of the scale.
    win::TScreenshot Shot(int scale) {
        Restart(scale);
        Open();
        return Headless->Screenshot(Window->Handle());
    }

    // A point of a control's client area in the window's client coordinates.
    TPoint InWindow(const TControl& control, int x, int y) const {
        return Window->ScreenToClient(control.ClientToScreen({x, y}));
    }
};

TEST_F(DenseScreen, TheMainWindowKeepsItsGeometryWithFourPixelsForEachOfItsOwn) {
    const win::TScreenshot one = Shot(1);
    const win::TScreenshot two = Shot(2);
    Save(two, "main-window-scale2.png");
    ASSERT_EQ(two.Width, 2 * one.Width);
    ASSERT_EQ(two.Height, 2 * one.Height);
    // Away from every edge of the scale-1 picture (two pixels all round, so that neither
    // text nor icons reach), both show the same colour.
    const auto flat = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (one.At(x + dx, y + dy) != one.At(x, y))
                    return false;
        return true;
    };
    int compared = 0, differing = 0;
    for (int y = 2; y + 2 < one.Height; ++y)
        for (int x = 2; x + 2 < one.Width; ++x) {
            if (!flat(x, y))
                continue;
            ++compared;
            for (int k = 0; k < 4; ++k)
                differing += two.At(2 * x + k % 2, 2 * y + k / 2) != one.At(x, y);
        }
    EXPECT_GT(compared, one.Width * one.Height / 2);
    EXPECT_EQ(differing, 0);
    // Below the items and above the buttons lie only frames and the bevel: every pixel of
    // them, edges included, is doubled.
    differing = 0;
    for (int y = 380; y < 432; ++y)
        for (int x = 0; x < one.Width; ++x)
            for (int k = 0; k < 4; ++k)
                differing += two.At(2 * x + k % 2, 2 * y + k / 2) != one.At(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(DenseScreen, IconsComeFromTheirDoubleSizeRenderings) {
    const win::TScreenshot two = Shot(2);
    const TPNGObject& music = Artwork("icons/96/category-music.png");
    const TPoint corner = InWindow(*Window->ListBoxMain, 60, 80 + 6);
    int differing = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            differing +=
                ColourOf(two.At(2 * corner.X + x, 2 * corner.Y + y)) != Blended(music, x, y, White);
    EXPECT_EQ(differing, 0);
}

// The bounding box of the pixels of a screenshot's area that are not white.
gdi::RECT InkIn(const win::TScreenshot& shot, const gdi::RECT& area) {
    gdi::RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ColourOf(shot.At(x, y)) != White)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

TEST_F(DenseScreen, TextIsRasterisedAtTheScreensResolution) {
    const win::TScreenshot one = Shot(1);
    // The second tool's first description line, black on white.
    const TPoint origin = InWindow(*Window->ListBoxData, 100, 75 + 25);
    const gdi::RECT line{origin.X, origin.Y, origin.X + 362, origin.Y + 13};
    const gdi::RECT small = InkIn(one, line);
    const win::TScreenshot two = Shot(2);
    const gdi::RECT large =
        InkIn(two, {2 * line.left, 2 * line.top, 2 * line.right, 2 * line.bottom});
    EXPECT_NEAR(large.left, 2 * small.left, 2);
    EXPECT_NEAR(large.right, 2 * small.right, 2);
    EXPECT_NEAR(large.top, 2 * small.top, 2);
    EXPECT_NEAR(large.bottom, 2 * small.bottom, 2);
    // Not the small picture enlarged: most inked 2 x 2 cells hold more than one shade.
    int inked = 0, mixed = 0;
    for (int y = large.top / 2; y < large.bottom / 2; ++y)
        for (int x = large.left / 2; x < large.right / 2; ++x) {
            const std::uint32_t c = two.At(2 * x, 2 * y);
            const bool uniform = two.At(2 * x + 1, 2 * y) == c && two.At(2 * x, 2 * y + 1) == c &&
                                 two.At(2 * x + 1, 2 * y + 1) == c;
            inked += ColourOf(c) != White || !uniform;
            mixed += !uniform;
        }
    EXPECT_GT(mixed, inked / 2);
}

TEST_F(DenseScreen, ThePointerMovesInLogicalCoordinates) {
    Shot(2);
    MoveTo(*Window->ListBoxData, 200, 2 * 75 + 30);
    EXPECT_EQ(Window->ListBoxData->ItemIndex(), 2);
    const win::TScreenshot two = Headless->Screenshot(Window->Handle());
    const TPoint inside = InWindow(*Window->ListBoxData, 5, 2 * 75 + 2);
    const TPoint above = InWindow(*Window->ListBoxData, 5, 2 * 75 - 1);
    EXPECT_EQ(ColourOf(two.At(2 * inside.X, 2 * inside.Y)), Grey);
    EXPECT_EQ(ColourOf(two.At(2 * above.X + 1, 2 * above.Y + 1)), White);
}

} // namespace
} // namespace launchertest
