// The PNG image list: its operations on the PNG items and the native images, calls through
// the base class, drawing, the disabled renderings and the icons of the native images.

#include "gui/classes/exceptions.h"
#include "gui/classes/strings.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/errortexts.h"
#include "tests/platform/commctrl/pixels.h"
#include "tests/pngimagelist/helpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_pngimagelist;
using testing_commctrl::IconPixels;

constexpr TColor White = 0xFFFFFF;

// The RGBA of pixel (x, y) of native image index.
TRgba NativePixel(TCustomImageList& list, int index, int x, int y) {
    const commctrl::TOwnedIcon icon(commctrl::ImageList_GetIcon(list.Handle(), index, 0));
    const auto rgba = commctrl::ReadIconRgba(icon.Get());
    if (!rgba)
        return {};
    const auto at = (std::size_t(y) * std::size_t(rgba->Width) + std::size_t(x)) * 4;
    return {rgba->Rgba[at], rgba->Rgba[at + 1], rgba->Rgba[at + 2], rgba->Rgba[at + 3]};
}

// A bitmap of the list's size in one colour, opaque.
std::unique_ptr<TBitmap> SolidBitmap(const TCustomImageList& list, TColor colour) {
    return Surface(list.Width(), list.Height(), colour);
}

class PngImageList : public ::testing::Test {
protected:
    // A 16 x 16 list of opaque images in these colours (0x00BBGGRR).
    void Fill(std::initializer_list<TColor> colours) {
        for (TColor colour : colours)
            List.Add(SolidBitmap(List, colour).get(), nullptr);
    }
    std::string NameOf(int index) const { return List.PngImages()->Items(index)->Name(); }
    // The colour item index draws at its top-left pixel.
    TColor Drawn(int index, bool enabled = true) {
        auto surface = Surface(16, 16, White);
        List.Draw(surface->Canvas(), 0, 0, index, enabled);
        return surface->Canvas().Pixels(0, 0);
    }
    TColor NativeColour(int index) {
        const TRgba p = NativePixel(List, index, 0, 0);
        return gdi::RGB(p.R, p.G, p.B);
    }

    TPngImageList List{nullptr};
};

TEST_F(PngImageList, AddNamesTheItemByItsIndexAndMoveKeepsTheName) {
    Fill({0x0000FF, 0x00FF00, 0xFF0000});
    const int index = List.Add(SolidBitmap(List, 0x00FFFF).get(), nullptr);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(NameOf(3), "PngImage3");
    EXPECT_EQ(List.PngImages()->Items(3)->Background(), clBtnFace);
    EXPECT_EQ(List.Count(), 4);

    List.Move(3, 0);
    EXPECT_EQ(NameOf(0), "PngImage3");
    EXPECT_EQ(NameOf(1), "PngImage0");
    EXPECT_EQ(Drawn(0), 0x00FFFFu);
    EXPECT_EQ(Drawn(1), 0x0000FFu);
    // The native images moved alike.
    EXPECT_EQ(NativeColour(0), 0x00FFFFu);
    EXPECT_EQ(NativeColour(3), 0xFF0000u);
}

TEST_F(PngImageList, NoImageOrAnEmptyOneAddsNothing) {
    Fill({0x0000FF});
    TBitmap empty;
    TIcon noIcon;
    EXPECT_EQ(List.Add(nullptr, nullptr), -1);
    EXPECT_EQ(List.Add(&empty, nullptr), -1);
    EXPECT_EQ(List.AddIcon(&noIcon), -1);
    EXPECT_EQ(List.AddMasked(nullptr, clRed), -1);
    List.Insert(0, nullptr, nullptr);
    List.ReplaceIcon(0, &noIcon);
    EXPECT_EQ(List.PngImages()->Count(), 1);
    EXPECT_EQ(Drawn(0), 0x0000FFu);
}

TEST_F(PngImageList, SizeSettersEmptyTheListAlsoThroughABaseReference) {
    Fill({0x0000FF, 0x00FF00});
    List.SetWidth(16);
    EXPECT_EQ(List.PngImages()->Count(), 2);
    List.SetWidth(24);
    EXPECT_EQ(List.PngImages()->Count(), 0);
    EXPECT_EQ(List.Count(), 0);

    Fill({0x0000FF});
    TCustomImageList& base = List;
    base.SetHeight(32);
    EXPECT_EQ(List.PngImages()->Count(), 0);
    EXPECT_EQ(List.Count(), 0);
}

TEST_F(PngImageList, ClearThroughABaseReferenceEmptiesTheItemsAndAddStartsAgainAtZero) {
    Fill({0x0000FF, 0x00FF00});
    TCustomImageList& base = List;
    base.Clear();
    EXPECT_EQ(List.PngImages()->Count(), 0);
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(base.Add(SolidBitmap(List, 0xFF0000).get(), nullptr), 0);
    EXPECT_EQ(List.PngImages()->Count(), 1);
    EXPECT_EQ(Drawn(0), 0xFF0000u);
}

TEST_F(PngImageList, AssigningAListCopiesItsImagesAsPngItemsButNotTheirNames) {
    Fill({0x0000FF, 0x00FF00});
    List.PngImages()->Items(1)->SetName("Glyph");
    List.PngImages()->Items(1)->SetBackground(clWindow);
    TPngImageList copy(nullptr);
    copy.SetWidth(48);
    copy.Assign(&List);
    EXPECT_EQ(copy.Width(), 16);
    ASSERT_EQ(copy.PngImages()->Count(), 2);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.PngImages()->Items(1)->Name(), "PngImage1");
    EXPECT_EQ(copy.PngImages()->Items(1)->Background(), clBtnFace);
    EXPECT_EQ(pngtest::WritePng(*copy.PngImages()->Items(1)->PngImage()),
              pngtest::WritePng(*List.PngImages()->Items(1)->PngImage()));

    // A plain list keeps its own behaviour and gives its images through their icons.
    TImageList plain(nullptr);
    EXPECT_EQ(plain.Add(SolidBitmap(plain, 0x123456).get(), nullptr), 0);
    EXPECT_EQ(plain.Count(), 1);
    copy.Assign(&plain);
    ASSERT_EQ(copy.PngImages()->Count(), 1);
    EXPECT_EQ(PixelOf(*copy.PngImages()->Items(0)->PngImage(), 5, 5),
              (TRgba{0x56, 0x34, 0x12, 255}));

    // Copying the collection takes names and backgrounds too.
    copy.SetPngImages(List.PngImages());
    EXPECT_EQ(copy.PngImages()->Items(1)->Name(), "Glyph");
    EXPECT_EQ(copy.PngImages()->Items(1)->Background(), clWindow);
    EXPECT_EQ(copy.Count(), 2);
}

TEST_F(PngImageList, InsertDeleteAndReplaceKeepTheNativeImagesInStep) {
    Fill({0x0000FF, 0x00FF00});
    List.Insert(1, SolidBitmap(List, 0xFF0000).get(), nullptr);
    List.InsertMasked(3, SolidBitmap(List, 0x00FFFF).get(), clNone);
    ASSERT_EQ(List.PngImages()->Count(), 4);
    EXPECT_EQ(NameOf(1), "PngImage2");
    const std::vector<TColor> order = {0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Drawn(i), order[std::size_t(i)]) << i;
        EXPECT_EQ(NativeColour(i), order[std::size_t(i)]) << i;
    }
    List.Delete(0);
    List.Delete(4);
    List.Delete(-1);
    List.Replace(2, SolidBitmap(List, 0x808080).get(), nullptr);
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(Drawn(0), 0xFF0000u);
    EXPECT_EQ(Drawn(2), 0x808080u);
    EXPECT_EQ(NativeColour(2), 0x808080u);
}

TEST_F(PngImageList, IndexesOutsideTheListRaiseAndChangeNothing) {
    Fill({0x0000FF});
    const auto image = SolidBitmap(List, 0xFF0000);
    const auto expectRefused = [&](const std::function<void()>& call) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const EInvalidOperation& error) {
            EXPECT_EQ(error.Message(), SImageIndexError);
        }
        EXPECT_EQ(List.PngImages()->Count(), 1);
        EXPECT_EQ(List.Count(), 1);
    };
    expectRefused([&] { List.Insert(2, image.get(), nullptr); });
    expectRefused([&] { List.InsertMasked(-1, image.get(), clNone); });
    expectRefused([&] { List.Move(0, 1); });
    expectRefused([&] { List.Replace(1, image.get(), nullptr); });
    EXPECT_EQ(Drawn(0), 0x0000FFu);
}

TEST_F(PngImageList, DrawBeyondTheItemsLeavesTheCanvasUntouched) {
    Fill({0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF});
    auto surface = Surface(20, 20, 0x336699);
    const auto before = Pixels(surface->Canvas(), 20, 20);
    List.Draw(surface->Canvas(), 2, 2, 7, true);
    List.Draw(surface->Canvas(), 2, 2, -1, false);
    EXPECT_EQ(Pixels(surface->Canvas(), 20, 20), before);
}

TEST_F(PngImageList, DisabledDrawingHalvesAlphaByDefaultAndFollowsThePngOptions) {
    Fill({0x0000FF});
    // An opaque pixel is drawn with alpha 128.
    EXPECT_EQ(Drawn(0, false), BlendColour({255, 0, 0, 128}, White));
    List.SetPngOptions({});
    EXPECT_EQ(Drawn(0, false), 0x0000FFu);
    List.SetPngOptions({pngGrayscaleOnDisabled});
    EXPECT_EQ(Drawn(0, false), gdi::RGB(76, 76, 76));
    EXPECT_EQ(Drawn(0, true), 0x0000FFu);
}

TEST_F(PngImageList, EnabledImagesFalseFadesTheNativeImagesButNotTheDrawing) {
    Fill({0x0000FF});
    EXPECT_EQ(NativePixel(List, 0, 3, 3), (TRgba{255, 0, 0, 255}));
    List.SetEnabledImages(false);
    EXPECT_EQ(NativePixel(List, 0, 3, 3), (TRgba{255, 0, 0, 128}));
    EXPECT_EQ(Drawn(0), 0x0000FFu);
    // Images added or inserted meanwhile take the disabled form too.
    List.Insert(0, SolidBitmap(List, 0x00FF00).get(), nullptr);
    List.Add(SolidBitmap(List, 0xFF0000).get(), nullptr);
    EXPECT_EQ(NativePixel(List, 0, 3, 3), (TRgba{0, 255, 0, 128}));
    EXPECT_EQ(NativePixel(List, 2, 3, 3), (TRgba{0, 0, 255, 128}));
    // Without options there is no disabled form.
    List.SetPngOptions({});
    EXPECT_EQ(NativePixel(List, 0, 3, 3), (TRgba{0, 255, 0, 255}));
}

TEST_F(PngImageList, ItemChangesRebuildTheNativeImagesUnlessLocked) {
    auto red = SolidPng(16, 16, {255, 0, 0, 255});
    List.PngImages()->AddItem(false)->SetPngImage(red.get());
    EXPECT_EQ(List.Count(), 1);
    List.LockRebuild();
    List.PngImages()->AddItem(false);
    List.PngImages()->Items(1)->SetPngImage(red.get());
    EXPECT_EQ(List.Count(), 1);
    List.UnlockRebuild(true);
    EXPECT_EQ(List.Count(), 2);
    EXPECT_EQ(NativePixel(List, 1, 0, 0), (TRgba{255, 0, 0, 255}));
    // An item without a picture still has its (transparent) native image, and can go.
    List.PngImages()->AddItem(false);
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(NativePixel(List, 2, 0, 0).A, 0);
    List.Delete(2);
    EXPECT_EQ(List.PngImages()->Count(), 2);
    EXPECT_EQ(List.Count(), 2);
}

TEST_F(PngImageList, AddImageCopiesFromAnyListAndFromItself) {
    Fill({0x0000FF, 0x00FF00});
    EXPECT_EQ(List.AddImage(&List, 1), 2);
    EXPECT_EQ(Drawn(2), 0x00FF00u);
    List.AddImages(&List);
    EXPECT_EQ(List.PngImages()->Count(), 6);
    EXPECT_EQ(Drawn(5), 0x00FF00u);
    // No such image: an item with an empty picture, which draws nothing.
    EXPECT_EQ(List.AddImage(&List, 42), 6);
    EXPECT_TRUE(List.PngImages()->Items(6)->PngImage()->Empty());
    EXPECT_EQ(Drawn(6), White);
    EXPECT_EQ(List.Count(), 7);
    EXPECT_EQ(List.AddImage(nullptr, 0), -1);
}

TEST_F(PngImageList, ItemsCopyOnlyIntoItems) {
    Fill({0x0000FF});
    TPngImageCollectionItem& item = *List.PngImages()->Items(0);
    TStringList strings;
    try {
        strings.Assign(&item);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TPngImageCollectionItem to a TStringList");
    }
}

// ---- The icons of the native images ---------------------------------------------------------

class NativeIcons : public ::testing::Test {
protected:
    // Opaque red, blue at alpha 100, transparent green.
    std::unique_ptr<TPNGObject> Png = RgbaPng(3, 1, [](int x, int) {
        const TRgba pixels[] = {{255, 0, 0, 255}, {0, 0, 255, 100}, {0, 255, 0, 0}};
        return pixels[x];
    });
    TAnswers Answers;
};

TEST_F(NativeIcons, CommonControls6TakeAlphaIconsAndOlderOnesMaskedIcons) {
    using testing_commctrl::Argb;
    const auto alpha = IconPixels(TPngImageList::MakeAlphaIcon(*Png).Get());
    EXPECT_EQ(alpha.Colour, (testing_commctrl::TPixels{Argb(255, 255, 0, 0), Argb(100, 0, 0, 255),
                                                       Argb(0, 0, 255, 0)}));
    EXPECT_EQ(alpha.Mask, (testing_commctrl::TPixels{0, 0, 0}));

    // Composed onto the background (0x0000FF00 here, green); opaque where alpha is not 0.
    const auto masked = IconPixels(TPngImageList::MakeMaskedIcon(*Png, 0x00FF00).Get());
    EXPECT_EQ(masked.Colour[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(masked.Colour[1] & 0xFFFFFF,
              std::uint32_t(Argb(0, 0, Blend(0, 100, 255), Blend(255, 100, 0))));
    EXPECT_EQ(masked.Mask, (testing_commctrl::TPixels{0, 0, testing_commctrl::kWhite}));

    EXPECT_EQ(IconPixels(TPngImageList::MakeIcon(*Png, 0x00FF00).Get()), alpha);
    Answers->CommonControlsVersion = 0x00050052;
    EXPECT_EQ(IconPixels(TPngImageList::MakeIcon(*Png, 0x00FF00).Get()), masked);
}

TEST_F(NativeIcons, ColourKeysGiveFullOrNoAlphaAndOpaqueImagesNone) {
    using testing_commctrl::Argb;
    auto keyed = RgbPng(
        2, 1,
        [](int x, int) {
            return x ? TRgb{9, 9, 9} : TRgb{1, 2, 3};
        },
        TRgb{9, 9, 9});
    EXPECT_EQ(IconPixels(TPngImageList::MakeAlphaIcon(*keyed).Get()).Colour,
              (testing_commctrl::TPixels{Argb(255, 1, 2, 3), Argb(0, 9, 9, 9)}));
    EXPECT_EQ(IconPixels(TPngImageList::MakeMaskedIcon(*keyed, clBlack).Get()).Mask,
              (testing_commctrl::TPixels{0, testing_commctrl::kWhite}));
    // All alpha 0 under an opaque mask: the platform draws it opaque.
    auto opaque = RgbPng(1, 1, [](int, int) { return TRgb{1, 2, 3}; });
    const auto icon = TPngImageList::MakeAlphaIcon(*opaque);
    EXPECT_EQ(IconPixels(icon.Get()).Colour, (testing_commctrl::TPixels{Argb(0, 1, 2, 3)}));
    EXPECT_EQ(commctrl::ReadIconRgba(icon.Get())->Rgba, (std::vector<std::uint8_t>{1, 2, 3, 255}));
}

} // namespace
