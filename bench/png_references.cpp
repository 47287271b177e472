#include "bench/png_references.h"

#include "tests/png/libpng_reference.h"

#include <memory>
#include <spng.h>
#include <stdexcept>

namespace pngbench {

namespace {

int LibpngFilterFlag(int filter) {
    static const int flags[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                                PNG_FILTER_PAETH};
    return flags[filter];
}

int SpngFilterFlag(int filter) {
    static const int flags[] = {SPNG_FILTER_CHOICE_NONE, SPNG_FILTER_CHOICE_SUB,
                                SPNG_FILTER_CHOICE_UP, SPNG_FILTER_CHOICE_AVG,
                                SPNG_FILTER_CHOICE_PAETH};
    return flags[filter];
}

using TSpngContext = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

} // namespace

std::size_t LibpngDecode(const TBytes& bytes) {
    return libpngref::LibpngRead(bytes,
                                 [](png_structp png, const libpngref::TLibpngImage&) {
                                     png_set_expand(png);
                                     png_set_strip_16(png);
                                 })
        .Rows.size();
}

std::size_t SpngDecode(const TBytes& bytes) {
    TSpngContext ctx(spng_ctx_new(0), spng_ctx_free);
    spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size());
    std::size_t size = 0;
    if (spng_decoded_image_size(ctx.get(), SPNG_FMT_PNG, &size) != 0)
        throw std::runtime_error("spng could not size");
    TBytes pixels(size);
    if (spng_decode_image(ctx.get(), pixels.data(), size, SPNG_FMT_PNG, 0) != 0)
        throw std::runtime_error("spng could not decode");
    return size;
}

TBytes LibpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels, int filter,
                    int level) {
    const int colourType = channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    return libpngref::LibpngWrite(
        {width, height, 8, colourType, false, LibpngFilterFlag(filter), level, {}}, pixels);
}

TBytes SpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels, int filter,
                  int level) {
    TSpngContext ctx(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SpngFilterFlag(filter));
    spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, level);
    spng_ihdr ihdr{};
    ihdr.width = width;
    ihdr.height = height;
    ihdr.bit_depth = 8;
    ihdr.color_type = channels == 4 ? SPNG_COLOR_TYPE_TRUECOLOR_ALPHA : SPNG_COLOR_TYPE_TRUECOLOR;
    spng_set_ihdr(ctx.get(), &ihdr);
    if (spng_encode_image(ctx.get(), pixels.data(), pixels.size(), SPNG_FMT_PNG,
                          SPNG_ENCODE_FINALIZE) != 0)
        throw std::runtime_error("spng could not encode");
    std::size_t size = 0;
    int error = 0;
    std::unique_ptr<void, decltype(&std::free)> buffer(
        spng_get_png_buffer(ctx.get(), &size, &error), std::free);
    if (error != 0)
        throw std::runtime_error("spng has no output");
    const auto* data = static_cast<const unsigned char*>(buffer.get());
    return TBytes(data, data + size);
}

} // namespace pngbench
