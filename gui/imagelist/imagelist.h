#pragma once
// The GUI layer's image lists: a component holding a row of equally sized images in a
// platform image list, drawn by index.
//
// Every mutating operation and the per-image drawing hook are virtual, so a derived list
// that keeps its images in another form (PNG images with alpha) overrides them and is
// reached whoever calls: code holding a base reference, and the base class itself, whose
// size setters call Clear and whose Assign calls Clear and AddImages. The base class calls
// no other overridable operation from inside.
//
// Indexes. Operations that change the list raise EInvalidOperation "Invalid ImageList
// Index" for an index outside it (Insert forms accept Count, to append), except Delete,
// which ignores such an index. Operations that only read (Draw, GetIcon, GetBitmap) do
// nothing for such an index.
//
// Null or unusable images. The Add forms return -1 and change nothing when given no image
// (or an empty icon, or a bitmap narrower than the list's Width); the Insert and Replace
// forms then do nothing. A missing mask means an opaque image.
//
// Change notification. Every operation that completes notifies once (Change): the change
// links in order of registration, then OnChange. Between BeginUpdate and EndUpdate
// notifications are held back; the last EndUpdate sends one if anything changed.

#include "gui/classes/component.h"
#include "gui/classes/event.h"
#include "gui/classes/filer.h"
#include "gui/classes/identmaps.h"
#include "gui/graphics/colors.h"
#include "platform/commctrl/imagelist.h"

#include <string_view>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TIcon;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

template <>
struct TEnumIdents<TDrawingStyle> {
    static constexpr std::string_view Names[] = {"dsFocus", "dsSelected", "dsNormal",
                                                 "dsTransparent"};
};
template <>
struct TEnumIdents<TImageType> {
    static constexpr std::string_view Names[] = {"itImage", "itMask"};
};

// A subscription to an image list's changes. A link registered with a list unregisters
// itself when it is destroyed; a list that is destroyed first clears the links' Sender.
class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override;

    TCustomImageList* Sender() const { return FSender; }
    void SetSender(TCustomImageList* value) { FSender = value; }
    // Calls OnChange with the list.
    virtual void Change();

    TNotifyEvent OnChange;

private:
    TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);
    TCustomImageList(TComponent* owner, int width, int height);
    ~TCustomImageList() override;

    // From another image list: its size and settings (ShareImages excepted), then Clear and
    // AddImages(source), with one notification. Null releases the native list.
    void Assign(const TPersistent* source) override;

    // ---- The native list ----
    // The platform image list, made on first request: Width x Height, ILC_COLOR32 plus
    // ILC_MASK when Masked, AllocBy as initial and grow count. EInvalidOperation "Invalid
    // ImageList" when the platform refuses it.
    commctrl::HIMAGELIST Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Takes another native list, which the list then owns unless ShareImages: the old one is
    // released, Width and Height become the new list's, and the change is notified. Null
    // leaves the list without a native list. EInvalidOperation "Invalid ImageList" for a
    // handle that is no live list.
    //
    // Releasing destroys a native list unless ShareImages is true and the list came from
    // SetHandle: a native list the image list made itself is always its own.
    void SetHandle(commctrl::HIMAGELIST value);
    // The number of native images, 0 without a native list.
    int Count() const;

    // ---- Properties ----
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // When the value changes: store it, resize the native list, Clear, and notify once.
    // EInvalidOperation "Invalid image size" for a size outside 1..16384.
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);
    bool Masked() const { return FMasked; }
    // Remakes the native list with or without a mask, keeping its images; the new native
    // list is the image list's own.
    void SetMasked(bool value);
    int AllocBy() const { return FAllocBy; }
    void SetAllocBy(int value) { FAllocBy = value; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value);
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value);
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType value);
    // When true a native list given through SetHandle belongs to someone else and is never
    // destroyed here.
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool value) { FShareImages = value; }

    TNotifyEvent OnChange;

    // ---- Change notification ----
    void RegisterChanges(TChangeLink* value);
    void UnRegisterChanges(TChangeLink* value);
    void BeginUpdate();
    void EndUpdate();
    // Marks the list changed and, outside an update bracket, notifies.
    virtual void Change();

    // ---- Drawing and reading images ----
    // Calls DoDraw with the list's drawing style and image type, only when a native list
    // exists.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle drawingStyle,
              TImageType imageType, bool enabled = true);
    // Image index as an icon, drawn with the list's drawing style and image type.
    void GetIcon(int index, TIcon& image);
    void GetIcon(int index, TIcon& image, TDrawingStyle drawingStyle, TImageType imageType);
    // Image index drawn (through DoDraw) onto the bitmap, which takes the list's size.
    void GetBitmap(int index, TBitmap& image);

    // ---- The fourteen mutating operations ----
    virtual int Add(TBitmap* image, TBitmap* mask);
    virtual int AddIcon(TIcon* image);
    // Copies image `index` of value; -1 for no value.
    virtual int AddImage(TCustomImageList* value, int index);
    virtual void AddImages(TCustomImageList* value);
    // The pixels of maskColor become transparent.
    virtual int AddMasked(TBitmap* image, TColor maskColor);
    virtual void Clear();
    virtual void Delete(int index);
    virtual void Insert(int index, TBitmap* image, TBitmap* mask);
    virtual void InsertIcon(int index, TIcon* image);
    virtual void InsertMasked(int index, TBitmap* image, TColor maskColor);
    // Takes image curIndex out and puts it back at newIndex.
    virtual void Move(int curIndex, int newIndex);
    virtual void Replace(int index, TBitmap* image, TBitmap* mask);
    virtual void ReplaceIcon(int index, TIcon* image);
    virtual void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor);

    // Declares "Bitmap", the native images, written when the list holds any.
    void DefineProperties(TFiler& filer) override;

protected:
    // Draws one image; called by Draw only when a native list exists. style holds the ILD_
    // flags of the drawing style and image type. The base draws the native image, or, when
    // disabled, the image's shape offset by one in clBtnHighlight and then in clBtnShadow.
    // An index outside the list draws nothing.
    virtual void DoDraw(int index, TCanvas& canvas, int x, int y, commctrl::UINT style,
                        bool enabled);
    // The handlers of "Bitmap": the base reads the native images (EReadError for bad data,
    // the list unchanged then) and writes them.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream);
    // A new empty native list of the list's size, flags (ILC_COLOR32, ILC_MASK when
    // Masked), growth and background colour. EInvalidOperation "Invalid ImageList" when the
    // platform refuses it.
    commctrl::TOwnedImageList NewNativeList() const;
    // Puts a native list in place, releasing the old one, and notifies; adopted: it came
    // from outside (SetHandle) and so may be shared, otherwise it is the image list's own.
    void InstallHandle(commctrl::HIMAGELIST value, bool adopted);

private:
    void CreateHandle();
    // Releases the native list as SetHandle describes.
    void FreeHandle();
    void CheckIndex(int index, int limit) const;
    // Appends image `index` of source as an icon; returns the new index.
    int AppendFrom(TCustomImageList& source, int index);
    // Appends the images of a bitmap with maskColor transparent (clNone: none).
    int AppendMasked(TBitmap& image, TColor maskColor);
    // Moves a native image by exchanging neighbours.
    void MoveNative(int from, int to);
    // Runs `append` (which returns the first new index or -1) and moves what it appended to
    // index onwards.
    template <class F>
    void InsertAppended(int index, F append);
    // Runs `append` and puts the first image it appended in place of image index.
    template <class F>
    void ReplaceWithAppended(int index, F append);
    // Store a new size; a changed size resizes the native list and clears it.
    void SetSize(int width, int height);
    void NotifyChange();

    commctrl::HIMAGELIST FHandle = nullptr;
    bool FHandleAdopted = false;
    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    int FAllocBy = 4;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    TDrawingStyle FDrawingStyle = dsNormal;
    TImageType FImageType = itImage;
    bool FShareImages = false;
    std::vector<TChangeLink*> FChangeLinks;
    int FUpdateCount = 0;
    bool FChanged = false;
};

// The step between the base list and the list components use. Dragging images is not
// part of this layer.
class TDragImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};

class TImageList : public TDragImageList {
public:
    using TDragImageList::TDragImageList;
};

// Registers TCustomImageList, TDragImageList and TImageList with their published
// properties; done when a program uses the image lists, and safe to repeat.
void RegisterImageListClasses();
