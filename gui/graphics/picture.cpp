#include "gui/graphics/picture.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/format.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/errortexts.h"

#include <filesystem>
#include <typeinfo>

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* value) {
    if (value == FGraphic.get())
        return;
    if (!value) {
        SetGraphic(std::unique_ptr<TGraphic>());
        return;
    }
    const TGraphicClass* graphicClass = GraphicFileFormats().FindClass(typeid(*value));
    if (!graphicClass)
        AssignError(value);
    std::unique_ptr<TGraphic> copy = graphicClass->Create();
    copy->Assign(value);
    SetGraphic(std::move(copy));
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> value) {
    FGraphic = std::move(value);
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

TBitmap& TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get()))
        SetGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::LoadFromFile(const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    const TFileFormat* format = GraphicFileFormats().FindExtension(extension);
    if (!format)
        throw EInvalidGraphic(Format(SUnknownExtension, extension));
    std::unique_ptr<TGraphic> graphic = format->GraphicClass.Create();
    graphic->LoadFromFile(fileName);
    SetGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (FGraphic)
        FGraphic->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source) {
    if (!source)
        SetGraphic(static_cast<const TGraphic*>(nullptr));
    else if (const auto* picture = dynamic_cast<const TPicture*>(source))
        SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) const {
    if (FGraphic && dynamic_cast<TGraphic*>(dest))
        dest->Assign(FGraphic.get());
    else
        TPersistent::AssignTo(dest);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicClass graphicClass) {
    GraphicFileFormats().Add(extension, description, std::move(graphicClass));
}

void TPicture::UnregisterGraphicClass(std::type_index type) {
    GraphicFileFormats().Remove(type);
}

void TPicture::Changed() {
    if (OnChange)
        OnChange(this);
}
