#include "platform/system/answers.h"
#include "tests/platform/commctrl/pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_commctrl;
using commctrl::HIMAGELIST;
using commctrl::TOwnedImageList;

constexpr std::uint32_t kBackground = 0x00204080;

TOwnedImageList MaskedList() {
    return TOwnedImageList(
        commctrl::ImageList_Create(2, 2, commctrl::ILC_COLOR32 | commctrl::ILC_MASK, 0, 4));
}

// Distinct 2 x 2 pictures numbered by n: with alpha, or with their last pixel masked out
// (and black there, as a masked list stores it).
TIconPixels AlphaPicture(std::uint32_t n) {
    return {{Argb(255, int(n), 2, 3), Argb(128, 4, int(n), 6), Argb(1, 7, 8, int(n)), 0},
            {0, 0, 0, 0}};
}
TIconPixels MaskedPicture(std::uint32_t n) {
    return {{0x00010000 * n, 0x00000100 * n, n, 0}, {0, 0, 0, kWhite}};
}

int Append(HIMAGELIST list, const TIconPixels& picture, int index = -1) {
    std::vector<bool> transparent;
    for (std::uint32_t m : picture.Mask)
        transparent.push_back(m == kWhite);
    return commctrl::ImageList_ReplaceIcon(list, index,
                                           MakeIcon(2, 2, picture.Colour, transparent).Get());
}

TIconPixels ImageAt(HIMAGELIST list, int index) {
    const commctrl::TOwnedIcon icon(commctrl::ImageList_GetIcon(list, index, 0));
    return IconPixels(icon.Get());
}

TEST(NativeImageList, IconsGoInAndComeOutPixelExact) {
    const TOwnedImageList list = MaskedList();
    const TIconPixels pictures[] = {AlphaPicture(10), MaskedPicture(20), AlphaPicture(30)};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Append(list.Get(), pictures[i]), i);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ImageAt(list.Get(), i), pictures[i]) << "image " << i;

    EXPECT_EQ(Append(list.Get(), MaskedPicture(40), 1), 1);
    EXPECT_TRUE(commctrl::ImageList_Remove(list.Get(), 0));
    EXPECT_EQ(ImageAt(list.Get(), 0), MaskedPicture(40));
    EXPECT_EQ(ImageAt(list.Get(), 1), pictures[2]);
    EXPECT_FALSE(commctrl::ImageList_Remove(list.Get(), 2));
    EXPECT_EQ(Append(list.Get(), MaskedPicture(40), 2), -1);
    EXPECT_EQ(commctrl::ImageList_GetIcon(list.Get(), 2, 0), nullptr);
    EXPECT_TRUE(commctrl::ImageList_Remove(list.Get(), -1));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 0);
}

TEST(NativeImageList, AddsTheCellsOfABitmapWithTheirMasks) {
    const TOwnedImageList list = MaskedList();
    // Three cells and a half side by side: the half is no image.
    TPixels strip(7 * 2);
    for (std::size_t x = 0; x < 7; ++x)
        strip[x] = strip[7 + x] = std::uint32_t(x + 1);
    std::vector<bool> hidden(14);
    hidden[2] = true; // the first pixel of the second cell
    EXPECT_EQ(commctrl::ImageList_Add(list.Get(), ColourBitmap(7, 2, strip).Get(),
                                      MaskBitmap(7, 2, hidden).Get()),
              0);
    ASSERT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 3);
    EXPECT_EQ(ImageAt(list.Get(), 1), (TIconPixels{{0, 4, 3, 4}, {kWhite, 0, 0, 0}}));
    EXPECT_EQ(commctrl::ImageList_Add(list.Get(), ColourBitmap(1, 2, {1, 1}).Get(), nullptr), -1);

    const gdi::TOwnedBitmap keyed = ColourBitmap(2, 2, {0x00FF00FF, 0x00123456, 0x00FF00FF, 7});
    EXPECT_EQ(commctrl::ImageList_AddMasked(list.Get(), keyed.Get(), gdi::RGB(255, 0, 255)), 3);
    EXPECT_EQ(ImageAt(list.Get(), 3), (TIconPixels{{0, 0x00123456, 0, 7}, {kWhite, 0, kWhite, 0}}));
}

TEST(NativeImageList, SettingTheSizeEmptiesTheList) {
    const TOwnedImageList list = MaskedList();
    Append(list.Get(), AlphaPicture(1));
    EXPECT_FALSE(commctrl::ImageList_SetIconSize(list.Get(), 0, 3));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 1);
    EXPECT_TRUE(commctrl::ImageList_SetIconSize(list.Get(), 5, 3));
    int cx = 0, cy = 0;
    commctrl::ImageList_GetIconSize(list.Get(), &cx, &cy);
    EXPECT_EQ(cx * 10 + cy, 53);
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 0);
}

TEST(NativeImageList, DrawingStylesAndColours) {
    const TOwnedImageList list = MaskedList();
    Append(list.Get(), MaskedPicture(0x80));
    Append(list.Get(), AlphaPicture(9)); // its last pixel has alpha 0
    commctrl::ImageList_SetBkColor(list.Get(), gdi::RGB(0, 255, 0));
    auto draw = [&](int index, commctrl::COLORREF bk, commctrl::COLORREF fg, commctrl::UINT style) {
        auto surface = std::make_unique<TSurface>(2, 2, kBackground);
        EXPECT_TRUE(commctrl::ImageList_DrawEx(list.Get(), index, surface->DC(), 0, 0, 0, 0, bk, fg,
                                               style));
        return surface;
    };
    using commctrl::CLR_DEFAULT, commctrl::CLR_NONE;
    EXPECT_EQ(draw(0, CLR_DEFAULT, CLR_NONE, commctrl::ILD_TRANSPARENT)->At(1, 1), kBackground);
    EXPECT_EQ(draw(0, CLR_DEFAULT, CLR_NONE, commctrl::ILD_NORMAL)->At(1, 1), 0x0000FF00u);
    EXPECT_EQ(draw(0, CLR_NONE, CLR_NONE, commctrl::ILD_NORMAL)->At(1, 1), kBackground);
    const auto blended = draw(0, CLR_NONE, gdi::RGB(0, 0, 0xFF), commctrl::ILD_BLEND50);
    EXPECT_EQ(blended->At(0, 0), 0x0040007Fu); // red 0x80 half way to blue
    const auto mask = draw(1, CLR_NONE, CLR_NONE, commctrl::ILD_MASK);
    EXPECT_EQ(mask->At(0, 0), 0u);
    EXPECT_EQ(mask->At(1, 1), kWhite);
}

TEST(NativeImageList, StaleHandlesFailWithoutEffect) {
    HIMAGELIST list = MaskedList().Release();
    EXPECT_TRUE(commctrl::ImageList_Destroy(list));
    EXPECT_FALSE(commctrl::ImageList_Destroy(list));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list), 0);
    EXPECT_EQ(Append(list, AlphaPicture(1)), -1);
    EXPECT_EQ(commctrl::ImageList_Create(0, 16, 0, 0, 0), nullptr);
}

TEST(CommonControls, VersionFollowsThePlatformAnswer) {
    EXPECT_EQ(commctrl::GetCommonControlsVersion(), 0x00060000u);
    const auto saved = platform::Answers();
    platform::Answers().CommonControlsVersion = 0x00050052;
    EXPECT_EQ(commctrl::GetCommonControlsVersion(), 0x00050052u);
    platform::Answers() = saved;
}

} // namespace
