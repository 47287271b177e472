#include "bench/png_references.h"

#include <cstring>
#include <memory>
#include <png.h>
#include <spng.h>
#include <stb_image.h>
#include <stdexcept>

namespace pngbench {

namespace {

struct TSource {
    const TBytes* Bytes;
    std::size_t At;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<TSource*>(png_get_io_ptr(png));
    if (source->At + count > source->Bytes->size())
        png_error(png, "read past end");
    std::memcpy(out, source->Bytes->data() + source->At, count);
    source->At += count;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void FlushNothing(png_structp) {}

// libpng's filter flags sit at bits 3 to 7, one per filter type.
int LibpngFilterFlags(int filters) {
    return (filters & AllFilters) << 3;
}

using TSpngContext = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

} // namespace

std::size_t LibpngDecode(const TBytes& bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TBytes pixels;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not decode");
    }
    TSource source{&bytes, 0};
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    pixels.resize(rowBytes * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels.data() + y * rowBytes;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return pixels.size();
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
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TBytes out;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not encode");
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, width, height, 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, LibpngFilterFlags(filters));
    png_set_compression_level(png, level);
    png_write_info(png, info);
    const std::size_t stride = std::size_t(width) * channels;
    for (unsigned y = 0; y < height; ++y)
        png_write_row(png, pixels.data() + y * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace pngbench
