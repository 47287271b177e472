#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

using test::DibInfo;

std::size_t Stride(int width, int bpp) {
    return (std::size_t(width) * bpp + 31) / 32 * 4;
}

// Writes one raw pixel value into stored row `row` of a DIB.
void Put(void* bits, int width, int bpp, int x, int row, std::uint32_t value) {
    auto* line = static_cast<std::uint8_t*>(bits) + Stride(width, bpp) * std::size_t(row);
    switch (bpp) {
    case 1:
        line[x / 8] =
            std::uint8_t((line[x / 8] & ~(0x80 >> (x % 8))) | ((value & 1) << (7 - x % 8)));
        break;
    case 4:
        line[x / 2] = x % 2 ? std::uint8_t((line[x / 2] & 0xF0) | value)
                            : std::uint8_t((line[x / 2] & 0x0F) | (value << 4));
        break;
    case 8:
        line[x] = std::uint8_t(value);
        break;
    default:
        std::memcpy(line + std::size_t(x) * std::size_t(bpp / 8), &value, std::size_t(bpp / 8));
    }
}

// Reads a bitmap as top-down 32-bit pixels (colour only) through GetDIBits.
std::vector<COLORREF> ReadColours(HBITMAP bitmap, int width, int height) {
    TReleasedDC screen(GetScreenDC());
    BITMAPINFO info = DibInfo(width, -height, 32);
    std::vector<std::uint32_t> words(std::size_t(width) * std::size_t(height));
    EXPECT_EQ(GetDIBits(screen.Get(), bitmap, 0, UINT(height), words.data(), &info, DIB_RGB_COLORS),
              height);
    std::vector<COLORREF> out;
    for (std::uint32_t w : words)
        out.push_back(RGB(BYTE(w >> 16), BYTE(w >> 8), BYTE(w)));
    return out;
}

const COLORREF kColours[] = {RGB(10, 20, 30), RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 250)};

TEST(Bitmap, SectionsOfEveryDepthAndOrientationReadBackAsColours) {
    const int width = 5;
    const int height = 3;
    for (int bpp : {1, 4, 8, 24, 32}) {
        for (bool bottomUp : {true, false}) {
            SCOPED_TRACE(testing::Message() << bpp << (bottomUp ? " bottom-up" : " top-down"));
            BITMAPINFO info = DibInfo(width, bottomUp ? height : -height, bpp);
            for (int i = 0; i < 4; ++i)
                info.bmiColors[i] = {GetBValue(kColours[i]), GetGValue(kColours[i]),
                                     GetRValue(kColours[i]), 0};
            void* bits = nullptr;
            TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
            ASSERT_TRUE(section && bits);
            // Picture row y, column x shows colour (x + y) % count.
            const int count = bpp == 1 ? 2 : 4;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const int c = (x + y) % count;
                    const std::uint32_t value =
                        bpp <= 8 ? std::uint32_t(c)
                                 : GetBValue(kColours[c]) | (GetGValue(kColours[c]) << 8) |
                                       (std::uint32_t(GetRValue(kColours[c])) << 16);
                    Put(bits, width, bpp, x, bottomUp ? height - 1 - y : y, value);
                }
            const std::vector<COLORREF> read = ReadColours(section.Get(), width, height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(read[std::size_t(y * width + x)], kColours[(x + y) % count])
                        << x << "," << y;
        }
    }
}

TEST(Bitmap, IndexedRequestsGiveTheSectionsOwnTableAndIndices) {
    BITMAPINFO info = DibInfo(4, 2, 4);
    info.bmiHeader.biClrUsed = 3;
    for (int i = 0; i < 3; ++i)
        info.bmiColors[i] = {BYTE(i * 10), BYTE(i * 20), BYTE(i * 30), 0};
    info.bmiColors[3] = {99, 99, 99, 0};
    void* bits = nullptr;
    TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
    ASSERT_TRUE(section);
    Put(bits, 4, 4, 0, 0, 2);
    Put(bits, 4, 4, 1, 0, 3); // past biClrUsed: reads as black

    TReleasedDC screen(GetScreenDC());
    BITMAPINFO request = DibInfo(4, 2, 4);
    std::uint8_t rows[8] = {};
    ASSERT_EQ(GetDIBits(screen.Get(), section.Get(), 0, 2, rows, &request, DIB_RGB_COLORS), 2);
    EXPECT_EQ(rows[0], 0x23);
    EXPECT_EQ(request.bmiColors[2].rgbRed, 60);
    EXPECT_EQ(request.bmiColors[3].rgbRed, 0) << "entries past biClrUsed are empty";
    const auto colours = ReadColours(section.Get(), 4, 2);
    EXPECT_EQ(colours[4 + 0], RGB(60, 40, 20)); // bottom-up: stored row 0 is picture row 1
    EXPECT_EQ(colours[4 + 1], RGB(0, 0, 0));
}

TEST(Bitmap, IndexedRequestsOfColourBitmapsMapToTheStandardTable) {
    test::TCanvas canvas(3, 1);
    canvas.Set(0, 0, RGB(255, 0, 0));
    canvas.Set(1, 0, RGB(250, 250, 250));
    canvas.Set(2, 0, RGB(0, 0, 120));
    BITMAPINFO request = DibInfo(3, 1, 4);
    std::uint8_t row[4] = {};
    ASSERT_EQ(GetDIBits(canvas.DC(), canvas.Bitmap(), 0, 1, row, &request, DIB_RGB_COLORS), 1);
    EXPECT_EQ(row[0], 0x9F) << "red is entry 9, near-white entry 15";
    EXPECT_EQ(row[1] >> 4, 4) << "dark blue is nearest to navy, entry 4";
    EXPECT_EQ(request.bmiColors[9].rgbRed, 255);
    EXPECT_EQ(request.bmiColors[9].rgbBlue, 0);
}

TEST(Bitmap, NullBitsFillTheHeader) {
    test::TCanvas canvas(7, 5);
    BITMAPINFO info{};
    EXPECT_EQ(GetDIBits(canvas.DC(), canvas.Bitmap(), 0, 5, nullptr, &info, DIB_RGB_COLORS), 5);
    EXPECT_EQ(info.bmiHeader.biWidth, 7);
    EXPECT_EQ(info.bmiHeader.biHeight, -5) << "a top-down section reports a negative height";
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 7u * 4 * 5);

    TOwnedBitmap mono(CreateBitmap(9, 2, 1, 1, nullptr));
    BITMAPINFO monoInfo{};
    GetDIBits(canvas.DC(), mono.Get(), 0, 2, nullptr, &monoInfo, DIB_RGB_COLORS);
    EXPECT_EQ(monoInfo.bmiHeader.biBitCount, 1);
    EXPECT_EQ(monoInfo.bmiHeader.biHeight, 2);
    EXPECT_EQ(monoInfo.bmiHeader.biSizeImage, 8u);
}

TEST(Bitmap, VersionFourHeaderKeepsTheFourthByte) {
    BITMAPV4HEADER header{};
    header.bV4Width = 2;
    header.bV4Height = -1;
    header.bV4BitCount = 32;
    header.bV4V4Compression = BI_BITFIELDS;
    header.bV4RedMask = 0xFF0000;
    header.bV4GreenMask = 0xFF00;
    header.bV4BlueMask = 0xFF;
    void* bits = nullptr;
    TOwnedBitmap section(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits));
    ASSERT_TRUE(section);
    static_cast<std::uint32_t*>(bits)[1] = 0x80112233;

    // Read back with zero masks and a 108-byte header, as the icon alpha reader asks.
    BITMAPV4HEADER request{};
    request.bV4Width = 2;
    request.bV4Height = -1;
    request.bV4BitCount = 32;
    request.bV4V4Compression = BI_BITFIELDS;
    std::uint32_t out[2] = {1, 1};
    TReleasedDC screen(GetScreenDC());
    ASSERT_EQ(GetDIBits(screen.Get(), section.Get(), 0, 1, out,
                        reinterpret_cast<BITMAPINFO*>(&request), DIB_RGB_COLORS),
              1);
    EXPECT_EQ(out[0], 0u);
    EXPECT_EQ(out[1], 0x80112233u);

    header.bV4RedMask = 0xFF; // not the standard layout
    EXPECT_EQ(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits), nullptr);
}

TEST(Bitmap, MalformedOrAbsurdSectionsAreRefused) {
    void* bits = reinterpret_cast<void*>(1);
    const auto refused = [&bits](BITMAPINFO info) {
        bits = reinterpret_cast<void*>(1);
        const HBITMAP h = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits);
        return h == nullptr && bits == nullptr;
    };
    EXPECT_TRUE(refused(DibInfo(0, 10, 32)));
    EXPECT_TRUE(refused(DibInfo(-4, 10, 32)));
    EXPECT_TRUE(refused(DibInfo(4, 0, 32)));
    EXPECT_TRUE(refused(DibInfo(4, 4, 16)));
    EXPECT_TRUE(refused(DibInfo(0x7FFFFFFF, 0x7FFFFFFF, 32)));
    EXPECT_TRUE(refused(DibInfo(4, -0x7FFFFFFF - 1, 32)));
    BITMAPINFO planes = DibInfo(4, 4, 32);
    planes.bmiHeader.biPlanes = 2;
    EXPECT_TRUE(refused(planes));
    BITMAPINFO palette = DibInfo(4, 4, 8);
    EXPECT_EQ(CreateDIBSection(nullptr, &palette, 1, &bits), nullptr) << "palette indices";
    EXPECT_EQ(CreateDIBSection(nullptr, static_cast<const BITMAPINFO*>(nullptr), 0, &bits),
              nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 24, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(0, 4, 1, 1, nullptr), nullptr);
}

TEST(Bitmap, HugeSectionCostsOnlyWhatIsTouched) {
    BITMAPINFO info = DibInfo(65535, 65535, 32);
    void* bits = nullptr;
    TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
    ASSERT_TRUE(section) << "17 GB of address space, untouched";
    auto* words = static_cast<std::uint32_t*>(bits);
    const std::size_t last = std::size_t(65535) * 65535 - 1;
    EXPECT_EQ(words[last], 0u) << "fresh pages read as zero";
    words[last] = 7;
    EXPECT_EQ(words[last], 7u);
}

TEST(Bitmap, DeviceBitmapsFollowTheirContext) {
    TOwnedDC memory(CreateCompatibleDC(nullptr));
    TOwnedBitmap fromFresh(CreateCompatibleBitmap(memory.Get(), 3, 3));
    BITMAP described{};
    ASSERT_TRUE(GetObject(fromFresh.Get(), described));
    EXPECT_EQ(described.bmBitsPixel, 1) << "a new memory context holds a monochrome bitmap";
    EXPECT_EQ(described.bmBits, nullptr);

    test::TCanvas canvas(2, 2);
    TOwnedBitmap fromColour(CreateCompatibleBitmap(canvas.DC(), 3, 3));
    ASSERT_TRUE(GetObject(fromColour.Get(), described));
    EXPECT_EQ(described.bmBitsPixel, 32);
    EXPECT_EQ(described.bmWidthBytes, 12);
    EXPECT_EQ(ReadColours(fromColour.Get(), 3, 3)[4], RGB(0, 0, 0)) << "starts black";

    ASSERT_TRUE(GetObject(canvas.Bitmap(), described));
    EXPECT_NE(described.bmBits, nullptr) << "a section shows its memory";
}

TEST(Bitmap, MonochromeBitsUseWordAlignedRows) {
    const std::uint8_t rows[] = {0xA0, 0x00, 0x40, 0x00}; // 3 wide: 101 / 010
    TOwnedBitmap mono(CreateBitmap(3, 2, 1, 1, rows));
    const auto colours = ReadColours(mono.Get(), 3, 2);
    const COLORREF W = RGB(255, 255, 255), B = RGB(0, 0, 0);
    EXPECT_EQ(colours, (std::vector<COLORREF>{W, B, W, B, W, B}));
}

TEST(Bitmap, CreateDIBitmapConvertsIndexedBottomUpBits) {
    BITMAPINFO info = DibInfo(2, 2, 8);
    info.bmiColors[0] = {0, 0, 255, 0};
    info.bmiColors[1] = {255, 0, 0, 0};
    const std::uint8_t bits[8] = {0, 1, 0, 0, 1, 1, 0, 0}; // bottom row first
    TReleasedDC screen(GetScreenDC());
    TOwnedBitmap bitmap(
        CreateDIBitmap(screen.Get(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS));
    ASSERT_TRUE(bitmap);
    BITMAP described{};
    GetObject(bitmap.Get(), described);
    EXPECT_EQ(described.bmBitsPixel, 32);
    const COLORREF R = RGB(255, 0, 0), Bl = RGB(0, 0, 255);
    EXPECT_EQ(ReadColours(bitmap.Get(), 2, 2), (std::vector<COLORREF>{Bl, Bl, R, Bl}));
}

TEST(Bitmap, SetDIBitsWritesTheRequestedScanLines) {
    test::TCanvas canvas(2, 3, RGB(0, 0, 0));
    BITMAPINFO info = DibInfo(2, 3, 24); // bottom-up: scan line 1 is the middle row
    const std::uint8_t row[8] = {255, 0, 0, 0, 255, 0, 0, 0};
    EXPECT_EQ(SetDIBits(canvas.DC(), canvas.Bitmap(), 1, 1, row, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(canvas.At(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(0, 2), RGB(0, 0, 0));
    EXPECT_EQ(SetDIBits(canvas.DC(), canvas.Bitmap(), 5, 1, row, &info, DIB_RGB_COLORS), 0);
}

} // namespace
} // namespace gdi
