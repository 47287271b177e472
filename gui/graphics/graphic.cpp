#include "gui/graphics/graphic.h"

#include "gui/classes/exceptions.h"
#include "gui/classes/filer.h"
#include "gui/graphics/errortexts.h"

void TGraphic::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](TStream& stream) { LoadFromStream(stream); },
        [this](TStream& stream) { SaveToStream(stream); }, !Empty());
}

TClipboardData TGraphic::SaveToClipboardFormat() {
    throw EInvalidGraphic(SUnknownClipboardFormat);
}

void TGraphic::LoadFromClipboardFormat(gdi::UINT, gdi::HGDIOBJ, gdi::HPALETTE) {
    throw EInvalidGraphic(SUnknownClipboardFormat);
}

void TGraphic::Changed() {
    if (OnChange)
        OnChange(this);
}
