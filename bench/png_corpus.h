#pragma once
// The benchmark corpus: real photographs (Debian's mate-backgrounds, scaled to 768 x 512
// with ImageMagick) as RGB, Adam7, grey, 16-bit and palette images, a screenshot-like
// rendering of a dialog (ImageMagick with DejaVu text) as RGB and palette images, generated
// 4000 x 3000 RGBA and RGB images, and 48 x 48 and 32 x 32 icons (Debian's
// adwaita-icon-theme). Every entry is a PNG file held in memory.

#include <string>
#include <vector>

namespace pngbench {

using TBytes = std::vector<unsigned char>;

struct TImageClass {
    std::string Name;
    std::vector<TBytes> Files;
};

// Builds the corpus in a scratch folder; classes whose sources are missing are left out
// with a note on standard error.
std::vector<TImageClass> BuildCorpus();

} // namespace pngbench
