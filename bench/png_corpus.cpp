#include "bench/png_corpus.h"

#include "bench/png_references.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace pngbench {

namespace fs = std::filesystem;

namespace {

const char* const Photographs[] = {"Dune", "Garden", "LadyBird", "Storm"};
const char* const PhotoFolder = "/usr/share/backgrounds/mate/nature/";
const char* const IconFolder = "/usr/share/icons/Adwaita/";
constexpr std::size_t IconsPerSize = 24;

TBytes Load(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

// The first count photographs scaled to 768 x 512 and cropped, written by ImageMagick with
// the options in the format (for example PNG24); those that could not be made are left out.
std::vector<fs::path> Photos(const fs::path& scratch, std::size_t count, const std::string& tag,
                             const std::string& format, const std::string& options) {
    std::vector<fs::path> made;
    for (const char* name : Photographs) {
        if (count-- == 0)
            break;
        const fs::path out = scratch / (std::string(name) + "-" + tag + ".png");
        if (Run(std::string("convert '") + PhotoFolder + name + ".jpg' -resize '768x512^' " +
                "-gravity center -extent 768x512 -strip " + options + " '" + format + ":" +
                out.string() + "'"))
            made.push_back(out);
    }
    return made;
}

TImageClass LoadClass(const std::string& name, const std::vector<fs::path>& paths) {
    TImageClass imageClass{name, {}};
    for (const fs::path& path : paths)
        imageClass.Files.push_back(Load(path));
    return imageClass;
}

// A dialog-like picture: flat panels, frames and lines of anti-aliased text.
TImageClass ScreenshotClass(const fs::path& scratch, const std::string& name,
                            const std::string& format) {
    const fs::path out = scratch / (format + ".png");
    std::string command = "convert -size 1024x768 xc:'#D4D0C8' -fill white -stroke '#808080' "
                          "-draw 'rectangle 16,40 1007,720' -stroke none -fill '#0A246A' "
                          "-draw 'rectangle 0,0 1023,24' -font DejaVu-Sans -pointsize 13 "
                          "-fill white -annotate +8,17 'Brenlow - Tools'";
    for (int line = 0; line < 40; ++line)
        command += " -fill black -annotate +28," + std::to_string(62 + line * 16) + " 'Item " +
                   std::to_string(line) +
                   ": burn, copy, verify and erase discs with the matching tool'";
    command += " -strip '" + format + ":" + out.string() + "'";
    TImageClass screenshots{name, {}};
    if (Run(command))
        screenshots.Files.push_back(Load(out));
    return screenshots;
}

// Smooth gradients with some texture (and a soft alpha ramp), as a large artwork would have.
TImageClass LargeClass(int channels) {
    constexpr unsigned width = 4000, height = 3000;
    TBytes pixels(std::size_t(width) * height * channels);
    unsigned seed = 12345;
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            seed = seed * 1103515245 + 12345;
            unsigned char* p = &pixels[(std::size_t(y) * width + x) * channels];
            p[0] = static_cast<unsigned char>(x * 255 / width + (seed >> 29));
            p[1] = static_cast<unsigned char>(y * 255 / height);
            p[2] = static_cast<unsigned char>((x + y) / 32 % 2 ? 200 : 60);
            if (channels == 4)
                p[3] = static_cast<unsigned char>(std::min(255u, (x + y) / 20));
        }
    return {channels == 4 ? "large RGBA 4000x3000" : "large RGB 4000x3000",
            {LibpngEncode(width, height, channels, pixels, SubFilterOnly, 6)}};
}

std::vector<fs::path> IconPaths() {
    std::vector<fs::path> paths;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(std::string(IconFolder) + "48x48/legacy", error))
        if (entry.path().extension() == ".png" &&
            entry.path().filename().string().find("symbolic") == std::string::npos)
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    paths.resize(std::min(paths.size(), IconsPerSize));
    return paths;
}

// The theme's 48 x 48 icons as they are, and scaled to 32 x 32 (the theme has no full
// colour icons of that size).
TImageClass IconClass(const fs::path& scratch, int size) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    TImageClass icons{"icons " + name, {}};
    for (const auto& path : IconPaths()) {
        if (size == 48) {
            icons.Files.push_back(Load(path));
            continue;
        }
        const fs::path out = scratch / ("icon" + name + ".png");
        if (Run("convert '" + path.string() + "' -resize " + name +
                " -strip 'PNG32:" + out.string() + "'"))
            icons.Files.push_back(Load(out));
    }
    return icons;
}

} // namespace

std::vector<TImageClass> BuildCorpus() {
    const fs::path scratch = fs::temp_directory_path() / "brenlow_png_bench";
    fs::create_directories(scratch);
    std::vector<TImageClass> corpus = {
        LoadClass("photo 768x512", Photos(scratch, 4, "rgb", "PNG24", "")),
        LoadClass("photo Adam7", Photos(scratch, 2, "adam7", "PNG24", "-interlace PNG")),
        LoadClass("photo grey",
                  Photos(scratch, 2, "grey", "PNG",
                         "-colorspace Gray -define png:color-type=0 -define png:bit-depth=8")),
        LoadClass("photo 16-bit", Photos(scratch, 2, "deep", "PNG48", "-depth 16")),
        LoadClass("photo palette", Photos(scratch, 2, "palette", "PNG8", "-colors 256")),
        ScreenshotClass(scratch, "screenshot 1024x768", "PNG24"),
        ScreenshotClass(scratch, "screenshot palette", "PNG8"),
        LargeClass(4),
        LargeClass(3),
        IconClass(scratch, 48),
        IconClass(scratch, 32)};
    fs::remove_all(scratch);
    for (const auto& imageClass : corpus)
        if (imageClass.Files.empty())
            std::cerr << "note: no images for \"" << imageClass.Name
                      << "\" (run scripts/setup.sh for its packages)\n";
    std::erase_if(corpus, [](const TImageClass& c) { return c.Files.empty(); });
    return corpus;
}

} // namespace pngbench
