// The PNG image list in form streams: what is written per item, reading it back (also from
// the text layout with PNG files), and streams that hold bad data.

#include "gui/classes/classbuilder.h"
#include "gui/classes/streamformat.h"
#include "tests/gui/classes/streamio.h"
#include "tests/pngimagelist/helpers.h"
#include "tests/support/standins.h"
#include "tools/layoutc/layouttext.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace testing_pngimagelist;

class TListRoot : public TComponent {
public:
    using TComponent::TComponent;
};

// Where the property name (length byte first) occurs from `from` on; npos when it does not.
std::size_t NameAt(const TBytes& bytes, std::string_view name, std::size_t from = 0) {
    TBytes key{std::uint8_t(name.size())};
    key.insert(key.end(), name.begin(), name.end());
    const auto found =
        std::search(bytes.begin() + std::ptrdiff_t(from), bytes.end(), key.begin(), key.end());
    return found == bytes.end() ? std::string_view::npos : std::size_t(found - bytes.begin());
}

// The value bytes after a property name that starts at `at`: its tag first.
const std::uint8_t* ValueAfter(const TBytes& bytes, std::size_t at) {
    return bytes.data() + at + 1 + bytes[at];
}

std::uint32_t LengthAt(const std::uint8_t* bytes) {
    std::uint32_t length;
    std::memcpy(&length, bytes, 4);
    return length;
}

class PngImageListStreaming : public ::testing::Test {
protected:
    void SetUp() override { RegisterClass<TListRoot, TComponent>(); }

    // A 4 x 4 list of three images; the second named and on clWindow.
    TPngImageList& MakeList(TComponent& root) {
        auto* list = new TPngImageList(&root);
        list->SetName("Icons");
        list->SetDesignInfo(3 << 16 | 2);
        list->SetWidth(4);
        list->SetHeight(4);
        for (std::uint8_t i = 0; i < 3; ++i) {
            auto png = RgbaPng(4, 4, [i](int x, int y) {
                return TRgba{std::uint8_t(60 * i), std::uint8_t(x * 50), std::uint8_t(y * 50),
                             std::uint8_t(255 - 40 * x)};
            });
            list->PngImages()->AddItem(false)->SetPngImage(png.get());
        }
        list->PngImages()->Items(1)->SetName("Glyph");
        list->PngImages()->Items(1)->SetBackground(clWindow);
        return *list;
    }

    static TPngImageList& ListIn(TComponent& root) {
        return pngtest::Required(dynamic_cast<TPngImageList*>(root.FindComponent("Icons")));
    }

    static void ExpectSameItems(TPngImageList& read, TPngImageList& written) {
        ASSERT_EQ(read.PngImages()->Count(), written.PngImages()->Count());
        EXPECT_EQ(read.Count(), written.PngImages()->Count());
        for (int i = 0; i < written.PngImages()->Count(); ++i) {
            const TPngImageCollectionItem& a = *read.PngImages()->Items(i);
            const TPngImageCollectionItem& b = *written.PngImages()->Items(i);
            EXPECT_EQ(a.Name(), b.Name());
            EXPECT_EQ(a.Background(), b.Background());
            EXPECT_EQ(pngtest::WritePng(*a.PngImage()), pngtest::WritePng(*b.PngImage()));
        }
    }
};

TEST_F(PngImageListStreaming, WritesImageNameAndBackgroundPerItemAndAnEmptyBitmap) {
    TListRoot root(nullptr);
    TPngImageList& list = MakeList(root);
    const TBytes bytes = WriteStream(root);
    std::size_t at = NameAt(bytes, "PngImages");
    ASSERT_NE(at, std::string_view::npos);
    ASSERT_EQ(*ValueAfter(bytes, at), vaCollection);
    for (int i = 0; i < 3; ++i) {
        const TPngImageCollectionItem& item = *list.PngImages()->Items(i);
        const std::size_t data = NameAt(bytes, "PngImage.Data", at);
        const std::size_t name = NameAt(bytes, "Name", data);
        const std::size_t background = NameAt(bytes, "Background", name);
        ASSERT_NE(background, std::string_view::npos) << i;
        EXPECT_EQ(bytes[data - 1], vaList) << i;
        const std::uint8_t* block = ValueAfter(bytes, data);
        ASSERT_EQ(block[0], vaBinary);
        const TBytes png = pngtest::WritePng(*item.PngImage());
        ASSERT_EQ(LengthAt(block + 1), png.size());
        EXPECT_TRUE(std::equal(png.begin(), png.end(), block + 5)) << i;
        EXPECT_EQ(ValueAfter(bytes, name)[0], vaString);
        const std::uint8_t* colour = ValueAfter(bytes, background);
        const std::string ident = i == 1 ? "clWindow" : "clBtnFace";
        EXPECT_EQ(colour[0], vaIdent);
        EXPECT_EQ(std::string(colour + 2, colour + 2 + colour[1]), ident);
        EXPECT_EQ(colour[2 + colour[1]], vaNull);
        at = background;
    }
    EXPECT_EQ(NameAt(bytes, "PngImage.Data", at), std::string_view::npos);
    const std::size_t bitmap = NameAt(bytes, "Bitmap");
    ASSERT_NE(bitmap, std::string_view::npos);
    EXPECT_EQ(ValueAfter(bytes, bitmap)[0], vaBinary);
    EXPECT_EQ(LengthAt(ValueAfter(bytes, bitmap) + 1), 0u);
    // Defaults are left out.
    EXPECT_EQ(NameAt(bytes, "EnabledImages"), std::string_view::npos);
    EXPECT_EQ(NameAt(bytes, "PngOptions"), std::string_view::npos);
}

TEST_F(PngImageListStreaming, ReadsBackTheSameListAndWritesItAgainByteForByte) {
    TListRoot original(nullptr);
    TPngImageList& list = MakeList(original);
    list.SetEnabledImages(false);
    list.SetPngOptions({pngGrayscaleOnDisabled});
    const TBytes bytes = WriteStream(original);
    std::size_t previous = 0;
    for (const char* name :
         {"Height", "Width", "EnabledImages", "PngImages", "PngOptions", "Left", "Bitmap"}) {
        const std::size_t at = NameAt(bytes, name);
        EXPECT_NE(at, std::string_view::npos) << name;
        EXPECT_GT(at, previous) << name;
        previous = at;
    }

    TListRoot copy(nullptr);
    ReadStream(bytes, copy);
    TPngImageList& read = ListIn(copy);
    EXPECT_EQ(read.Width(), 4);
    EXPECT_EQ(read.Height(), 4);
    EXPECT_FALSE(read.EnabledImages());
    EXPECT_EQ(read.PngOptions(), TPngOptions{pngGrayscaleOnDisabled});
    ExpectSameItems(read, list);
    EXPECT_EQ(WriteStream(copy), bytes);
}

TEST_F(PngImageListStreaming, SkipsAnIntegerInFrontOfAnItemAndIgnoresBitmapData) {
    TListRoot original(nullptr);
    TPngImageList& list = MakeList(original);
    TBytes bytes = WriteStream(original);
    const std::size_t collection = NameAt(bytes, "PngImages") + 10;
    ASSERT_EQ(bytes[collection], vaCollection);
    bytes.insert(bytes.begin() + std::ptrdiff_t(collection + 1), {vaInt8, 7});
    // Some bytes in "Bitmap", where a PNG list writes none.
    const std::size_t bitmap = NameAt(bytes, "Bitmap") + 7;
    ASSERT_EQ(LengthAt(&bytes[bitmap + 1]), 0u);
    bytes[bitmap + 1] = 3;
    bytes.insert(bytes.begin() + std::ptrdiff_t(bitmap + 5), {1, 2, 3});

    TListRoot copy(nullptr);
    ReadStream(bytes, copy);
    ExpectSameItems(ListIn(copy), list);
}

TEST_F(PngImageListStreaming, AStreamWithABrokenPngFailsAndLeavesNothingBehind) {
    TListRoot original(nullptr);
    MakeList(original);
    TBytes bytes = WriteStream(original);
    const std::size_t data = NameAt(bytes, "PngImage.Data");
    // The last byte of the header chunk's CRC, after the signature, length, type and body.
    bytes[data + 14 + 5 + 8 + 8 + 13 + 3] ^= 0xFF;
    TListRoot copy(nullptr);
    const auto failure = pngtest::FailureOf([&] { ReadStream(bytes, copy); });
    EXPECT_EQ(failure.ClassName, "EPngInvalidCRC") << failure.Message;
    EXPECT_EQ(copy.ComponentCount(), 0);
}

TEST_F(PngImageListStreaming, ReadsItemsFromATextLayoutNamingPngFiles) {
    const testsupport::TScratchFolder folder("pngimagelist_layout");
    const auto red = SolidPng(8, 8, {255, 0, 0, 255});
    const auto clear = SolidPng(8, 8, {0, 0, 0, 0});
    TMemoryStream(pngtest::WritePng(*red)).SaveToFile((folder.Path() / "red.png").string());
    TMemoryStream(pngtest::WritePng(*clear)).SaveToFile((folder.Path() / "clear.png").string());
    const std::string text = R"(object Root: TListRoot
  object Icons: TPngImageList
    Height = 8
    Width = 8
    PngImages = <
      item
        PngImage.Data = {file 'red.png'}
        Name = 'Red'
        Background = clWindow
      end
      item
        PngImage.Data = {file 'clear.png'}
        Name = 'PngImage1'
        Background = clWindow
      end>
  end
end
)";
    TListRoot root(nullptr);
    ReadStream(ObjectTextToBinary(text, {.BaseDirectory = folder.Path()}), root);
    TPngImageList& list = ListIn(root);
    ASSERT_EQ(list.PngImages()->Count(), 2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PngImages()->Items(0)->Name(), "Red");
    EXPECT_EQ(list.PngImages()->Items(1)->Background(), clWindow);
    EXPECT_EQ(pngtest::WritePng(*list.PngImages()->Items(0)->PngImage()), pngtest::WritePng(*red));
    auto surface = Surface(8, 8, 0x00FF00);
    list.Draw(surface->Canvas(), 0, 0, 1);
    EXPECT_EQ(surface->Canvas().Pixels(4, 4), 0x00FF00u);
    list.Draw(surface->Canvas(), 0, 0, 0);
    EXPECT_EQ(surface->Canvas().Pixels(4, 4), 0x0000FFu);
}

} // namespace
