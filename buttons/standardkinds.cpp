#include "buttons/standardkinds.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "platform/resources/resources.h"

#include <array>
#include <memory>

namespace {

constexpr std::array<TStandardKind, 11> kKinds{{
    {"", mrNone, false, false, ""},
    {"OK", mrOk, true, false, "STDGLYPH_OK"},
    {"Cancel", mrCancel, false, true, "STDGLYPH_CANCEL"},
    {"&Help", mrNone, false, false, "STDGLYPH_HELP"},
    {"&Yes", mrYes, true, false, "STDGLYPH_YES"},
    {"&No", mrNo, false, true, "STDGLYPH_NO"},
    {"&Close", mrNone, false, false, "STDGLYPH_CLOSE"},
    {"Abort", mrAbort, false, false, "STDGLYPH_ABORT"},
    {"&Retry", mrRetry, false, false, "STDGLYPH_RETRY"},
    {"&Ignore", mrIgnore, false, false, "STDGLYPH_IGNORE"},
    {"&All", mrAll, false, false, "STDGLYPH_ALL"},
}};

std::unique_ptr<TBitmap> LoadGlyph(std::string_view name) {
    auto glyph = std::make_unique<TBitmap>();
    const auto data = resources::FindResource(name);
    if (data.empty())
        return glyph;
    TReadOnlyMemoryStream stream(data.data(), std::int64_t(data.size()));
    try {
        glyph->LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        // A damaged resource leaves the kind without a glyph.
    }
    return glyph;
}

} // namespace

const TStandardKind& StandardKind(TBitBtnKind kind) {
    return kKinds[std::size_t(kind)];
}

const TBitmap& StandardGlyph(TBitBtnKind kind) {
    static std::array<std::unique_ptr<TBitmap>, 11> cache;
    std::unique_ptr<TBitmap>& glyph = cache[std::size_t(kind)];
    if (!glyph)
        glyph = LoadGlyph(kKinds[std::size_t(kind)].Glyph);
    return *glyph;
}
