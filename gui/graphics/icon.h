#pragma once
// An icon: a platform icon handle drawn with its mask or alpha, read from and written to
// the icon file format. Icons draw transparently and cannot be resized.

#include "gui/graphics/graphic.h"
#include "platform/commctrl/icons.h"

#include <cstdint>
#include <vector>

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    // Copies another icon (a new handle of the same image); null empties the icon; other
    // graphics are asked to copy themselves into it.
    void Assign(const TPersistent* source) override;
    // Draws the icon stretched into rect.
    void Draw(TCanvas& canvas, const TRect& rect) override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // EInvalidOperation "Cannot change the size of an icon".
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return !FHandle; }
    bool Transparent() const override { return true; }

    // Reads an icon file (see icoformat.h); the icon is unchanged when reading fails.
    void LoadFromStream(TStream& stream) override;
    // Writes the file the icon was read from as it was read; an icon that got its image
    // another way is written as a file of one image. An empty icon writes nothing.
    void SaveToStream(TStream& stream) override;

    commctrl::HICON Handle() const { return FHandle.Get(); }
    // Takes over an icon made elsewhere, which the icon then owns; null empties it.
    // EInvalidGraphic "Icon image is not valid" when the handle is no icon.
    void SetHandle(commctrl::HICON value);
    // Gives the handle to the caller, leaving the icon empty.
    commctrl::HICON ReleaseHandle();
    bool HandleAllocated() const { return bool(FHandle); }
    // A new handle, which the caller owns, of the image nearest side x side: an icon read from
    // a file chooses among the file's images, as ReadIconImage does; an icon that got its image
    // another way has only that one. Null for an empty icon.
    commctrl::TOwnedIcon NewHandle(int side) const;
    // The sides of the images NewHandle can choose among, smallest first; none for an empty
    // icon.
    std::vector<int> Sides() const;

private:
    // Puts a handle (or none) in place with the file bytes it came from, and reports it.
    void Replace(commctrl::TOwnedIcon handle, std::vector<std::uint8_t> fileBytes);

    commctrl::TOwnedIcon FHandle;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FFileBytes;
};

// Registers the "ico" extension with TPicture; done when a program uses TIcon.
void RegisterIconPictureFormat();
