#include "gui/classes/exceptions.h"
#include "gui/graphics/icon.h"
#include "gui/graphics/picture.h"
#include "tests/gui/graphics/helpers.h"
#include "tests/gui/graphics/icofile.h"
#include "tests/platform/commctrl/pixels.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace testing_commctrl;
using namespace testing_graphics;

// The picture every depth encodes: 3 x 2, black and red, with (2, 0) transparent.
constexpr int kW = 3, kH = 2;
constexpr int kIndex[kH][kW] = {{1, 0, 0}, {0, 1, 1}};
constexpr bool Hidden(int x, int y) {
    return x == 2 && y == 0;
}
constexpr std::uint32_t kPixelOf[] = {0x00000000, 0x00FF0000}; // blue-green-red-x words

// One image of an icon file, encoded here from the format's description.
TBytes EntryData(int bits, int width = kW, int height = kH) {
    TBytes data;
    Put32(data, 40);
    Put32(data, std::uint32_t(width));
    Put32(data, std::uint32_t(height * 2));
    Put16(data, 1);
    Put16(data, unsigned(bits));
    for (int i = 0; i < 6; ++i)
        Put32(data, 0);
    if (bits <= 8)
        for (int i = 0; i < (1 << bits); ++i)
            Put32(data, i < 2 ? kPixelOf[i] : 0x00FFFFFF);
    auto stride = [](int w, int b) { return std::size_t((w * b + 31) / 32 * 4); };
    for (int y = height - 1; y >= 0; --y) {
        TBytes row(stride(width, bits));
        for (int x = 0; x < width; ++x) {
            const int index = kIndex[y % kH][x % kW];
            const std::uint32_t pixel = kPixelOf[index];
            if (bits <= 8) {
                const int bit = x * bits;
                row[std::size_t(bit / 8)] |= std::uint8_t(index << (8 - bits - bit % 8));
            } else {
                for (int c = 0; c < bits / 8; ++c)
                    row[std::size_t(x * bits / 8 + c)] =
                        c < 3 ? std::uint8_t(pixel >> (8 * c)) : (Hidden(x, y) ? 0 : 255);
            }
        }
        data.insert(data.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        TBytes row(stride(width, 1));
        for (int x = 0; x < width; ++x)
            if (Hidden(x, y))
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        data.insert(data.end(), row.begin(), row.end());
    }
    return data;
}

TBytes SingleImageFile(int bits) {
    return IconFile({{kW, kH, bits, EntryData(bits)}});
}

void Load(TIcon& icon, const TBytes& bytes) {
    TMemoryStream stream(bytes);
    icon.LoadFromStream(stream);
}

TBytes Saved(TIcon& icon) {
    TMemoryStream stream;
    icon.SaveToStream(stream);
    return stream.Bytes();
}

TEST(IconFile, ReadsEveryDepthWithItsMask) {
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        TIcon icon;
        Load(icon, SingleImageFile(bits));
        EXPECT_EQ(icon.Width(), kW);
        EXPECT_EQ(icon.Height(), kH);
        auto canvas = MakeBitmap(5, 4, pf32bit, clLime);
        canvas->Canvas().Draw(1, 1, &icon);
        ExpectPixels(canvas->Canvas(), 5, 4, [](int x, int y) -> gdi::COLORREF {
            const int ix = x - 1, iy = y - 1;
            if (ix < 0 || iy < 0 || ix >= kW || iy >= kH || Hidden(ix, iy))
                return clLime;
            return kIndex[iy][ix] ? clRed : clBlack;
        });
    }
}

TEST(IconFile, PicksTheEntryNearestTheSizeAskedAndWritesTheFileBack) {
    const TBytes file = IconFile({{16, 16, 8, EntryData(8, 16, 16)},
                                  {32, 32, 24, EntryData(24, 32, 32)},
                                  {48, 48, 32, EntryData(32, 48, 48)}});
    TIcon icon;
    Load(icon, file);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    EXPECT_EQ(Saved(icon), file);

    // New handles of other sizes come from the file's other images.
    const auto side = [&](int asked) {
        const commctrl::TOwnedIcon handle = icon.NewHandle(asked);
        EXPECT_NE(handle.Get(), icon.Handle());
        const auto rgba = commctrl::ReadIconRgba(handle.Get());
        return rgba ? rgba->Width : 0;
    };
    EXPECT_EQ(side(16), 16);
    EXPECT_EQ(side(20), 16);
    EXPECT_EQ(side(256), 48);
    EXPECT_EQ(side(40), 48); // as near to 32 as to 48: the deeper colour wins
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(IconPixels(copy.NewHandle(16).Get()), IconPixels(icon.NewHandle(16).Get()));

    // An icon made in memory has one image only.
    TIcon single;
    single.SetHandle(MakeIcon(2, 1, {1, 2}, {false, true}).Release());
    const commctrl::TOwnedIcon only = single.NewHandle(48);
    EXPECT_NE(only.Get(), single.Handle());
    EXPECT_EQ(IconPixels(only.Get()), IconPixels(single.Handle()));
    EXPECT_FALSE(TIcon().NewHandle(16));
}

TEST(IconFile, RoundTripsIconsMadeInMemory) {
    const TPixels alpha = {Argb(255, 1, 2, 3), Argb(128, 4, 5, 6), Argb(0, 0, 0, 0),
                           Argb(7, 8, 9, 10)};
    const TPixels plain = {0x00010203, 0, 0x00FFFFFF, 0x00808080};
    for (const TPixels* colour : {&alpha, &plain}) {
        TIcon icon;
        icon.SetHandle(MakeIcon(2, 2, *colour, {false, false, true, false}).Release());
        const TBytes file = Saved(icon);
        ASSERT_GT(file.size(), 22u);
        EXPECT_EQ(file[12], colour == &alpha ? 32 : 24); // the entry's bit count
        TIcon copy;
        Load(copy, file);
        EXPECT_EQ(IconPixels(copy.Handle()), IconPixels(icon.Handle()));
    }
}

TEST(IconFile, RefusesBadFilesAndKeepsTheIcon) {
    const TBytes good = SingleImageFile(8);
    auto with = [&](std::size_t offset, std::uint8_t value) {
        TBytes bytes = good;
        bytes.at(offset) = value;
        return bytes;
    };
    const std::size_t image = 6 + 16;
    const std::vector<std::pair<const char*, TBytes>> cases = {
        {"empty", {}},
        {"directory cut short", TBytes(good.begin(), good.begin() + 10)},
        {"image cut short", TBytes(good.begin(), good.end() - 1)},
        {"a cursor file", with(2, 2)},
        {"no entries", with(4, 0)},
        {"entry past the end", with(6 + 15, 0x40)},
        {"entry inside the directory", with(6 + 12, 4)},
        {"depth of 16 bits", with(image + 14, 16)},
        {"compressed", with(image + 16, 1)},
        {"odd height", with(image + 8, 5)},
        {"colour table too long", with(image + 33, 2)},
        {"only PNG data", IconFile({{kW, kH, 32, {0x89, 'P', 'N', 'G', 13, 10, 26, 10}}})},
    };
    TIcon icon;
    Load(icon, SingleImageFile(32));
    const TIconPixels before = IconPixels(icon.Handle());
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        try {
            Load(icon, bytes);
            ADD_FAILURE() << "read without error";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), "Icon image is not valid");
        }
        EXPECT_EQ(IconPixels(icon.Handle()), before);
        EXPECT_EQ(icon.Width(), kW);
    }
}

TEST(IconHandle, OwnsCopiesAndRefusesWhatIsNoIcon) {
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    EXPECT_TRUE(icon.Transparent());
    icon.SetHandle(MakeIcon(2, 1, {1, 2}, {false, true}).Release());
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(IconPixels(copy.Handle()), IconPixels(icon.Handle()));

    commctrl::HICON released = icon.ReleaseHandle();
    EXPECT_TRUE(icon.Empty());
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_TRUE(commctrl::DestroyIcon(released));
    EXPECT_THROW(icon.SetHandle(released), EInvalidGraphic);
    EXPECT_TRUE(icon.Empty());
    EXPECT_THROW(copy.SetWidth(5), EInvalidOperation);
    EXPECT_TRUE(Saved(icon).empty());
}

TEST(IconHandle, PicturesOpenIconFiles) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "brenlow_icon_test.ico").string();
    TMemoryStream(SingleImageFile(4)).SaveToFile(path);
    TPicture picture;
    picture.LoadFromFile(path);
    std::filesystem::remove(path);
    ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), kW);
}

} // namespace
