#include "platform/system/answers.h"
#include "tests/commctrl/pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_commctrl;
using commctrl::HIMAGELIST;
using commctrl::TOwnedImageList;

constexpr std::uint32_t kBackground = 0x00204080;

TOwnedImageList MaskedList(int cx = 2, int cy = 2) {
    return TOwnedImageList(
        commctrl::ImageList_Create(cx, cy, commctrl::ILC_COLOR32 | commctrl::ILC_MASK, 0, 4));
}

// Distinct 2 x 2 images: n picks the colours; alpha ones carry alpha, the others a mask
// that hides their last pixel (black beneath, as the list stores masked images).
TIconPixels AlphaPicture(std::uint32_t n) {
    return {{Argb(255, int(n), 2, 3), Argb(128, 4, int(n), 6), Argb(1, 7, 8, int(n)), 0},
            {0, 0, 0, 0}};
}
TIconPixels MaskedPicture(std::uint32_t n) {
    return {{0x00010000 * n, 0x00000100 * n, n, 0}, {0, 0, 0, kWhite}};
}

commctrl::TOwnedIcon IconOf(const TIconPixels& picture) {
    std::vector<bool> transparent;
    for (std::uint32_t m : picture.Mask)
        transparent.push_back(m == kWhite);
    return MakeIcon(2, 2, picture.Colour, transparent);
}

int AppendIcon(HIMAGELIST list, const TIconPixels& picture) {
    return commctrl::ImageList_ReplaceIcon(list, -1, IconOf(picture).Get());
}

TIconPixels ImageAt(HIMAGELIST list, int index) {
    const commctrl::TOwnedIcon icon(commctrl::ImageList_GetIcon(list, index, 0));
    return IconPixels(icon.Get());
}

TEST(NativeImageList, IconsGoInAndComeOutPixelExact) {
    const TOwnedImageList list = MaskedList();
    const TIconPixels pictures[] = {AlphaPicture(10), MaskedPicture(20), AlphaPicture(30)};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(AppendIcon(list.Get(), pictures[i]), i);
    ASSERT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ImageAt(list.Get(), i), pictures[i]) << "image " << i;

    const TIconPixels replacement = MaskedPicture(40);
    EXPECT_EQ(commctrl::ImageList_ReplaceIcon(list.Get(), 1, IconOf(replacement).Get()), 1);
    EXPECT_EQ(ImageAt(list.Get(), 1), replacement);
    EXPECT_TRUE(commctrl::ImageList_Remove(list.Get(), 0));
    EXPECT_EQ(ImageAt(list.Get(), 0), replacement);
    EXPECT_EQ(ImageAt(list.Get(), 1), pictures[2]);
    EXPECT_FALSE(commctrl::ImageList_Remove(list.Get(), 2));
    EXPECT_EQ(commctrl::ImageList_ReplaceIcon(list.Get(), 2, IconOf(replacement).Get()), -1);
    EXPECT_EQ(commctrl::ImageList_GetIcon(list.Get(), 2, 0), nullptr);
    EXPECT_TRUE(commctrl::ImageList_Remove(list.Get(), -1));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 0);
}

TEST(NativeImageList, StoresWhatTheListKindKeeps) {
    // A masked image's hidden pixels are stored black; a list without a mask keeps all.
    const TIconPixels hiddenRed = {{0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000},
                                   {0, 0, 0, kWhite}};
    const TOwnedImageList masked = MaskedList();
    AppendIcon(masked.Get(), hiddenRed);
    EXPECT_EQ(ImageAt(masked.Get(), 0).Colour[3], 0u);
    const TOwnedImageList plain(commctrl::ImageList_Create(2, 2, commctrl::ILC_COLOR32, 0, 4));
    AppendIcon(plain.Get(), hiddenRed);
    EXPECT_EQ(ImageAt(plain.Get(), 0), (TIconPixels{hiddenRed.Colour, {0, 0, 0, 0}}));
}

TEST(NativeImageList, ScalesIconsOfAnotherSize) {
    const TOwnedImageList list = MaskedList(4, 4);
    const commctrl::TOwnedIcon small = MakeIcon(
        2, 2, {0x00000011, 0x00000022, 0x00000033, 0x00000044}, {false, false, false, false});
    ASSERT_EQ(commctrl::ImageList_ReplaceIcon(list.Get(), -1, small.Get()), 0);
    const TPixels colour = ImageAt(list.Get(), 0).Colour;
    ASSERT_EQ(colour.size(), 16u);
    EXPECT_EQ(colour[0], 0x11u);
    EXPECT_EQ(colour[1 * 4 + 1], 0x11u);
    EXPECT_EQ(colour[3 * 4 + 3], 0x44u);
}

TEST(NativeImageList, AddsEveryImageABitmapHoldsSideBySide) {
    const TOwnedImageList list = MaskedList();
    // Three cells and a half: the half is not an image.
    TPixels strip(7 * 2);
    for (int x = 0; x < 7; ++x)
        strip[std::size_t(x)] = strip[std::size_t(7 + x)] = std::uint32_t(x + 1);
    const gdi::TOwnedBitmap bitmap = ColourBitmap(7, 2, strip);
    std::vector<bool> hidden(14);
    hidden[2] = true; // the first pixel of the second cell
    const gdi::TOwnedBitmap mask = MaskBitmap(7, 2, hidden);
    EXPECT_EQ(commctrl::ImageList_Add(list.Get(), bitmap.Get(), mask.Get()), 0);
    ASSERT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 3);
    EXPECT_EQ(ImageAt(list.Get(), 1), (TIconPixels{{0, 4, 3, 4}, {kWhite, 0, 0, 0}}));
    EXPECT_EQ(ImageAt(list.Get(), 2).Colour, (TPixels{5, 6, 5, 6}));

    const gdi::TOwnedBitmap narrow = ColourBitmap(1, 2, {1, 1});
    EXPECT_EQ(commctrl::ImageList_Add(list.Get(), narrow.Get(), nullptr), -1);
    EXPECT_FALSE(commctrl::ImageList_Replace(list.Get(), 0, narrow.Get(), nullptr));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 3);
}

TEST(NativeImageList, MaskedAddHidesTheKeyColour) {
    const TOwnedImageList list = MaskedList();
    const gdi::TOwnedBitmap bitmap = ColourBitmap(2, 2, {0x00FF00FF, 0x00123456, 0x00FF00FF, 7});
    EXPECT_EQ(commctrl::ImageList_AddMasked(list.Get(), bitmap.Get(), gdi::RGB(255, 0, 255)), 0);
    EXPECT_EQ(ImageAt(list.Get(), 0), (TIconPixels{{0, 0x00123456, 0, 7}, {kWhite, 0, kWhite, 0}}));
}

TEST(NativeImageList, SettingTheSizeEmptiesTheList) {
    const TOwnedImageList list = MaskedList();
    AppendIcon(list.Get(), AlphaPicture(1));
    EXPECT_FALSE(commctrl::ImageList_SetIconSize(list.Get(), 0, 3));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 1);
    EXPECT_TRUE(commctrl::ImageList_SetIconSize(list.Get(), 5, 3));
    int cx = 0, cy = 0;
    EXPECT_TRUE(commctrl::ImageList_GetIconSize(list.Get(), &cx, &cy));
    EXPECT_EQ(cx, 5);
    EXPECT_EQ(cy, 3);
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list.Get()), 0);
}

TEST(NativeImageList, CopiesWithinOneListAndDuplicatesWhole) {
    const TOwnedImageList list = MaskedList();
    for (std::uint32_t n : {1u, 2u, 3u})
        AppendIcon(list.Get(), AlphaPicture(n));
    EXPECT_TRUE(commctrl::ImageList_Copy(list.Get(), 0, list.Get(), 2, commctrl::ILCF_SWAP));
    EXPECT_EQ(ImageAt(list.Get(), 0), AlphaPicture(3));
    EXPECT_EQ(ImageAt(list.Get(), 2), AlphaPicture(1));
    EXPECT_TRUE(commctrl::ImageList_Copy(list.Get(), 1, list.Get(), 0, commctrl::ILCF_MOVE));
    EXPECT_EQ(ImageAt(list.Get(), 1), AlphaPicture(3));
    EXPECT_EQ(ImageAt(list.Get(), 0), AlphaPicture(3));

    const TOwnedImageList copy(commctrl::ImageList_Duplicate(list.Get()));
    EXPECT_FALSE(commctrl::ImageList_Copy(copy.Get(), 0, list.Get(), 0, commctrl::ILCF_MOVE));
    commctrl::ImageList_Remove(list.Get(), -1);
    EXPECT_EQ(commctrl::ImageList_GetImageCount(copy.Get()), 3);
    EXPECT_EQ(ImageAt(copy.Get(), 2), AlphaPicture(1));
}

TEST(NativeImageList, DrawingStylesAndColours) {
    const TOwnedImageList list = MaskedList();
    AppendIcon(list.Get(), MaskedPicture(0x80)); // last pixel hidden
    const HIMAGELIST h = list.Get();
    const std::uint32_t first = 0x00800000, hidden = kBackground;

    TSurface transparent(2, 2, kBackground);
    commctrl::ImageList_SetBkColor(h, gdi::RGB(0, 255, 0));
    commctrl::ImageList_Draw(h, 0, transparent.DC(), 0, 0, commctrl::ILD_TRANSPARENT);
    EXPECT_EQ(transparent.At(0, 0), first);
    EXPECT_EQ(transparent.At(1, 1), hidden);

    TSurface onBackground(2, 2, kBackground);
    commctrl::ImageList_Draw(h, 0, onBackground.DC(), 0, 0, commctrl::ILD_NORMAL);
    EXPECT_EQ(onBackground.At(1, 1), 0x0000FF00u);
    TSurface none(2, 2, kBackground);
    commctrl::ImageList_DrawEx(h, 0, none.DC(), 0, 0, 0, 0, commctrl::CLR_NONE, commctrl::CLR_NONE,
                               commctrl::ILD_NORMAL);
    EXPECT_EQ(none.At(1, 1), hidden);

    TSurface mask(2, 2, kBackground);
    commctrl::ImageList_Draw(h, 0, mask.DC(), 0, 0, commctrl::ILD_MASK);
    EXPECT_EQ(mask.At(0, 0), 0u);
    EXPECT_EQ(mask.At(1, 1), kWhite);

    TSurface blended(2, 2, kBackground);
    commctrl::ImageList_DrawEx(h, 0, blended.DC(), 0, 0, 0, 0, commctrl::CLR_NONE,
                               gdi::RGB(0, 0, 0xFF), commctrl::ILD_BLEND50);
    EXPECT_EQ(blended.At(0, 0), 0x0040007Fu);
    EXPECT_EQ(blended.At(1, 1), hidden);

    TSurface part(2, 2, kBackground);
    commctrl::ImageList_DrawEx(h, 0, part.DC(), 0, 0, 1, 2, commctrl::CLR_NONE, commctrl::CLR_NONE,
                               commctrl::ILD_NORMAL);
    EXPECT_EQ(part.At(0, 0), first);
    EXPECT_EQ(part.At(1, 0), kBackground);
}

TEST(NativeImageList, AlphaImagesMaskTheirClearPixels) {
    const TOwnedImageList list = MaskedList();
    AppendIcon(list.Get(), AlphaPicture(9)); // last pixel alpha 0, mask opaque
    TSurface mask(2, 2, kBackground);
    commctrl::ImageList_Draw(list.Get(), 0, mask.DC(), 0, 0, commctrl::ILD_MASK);
    EXPECT_EQ(mask.At(0, 0), 0u);
    EXPECT_EQ(mask.At(1, 1), kWhite);
}

TEST(NativeImageList, DrawingPartlyOffTheSurfaceKeepsInside) {
    const TOwnedImageList list = MaskedList();
    AppendIcon(list.Get(), MaskedPicture(0x80));
    TSurface surface(2, 2, kBackground);
    EXPECT_TRUE(
        commctrl::ImageList_Draw(list.Get(), 0, surface.DC(), -1, -1, commctrl::ILD_TRANSPARENT));
    EXPECT_EQ(surface.At(0, 0), kBackground); // the image's hidden corner
    EXPECT_EQ(surface.At(1, 1), kBackground);
}

TEST(NativeImageList, StaleHandlesFailWithoutEffect) {
    HIMAGELIST list = MaskedList().Release();
    EXPECT_TRUE(commctrl::ImageList_Destroy(list));
    EXPECT_FALSE(commctrl::ImageList_Destroy(list));
    EXPECT_EQ(commctrl::ImageList_GetImageCount(list), 0);
    EXPECT_EQ(AppendIcon(list, AlphaPicture(1)), -1);
    EXPECT_EQ(commctrl::ImageList_Duplicate(list), nullptr);
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
