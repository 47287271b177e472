// The contender of the whole-process comparison: a small libpng program doing what
// "pngtool decode" does. It reads a PNG file, decodes it to 8-bit RGBA (palettes, grey and
// keys expanded, 16-bit samples cut to their high byte) and writes an RGBA PAM file.
// Usage: libpng_pam IN.png OUT.pam

#include <cstdio>
#include <memory>
#include <png.h>
#include <vector>

namespace {

using TFile = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

int Fail(const char* what) {
    std::fprintf(stderr, "libpng_pam: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return Fail("usage: libpng_pam IN.png OUT.pam");
    TFile in(std::fopen(argv[1], "rb"), std::fclose);
    if (!in)
        return Fail("cannot open the input");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> pixels;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return Fail("cannot decode the input");
    }
    png_init_io(png, in.get());
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    pixels.resize(rowBytes * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels.data() + y * rowBytes;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    TFile out(std::fopen(argv[2], "wb"), std::fclose);
    if (!out)
        return Fail("cannot create the output");
    std::fprintf(out.get(),
                 "P7\nWIDTH %u\nHEIGHT %u\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                 unsigned(width), unsigned(height));
    if (std::fwrite(pixels.data(), 1, pixels.size(), out.get()) != pixels.size())
        return Fail("cannot write the output");
    return 0;
}
