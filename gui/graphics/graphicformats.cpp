#include "gui/graphics/graphicformats.h"

#include "gui/graphics/bitmap.h"

#include <algorithm>
#include <cctype>

namespace {

std::string NormalExtension(const std::string& extension) {
    std::string result = extension.starts_with('.') ? extension.substr(1) : extension;
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    return result;
}

} // namespace

TFileFormatsList::TFileFormatsList() {
    Add("bmp", "Bitmaps", GraphicClassOf<TBitmap>());
}

void TFileFormatsList::Add(const std::string& extension, const std::string& description,
                           TGraphicClass graphicClass) {
    TFileFormat format{NormalExtension(extension), description, std::move(graphicClass)};
    std::erase_if(FFormats, [&](const TFileFormat& f) { return f.Extension == format.Extension; });
    FFormats.push_back(std::move(format));
}

void TFileFormatsList::Remove(std::type_index type) {
    std::erase_if(FFormats, [&](const TFileFormat& f) { return f.GraphicClass.Type == type; });
}

const TFileFormat* TFileFormatsList::FindExtension(const std::string& extension) const {
    const std::string wanted = NormalExtension(extension);
    const auto found =
        std::ranges::find_if(FFormats, [&](const TFileFormat& f) { return f.Extension == wanted; });
    return found == FFormats.end() ? nullptr : &*found;
}

const TGraphicClass* TFileFormatsList::FindClass(std::type_index type) const {
    const auto found = std::ranges::find_if(
        FFormats, [&](const TFileFormat& f) { return f.GraphicClass.Type == type; });
    return found == FFormats.end() ? nullptr : &found->GraphicClass;
}

TFileFormatsList& GraphicFileFormats() {
    static TFileFormatsList formats;
    return formats;
}
