#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/picture.h"
#include "helpers.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_graphics;

namespace {

// A second class for the registry to tell apart from TBitmap.
class TOtherBitmap : public TBitmap {};

class Picture : public testing::Test {
protected:
    void SetUp() override {
        FFolder =
            std::filesystem::temp_directory_path() / ("picture_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(FFolder);
        TPicture::RegisterFileFormat(".DIB", "Other bitmaps", GraphicClassOf<TOtherBitmap>());
    }
    void TearDown() override {
        TPicture::UnregisterGraphicClass(typeid(TOtherBitmap));
        std::filesystem::remove_all(FFolder);
    }

    std::string Write(const std::string& name, const std::string& content) const {
        const std::filesystem::path path = FFolder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string WriteBitmap(const std::string& name, TColor colour) const {
        auto bitmap = MakeBitmap(3, 2, pf24bit, colour);
        const std::string path = (FFolder / name).string();
        bitmap->SaveToFile(path);
        return path;
    }

    std::filesystem::path FFolder;
};

TEST_F(Picture, LoadsEachFileWithTheClassRegisteredForItsExtension) {
    TPicture picture;
    picture.LoadFromFile(WriteBitmap("logo.Bmp", clTeal));
    auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(bitmap->Canvas().Pixels(2, 1), clTeal);

    picture.LoadFromFile(WriteBitmap("other.dib", clTeal));
    EXPECT_NE(dynamic_cast<TOtherBitmap*>(picture.Graphic()), nullptr);

    TPicture::UnregisterGraphicClass(typeid(TOtherBitmap));
    EXPECT_THROW(picture.LoadFromFile(WriteBitmap("again.dib", clTeal)), EInvalidGraphic);
}

TEST_F(Picture, UnknownExtensionsAreNamedInTheError) {
    TPicture picture;
    for (auto [name, message] : {std::pair{"image.xyz", "Unknown picture file extension (.xyz)"},
                                 std::pair{"noextension", "Unknown picture file extension (.)"}}) {
        try {
            picture.LoadFromFile(Write(name, "data"));
            ADD_FAILURE() << name << " accepted";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), message);
        }
    }
}

TEST_F(Picture, AFailedLoadKeepsThePreviousGraphic) {
    TPicture picture;
    picture.LoadFromFile(WriteBitmap("good.bmp", clOlive));
    TGraphic* before = picture.Graphic();
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(picture.LoadFromFile(Write("bad.bmp", "BM not really")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile((FFolder / "missing.bmp").string()), EFOpenError);
    EXPECT_EQ(picture.Graphic(), before);
    EXPECT_EQ(picture.Bitmap().Canvas().Pixels(0, 0), clOlive);
    EXPECT_EQ(changes, 0);
}

TEST_F(Picture, ChangesOfTheGraphicReachThePicturesOwner) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    TBitmap& bitmap = picture.Bitmap();
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(2, 2);
    bitmap.Canvas().FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, 3);
    picture.SetGraphic(static_cast<const TGraphic*>(nullptr));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(picture.Width(), 0);
}

TEST_F(Picture, AssignCopiesTheGraphicOfAPictureOrAGraphic) {
    TPicture source;
    source.LoadFromFile(WriteBitmap("source.bmp", clMaroon));
    TPicture copy;
    copy.Assign(&source);
    ASSERT_NE(copy.Graphic(), source.Graphic());
    copy.Bitmap().Canvas().SetPixels(0, 0, clWhite);
    EXPECT_EQ(source.Bitmap().Canvas().Pixels(0, 0), clMaroon);

    TBitmap bitmap;
    bitmap.Assign(&source);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clMaroon);

    TOtherBitmap other;
    copy.Assign(&other);
    EXPECT_NE(dynamic_cast<TOtherBitmap*>(copy.Graphic()), nullptr);
    TPicture::UnregisterGraphicClass(typeid(TOtherBitmap));
    EXPECT_THROW(copy.Assign(&other), EConvertError) << "no class to make a copy with";
}

} // namespace
