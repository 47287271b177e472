#include "platform/gdi/gdi.h"
#include "platform/gdi/objects.h"

#include <algorithm>
#include <limits>

namespace gdi {

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr UINT kMaxEntries = 256;

// How many entries from `start` a request may touch.
UINT Reach(const detail::TPalette& palette, UINT start, UINT count) {
    const UINT size = UINT(palette.Entries.size());
    return start >= size ? 0 : std::min(count, size - start);
}

} // namespace

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palVersion != kPaletteVersion || palette->palNumEntries == 0 ||
        palette->palNumEntries > kMaxEntries)
        return nullptr;
    auto made = std::make_unique<detail::TPalette>();
    made->Entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return detail::Register(std::move(made));
}

UINT GetPaletteEntries(HPALETTE handle, UINT start, UINT count, PALETTEENTRY* entries) {
    auto* palette = detail::Find<detail::TPalette>(handle);
    if (!palette)
        return 0;
    if (!entries)
        return UINT(palette->Entries.size());
    const UINT n = Reach(*palette, start, count);
    std::copy_n(palette->Entries.begin() + start, n, entries);
    return n;
}

UINT SetPaletteEntries(HPALETTE handle, UINT start, UINT count, const PALETTEENTRY* entries) {
    auto* palette = detail::Find<detail::TPalette>(handle);
    if (!palette || !entries)
        return 0;
    const UINT n = Reach(*palette, start, count);
    std::copy_n(entries, n, palette->Entries.begin() + start);
    return n;
}

// The entry at the smallest squared distance; the lowest index wins a tie.
UINT GetNearestPaletteIndex(HPALETTE handle, COLORREF colour) {
    auto* palette = detail::Find<detail::TPalette>(handle);
    if (!palette)
        return CLR_INVALID;
    UINT best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (UINT i = 0; i < palette->Entries.size(); ++i) {
        const PALETTEENTRY& e = palette->Entries[i];
        const int dr = e.peRed - GetRValue(colour);
        const int dg = e.peGreen - GetGValue(colour);
        const int db = e.peBlue - GetBValue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace gdi
