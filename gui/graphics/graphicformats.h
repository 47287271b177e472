#pragma once
// The graphic classes that pictures know: which class reads files of an extension, and how
// to make an instance of a class to copy a graphic into.

#include "gui/graphics/graphic.h"

#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

struct TGraphicClass {
    std::type_index Type;
    std::function<std::unique_ptr<TGraphic>()> Create;
};

template <class T>
TGraphicClass GraphicClassOf() {
    return {typeid(T), [] { return std::unique_ptr<TGraphic>(std::make_unique<T>()); }};
}

struct TFileFormat {
    std::string Extension; // lower case, without the dot
    std::string Description;
    TGraphicClass GraphicClass;
};

// The process's registry; "bmp" (TBitmap) is registered from the start.
class TFileFormatsList {
public:
    TFileFormatsList();

    // A later registration of the same extension replaces the earlier one. The extension is
    // matched without regard to case, with or without a leading dot.
    void Add(const std::string& extension, const std::string& description,
             TGraphicClass graphicClass);
    // Forgets every extension of the class.
    void Remove(std::type_index type);
    const TFileFormat* FindExtension(const std::string& extension) const;
    const TGraphicClass* FindClass(std::type_index type) const;

private:
    std::vector<TFileFormat> FFormats;
};

TFileFormatsList& GraphicFileFormats();
