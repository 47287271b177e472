#pragma once
// An image control: shows the graphic of its picture at the graphic's own size from the
// top-left corner, centred in the control (Center), or stretched to fill it (Stretch). A
// graphic with transparency (a PNG with alpha) is drawn over what the parent painted below.

#include "gui/controls/graphiccontrol.h"
#include "gui/graphics/picture.h"

#include <memory>

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Loading a file into the picture (Picture()->LoadFromFile) picks the graphic class by
    // the file's extension; the control repaints when the picture changes.
    TPicture* Picture() const { return FPicture.get(); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    // Passed on to the graphic: a bitmap then leaves its transparent colour unpainted.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Where the graphic is drawn, in client coordinates; empty without a graphic.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
};
