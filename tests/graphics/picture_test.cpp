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

// A graphic whose file is a line of text: its width is the text's length.
class TTextGraphic : public TGraphic {
public:
    void Draw(TCanvas&, const TRect&) override {}
    int Width() const override { return int(FText.size()); }
    int Height() const override { return 1; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool Empty() const override { return FText.empty(); }
    void LoadFromStream(TStream& stream) override {
        FText.resize(size_t(stream.Size()));
        stream.ReadBuffer(FText.data(), std::int64_t(FText.size()));
    }
    void SaveToStream(TStream& stream) override {
        stream.WriteBuffer(FText.data(), std::int64_t(FText.size()));
    }
    void Assign(const TPersistent* source) override {
        if (const auto* text = dynamic_cast<const TTextGraphic*>(source))
            FText = text->FText;
        else
            TGraphic::Assign(source);
    }

private:
    std::string FText;
};

class Picture : public testing::Test {
protected:
    void SetUp() override {
        FFolder =
            std::filesystem::temp_directory_path() / ("picture_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(FFolder);
        TPicture::RegisterFileFormat(".TXT", "Text lines", GraphicClassOf<TTextGraphic>());
    }
    void TearDown() override {
        TPicture::UnregisterGraphicClass(typeid(TTextGraphic));
        std::filesystem::remove_all(FFolder);
    }

    std::string Write(const std::string& name, const std::string& content) {
        const std::filesystem::path path = FFolder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string WriteBitmap(const std::string& name, TColor colour) {
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

    picture.LoadFromFile(Write("note.txt", "hello"));
    ASSERT_NE(dynamic_cast<TTextGraphic*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 5);

    TPicture::UnregisterGraphicClass(typeid(TTextGraphic));
    EXPECT_THROW(picture.LoadFromFile(Write("again.txt", "x")), EInvalidGraphic);
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

    TTextGraphic text;
    copy.Assign(&text);
    EXPECT_NE(dynamic_cast<TTextGraphic*>(copy.Graphic()), nullptr);
    TPicture::UnregisterGraphicClass(typeid(TTextGraphic));
    EXPECT_THROW(copy.Assign(&text), EConvertError) << "no class to make a copy with";
}

} // namespace
