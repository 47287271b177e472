#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "helpers.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_graphics;

namespace {

using TBytes = std::vector<std::uint8_t>;

template <class T>
void Put(TBytes& bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof(value));
}

std::uint32_t Get32(const TBytes& bytes, size_t at) {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof(value));
    return value;
}

// A BMP file written by hand from the format's description: 40-byte header, colour table,
// then rows as given.
TBytes HandMadeFile(int width, int height, int bitCount, const std::vector<TColor>& colors,
                    const TBytes& rows) {
    const size_t offset = 14 + 40 + 4 * colors.size();
    TBytes file(offset);
    file[0] = 'B';
    file[1] = 'M';
    Put<std::uint32_t>(file, 2, std::uint32_t(offset + rows.size()));
    Put<std::uint32_t>(file, 10, std::uint32_t(offset));
    Put<std::uint32_t>(file, 14, 40);
    Put<std::uint32_t>(file, 18, std::uint32_t(width));
    Put<std::uint32_t>(file, 22, std::uint32_t(height));
    Put<std::uint16_t>(file, 26, 1);
    Put<std::uint16_t>(file, 28, std::uint16_t(bitCount));
    Put<std::uint32_t>(file, 46, std::uint32_t(colors.size()));
    for (size_t i = 0; i < colors.size(); ++i) {
        file[54 + 4 * i] = gdi::GetBValue(colors[i]);
        file[55 + 4 * i] = gdi::GetGValue(colors[i]);
        file[56 + 4 * i] = gdi::GetRValue(colors[i]);
    }
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

// A 2 x 2 file of 4 bits: top row red, blue; bottom row white, green (bottom row stored first).
TBytes SmallPaletteFile(int height = 2) {
    return HandMadeFile(2, height, 4, {clRed, clBlue, clWhite, clGreen},
                        {0x23, 0, 0, 0, 0x01, 0, 0, 0});
}

TBytes Saved(TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

void Load(TBitmap& bitmap, const TBytes& bytes) {
    TMemoryStream stream(bytes);
    bitmap.LoadFromStream(stream);
}

// The file must be refused and the bitmap it was loaded into left as it was.
void ExpectInvalid(const TBytes& bytes, const std::string& what) {
    auto bitmap = MakeBitmap(3, 1, pf24bit, clPurple);
    try {
        Load(*bitmap, bytes);
        ADD_FAILURE() << what << ": accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), "Bitmap image is not valid") << what;
    }
    EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap->Canvas().Pixels(2, 0), clPurple) << what;
}

TEST(BitmapFile, EveryFormatSurvivesARoundTrip) {
    const std::pair<TPixelFormat, TPixelFormat> formats[] = {
        {pf1bit, pf1bit},   {pf4bit, pf4bit},   {pf8bit, pf8bit},
        {pf24bit, pf24bit}, {pf32bit, pf32bit}, {pfDevice, pf32bit}};
    for (auto [format, loadedFormat] : formats) {
        SCOPED_TRACE(format);
        auto bitmap = MakeBitmap(13, 5, pf24bit);
        Paint(bitmap->Canvas(), 13, 5, [](int x, int y) {
            return (x * 7 + y * 3) % 5 < 2 ? clWhite : (x + y) % 3 ? clNavy : clBlack;
        });
        bitmap->SetPixelFormat(format);
        TBitmap loaded;
        Load(loaded, Saved(*bitmap));
        EXPECT_EQ(loaded.PixelFormat(), loadedFormat);
        EXPECT_EQ(loaded.Width(), 13);
        EXPECT_EQ(loaded.Height(), 5);
        const std::vector<TColor> expected = Snapshot(bitmap->Canvas(), 13, 5);
        ExpectPixels(loaded.Canvas(), 13, 5, [&](int x, int y) { return expected[13 * y + x]; });
    }
    TBitmap monochrome(9, 2);
    monochrome.SetMonochrome(true);
    monochrome.Canvas().SetPixels(8, 1, clBlack);
    TBitmap loaded;
    Load(loaded, Saved(monochrome));
    EXPECT_TRUE(loaded.Monochrome());
    EXPECT_EQ(loaded.Canvas().Pixels(8, 1), clBlack);
    EXPECT_EQ(loaded.Canvas().Pixels(7, 1), clWhite);
}

TEST(BitmapFile, WritesTheLayoutOfTheFormat) {
    auto bitmap = MakeBitmap(2, 2, pf24bit, clWhite);
    bitmap->Canvas().SetPixels(0, 1, gdi::RGB(1, 2, 3));
    const TBytes file = Saved(*bitmap);
    ASSERT_EQ(file.size(), 14u + 40 + 2 * 8);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Get32(file, 2), file.size());
    EXPECT_EQ(Get32(file, 10), 54u);
    EXPECT_EQ(Get32(file, 14), 40u);
    EXPECT_EQ(Get32(file, 22), 2u) << "positive height: bottom-up rows";
    // The bottom row comes first: pixel (0, 1) as blue, green, red.
    EXPECT_EQ(TBytes(file.begin() + 54, file.begin() + 57), (TBytes{3, 2, 1}));

    auto indexed = MakeBitmap(2, 2, pf8bit);
    const TBytes indexedFile = Saved(*indexed);
    EXPECT_EQ(Get32(indexedFile, 10), 14u + 40 + 256 * 4);
}

TEST(BitmapFile, ReadsHandMadeFilesOfBothRowOrders) {
    TBitmap bitmap;
    Load(bitmap, SmallPaletteFile());
    EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
    const TColor bottomUp[] = {clRed, clBlue, clWhite, clGreen};
    ExpectPixels(bitmap.Canvas(), 2, 2, [&](int x, int y) { return bottomUp[2 * y + x]; });

    Load(bitmap, SmallPaletteFile(-2));
    const TColor topDown[] = {clWhite, clGreen, clRed, clBlue};
    ExpectPixels(bitmap.Canvas(), 2, 2, [&](int x, int y) { return topDown[2 * y + x]; });

    // A longer header and a gap before the rows are skipped.
    TBytes file = SmallPaletteFile();
    file.insert(file.begin() + 54, 68, 0);
    Put<std::uint32_t>(file, 14, 108);
    file.insert(file.begin() + 14 + 108 + 16, 5, 0xEE);
    Put<std::uint32_t>(file, 10, 14 + 108 + 16 + 5);
    Load(bitmap, file);
    ExpectPixels(bitmap.Canvas(), 2, 2, [&](int x, int y) { return bottomUp[2 * y + x]; });
}

TEST(BitmapFile, ReadsFromThePositionAndStopsAfterTheRows) {
    TMemoryStream stream;
    stream.WriteBuffer("xyz", 3);
    const TBytes file = SmallPaletteFile();
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(3);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), 3 + std::int64_t(file.size()));
}

TEST(BitmapFile, EveryTruncationIsRejected) {
    const TBytes file = SmallPaletteFile();
    for (size_t length = 0; length < file.size(); ++length)
        ExpectInvalid(TBytes(file.begin(), file.begin() + std::ptrdiff_t(length)),
                      "cut at " + std::to_string(length));
}

TEST(BitmapFile, ContradictoryOrUnsupportedHeadersAreRejected) {
    const struct {
        const char* What;
        size_t At;
        std::uint32_t Value;
        int Size;
    } corruptions[] = {
        {"signature", 0, 'B' | 'A' << 8, 2},
        {"header size too small", 14, 12, 4},
        {"header size too large", 14, 4000, 4},
        {"negative width", 18, 0xFFFFFFFF, 4},
        {"smallest height", 22, 0x80000000, 4},
        {"two planes", 26, 2, 2},
        {"16 bits", 28, 16, 2},
        {"2 bits", 28, 2, 2},
        {"run-length compression", 30, 2, 4},
        {"more colours than 4 bits index", 46, 17, 4},
        {"rows inside the headers", 10, 20, 4},
        {"huge width", 18, 0x7FFFFFFF, 4},
        {"huge height", 22, 0x7FFFFFFF, 4},
    };
    for (const auto& c : corruptions) {
        TBytes file = SmallPaletteFile();
        if (c.Size == 2)
            Put<std::uint16_t>(file, c.At, std::uint16_t(c.Value));
        else
            Put<std::uint32_t>(file, c.At, c.Value);
        ExpectInvalid(file, c.What);
    }
    ExpectInvalid({}, "empty");
}

} // namespace
