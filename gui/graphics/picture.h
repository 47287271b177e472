#pragma once
// A picture: holds one graphic of any registered class, picks the class of a file by its
// extension, and reports changes of the graphic to its owner.

#include "gui/graphics/graphicformats.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of value, made as an instance of value's class, which must be registered
    // (else EConvertError "Cannot assign a <class> to a TPicture"); null empties the picture.
    void SetGraphic(const TGraphic* value);
    // Holds the graphic itself.
    void SetGraphic(std::unique_ptr<TGraphic> value);
    // The graphic as a bitmap; a picture holding something else first gets a new empty one.
    TBitmap& Bitmap();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // Reads the file with the graphic class registered for its extension. EInvalidGraphic
    // "Unknown picture file extension (.<ext>)" when none is; when reading fails the picture
    // keeps its previous graphic.
    void LoadFromFile(const std::string& fileName);
    // Writes the graphic; an empty picture writes nothing.
    void SaveToFile(const std::string& fileName);

    // Copies a picture's or a graphic's graphic; null empties the picture.
    void Assign(const TPersistent* source) override;

    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicClass graphicClass);
    static void UnregisterGraphicClass(std::type_index type);

    // Called when the graphic is replaced or reports a change of its own.
    std::function<void(TObject* sender)> OnChange;

protected:
    // Into a graphic: the graphic copies the picture's graphic.
    void AssignTo(TPersistent* dest) const override;

private:
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
