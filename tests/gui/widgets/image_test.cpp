// Image controls: a picture loaded by file name, placed at the corner or centred, and an
// alpha PNG blended over the panel beneath it.

#include "gui/extctrls/image.h"
#include "gui/extctrls/panel.h"
#include "gui/graphics/bitmap.h"
#include "png/pngobject.h"
#include "tests/gui/controls/fixture.h"

#include <filesystem>
#include <unistd.h>

namespace guitest {
namespace {

// The alpha of the four columns of the test picture, and what black at that alpha becomes
// over white: the blend's own table.
constexpr std::uint8_t Alphas[] = {0, 64, 128, 255};
constexpr gdi::BYTE OverWhite[] = {255, 191, 127, 0};

class Images : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        RegisterPngPictureFormat();
        Form = NewForm(300, 200);
        Frame = Add<TPanel>(Form, 10, 10, 40, 30);
        Frame->SetBevelOuter(bvNone);
        Frame->SetColor(clWhite);
        Image = Add<TImage>(Frame, 2, 2, 36, 26);
    }

    void TearDown() override {
        std::filesystem::remove(File);
        TGuiTest::TearDown();
    }

    // A black 4 x 2 RGBA picture whose columns have the alphas above.
    void WritePicture() {
        const TBitmap bitmap(4, 2);
        TPNGObject png;
        png.Assign(&bitmap);
        png.AddAlphaPlane();
        for (std::uint32_t y = 0; y < 2; ++y)
            for (std::uint32_t x = 0; x < 4; ++x) {
                png.SetPixelColour(int(x), int(y), clBlack);
                png.AlphaRow(y)[x] = Alphas[x];
            }
        png.SaveToFile(File);
    }

    gdi::COLORREF Grey(gdi::BYTE level) { return gdi::RGB(level, level, level); }

    TForm* Form = nullptr;
    TPanel* Frame = nullptr;
    TImage* Image = nullptr;
    std::string File = (std::filesystem::temp_directory_path() /
                        ("image_test_" + std::to_string(::getpid()) + ".png"))
                           .string();
};

TEST_F(Images, ACentredAlphaPictureIsBlendedOverThePanel) {
    WritePicture();
    Image->SetCenter(true);
    Image->Picture()->LoadFromFile(File);
    ASSERT_NE(dynamic_cast<TPNGObject*>(Image->Picture()->Graphic()), nullptr);
    Pump();
    // (36 - 4) / 2 and (26 - 2) / 2 inside the image.
    EXPECT_EQ(Image->DestRect(), Bounds(16, 12, 4, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Pixel(*Image, 16 + x, 12 + y), Grey(OverWhite[x])) << x << "," << y;
    EXPECT_EQ(Pixel(*Image, 15, 12), Grey(255));
    EXPECT_EQ(Pixel(*Image, 0, 0), Grey(255));

    Image->SetCenter(false);
    Pump();
    EXPECT_EQ(Pixel(*Image, 2, 0), Grey(OverWhite[2]));
    EXPECT_EQ(Pixel(*Image, 17, 12), Grey(255));
}

TEST_F(Images, APictureLargerThanTheControlIsCentredOnIt) {
    WritePicture();
    Image->SetCenter(true);
    Image->SetBounds(2, 2, 1, 1);
    Image->Picture()->LoadFromFile(File);
    EXPECT_EQ(Image->DestRect(), Bounds(-1, 0, 4, 2)); // halves truncate toward zero
}

} // namespace
} // namespace guitest
