// The icons forms show: their own, else the application's, with handles that live exactly as
// long as the windows use them.

#include "fixture.h"
#include "tests/gui/graphics/icofile.h"

#include <memory>

namespace guitest {
namespace {

using commctrl::HICON;
using commctrl::TIconRgba;

// An icon file of one opaque colour in the three standard sizes.
std::unique_ptr<TIcon> IconOf(std::uint32_t rgb) {
    using testing_graphics::SolidEntry;
    const std::uint32_t argb = 0xFF000000 | rgb;
    TMemoryStream file(testing_graphics::IconFile(
        {SolidEntry(16, argb), SolidEntry(32, argb), SolidEntry(48, argb)}));
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromStream(file);
    return icon;
}

// What a window shows of such an icon: its largest image.
TIconRgba ShownOf(std::uint32_t rgb) {
    TIconRgba rgba{48, 48, {}};
    for (int i = 0; i < 48 * 48; ++i)
        rgba.Rgba.insert(rgba.Rgba.end(),
                         {gdi::BYTE(rgb >> 16), gdi::BYTE(rgb >> 8), gdi::BYTE(rgb), 255});
    return rgba;
}

constexpr std::uint32_t Red = 0xC00000, Green = 0x00A000, Blue = 0x0000E0;

class FormIcon : public TGuiTest {
protected:
    std::optional<TIconRgba> Shown(TCustomForm& form) const {
        return Headless->Icon(form.Handle());
    }
    static HICON WindowIcon(TCustomForm& form, win::WPARAM kind) {
        return reinterpret_cast<HICON>(win::SendMessage(form.Handle(), win::WM_GETICON, kind, 0));
    }
};

TEST_F(FormIcon, AFormShowsItsOwnIconElseTheApplicationsAndFollowsChanges) {
    // This test program embeds no icon.
    EXPECT_TRUE(Application.Icon()->Empty());
    TForm* early = NewForm();
    EXPECT_FALSE(Shown(*early));

    Application.SetIcon(IconOf(Red).get());
    TForm* late = NewForm();
    EXPECT_EQ(Shown(*late), ShownOf(Red));
    EXPECT_EQ(Shown(*early), ShownOf(Red));

    late->SetIcon(IconOf(Blue).get());
    EXPECT_EQ(Shown(*late), ShownOf(Blue));
    Application.SetIcon(IconOf(Green).get());
    EXPECT_EQ(Shown(*early), ShownOf(Green));
    EXPECT_EQ(Shown(*late), ShownOf(Blue));
    late->SetIcon(nullptr);
    EXPECT_EQ(Shown(*late), ShownOf(Green));

    Application.SetIcon(nullptr);
    EXPECT_FALSE(Shown(*early));
    EXPECT_FALSE(Shown(*late));
    EXPECT_EQ(WindowIcon(*late, win::ICON_SMALL), nullptr);

    // A new run starts again from the program's icon, which this program does not have.
    Application.SetIcon(IconOf(Red).get());
    Application.Initialize();
    EXPECT_TRUE(Application.Icon()->Empty());
    EXPECT_FALSE(Shown(*early));
}

TEST_F(FormIcon, TheWindowHoldsHandlesOfItsOwnThatAreFreedOnceItNoLongerUsesThem) {
    Application.SetIcon(IconOf(Red).get());
    TForm* form = NewForm();
    const HICON big = WindowIcon(*form, win::ICON_BIG);
    const HICON small = WindowIcon(*form, win::ICON_SMALL);
    ASSERT_TRUE(commctrl::IsIcon(big));
    ASSERT_TRUE(commctrl::IsIcon(small));
    EXPECT_NE(big, Application.Icon()->Handle());
    EXPECT_EQ(commctrl::ReadIconRgba(big)->Width, 48);
    EXPECT_EQ(commctrl::ReadIconRgba(small)->Width, 16);

    Application.SetIcon(IconOf(Green).get());
    EXPECT_FALSE(commctrl::IsIcon(big));
    EXPECT_FALSE(commctrl::IsIcon(small));
    const HICON changed = WindowIcon(*form, win::ICON_BIG);
    EXPECT_TRUE(commctrl::IsIcon(changed));

    // A new frame builds a new window, which is given the icon again.
    form->SetBorderStyle(bsDialog);
    EXPECT_EQ(Shown(*form), ShownOf(Green));
    EXPECT_FALSE(commctrl::IsIcon(changed));

    const HICON last = WindowIcon(*form, win::ICON_BIG);
    delete form;
    EXPECT_FALSE(commctrl::IsIcon(last));
    EXPECT_TRUE(Boxes.empty());
}

} // namespace
} // namespace guitest
