#include "gui/imagelist/imagelist.h"

#include "gui/classes/exceptions.h"
#include "gui/imagelist/errortexts.h"
#include "gui/imagelist/platformcolour.h"

#include <algorithm>

namespace {

constexpr int kMaxSide = 1 << 14;

// Holds a list's notifications back for the guard's lifetime.
class TUpdateBracket {
public:
    explicit TUpdateBracket(TCustomImageList& list) : FList(list) { FList.BeginUpdate(); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;
    ~TUpdateBracket() { FList.EndUpdate(); }

private:
    TCustomImageList& FList;
};

} // namespace

TChangeLink::~TChangeLink() {
    if (FSender)
        FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    if (OnChange)
        OnChange(FSender);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TCustomImageList(owner) {
    SetSize(width, height);
}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : FChangeLinks)
        link->SetSender(nullptr);
    FreeHandle();
}

void TCustomImageList::Assign(const TPersistent* source) {
    if (!source) {
        FreeHandle();
        Change();
        return;
    }
    // Reading the source's images may make its native list, which changes nothing it shows.
    auto* list = dynamic_cast<TCustomImageList*>(const_cast<TPersistent*>(source));
    if (!list) {
        TComponent::Assign(source);
        return;
    }
    if (list == this)
        return;
    TUpdateBracket bracket(*this);
    FMasked = list->FMasked;
    FAllocBy = list->FAllocBy;
    FBkColor = list->FBkColor;
    FBlendColor = list->FBlendColor;
    FDrawingStyle = list->FDrawingStyle;
    FImageType = list->FImageType;
    // The native list is remade with the source's size and mask setting.
    FreeHandle();
    FWidth = list->FWidth;
    FHeight = list->FHeight;
    Clear();
    AddImages(list);
    Change();
}

commctrl::HIMAGELIST TCustomImageList::Handle() {
    if (!FHandle)
        CreateHandle();
    return FHandle;
}

void TCustomImageList::CreateHandle() {
    FHandle = NewNativeList().Release();
    FHandleAdopted = false;
}

commctrl::TOwnedImageList TCustomImageList::NewNativeList() const {
    const commctrl::UINT flags = commctrl::ILC_COLOR32 | (FMasked ? commctrl::ILC_MASK : 0);
    commctrl::TOwnedImageList list(
        commctrl::ImageList_Create(FWidth, FHeight, flags, FAllocBy, FAllocBy));
    if (!list)
        throw EInvalidOperation(SInvalidImageList);
    commctrl::ImageList_SetBkColor(list.Get(), PlatformColour(FBkColor));
    return list;
}

void TCustomImageList::FreeHandle() {
    if (FHandle && !(FShareImages && FHandleAdopted))
        commctrl::ImageList_Destroy(FHandle);
    FHandle = nullptr;
    FHandleAdopted = false;
}

void TCustomImageList::SetHandle(commctrl::HIMAGELIST value) {
    if (value != FHandle)
        InstallHandle(value, true);
}

void TCustomImageList::InstallHandle(commctrl::HIMAGELIST value, bool adopted) {
    int width = 0, height = 0;
    if (value && !commctrl::ImageList_GetIconSize(value, &width, &height))
        throw EInvalidOperation(SInvalidImageList);
    FreeHandle();
    FHandle = value;
    FHandleAdopted = value && adopted;
    if (value) {
        FWidth = width;
        FHeight = height;
    }
    Change();
}

int TCustomImageList::Count() const {
    return FHandle ? commctrl::ImageList_GetImageCount(FHandle) : 0;
}

void TCustomImageList::SetWidth(int value) {
    SetSize(value, FHeight);
}

void TCustomImageList::SetHeight(int value) {
    SetSize(FWidth, value);
}

void TCustomImageList::SetSize(int width, int height) {
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        throw EInvalidOperation(SInvalidImageSize);
    if (width == FWidth && height == FHeight)
        return;
    TUpdateBracket bracket(*this);
    FWidth = width;
    FHeight = height;
    if (FHandle)
        commctrl::ImageList_SetIconSize(FHandle, FWidth, FHeight);
    Clear();
    Change();
}

void TCustomImageList::SetMasked(bool value) {
    if (value == FMasked)
        return;
    FMasked = value;
    if (!FHandle) {
        Change();
        return;
    }
    // The images move into a new list through icons, which the new flags then govern.
    const bool shared = FShareImages && FHandleAdopted;
    commctrl::TOwnedImageList old(std::exchange(FHandle, nullptr));
    CreateHandle();
    for (int i = 0; i < commctrl::ImageList_GetImageCount(old.Get()); ++i) {
        const commctrl::TOwnedIcon icon(commctrl::ImageList_GetIcon(old.Get(), i, 0));
        commctrl::ImageList_ReplaceIcon(FHandle, -1, icon.Get());
    }
    if (shared)
        old.Release();
    Change();
}

void TCustomImageList::SetBkColor(TColor value) {
    if (value == FBkColor)
        return;
    FBkColor = value;
    if (FHandle)
        commctrl::ImageList_SetBkColor(FHandle, PlatformColour(value));
    Change();
}

void TCustomImageList::SetBlendColor(TColor value) {
    if (value == FBlendColor)
        return;
    FBlendColor = value;
    Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle value) {
    if (value == FDrawingStyle)
        return;
    FDrawingStyle = value;
    Change();
}

void TCustomImageList::SetImageType(TImageType value) {
    if (value == FImageType)
        return;
    FImageType = value;
    Change();
}

void TCustomImageList::RegisterChanges(TChangeLink* value) {
    if (!value || std::find(FChangeLinks.begin(), FChangeLinks.end(), value) != FChangeLinks.end())
        return;
    value->SetSender(this);
    FChangeLinks.push_back(value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* value) {
    const auto found = std::find(FChangeLinks.begin(), FChangeLinks.end(), value);
    if (found == FChangeLinks.end())
        return;
    (*found)->SetSender(nullptr);
    FChangeLinks.erase(found);
}

void TCustomImageList::BeginUpdate() {
    ++FUpdateCount;
}

void TCustomImageList::EndUpdate() {
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount == 0 && FChanged)
        NotifyChange();
}

void TCustomImageList::Change() {
    FChanged = true;
    if (FUpdateCount == 0)
        NotifyChange();
}

// A link may unregister itself, or others, while it is told; a copy keeps the walk sound.
void TCustomImageList::NotifyChange() {
    FChanged = false;
    const std::vector<TChangeLink*> links = FChangeLinks;
    for (TChangeLink* link : links)
        if (std::find(FChangeLinks.begin(), FChangeLinks.end(), link) != FChangeLinks.end())
            link->Change();
    if (OnChange)
        OnChange(this);
}

void TCustomImageList::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EInvalidOperation(SImageIndexError);
}
