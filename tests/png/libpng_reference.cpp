#include "tests/png/libpng_reference.h"

#include <cstring>
#include <stdexcept>

namespace libpngref {

namespace {

// A libpng reader that keeps its error message and collects its warnings.
struct TPngRead {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    std::string Problem;
    std::vector<std::string> Warnings;
    TPngRead() {
        Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, OnError, OnWarning);
        Info = png_create_info_struct(Png);
    }
    ~TPngRead() { png_destroy_read_struct(&Png, &Info, nullptr); }

    static void OnError(png_structp png, png_const_charp message) {
        static_cast<TPngRead*>(png_get_error_ptr(png))->Problem = message;
        png_longjmp(png, 1);
    }
    static void OnWarning(png_structp png, png_const_charp message) {
        static_cast<TPngRead*>(png_get_error_ptr(png))->Warnings.emplace_back(message);
    }
};

struct TMemorySource {
    const TBytes* Bytes;
    std::size_t At = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<TMemorySource*>(png_get_io_ptr(png));
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

} // namespace

TLibpngImage LibpngRead(const TBytes& bytes,
                        const std::function<void(png_structp, const TLibpngImage&)>& transform) {
    TPngRead read;
    TLibpngImage image;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(read.Png)))
        throw std::runtime_error("libpng: " + read.Problem);
    TMemorySource source{&bytes};
    png_set_read_fn(read.Png, &source, ReadFromMemory);
    png_read_info(read.Png, read.Info);
    image.Width = png_get_image_width(read.Png, read.Info);
    image.Height = png_get_image_height(read.Png, read.Info);
    image.ColourType = png_get_color_type(read.Png, read.Info);
    image.Depth = png_get_bit_depth(read.Png, read.Info);
    image.HasTransparency = png_get_valid(read.Png, read.Info, PNG_INFO_tRNS);
    png_color_16p key = nullptr;
    if (image.HasTransparency && image.ColourType != PNG_COLOR_TYPE_PALETTE &&
        png_get_tRNS(read.Png, read.Info, nullptr, nullptr, &key))
        image.Key = *key;
    png_fixed_point gamma = 0;
    if (png_get_gAMA_fixed(read.Png, read.Info, &gamma) && gamma > 0)
        image.Gamma = gamma / 100000.0;
    png_color_16p background = nullptr;
    if (png_get_bKGD(read.Png, read.Info, &background))
        image.Background = *background;
    if (transform)
        transform(read.Png, image);
    png_set_interlace_handling(read.Png);
    png_read_update_info(read.Png, read.Info);
    image.RowBytes = png_get_rowbytes(read.Png, read.Info);
    image.Rows.resize(image.RowBytes * image.Height);
    rows.resize(image.Height);
    for (std::uint32_t y = 0; y < image.Height; ++y)
        rows[y] = image.Rows.data() + y * image.RowBytes;
    png_read_image(read.Png, rows.data());
    png_read_end(read.Png, nullptr);
    image.Warnings = read.Warnings;
    return image;
}

TBytes LibpngWrite(const TLibpngLayout& layout, const TBytes& data) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TBytes out;
    std::vector<png_bytep> rows(layout.Height);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed to encode");
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, layout.Width, layout.Height, layout.Depth, layout.ColourType,
                 layout.Interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!layout.Palette.empty())
        png_set_PLTE(png, info, layout.Palette.data(), int(layout.Palette.size()));
    png_set_filter(png, 0, layout.Filters);
    png_set_compression_level(png, layout.Level);
    png_write_info(png, info);
    const std::size_t rowBytes = layout.Height ? data.size() / layout.Height : 0;
    for (std::uint32_t y = 0; y < layout.Height; ++y)
        rows[y] = const_cast<png_bytep>(data.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace libpngref
