#pragma once
// An image list whose images are PNG images with full alpha.
//
// It keeps two views of its images in step: the PNG items (PngImages; item i is image i),
// which drawing through the list uses, and the base list's native images, rebuilt from the
// items as icons for code that reads the native list directly. The fourteen mutating
// operations of the base list are overridden, so calls through a base reference and the
// base class's own calls (its size setters' Clear, its Assign's Clear and AddImages) reach
// the PNG versions.
//
// Every operation below takes the rebuild lock while it works, so that the item changes it
// makes do not rebuild all native images each time; the Add forms end with one full rebuild,
// the others change only the native images they touch. In disabled mode (EnabledImages false
// and PngOptions not empty) the native images are the disabled renderings.
//
// Indexes and unusable images follow the base list's rules: an index outside the list
// raises EInvalidOperation "Invalid ImageList Index" (Insert forms accept Count, to append;
// Delete ignores such an index), and the Add forms return -1 and change nothing for no image
// or an empty one, which the Insert and Replace forms ignore. A missing mask means opaque.

#include "gui/classes/collection.h"
#include "gui/imagelist/imagelist.h"
#include "platform/commctrl/icons.h"
#include "png/pngobject.h"
#include "pngimagelist/pngfunctions.h"

#include <memory>
#include <string>
#include <vector>

class TPngImageList;
class TPngImageCollectionItem;

// The items of a TPngImageList; every change outside an update bracket rebuilds the list's
// native images (unless the list holds its rebuild lock).
class TPngImageCollectionItems : public TCollection {
public:
    explicit TPngImageCollectionItems(TPngImageList* owner);

    TPersistent* GetOwner() const override;
    TPngImageCollectionItem* Items(int index) const;
    // The item at index, or null outside 0..Count-1.
    TPngImageCollectionItem* ItemOrNil(int index) const;

    // Appends an item (without a PNG image when withoutImage) and reports it.
    TPngImageCollectionItem* AddItem(bool withoutImage);
    // The same, then moved to index (0..Count; EListError otherwise, nothing added then).
    TPngImageCollectionItem* InsertItemAt(int index, bool withoutImage);

protected:
    void Update(TCollectionItem* item) override;

private:
    TPngImageList* FOwner;
};

class TPngImageCollectionItem : public TCollectionItem {
public:
    // An item with an empty PNG image, named "PngImage<index>", on clBtnFace.
    explicit TPngImageCollectionItem(TCollection* collection)
        : TPngImageCollectionItem(collection, false) {}
    // The same, without a PNG image when withoutImage: the list's operations then put the
    // one they made in place (SetPngImage).
    TPngImageCollectionItem(TCollection* collection, bool withoutImage);
    ~TPngImageCollectionItem() override;

    // From another item: its images (copied), background and name.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;
    // The name, or the base's when it is empty.
    std::string DisplayName() const override;

    // Null only while one of the list's operations is filling the item.
    TPNGObject* PngImage() const { return FPngImage.get(); }
    // The item's image becomes a copy of value; the change is reported.
    void SetPngImage(const TPNGObject* value);
    // Takes the image itself, reporting nothing (the list's operations report once).
    void SetPngImage(std::unique_ptr<TPNGObject> value) { FPngImage = std::move(value); }
    // The same picture at twice the list's size, which the list draws instead on surfaces
    // whose scale is a multiple of 2; null when there is none. It is kept as the PNG file it
    // came in ("PngImage2x" in streams) and decoded when first asked for, so screens of
    // ordinary density never pay for it. A file that does not decode is dropped, and the
    // codec's error raised, the first time.
    TPNGObject* PngImage2x();
    // Takes a copy of value; null, or an image without a picture, removes it. Nothing is
    // rebuilt: the native images know nothing of it.
    void SetPngImage2x(const TPNGObject* value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    // The colour the image is composed onto for masked native icons (common controls
    // before version 6); plays no part in drawing through the list.
    TColor Background() const { return FBackground; }
    void SetBackground(TColor value);

private:
    std::unique_ptr<TPNGObject> FPngImage;
    std::vector<std::uint8_t> FPngImage2xFile;
    std::unique_ptr<TPNGObject> FPngImage2x; // decoded from the file once asked for
    std::string FName;
    TColor FBackground = clBtnFace;
};

class TPngImageList : public TImageList {
public:
    explicit TPngImageList(TComponent* owner);
    ~TPngImageList() override;

    TPngImageCollectionItems* PngImages() const { return FPngImages.get(); }
    // Copies the items of another collection (images, names, backgrounds) and notifies.
    void SetPngImages(const TPngImageCollectionItems* value);
    bool EnabledImages() const { return FEnabledImages; }
    void SetEnabledImages(bool value);
    TPngOptions PngOptions() const { return FPngOptions; }
    void SetPngOptions(TPngOptions value);

    // While locked (LockRebuild more often than UnlockRebuild), item changes do not
    // rebuild the native images; unlocking with rebuild true rebuilds them once the last
    // lock is gone.
    void LockRebuild() { ++FRebuildLock; }
    void UnlockRebuild(bool rebuild);
    // Makes a new native list of the list's size and flags holding one icon per item.
    // Does nothing while the rebuild lock is held.
    virtual void RebuildImageList();

    // The icon form of a PNG image for native lists: MakeAlphaIcon with common controls 6
    // or later, otherwise MakeMaskedIcon.
    static commctrl::TOwnedIcon MakeIcon(TPNGObject& png, TColor background);
    // A 32-bit icon with the image's straight alpha (255 and 0 for a colour key; all 0,
    // that is opaque, for an image without either) under an all-opaque mask.
    static commctrl::TOwnedIcon MakeAlphaIcon(const TPNGObject& png);
    // An icon of the image composed onto background, with a mask that is transparent where
    // the alpha is 0 (or the colour is the key) and opaque elsewhere.
    static commctrl::TOwnedIcon MakeMaskedIcon(TPNGObject& png, TColor background);
    // Puts the native icon of png (its disabled rendering in disabled mode) at index of
    // the native images, moving those from index on one up.
    void InsertNativeIcon(int index, TPNGObject& png, TColor background);

    int Add(TBitmap* image, TBitmap* mask) override;
    int AddIcon(TIcon* image) override;
    // Copies image index of value: its PNG item from a PNG list, else its icon. An item
    // is added even when value has no such image (with an empty PNG image then).
    int AddImage(TCustomImageList* value, int index) override;
    void AddImages(TCustomImageList* value) override;
    int AddMasked(TBitmap* image, TColor maskColor) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, TBitmap* image, TBitmap* mask) override;
    void InsertIcon(int index, TIcon* image) override;
    void InsertMasked(int index, TBitmap* image, TColor maskColor) override;
    void Move(int curIndex, int newIndex) override;
    void Replace(int index, TBitmap* image, TBitmap* mask) override;
    void ReplaceIcon(int index, TIcon* image) override;
    void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor) override;

protected:
    // Draws item index's PNG image with alpha at (x, y), through PngOptions when not
    // enabled; the native images play no part. An index outside the items draws nothing.
    // On a surface of scale 2n an item's double-size image, when it has one of exactly
    // twice the list's size, is drawn pixel for pixel at scale n.
    void DoDraw(int index, TCanvas& canvas, int x, int y, commctrl::UINT style,
                bool enabled) override;
    // The native images are rebuilt from the items, so "Bitmap" carries no data and what
    // a stream holds there is ignored.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;

private:
    // Runs body under the rebuild lock, unlocking (with rebuild) also when body raises.
    template <class F>
    void Locked(bool rebuild, F&& body);
    // The icon for png in the current mode.
    commctrl::TOwnedIcon NativeIcon(TPNGObject& png, TColor background) const;
    // Appends a new item holding png with its native icon; returns its index.
    int AddPng(std::unique_ptr<TPNGObject> png);
    void InsertPng(int index, std::unique_ptr<TPNGObject> png);
    void ReplacePng(int index, std::unique_ptr<TPNGObject> png);
    void CheckIndex(int index, int limit) const;
    // Moves a native image by exchanging neighbours.
    void ShiftNative(int from, int to);

    std::unique_ptr<TPngImageCollectionItems> FPngImages;
    bool FEnabledImages = true;
    TPngOptions FPngOptions{pngBlendOnDisabled};
    int FRebuildLock = 0;
};

// Registers TPngImageList and its collection's classes with their published properties;
// done when a program uses the list, and safe to repeat.
void RegisterPngImageListClasses();
