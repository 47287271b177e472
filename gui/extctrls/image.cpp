#include "gui/extctrls/image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::SetCenter(bool value) {
    if (value == FCenter)
        return;
    FCenter = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == FStretch)
        return;
    FStretch = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    // The graphic reports the change it makes, which brings us back here once more.
    if (TGraphic* graphic = FPicture->Graphic())
        graphic->SetTransparent(FTransparent);
    Invalidate();
}

TRect TImage::DestRect() const {
    if (!FPicture->Graphic() || FPicture->Graphic()->Empty())
        return {};
    const TRect client = ClientRect();
    if (FStretch)
        return client;
    TRect rect = Bounds(0, 0, FPicture->Width(), FPicture->Height());
    if (FCenter) {
        // Halves truncate toward zero, also for a picture larger than the control.
        const int dx = (client.Width() - rect.Width()) / 2;
        const int dy = (client.Height() - rect.Height()) / 2;
        rect = Bounds(dx, dy, rect.Width(), rect.Height());
    }
    return rect;
}

void TImage::Paint() {
    if (TGraphic* graphic = FPicture->Graphic())
        Canvas()->StretchDraw(DestRect(), graphic);
}
