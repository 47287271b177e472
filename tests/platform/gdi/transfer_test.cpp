#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace gdi {
namespace {

using test::TCanvas;
using test::TMonoCanvas;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

COLORREF Grey(int v) {
    return RGB(BYTE(v), BYTE(v), BYTE(v));
}

// Fills row y of a canvas with the given colours from x = 0.
void SetRow(const TCanvas& canvas, int y, std::initializer_list<COLORREF> colours) {
    int x = 0;
    for (COLORREF c : colours)
        canvas.Set(x++, y, c);
}

std::vector<COLORREF> Row(const TCanvas& canvas, int y) {
    std::vector<COLORREF> out;
    for (int x = 0; x < canvas.Width(); ++x)
        out.push_back(canvas.At(x, y));
    return out;
}

TEST(Transfer, EveryTernaryOperationFollowsItsTruthTable) {
    // With pattern 0xF0, source 0xCC and destination 0xAA in every channel, each result
    // channel is the operation's truth table byte itself.
    TCanvas src(3, 2, Grey(0xCC));
    TCanvas dst(3, 2);
    TOwnedBrush brush(CreateSolidBrush(Grey(0xF0)));
    TSelection selected(dst.DC(), brush.Get());
    for (DWORD code = 0; code < 256; ++code) {
        dst.Fill(Grey(0xAA));
        ASSERT_TRUE(BitBlt(dst.DC(), 0, 0, 3, 2, src.DC(), 0, 0, code << 16 | 0x0042));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                ASSERT_EQ(dst.At(x, y), Grey(int(code))) << "code " << code;
    }
}

TEST(Transfer, NamedOperationsOnMixedRows) {
    struct TCase {
        DWORD Rop;
        COLORREF (*Expected)(COLORREF s, COLORREF d);
    };
    const TCase cases[] = {
        {SRCCOPY, [](COLORREF s, COLORREF) { return s; }},
        {NOTSRCCOPY, [](COLORREF s, COLORREF) { return ~s & 0xFFFFFF; }},
        {SRCAND, [](COLORREF s, COLORREF d) { return s & d; }},
        {SRCPAINT, [](COLORREF s, COLORREF d) { return s | d; }},
        {SRCINVERT, [](COLORREF s, COLORREF d) { return s ^ d; }},
        {SRCERASE, [](COLORREF s, COLORREF d) { return s & ~d & 0xFFFFFF; }},
        {DSTINVERT, [](COLORREF, COLORREF d) { return ~d & 0xFFFFFF; }},
        {BLACKNESS, [](COLORREF, COLORREF) { return kBlack; }},
        {WHITENESS, [](COLORREF, COLORREF) { return kWhite; }},
    };
    const COLORREF sources[] = {RGB(0x12, 0x34, 0x56), kWhite, kBlack, RGB(0xF0, 0x0F, 0x81)};
    const COLORREF targets[] = {RGB(0x9A, 0xBC, 0xDE), kBlack, RGB(0x3C, 0xC3, 0x55), kWhite};
    TCanvas src(4, 1);
    TCanvas dst(4, 1);
    for (const TCase& c : cases) {
        for (int x = 0; x < 4; ++x) {
            src.Set(x, 0, sources[x]);
            dst.Set(x, 0, targets[x]);
        }
        BitBlt(dst.DC(), 0, 0, 4, 1, src.DC(), 0, 0, c.Rop);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.At(x, 0), c.Expected(sources[x], targets[x]))
                << std::hex << c.Rop << " pixel " << x;
    }
}

TEST(Transfer, ColourToMonochromeMarksTheSourceBackgroundColour) {
    TCanvas src(5, 1);
    const COLORREF key = RGB(255, 0, 255);
    SetRow(src, 0, {key, kBlack, key, RGB(254, 0, 255), kWhite});
    SetBkColor(src.DC(), key);
    TMonoCanvas mask(5, 1);
    SetBkColor(mask.DC(), kBlack); // the destination's colours play no part
    BitBlt(mask.DC(), 0, 0, 5, 1, src.DC(), 0, 0, SRCCOPY);
    EXPECT_EQ(mask.Bits(), "10100");
    BitBlt(mask.DC(), 0, 0, 5, 1, mask.DC(), 0, 0, NOTSRCCOPY);
    EXPECT_EQ(mask.Bits(), "01011");
}

TEST(Transfer, MonochromeToColourTakesTheDestinationColours) {
    const std::uint8_t bits[] = {0xA0, 0}; // 1 0 1 0
    TOwnedBitmap mono(CreateBitmap(4, 1, 1, 1, bits));
    TOwnedDC monoDC(CreateCompatibleDC(nullptr));
    TSelection selected(monoDC.Get(), mono.Get());
    SetBkColor(monoDC.Get(), kBlack); // the source's colours play no part
    SetTextColor(monoDC.Get(), kWhite);
    TCanvas dst(4, 1);
    SetBkColor(dst.DC(), kBlue);
    SetTextColor(dst.DC(), kRed);
    BitBlt(dst.DC(), 0, 0, 4, 1, monoDC.Get(), 0, 0, SRCCOPY);
    EXPECT_EQ(Row(dst, 0), (std::vector<COLORREF>{kBlue, kRed, kBlue, kRed}));

    // With the default colours a mask ANDed onto colour keeps the 1 pixels.
    SetBkColor(dst.DC(), kWhite);
    SetTextColor(dst.DC(), kBlack);
    dst.Fill(RGB(10, 20, 30));
    BitBlt(dst.DC(), 0, 0, 4, 1, monoDC.Get(), 0, 0, SRCAND);
    EXPECT_EQ(Row(dst, 0),
              (std::vector<COLORREF>{RGB(10, 20, 30), kBlack, RGB(10, 20, 30), kBlack}));
}

TEST(Transfer, NegativeExtentsMirror) {
    TCanvas src(3, 2);
    SetRow(src, 0, {Grey(1), Grey(2), Grey(3)});
    SetRow(src, 1, {Grey(4), Grey(5), Grey(6)});
    TCanvas dst(3, 2);
    StretchBlt(dst.DC(), 2, 0, -3, 2, src.DC(), 0, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(Row(dst, 0), (std::vector<COLORREF>{Grey(3), Grey(2), Grey(1)}));
    EXPECT_EQ(Row(dst, 1), (std::vector<COLORREF>{Grey(6), Grey(5), Grey(4)}));
    StretchBlt(dst.DC(), 0, 1, 3, -2, src.DC(), 0, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(Row(dst, 0), (std::vector<COLORREF>{Grey(4), Grey(5), Grey(6)}));
    EXPECT_EQ(Row(dst, 1), (std::vector<COLORREF>{Grey(1), Grey(2), Grey(3)}));
    // Both sides negative: no mirroring, the same pixels as a plain copy.
    dst.Fill(kWhite);
    StretchBlt(dst.DC(), 2, 1, -2, -2, src.DC(), 2, 1, -2, -2, SRCCOPY);
    EXPECT_EQ(Row(dst, 0), (std::vector<COLORREF>{kWhite, Grey(2), Grey(3)}));
    EXPECT_EQ(Row(dst, 1), (std::vector<COLORREF>{kWhite, Grey(5), Grey(6)}));
}

TEST(Transfer, StretchingSamplesPixelCentres) {
    TCanvas src(4, 1);
    SetRow(src, 0, {Grey(10), Grey(20), Grey(30), Grey(40)});
    TCanvas dst(8, 1);
    StretchBlt(dst.DC(), 0, 0, 8, 1, src.DC(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Row(dst, 0), (std::vector<COLORREF>{Grey(10), Grey(10), Grey(10), Grey(10), Grey(20),
                                                  Grey(20), Grey(20), Grey(20)}));
    dst.Fill(kWhite);
    StretchBlt(dst.DC(), 0, 0, 2, 1, src.DC(), 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), Grey(20));
    EXPECT_EQ(dst.At(1, 0), Grey(40));
    StretchBlt(dst.DC(), 0, 0, 2, 1, src.DC(), 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), Grey(10));
    EXPECT_EQ(dst.At(1, 0), Grey(30));
    // One wider than the source, mirrored vertically, as a quadrant mirror copies.
    TCanvas tile(3, 2, kWhite);
    SetRow(tile, 0, {Grey(1), Grey(2)});
    StretchBlt(tile.DC(), 0, 1, 3, -1, tile.DC(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Row(tile, 1), (std::vector<COLORREF>{Grey(1), Grey(2), Grey(2)}));
}

TEST(Transfer, OverlappingCopiesReadTheSourceFirst) {
    TCanvas canvas(6, 3);
    const auto reset = [&canvas] {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 6; ++x)
                canvas.Set(x, y, Grey(10 * y + x));
    };
    reset();
    BitBlt(canvas.DC(), 2, 0, 4, 1, canvas.DC(), 0, 0, SRCCOPY);
    EXPECT_EQ(Row(canvas, 0),
              (std::vector<COLORREF>{Grey(0), Grey(1), Grey(0), Grey(1), Grey(2), Grey(3)}));
    reset();
    BitBlt(canvas.DC(), 0, 0, 4, 1, canvas.DC(), 2, 0, SRCCOPY);
    EXPECT_EQ(Row(canvas, 0),
              (std::vector<COLORREF>{Grey(2), Grey(3), Grey(4), Grey(5), Grey(4), Grey(5)}));
    reset();
    BitBlt(canvas.DC(), 0, 1, 2, 2, canvas.DC(), 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 1), Grey(0));
    EXPECT_EQ(canvas.At(1, 2), Grey(11));
    reset();
    StretchBlt(canvas.DC(), 5, 0, -6, 1, canvas.DC(), 0, 0, 6, 1, SRCCOPY);
    EXPECT_EQ(Row(canvas, 0),
              (std::vector<COLORREF>{Grey(5), Grey(4), Grey(3), Grey(2), Grey(1), Grey(0)}));
}

TEST(Transfer, AreasOutsideEitherSurfaceAreSkipped) {
    TCanvas src(2, 2, kRed);
    TCanvas dst(3, 3, kWhite);
    EXPECT_TRUE(BitBlt(dst.DC(), 0, 0, 3, 3, src.DC(), -1, -1, SRCCOPY));
    EXPECT_EQ(dst.Picture(kRed), "...|.##|.##");
    dst.Fill(kWhite);
    EXPECT_TRUE(BitBlt(dst.DC(), -5, 2, 100, 100, src.DC(), -4, 0, SRCCOPY));
    EXPECT_EQ(dst.Picture(kRed), "...|...|#..");
    EXPECT_TRUE(BitBlt(dst.DC(), 0, 0, 0, 5, src.DC(), 0, 0, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dst.DC(), 0, 0, 2, 2, src.DC(), 0, 0, 0, 2, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.DC(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.DC(), 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS)) << "no source needed";
    EXPECT_EQ(dst.At(0, 0), kBlack);
}

TEST(Transfer, AbsurdCoordinatesNeitherOverflowNorStray) {
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    TCanvas src(2, 2, kRed);
    TCanvas dst(3, 3, kWhite);
    EXPECT_TRUE(BitBlt(dst.DC(), big - 1, 0, big, big, src.DC(), 0, 0, SRCCOPY));
    EXPECT_TRUE(
        StretchBlt(dst.DC(), small, small, big, big, src.DC(), big, small, -big, big, SRCCOPY));
    EXPECT_TRUE(PatBlt(dst.DC(), 1, 1, small, big, DSTINVERT));
    EXPECT_EQ(dst.Picture(kWhite), "###|..#|..#") << "columns up to 1, rows from 1";
    SetViewportOrgEx(dst.DC(), big, big, nullptr);
    TOwnedBrush red(CreateSolidBrush(kRed));
    EXPECT_EQ(FillRect(dst.DC(), {small, small, big, big}, red.Get()), 1);
    EXPECT_EQ(dst.Picture(kRed), "###|###|###");
}

TEST(Transfer, PaletteDestinationsTakeTheNearestEntryOrCopyIndices) {
    BITMAPINFO info = test::DibInfo(3, -1, 8);
    info.bmiHeader.biClrUsed = 3;
    info.bmiColors[1] = {0, 0, 255, 0};
    info.bmiColors[2] = {0, 255, 0, 0};
    void* bits = nullptr;
    TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    TSelection selected(dc.Get(), section.Get());
    TCanvas src(3, 1);
    SetRow(src, 0, {RGB(200, 40, 40), RGB(20, 20, 20), RGB(30, 220, 10)});
    BitBlt(dc.Get(), 0, 0, 3, 1, src.DC(), 0, 0, SRCCOPY);
    const auto* indices = static_cast<const std::uint8_t*>(bits);
    EXPECT_EQ(indices[0], 1);
    EXPECT_EQ(indices[1], 0);
    EXPECT_EQ(indices[2], 2);

    void* copyBits = nullptr;
    TOwnedBitmap copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &copyBits));
    TOwnedDC copyDC(CreateCompatibleDC(nullptr));
    TSelection copySelected(copyDC.Get(), copy.Get());
    static_cast<std::uint8_t*>(bits)[0] = 7; // past the table, kept as an index
    StretchBlt(copyDC.Get(), 2, 0, -3, 1, dc.Get(), 0, 0, 3, 1, SRCCOPY);
    const auto* copied = static_cast<const std::uint8_t*>(copyBits);
    EXPECT_EQ(copied[0], 2);
    EXPECT_EQ(copied[2], 7);
}

TEST(Transfer, StretchDIBitsReadsBottomUpRows) {
    // 2 x 2, 24 bits, bottom row first: bottom = red, blue; top = white, black.
    BITMAPINFO info = test::DibInfo(2, 2, 24);
    const std::uint8_t bits[16] = {0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0};
    TCanvas dst(4, 4, Grey(7));
    EXPECT_EQ(StretchDIBits(dst.DC(), 1, 1, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY),
              2);
    EXPECT_EQ(dst.At(1, 1), kWhite);
    EXPECT_EQ(dst.At(2, 1), kBlack);
    EXPECT_EQ(dst.At(1, 2), kRed);
    EXPECT_EQ(dst.At(2, 2), kBlue);
    EXPECT_EQ(dst.At(0, 0), Grey(7));
    // Source row 1 counted from the bottom is the top row; stretched to 4 x 2.
    dst.Fill(Grey(7));
    StretchDIBits(dst.DC(), 0, 0, 4, 2, 0, 1, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(dst.Picture(kWhite), "##..|##..|....|....");
    EXPECT_EQ(dst.At(3, 1), kBlack);
    BITMAPINFO bad = test::DibInfo(2, 2, 13);
    EXPECT_EQ(StretchDIBits(dst.DC(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &bad, DIB_RGB_COLORS, SRCCOPY),
              0);
}

TEST(Transfer, MaskedCopyKeepsTheDestinationUnderOnes) {
    TCanvas src(3, 1, kRed);
    TCanvas dst(4, 1, kWhite);
    const std::uint8_t maskBits[] = {0x40, 0}; // 0 1 0
    TOwnedBitmap mask(CreateBitmap(3, 1, 1, 1, maskBits));
    TOwnedDC maskDC(CreateCompatibleDC(nullptr));
    TSelection selected(maskDC.Get(), mask.Get());
    EXPECT_TRUE(MaskedStretchBlt(dst.DC(), 1, 0, 3, 1, src.DC(), 0, 0, 3, 1, maskDC.Get(), 0, 0));
    EXPECT_EQ(dst.Picture(kRed), ".#.#");
}

TEST(Transfer, ColourKeyedDrawingLeavesKeyPixelsTransparent) {
    const COLORREF key = RGB(0, 255, 0);
    TCanvas dst(6, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            dst.Set(x, y, (x + y) % 2 ? Grey(100) : RGB(0, 0, 80));
    const std::vector<COLORREF> before = Row(dst, 1);

    // The image: key, red / blue, key, 2 x 2, converted to a device bitmap as the renderer does.
    BITMAPINFO info = test::DibInfo(2, 2, 24);
    const std::uint8_t bits[16] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0};
    TOwnedBitmap image(CreateDIBitmap(dst.DC(), &info.bmiHeader, CBM_INIT, bits, &info, 0));
    TOwnedDC source(CreateCompatibleDC(dst.DC()));
    TSelection selected(source.Get(), image.Get());
    EXPECT_TRUE(TransparentBlt(dst.DC(), 1, 1, 4, 2, source.Get(), 0, 0, 2, 2, key));

    // Stretched 2x horizontally: top row key key red red, bottom row blue blue key key.
    EXPECT_EQ(dst.At(1, 1), before[1]);
    EXPECT_EQ(dst.At(2, 1), before[2]);
    EXPECT_EQ(dst.At(3, 1), kRed);
    EXPECT_EQ(dst.At(4, 1), kRed);
    EXPECT_EQ(dst.At(1, 2), kBlue);
    EXPECT_EQ(dst.At(2, 2), kBlue);
    EXPECT_EQ(dst.At(3, 2), (3 + 2) % 2 ? Grey(100) : RGB(0, 0, 80));
    EXPECT_EQ(dst.At(0, 1), before[0]) << "outside the rectangle";
}

// Whatever the stretch, mirroring, clip and device scale, a colour-keyed copy shows what the
// plain stretched copy shows, except that the key colour leaves the destination as it was.
TEST(Transfer, ColourKeyedCopyHidesExactlyWhatThePlainCopyShowsInTheKeyColour) {
    const COLORREF key = RGB(0, 255, 0);
    TCanvas image(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            image.Set(x, y, (x + 2 * y) % 3 ? RGB(40 * x, 50 * y, 9) : key);
    const auto background = [](int x, int y) { return RGB(9, 5 * x, 5 * y); };
    const std::vector<RECT> targets = {{1, 1, 8, 6}, {0, 0, 10, 7}, {2, 1, 5, 4},
                                       {9, 1, 2, 6}, {-2, 3, 9, 1}, {3, 2, 4, 3}};
    int hiddenPixels = 0;
    for (const int scale : {1, 2, 3})
        for (const bool clipped : {false, true})
            for (const RECT& r : targets) {
                TCanvas keyed(12, 9, 0, scale), plain(12, 9, 0, scale);
                for (TCanvas* canvas : {&keyed, &plain}) {
                    for (int y = 0; y < canvas->Height(); ++y)
                        for (int x = 0; x < canvas->Width(); ++x)
                            canvas->Set(x, y, background(x, y));
                    if (clipped)
                        IntersectClipRect(canvas->DC(), 2, 2, 6, 5);
                }
                EXPECT_TRUE(TransparentBlt(keyed.DC(), r.left, r.top, r.right - r.left,
                                           r.bottom - r.top, image.DC(), 0, 0, 7, 5, key));
                StretchBlt(plain.DC(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                           image.DC(), 0, 0, 7, 5, SRCCOPY);
                for (int y = 0; y < keyed.Height(); ++y)
                    for (int x = 0; x < keyed.Width(); ++x) {
                        const bool hidden = plain.At(x, y) == key;
                        hiddenPixels += hidden;
                        ASSERT_EQ(keyed.At(x, y), hidden ? background(x, y) : plain.At(x, y))
                            << x << "," << y << " scale " << scale << " into " << r.left << ","
                            << r.top << " " << r.right - r.left << " x " << r.bottom - r.top;
                    }
            }
    EXPECT_GT(hiddenPixels, 100);
    TCanvas dst(2, 2);
    EXPECT_FALSE(TransparentBlt(dst.DC(), 0, 0, 2, 2, nullptr, 0, 0, 2, 2, key));
    EXPECT_FALSE(TransparentBlt(nullptr, 0, 0, 2, 2, image.DC(), 0, 0, 2, 2, key));
}

TEST(Transfer, ScratchRoundTripIsClippedByTheDestination) {
    // The alpha renderer copies the destination out 1:1, changes the copy, and copies it back.
    TCanvas dst(4, 2, Grey(50));
    IntersectClipRect(dst.DC(), 0, 0, 3, 2);
    BITMAPINFO info = test::DibInfo(4, -2, 32);
    void* bits = nullptr;
    TOwnedBitmap scratch(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
    TOwnedDC scratchDC(CreateCompatibleDC(nullptr));
    TSelection selected(scratchDC.Get(), scratch.Get());
    StretchBlt(scratchDC.Get(), 0, 0, 4, 2, dst.DC(), 0, 0, 4, 2, SRCCOPY);
    auto* words = static_cast<std::uint32_t*>(bits);
    EXPECT_EQ(words[3] & 0xFFFFFF, 0x323232u);
    for (int i = 0; i < 8; ++i)
        words[i] = 0x00FF0000; // red
    StretchBlt(dst.DC(), 0, 0, 4, 2, scratchDC.Get(), 0, 0, 4, 2, SRCCOPY);
    EXPECT_EQ(dst.Picture(kRed), "###.|###.");
}

} // namespace
} // namespace gdi
