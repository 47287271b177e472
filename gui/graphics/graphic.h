#pragma once
// The abstract picture: something of a size that draws itself into a rectangle of a canvas
// and reads and writes itself from and to streams. Bitmaps, icons and PNG images derive
// from it; TPicture picks the class for a file by its extension.

#include "gui/classes/persistent.h"
#include "gui/classes/stream.h"
#include "gui/graphics/geometry.h"
#include "platform/clipboard/clipboard.h"
#include "platform/gdi/handles.h"

#include <functional>
#include <string>

class TCanvas;

// A graphic as clipboard data: the format, the object the clipboard is to own, and a palette
// to put beside it (may be empty).
struct TClipboardData {
    gdi::UINT Format = 0;
    clipboard::TOwnedObject Data;
    gdi::TOwnedPalette Palette;
};

class TGraphic : public TPersistent {
public:
    // Draws into rect of the canvas; called through TCanvas::Draw and TCanvas::StretchDraw.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Empty() const = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    virtual gdi::HPALETTE Palette() { return nullptr; }
    virtual void SetPalette(gdi::HPALETTE) {}

    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // Declares "Data": in a form stream a graphic held by a published property is the bytes
    // it saves to a stream (its file), written when it is not empty.
    void DefineProperties(TFiler& filer) override;

    // A new copy of the graphic for the clipboard. The base raises EInvalidGraphic
    // "Unsupported clipboard format".
    virtual TClipboardData SaveToClipboardFormat();
    // Becomes a copy of clipboard data that the clipboard keeps owning. The base raises
    // EInvalidGraphic "Unsupported clipboard format", as graphics do for formats they do not
    // read.
    virtual void LoadFromClipboardFormat(gdi::UINT format, gdi::HGDIOBJ data,
                                         gdi::HPALETTE palette);

    // Called after the picture changed; the owner (a TPicture, an image control) repaints.
    std::function<void(TObject* sender)> OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
};
