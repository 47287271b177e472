#include "bench/png_references.h"

#include "tests/png/libpng_reference.h"

#include <memory>
#include <spng.h>
#include <stb_image.h>
#include <stdexcept>

namespace pngbench {

namespace {

// libpng's filter flags sit at bits 3 to 7, one per filter type.
int LibpngFilterFlags(int filters) {
    return (filters & AllFilters) << 3;
}

using TSpngContext = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

} // namespace

std::size_t LibpngDecode(const TBytes& bytes) {
    return libpngref::LibpngRead(bytes,
                                 [](png_structp png, const libpngref::TLibpngImage&) {
                                     png_set_expand(png);
                                     png_set_strip_16(png);
                                     png_set_gray_to_rgb(png);
                                     png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
                                 })
        .Rows.size();
}

std::size_t SpngDecode(const TBytes& bytes) {
    TSpngContext ctx(spng_ctx_new(0), spng_ctx_free);
    spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size());
    std::size_t size = 0;
    if (spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &size) != 0)
        throw std::runtime_error("spng could not size");
    TBytes pixels(size);
    if (spng_decode_image(ctx.get(), pixels.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) != 0)
        throw std::runtime_error("spng could not decode");
    return size;
}

std::size_t StbDecode(const TBytes& png) {
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
        stbi_load_from_memory(png.data(), int(png.size()), &width, &height, &channels, 4),
        stbi_image_free);
    if (!pixels)
        throw std::runtime_error("stb_image could not decode");
    return std::size_t(width) * std::size_t(height) * 4;
}

TBytes LibpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels,
                    int filters, int level) {
    const int colourType = channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    return libpngref::LibpngWrite(
        {width, height, 8, colourType, false, LibpngFilterFlags(filters), level, {}}, pixels);
}

} // namespace pngbench
