#include "tests/png/png_test_support.h"

#include "gui/classes/exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <png.h>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace pngtest {

namespace {

void Put32(TBytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

} // namespace

TBytes FramedChunk(const std::string& type, const TBytes& body) {
    TBytes chunk;
    Put32(chunk, std::uint32_t(body.size()));
    chunk.insert(chunk.end(), type.begin(), type.end());
    chunk.insert(chunk.end(), body.begin(), body.end());
    Put32(chunk, std::uint32_t(crc32(0, chunk.data() + 4, uInt(chunk.size() - 4))));
    return chunk;
}

TPngBuilder::TPngBuilder() : FBytes{137, 80, 78, 71, 13, 10, 26, 10} {}

TPngBuilder& TPngBuilder::Chunk(const std::string& type, const TBytes& body, bool badCrc) {
    TBytes chunk = FramedChunk(type, body);
    if (badCrc)
        chunk.back() ^= 1;
    FBytes.insert(FBytes.end(), chunk.begin(), chunk.end());
    return *this;
}

TPngBuilder& TPngBuilder::Header(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                                 std::uint8_t colourType, std::uint8_t interlace) {
    TBytes body;
    Put32(body, width);
    Put32(body, height);
    body.insert(body.end(), {depth, colourType, 0, 0, interlace});
    return Chunk("IHDR", body);
}

TPngBuilder& TPngBuilder::ImageData(const TBytes& data, std::size_t pieceSize) {
    for (std::size_t at = 0; at < data.size(); at += pieceSize) {
        const std::size_t n = std::min(pieceSize, data.size() - at);
        Chunk("IDAT",
              TBytes(data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n)));
    }
    return *this;
}

TPngBuilder& TPngBuilder::End() {
    return Chunk("IEND", {});
}

TBytes Deflate(const TBytes& raw, int level) {
    uLongf size = compressBound(uLong(raw.size()));
    TBytes out(size);
    if (compress2(out.data(), &size, raw.data(), uLong(raw.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

TBytes UnfilteredRows(const std::vector<TBytes>& rows) {
    TBytes out;
    for (const TBytes& row : rows) {
        out.push_back(0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void ReadPng(TPNGObject& image, const TBytes& bytes) {
    TReadOnlyMemoryStream stream(bytes.data(), std::int64_t(bytes.size()));
    image.ReadFromStream(stream);
}

TBytes WritePng(TPNGObject& image) {
    TMemoryStream stream;
    image.WriteToStream(stream);
    return stream.Bytes();
}

TRgbaImage CodecPixels(const TPNGObject& image) {
    TRgbaImage out{std::uint32_t(image.Width()), std::uint32_t(image.Height()), {}};
    out.Pixels.reserve(std::size_t(out.Width) * out.Height);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = image.PixelColour(x, y);
            out.Pixels.push_back(
                {gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c), image.PixelAlpha(x, y)});
        }
    return out;
}

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

std::array<std::uint8_t, 256> GammaTable(double gamma) {
    std::array<std::uint8_t, 256> table{};
    const double exponent = 1.0 / (gamma * 2.2);
    for (int i = 0; i < 256; ++i)
        table[i] = std::uint8_t(std::nearbyint(255.0 * std::pow(i / 255.0, exponent)));
    return table;
}

// A 16-bit key sample in the form the codec stores samples of that depth.
std::uint8_t StoredKey(std::uint16_t sample, int depth) {
    if (depth == 16)
        return std::uint8_t(sample >> 8);
    if (depth == 8)
        return std::uint8_t(sample);
    const unsigned max = (1u << depth) - 1;
    return std::uint8_t((sample & max) * 255 / max);
}

// The rows as 8-bit red, green, blue, alpha pixels.
TRgbaImage RgbaPixels(const TLibpngImage& read) {
    TRgbaImage image{read.Width, read.Height, {}};
    image.Pixels.resize(std::size_t(read.Width) * read.Height);
    std::memcpy(image.Pixels.data(), read.Rows.data(), read.Rows.size());
    return image;
}

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

TRgbaImage LibpngRgba(const TBytes& bytes) {
    const TLibpngImage read = LibpngRead(bytes, [](png_structp png, const TLibpngImage& image) {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        if (!(image.ColourType & PNG_COLOR_MASK_ALPHA) && !image.HasTransparency)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    });
    if (!read.Warnings.empty())
        throw std::runtime_error("libpng warning: " + read.Warnings.front());
    return RgbaPixels(read);
}

TRgbaImage ReferenceDecode(const TBytes& bytes) {
    const TLibpngImage read = LibpngRead(bytes, [](png_structp png, const TLibpngImage& image) {
        const bool palette = image.ColourType == PNG_COLOR_TYPE_PALETTE;
        if (palette) {
            png_set_palette_to_rgb(png);
            if (image.HasTransparency)
                png_set_tRNS_to_alpha(png);
        }
        if (image.ColourType == PNG_COLOR_TYPE_GRAY && image.Depth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        if (image.Depth == 16)
            png_set_strip_16(png);
        if (!(image.ColourType & PNG_COLOR_MASK_COLOR))
            png_set_gray_to_rgb(png);
        if (!(image.ColourType & PNG_COLOR_MASK_ALPHA) && !(palette && image.HasTransparency))
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    });
    TRgbaImage image = RgbaPixels(read);
    std::array<std::uint8_t, 256> gamma{};
    for (int i = 0; i < 256; ++i)
        gamma[i] = std::uint8_t(i);
    if (read.Gamma > 0)
        gamma = GammaTable(read.Gamma);
    for (TRgba& p : image.Pixels) {
        p.R = gamma[p.R];
        p.G = gamma[p.G];
        p.B = gamma[p.B];
    }
    if (read.Key) {
        const bool grey = !(read.ColourType & PNG_COLOR_MASK_COLOR);
        const png_color_16& key = *read.Key;
        const TRgba transparent{gamma[StoredKey(grey ? key.gray : key.red, read.Depth)],
                                gamma[StoredKey(grey ? key.gray : key.green, read.Depth)],
                                gamma[StoredKey(grey ? key.gray : key.blue, read.Depth)], 255};
        for (TRgba& p : image.Pixels)
            if (p == transparent)
                p.A = 0;
    }
    return image;
}

namespace {

void WriteToVector(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void FlushNothing(png_structp) {}

} // namespace

TBytes ReferenceEncode(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                       const TBytes& data, int filter, bool interlace) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TBytes out;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed to encode");
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, width, height, depth, colourType,
                 interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> palette(std::size_t(1) << depth);
        for (std::size_t i = 0; i < palette.size(); ++i)
            palette[i] = {png_byte(i * 37), png_byte(255 - i * 11), png_byte(i * 5)};
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    }
    png_set_filter(png, 0, filter);
    png_write_info(png, info);
    const std::size_t rowBytes = data.size() / height;
    std::vector<png_bytep> rows(height);
    for (std::uint32_t y = 0; y < height; ++y)
        rows[y] = const_cast<png_bytep>(data.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TBytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string SuiteDir() {
    return BRENLOW_PNGSUITE_DIR;
}

std::vector<std::string> SuiteFiles() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(SuiteDir(), error))
        if (entry.path().extension() == ".png")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TFailure FailureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Exception& error) {
        return {ExceptionClassName(error), error.Message()};
    }
    return {};
}

void PrintTo(const TFailure& failure, std::ostream* out) {
    *out << (failure.ClassName.empty() ? "no failure" : failure.ClassName + ": " + failure.Message);
}

TFailure ReadFailure(const TBytes& bytes) {
    TPNGObject image;
    return FailureOf([&] { ReadPng(image, bytes); });
}

bool ResidentMemoryIsMeasurable() {
#ifdef BRENLOW_EMULATED
    return false;
#else
    return true;
#endif
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

} // namespace pngtest
