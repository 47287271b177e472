// The cost of a full window repaint on the raster engine: transfers, fills and text over a
// 658 x 478 surface.

#include "platform/gdi/owned.h"
#include "tests/platform/gdi/canvas.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace gdi;

constexpr int kWidth = 658;
constexpr int kHeight = 478;

// A bitmap selected into its own memory context, filled with a gradient.
struct TSurface {
    TOwnedBitmap Bitmap;
    TOwnedDC DC;

    explicit TSurface(HBITMAP bitmap) : Bitmap(bitmap), DC(CreateCompatibleDC(nullptr)) {
        SelectObject(DC.Get(), Bitmap.Get());
    }
    static TSurface Colour(int width = kWidth, int height = kHeight) {
        const BITMAPINFO info = test::DibInfo(width, -height, 32);
        void* bits = nullptr;
        TSurface s(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits));
        auto* words = static_cast<std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i)
            words[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFF;
        return s;
    }
    static TSurface Mono() { return TSurface(CreateBitmap(kWidth, kHeight, 1, 1, nullptr)); }
};

void Transfer(benchmark::State& state, DWORD rop) {
    TSurface src = TSurface::Colour();
    TSurface dst = TSurface::Colour();
    for (auto _ : state)
        BitBlt(dst.DC.Get(), 0, 0, kWidth, kHeight, src.DC.Get(), 0, 0, rop);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_BitBltCopy(benchmark::State& state) {
    Transfer(state, SRCCOPY);
}
void BM_BitBltAnd(benchmark::State& state) {
    Transfer(state, SRCAND);
}
void BM_BitBltPaint(benchmark::State& state) {
    Transfer(state, SRCPAINT);
}

void BM_MonoToColour(benchmark::State& state) {
    TSurface mono = TSurface::Mono();
    TSurface dst = TSurface::Colour();
    for (auto _ : state)
        BitBlt(dst.DC.Get(), 0, 0, kWidth, kHeight, mono.DC.Get(), 0, 0, SRCCOPY);
}

void BM_ColourToMono(benchmark::State& state) {
    TSurface src = TSurface::Colour();
    TSurface mono = TSurface::Mono();
    SetBkColor(src.DC.Get(), RGB(255, 0, 255));
    for (auto _ : state)
        BitBlt(mono.DC.Get(), 0, 0, kWidth, kHeight, src.DC.Get(), 0, 0, SRCCOPY);
}

void BM_StretchBltTwice(benchmark::State& state) {
    TSurface src = TSurface::Colour(kWidth / 2, kHeight / 2);
    TSurface dst = TSurface::Colour();
    for (auto _ : state)
        StretchBlt(dst.DC.Get(), 0, 0, kWidth, kHeight, src.DC.Get(), 0, 0, kWidth / 2, kHeight / 2,
                   SRCCOPY);
}

void BM_StretchDIBits24(benchmark::State& state) {
    const BITMAPINFO info = test::DibInfo(kWidth, kHeight, 24);
    const std::size_t stride = (std::size_t(kWidth) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bits(stride * kHeight, 0x5A);
    TSurface dst = TSurface::Colour();
    for (auto _ : state)
        StretchDIBits(dst.DC.Get(), 0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight, bits.data(),
                      &info, DIB_RGB_COLORS, SRCCOPY);
}

void BM_FillRect(benchmark::State& state) {
    TSurface dst = TSurface::Colour();
    TOwnedBrush brush(CreateSolidBrush(RGB(212, 208, 200)));
    for (auto _ : state)
        FillRect(dst.DC.Get(), {0, 0, kWidth, kHeight}, brush.Get());
}

void BM_TextOutLine(benchmark::State& state) {
    TSurface dst = TSurface::Colour();
    for (auto _ : state)
        TextOut(dst.DC.Get(), 4, 4, "Burn data discs, audio CDs and video DVDs with one tool");
}

void BM_DrawTextWordBreak(benchmark::State& state) {
    TSurface dst = TSurface::Colour();
    SetBkMode(dst.DC.Get(), TRANSPARENT);
    for (auto _ : state) {
        RECT r{100, 20, 400, 200};
        DrawText(dst.DC.Get(),
                 "Write files and folders to a CD or DVD.\r\nCopy a whole disc, make an image "
                 "file or write one back, and erase rewritable media.",
                 &r, DT_WORDBREAK | DT_EXPANDTABS);
    }
}

BENCHMARK(BM_BitBltCopy);
BENCHMARK(BM_BitBltAnd);
BENCHMARK(BM_BitBltPaint);
BENCHMARK(BM_MonoToColour);
BENCHMARK(BM_ColourToMono);
BENCHMARK(BM_StretchBltTwice);
BENCHMARK(BM_StretchDIBits24);
BENCHMARK(BM_FillRect);
BENCHMARK(BM_TextOutLine);
BENCHMARK(BM_DrawTextWordBreak);

} // namespace

BENCHMARK_MAIN();
