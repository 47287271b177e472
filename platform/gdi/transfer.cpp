#include "platform/gdi/transfer.h"

#include "platform/gdi/rop.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gdi::detail {

namespace {

// One axis of a transfer: the destination pixels [Lo, Hi) it covers inside the surface, and
// for each the source pixel it takes. Stretching samples pixel centres: destination index i
// of n takes source index floor((2i + 1) * m / (2n)) of m.
struct TAxis {
    int Lo = 0;
    int Hi = 0;
    std::vector<int> Source; // -1 where the source pixel lies outside the source surface
    bool Identity = false;   // source = destination + Offset, pixel for pixel
    int Offset = 0;

    int At(int d) const { return Identity ? d + Offset : Source[std::size_t(d - Lo)]; }
};

// The device pixels [lo, hi) that an extent from origin covers, kept within int.
std::pair<int, int> Span(int origin, int extent) {
    const long long o = origin;
    return extent >= 0 ? std::pair{SaturateToInt(o), SaturateToInt(o + extent)}
                       : std::pair{SaturateToInt(o + extent + 1), SaturateToInt(o + 1)};
}

TAxis MapAxis(int dOrigin, int dExtent, int limit, const int* sOrigin, int sExtent, int sLimit) {
    TAxis axis;
    const auto [lo, hi] = Span(dOrigin, dExtent);
    axis.Lo = std::max(lo, 0);
    axis.Hi = std::max(axis.Lo, std::min(hi, limit));
    if (!sOrigin) {
        axis.Identity = true;
        return axis;
    }
    const long long dn = dExtent < 0 ? -(long long)dExtent : dExtent;
    const long long sn = sExtent < 0 ? -(long long)sExtent : sExtent;
    if (dn == sn && (dExtent < 0) == (sExtent < 0)) {
        // Trim to where the source exists; an offset that reaches no source pixel leaves the
        // axis empty before it could overflow.
        const long long offset = (long long)*sOrigin - dOrigin;
        axis.Identity = true;
        axis.Lo = int(std::max<long long>(axis.Lo, -offset));
        axis.Hi = int(std::max<long long>(axis.Lo, std::min<long long>(axis.Hi, sLimit - offset)));
        axis.Offset = axis.Lo < axis.Hi ? int(offset) : 0;
        return axis;
    }
    axis.Source.resize(std::size_t(axis.Hi - axis.Lo));
    for (int d = axis.Lo; d < axis.Hi; ++d) {
        const long long i = dExtent > 0 ? d - dOrigin : dOrigin - d;
        const long long j = (2 * i + 1) * sn / (2 * dn);
        const long long s = sExtent > 0 ? *sOrigin + j : *sOrigin - j;
        axis.Source[std::size_t(d - axis.Lo)] = (s >= 0 && s < sLimit) ? int(s) : -1;
    }
    return axis;
}

struct TScratch {
    std::vector<TPixel> Dst, Src, Pat, Keep, Wide;
    std::vector<std::uint8_t> Indices, WideIndices, MaskBits;
    void Reserve(std::size_t n) {
        for (auto* v : {&Dst, &Src, &Pat, &Keep})
            if (v->size() < n)
                v->resize(n);
        if (Indices.size() < n)
            Indices.resize(n);
        if (MaskBits.size() < n)
            MaskBits.resize(n);
    }
};

TScratch& Scratch() {
    static TScratch scratch;
    return scratch;
}

// The pattern column or row of device coordinate v, counted from the pattern's origin.
int PatternIndex(int v, int origin, int scale) {
    return int(FloorDiv((long long)v - origin, scale) & 7);
}

constexpr std::uint8_t kPatternCopy = 0xF0;

// Writes the first period of the pattern row, then doubles the written part.
void FillPattern(const TPattern& pattern, int y, int x, int n, TPixel* out) {
    const TPixel* row =
        &pattern.Pixels[std::size_t(PatternIndex(y, pattern.Origin.y, pattern.Scale)) * 8];
    const int period = std::min(n, 8 * pattern.Scale);
    for (int i = 0; i < period; ++i)
        out[i] = row[PatternIndex(x + i, pattern.Origin.x, pattern.Scale)];
    for (int done = period; done < n;) {
        const int chunk = std::min(done, n - done);
        std::memcpy(out + done, out, std::size_t(chunk) * sizeof(TPixel));
        done += chunk;
    }
}

// Copies the rows of `source` that a same-surface transfer reads, so the transfer reads the
// picture as it was before any row is written.
struct TSnapshot {
    std::vector<std::uint8_t> Bytes;
    TSurface View;
};

class TRowEngine {
public:
    TRowEngine(DeviceContext& dc, const TSurface& dst, const TTransfer& t, const TAxis& xAxis)
        : FDst(dst), FT(t), FX(xAxis), FScratch(Scratch()) {
        FDstBk = ToPixel(dc.State.BkColour);
        FDstText = ToPixel(dc.State.TextColour);
        if (t.Source)
            FSrcKey = t.Source->Surface->Resolve(ToPixel(t.Source->BkColour));
        if (t.Mask)
            FMaskKey = t.Mask->Surface->Resolve(ToPixel(t.Mask->BkColour));
        if (t.SourceKey)
            FKey = t.Source->Surface->Resolve(ToPixel(*t.SourceKey));
        if (t.Pattern && std::ranges::all_of(t.Pattern->Pixels,
                                             [&](TPixel p) { return p == t.Pattern->Pixels[0]; }))
            FSolid = true;
        FTargetLeft = Span(t.Target.X, t.Target.Width).first;
        FTargetTop = Span(t.Target.Y, t.Target.Height).first;
        FScratch.Reserve(std::size_t(std::max(1, xAxis.Hi - xAxis.Lo)));
    }

    // Processes destination row y over [x0, x1); src is null without a source.
    void Row(const TSurface* src, int srcY, int y, int x0, int x1) {
        const int n = x1 - x0;
        std::uint8_t* dstRow = FDst.Row(y);
        const bool keeps = FT.Mask || FT.SourceKey;
        if (src && FT.Code == 0xCC && !keeps && src->SameFormat(FDst)) {
            CopySameFormat(*src, src->Row(srcY), dstRow, x0, n);
            return;
        }
        TPixel* d = FScratch.Dst.data();
        if (FDst.BitsPerPixel == 32)
            d = reinterpret_cast<TPixel*>(dstRow) + x0;
        if (FDst.BitsPerPixel == 32 && FT.Code == kPatternCopy && !keeps) {
            PatternRow(y, x0, n, d);
            return;
        }
        if (FDst.BitsPerPixel != 32)
            FDst.Read(dstRow, x0, n, d);
        const TPixel* s = src ? SourcePixels(*src, srcY, x0, n) : nullptr;
        const TPixel* p = nullptr;
        if (FT.Pattern && RopUsesPattern(FT.Code)) {
            PatternRow(y, x0, n, FScratch.Pat.data());
            p = FScratch.Pat.data();
        }
        if (FT.Mask)
            ReadMask(y, x0, n);
        if (keeps)
            std::copy(d, d + n, FScratch.Keep.data());
        ApplyRop(FT.Code, d, s, p, n);
        if (keeps)
            for (int i = 0; i < n; ++i)
                if (FScratch.MaskBits[std::size_t(i)])
                    d[i] = FScratch.Keep[std::size_t(i)];
        if (FDst.BitsPerPixel != 32)
            FDst.Write(dstRow, x0, n, d);
    }

private:
    // A solid brush's row is a plain fill, which only writes.
    void PatternRow(int y, int x0, int n, TPixel* out) const {
        if (FSolid)
            FillPixels(out, std::size_t(n), FT.Pattern->Pixels[0]);
        else
            FillPattern(*FT.Pattern, y, x0, n, out);
    }

    // The source row under destination [x0, x0 + n) as the destination sees it: read in
    // place when nothing needs converting, otherwise gathered and converted.
    const TPixel* SourcePixels(const TSurface& src, int srcY, int x0, int n) {
        if (src.BitsPerPixel == 32 && FX.Identity && !FDst.Monochrome) {
            const TPixel* s = reinterpret_cast<const TPixel*>(src.Row(srcY)) + (x0 + FX.Offset);
            if (FT.SourceKey)
                ReadKey(src, s, n);
            return s;
        }
        ReadSource(src, src.Row(srcY), x0, n, FScratch.Src.data());
        if (FT.SourceKey)
            ReadKey(src, FScratch.Src.data(), n);
        Convert(src, FScratch.Src.data(), n);
        return FScratch.Src.data();
    }

    // The keep bits of a colour-keyed copy, from the source pixels before any conversion.
    void ReadKey(const TSurface& src, const TPixel* s, int n) {
        auto& bits = FScratch.MaskBits;
        for (int i = 0; i < n; ++i) {
            const TPixel p = s[i] & kColourBits;
            bits[std::size_t(i)] = src.Monochrome ? p != 0 : p == FKey;
        }
    }

    // The source columns of destination [x0, x0 + n): the smallest, the largest.
    std::pair<int, int> SourceRange(int x0, int n) const {
        const int a = FX.At(x0);
        const int b = FX.At(x0 + n - 1);
        return {std::min(a, b), std::max(a, b)};
    }

    void CopySameFormat(const TSurface& src, const std::uint8_t* srcRow, std::uint8_t* dstRow,
                        int x0, int n) {
        if (!src.Indexed() && FX.Identity) {
            const std::size_t bytes = std::size_t(src.BitsPerPixel / 8);
            std::memmove(dstRow + std::size_t(x0) * bytes,
                         srcRow + std::size_t(x0 + FX.Offset) * bytes, std::size_t(n) * bytes);
            return;
        }
        if (!src.Indexed()) {
            ReadSource(src, srcRow, x0, n, FScratch.Src.data());
            FDst.Write(dstRow, x0, n, FScratch.Src.data());
            return;
        }
        const auto [lo, hi] = SourceRange(x0, n);
        auto& wide = FScratch.WideIndices;
        wide.resize(std::size_t(hi - lo + 1));
        src.ReadIndices(srcRow, lo, hi - lo + 1, wide.data());
        for (int i = 0; i < n; ++i)
            FScratch.Indices[std::size_t(i)] = wide[std::size_t(FX.At(x0 + i) - lo)];
        FDst.WriteIndices(dstRow, x0, n, FScratch.Indices.data());
    }

    void ReadSource(const TSurface& src, const std::uint8_t* srcRow, int x0, int n, TPixel* out) {
        if (FX.Identity) {
            src.Read(srcRow, x0 + FX.Offset, n, out);
            return;
        }
        const auto [lo, hi] = SourceRange(x0, n);
        auto& wide = FScratch.Wide;
        wide.resize(std::size_t(hi - lo + 1));
        src.Read(srcRow, lo, hi - lo + 1, wide.data());
        for (int i = 0; i < n; ++i)
            out[i] = wide[std::size_t(FX.At(x0 + i) - lo)];
    }

    // The platform's conversions between monochrome and colour surfaces.
    void Convert(const TSurface& src, TPixel* s, int n) const {
        if (src.Monochrome && !FDst.Monochrome) {
            for (int i = 0; i < n; ++i)
                s[i] = (s[i] & kColourBits) ? FDstBk : FDstText;
        } else if (!src.Monochrome && FDst.Monochrome) {
            for (int i = 0; i < n; ++i)
                s[i] = (s[i] & kColourBits) == FSrcKey ? kWhitePixel : kBlackPixel;
        }
    }

    // The mask pixel under destination offset d from the target's corner, along one axis.
    long long MaskOffset(int d) const {
        return FloorDiv((long long)d * FT.Mask->Scale, FT.Mask->TargetScale);
    }

    void ReadMask(int y, int x0, int n) {
        const TSurface& mask = *FT.Mask->Surface;
        const long long my = FT.Mask->Y + MaskOffset(y - FTargetTop);
        auto& bits = FScratch.MaskBits;
        std::fill(bits.begin(), bits.begin() + n, std::uint8_t(1));
        if (my < 0 || my >= mask.Height)
            return;
        // The mask columns under the row lie between those of its ends.
        const long long first = FT.Mask->X + MaskOffset(x0 - FTargetLeft);
        const long long last = FT.Mask->X + MaskOffset(x0 + n - 1 - FTargetLeft);
        const int lo = int(std::max<long long>(first, 0));
        const int hi = int(std::min<long long>(last + 1, mask.Width));
        if (lo >= hi)
            return;
        auto& wide = FScratch.Wide;
        wide.resize(std::size_t(hi - lo));
        mask.Read(mask.Row(int(my)), lo, hi - lo, wide.data());
        for (int i = 0; i < n; ++i) {
            const long long m = FT.Mask->X + MaskOffset(x0 + i - FTargetLeft);
            if (m < lo || m >= hi)
                continue;
            const TPixel p = wide[std::size_t(m - lo)] & kColourBits;
            bits[std::size_t(i)] = mask.Monochrome ? p != 0 : p == FMaskKey;
        }
    }

    const TSurface& FDst;
    const TTransfer& FT;
    const TAxis& FX;
    TScratch& FScratch;
    TPixel FDstBk = 0, FDstText = 0, FSrcKey = 0, FMaskKey = 0, FKey = 0;
    bool FSolid = false;
    int FTargetLeft = 0, FTargetTop = 0;
};

bool Overlaps(int aLo, int aHi, int bLo, int bHi) {
    return aLo < bHi && bLo < aHi;
}

// The smallest and largest source pixel the axis reads; lo > hi when it reads none.
std::pair<int, int> SourceBounds(const TAxis& axis) {
    int lo = 1;
    int hi = 0;
    for (int d = axis.Lo; d < axis.Hi; ++d) {
        const int s = axis.At(d);
        if (s < 0)
            continue;
        lo = lo > hi ? s : std::min(lo, s);
        hi = std::max(hi, s);
    }
    return {lo, hi};
}

// The source rows that the y axis reads, copied out when source and destination share
// memory and the areas may overlap; the axis is moved onto the copy.
std::optional<TSnapshot> SnapshotIfShared(const TSurface& dst, const TSurface& src, TAxis& x,
                                          TAxis& y) {
    if (src.Bits != dst.Bits || y.Lo >= y.Hi || x.Lo >= x.Hi)
        return std::nullopt;
    const auto [first, last] = SourceBounds(y);
    const auto [c0, c1] = SourceBounds(x);
    if (first > last || c0 > c1 || !Overlaps(first, last + 1, y.Lo, y.Hi) ||
        !Overlaps(c0, c1 + 1, x.Lo, x.Hi))
        return std::nullopt;
    TSnapshot snapshot;
    snapshot.View = src;
    snapshot.View.TopDown = true;
    snapshot.View.Height = last - first + 1;
    snapshot.Bytes.resize(src.Stride * std::size_t(snapshot.View.Height));
    for (int row = first; row <= last; ++row)
        std::memcpy(&snapshot.Bytes[src.Stride * std::size_t(row - first)], src.Row(row),
                    src.Stride);
    snapshot.View.Bits = snapshot.Bytes.data();
    if (y.Identity) {
        y.Offset -= first;
    } else {
        for (int& s : y.Source)
            if (s >= 0)
                s -= first;
    }
    return snapshot;
}

} // namespace

TPattern SolidPattern(TPixel colour) {
    TPattern pattern;
    pattern.Pixels.fill(colour);
    return pattern;
}

TPixel SurfaceColour(DeviceContext& dc, COLORREF colour) {
    const TSurface* surface = dc.Surface();
    const TPixel pixel = ToPixel(colour);
    return surface ? surface->Resolve(pixel) : pixel;
}

std::optional<TPattern> BrushPattern(DeviceContext& dc, const TBrush* brush) {
    if (!brush || brush->Style == TBrushStyle::bsNull)
        return std::nullopt;
    TPattern pattern;
    pattern.Scale = dc.Scale();
    pattern.Origin = {SaturateToInt((long long)dc.State.BrushOrigin.x * pattern.Scale),
                      SaturateToInt((long long)dc.State.BrushOrigin.y * pattern.Scale)};
    if (brush->Style == TBrushStyle::bsSolid) {
        pattern.Pixels.fill(SurfaceColour(dc, brush->Colour));
        return pattern;
    }
    const TPixel one = SurfaceColour(dc, dc.State.BkColour);
    const TPixel zero = SurfaceColour(dc, dc.State.TextColour);
    for (std::size_t i = 0; i < 64; ++i) {
        const TPixel p = brush->Pattern[i];
        pattern.Pixels[i] =
            brush->MonochromePattern ? (p ? one : zero) : SurfaceColour(dc, ToColour(p));
    }
    return pattern;
}

bool Transfer(DeviceContext& dc, const TTransfer& t) {
    TSurface* dst = dc.Surface();
    if (!dst)
        return false;
    const TArea& target = t.Target;
    const TSource* source = t.Source;
    if (RopUsesSource(t.Code) && (!source || !source->Surface))
        return false;
    if (RopUsesPattern(t.Code) && !t.Pattern)
        return false;
    if (!RopUsesSource(t.Code))
        source = nullptr;
    if (target.Width == 0 || target.Height == 0)
        return true;
    if (source && (source->Area.Width == 0 || source->Area.Height == 0))
        return true;

    const TSurface* src = source ? source->Surface : nullptr;
    TAxis x = MapAxis(target.X, target.Width, dst->Width, src ? &source->Area.X : nullptr,
                      src ? source->Area.Width : 0, src ? src->Width : 0);
    TAxis y = MapAxis(target.Y, target.Height, dst->Height, src ? &source->Area.Y : nullptr,
                      src ? source->Area.Height : 0, src ? src->Height : 0);
    std::optional<TSnapshot> snapshot = src ? SnapshotIfShared(*dst, *src, x, y) : std::nullopt;
    if (snapshot)
        src = &snapshot->View;

    TRowEngine engine(dc, *dst, t, x);
    RECT area{x.Lo, y.Lo, x.Hi, y.Hi};
    if (t.Limit)
        area = IntersectRects(area, *t.Limit);
    for (const RECT& clip : dc.ClipRects()) {
        const RECT r = IntersectRects(clip, area);
        if (r.IsEmpty())
            continue;
        for (int row = r.top; row < r.bottom; ++row) {
            const int srcY = src ? y.At(row) : 0;
            if (srcY < 0)
                continue;
            int x0 = r.left;
            int x1 = r.right;
            if (src && !x.Identity) {
                while (x0 < x1 && x.At(x0) < 0)
                    ++x0;
                while (x1 > x0 && x.At(x1 - 1) < 0)
                    --x1;
            }
            if (x0 < x1)
                engine.Row(src, srcY, row, x0, x1);
        }
    }
    return true;
}

void PaintRect(DeviceContext& dc, const RECT& rect, std::uint8_t code, const TPattern& pattern,
               const std::optional<RECT>& limit) {
    // Cut to where drawing can happen first, so the extents cannot overflow.
    const RECT r = IntersectRects(rect, dc.Clip().BoundingBox());
    if (r.IsEmpty())
        return;
    TTransfer t;
    t.Target = {r.left, r.top, r.Width(), r.Height()};
    t.Pattern = &pattern;
    t.Code = code;
    t.Limit = limit;
    Transfer(dc, t);
}

} // namespace gdi::detail
