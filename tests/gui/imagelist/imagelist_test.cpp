#include "gui/classes/exceptions.h"
#include "gui/graphics/icon.h"
#include "tests/gui/imagelist/helpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_imagelist;

// Records the calls that reach the drawing hook.
class TCountingList : public TImageList {
public:
    using TImageList::TImageList;

    struct TCall {
        int Index;
        int X, Y;
        commctrl::UINT Style;
        bool Enabled;
    };
    std::vector<TCall> Calls;

protected:
    void DoDraw(int index, TCanvas& canvas, int x, int y, commctrl::UINT style,
                bool enabled) override {
        Calls.push_back({index, x, y, style, enabled});
        TImageList::DoDraw(index, canvas, x, y, style, enabled);
    }
};

// Red with a blue square at (4, 4)..(8, 8), blue being the key colour below.
TColor KeyedPicture(int x, int y) {
    return x >= 4 && x < 8 && y >= 4 && y < 8 ? clBlue : clRed;
}

TEST(ImageListDraw, ReachesTheHookOnlyOnceANativeListExists) {
    TCountingList list(nullptr);
    auto canvas = MakeBitmap(20, 20, pf32bit, clLime);
    list.Draw(canvas->Canvas(), 0, 0, 0);
    EXPECT_TRUE(list.Calls.empty());
    EXPECT_FALSE(list.HandleAllocated());

    list.Handle();
    list.Draw(canvas->Canvas(), 3, 4, 7, false);
    list.SetDrawingStyle(dsTransparent);
    list.SetImageType(itMask);
    list.Draw(canvas->Canvas(), 0, 0, 0);
    ASSERT_EQ(list.Calls.size(), 2u);
    EXPECT_EQ(list.Calls[0].Index, 7);
    EXPECT_EQ(list.Calls[0].X, 3);
    EXPECT_EQ(list.Calls[0].Y, 4);
    EXPECT_EQ(list.Calls[0].Style, commctrl::ILD_NORMAL);
    EXPECT_FALSE(list.Calls[0].Enabled);
    EXPECT_EQ(list.Calls[1].Style, commctrl::ILD_TRANSPARENT | commctrl::ILD_MASK);
    // An index outside the list drew nothing.
    ExpectPixels(canvas->Canvas(), 20, 20, [](int, int) { return clLime; });
}

TEST(ImageListDraw, DrawsAMaskedImageOverTheCanvas) {
    TImageList list(nullptr);
    auto image = PaintedBitmap(16, 16, KeyedPicture);
    ASSERT_EQ(list.AddMasked(image.get(), clBlue), 0);
    EXPECT_EQ(list.Count(), 1);
    auto canvas = MakeBitmap(24, 24, pf32bit, clLime);
    list.Draw(canvas->Canvas(), 2, 3, 0);
    ExpectPixels(canvas->Canvas(), 24, 24, [](int x, int y) -> gdi::COLORREF {
        const bool inside = x >= 2 && x < 18 && y >= 3 && y < 19;
        if (!inside)
            return clLime;
        return KeyedPicture(x - 2, y - 3) == clBlue ? clLime : clRed;
    });
}

TEST(ImageListDraw, DisabledImagesShowTheirShapeEmbossed) {
    // The shape: a 2 x 2 square at (1, 1) of a 4 x 4 image; the rest is the key colour.
    auto shape = [](int x, int y) { return x >= 1 && x <= 2 && y >= 1 && y <= 2; };
    TImageList list(nullptr, 4, 4);
    list.AddMasked(
        PaintedBitmap(4, 4, [&](int x, int y) { return shape(x, y) ? clRed : clBlue; }).get(),
        clBlue);
    auto canvas = MakeBitmap(8, 8, pf32bit, clBtnFace);
    list.Draw(canvas->Canvas(), 2, 2, 0, false);
    ExpectPixels(canvas->Canvas(), 8, 8, [&](int x, int y) {
        if (shape(x - 2, y - 2))
            return ColorToRGB(clBtnShadow);
        if (shape(x - 3, y - 3))
            return ColorToRGB(clBtnHighlight);
        return ColorToRGB(clBtnFace);
    });
}

} // namespace
