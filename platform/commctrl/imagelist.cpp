#include "platform/commctrl/objects.h"
#include "platform/system/answers.h"

#include <algorithm>
#include <limits>

namespace commctrl {

namespace detail {

THandleTable<ImageListObject>& ImageLists() {
    static THandleTable<ImageListObject> table;
    return table;
}

} // namespace detail

namespace {

using detail::TImage;
using detail::TPixel;
using detail::TPixels;

// Sides above this are refused, so that one image stays well inside what a vector can hold.
constexpr int kMaxSide = 1 << 14;

bool ValidSize(int cx, int cy) {
    return cx > 0 && cy > 0 && cx <= kMaxSide && cy <= kMaxSide;
}

ImageListObject* Find(HIMAGELIST list) {
    return detail::ImageLists().Find(list);
}

bool ValidIndex(const ImageListObject& list, int index) {
    return index >= 0 && std::size_t(index) < list.Images.size();
}

// The image as this list keeps it: all opaque without ILC_MASK; black under transparent
// pixels when it draws the classic way.
TImage Stored(const ImageListObject& list, const TImage& image) {
    std::vector<TPixel> colour = image.Colour();
    std::vector<std::uint8_t> mask = image.Mask();
    if (!list.Masked())
        std::fill(mask.begin(), mask.end(), std::uint8_t(0));
    else if (!image.HasAlpha())
        for (std::size_t i = 0; i < colour.size(); ++i)
            if (mask[i])
                colour[i] = 0;
    return TImage(list.Cx, list.Cy, std::move(colour), std::move(mask));
}

// The images that colour pixels hold side by side at the list's size, with their masks.
std::vector<TImage> CutAll(const ImageListObject& list, const TPixels& colour,
                           const TPixels* mask) {
    std::vector<TImage> images;
    for (int left = 0; left + list.Cx <= colour.Width; left += list.Cx)
        images.push_back(Stored(list, detail::CutImage(colour, mask, left, list.Cx, list.Cy)));
    return images;
}

// The images a bitmap holds, none when a bitmap cannot be read.
std::vector<TImage> CutImages(const ImageListObject& list, HBITMAP image, HBITMAP mask) {
    const auto colour = detail::ReadBitmap(image);
    const auto maskPixels = mask ? detail::ReadBitmap(mask) : std::nullopt;
    if (!colour || (mask && !maskPixels))
        return {};
    return CutAll(list, *colour, maskPixels ? &*maskPixels : nullptr);
}

int Append(ImageListObject& list, std::vector<TImage> images) {
    if (images.empty() ||
        list.Images.size() + images.size() > std::size_t(std::numeric_limits<int>::max()))
        return -1;
    const int first = int(list.Images.size());
    std::move(images.begin(), images.end(), std::back_inserter(list.Images));
    return first;
}

// The key colour's pixels become transparent (white in a mask of the same size).
TPixels KeyMask(const TPixels& colour, COLORREF key) {
    TPixels mask{colour.Width, colour.Height, colour.Data};
    const TPixel keyPixel = gdi::ToPixel(key);
    for (TPixel& p : mask.Data)
        p = (p & gdi::kColourBits) == keyPixel ? gdi::kWhitePixel : 0;
    return mask;
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (!ValidSize(cx, cy))
        return nullptr;
    auto list = std::make_unique<ImageListObject>();
    list->Cx = cx;
    list->Cy = cy;
    list->Flags = flags;
    list->Grow = grow;
    list->Images.reserve(std::size_t(std::clamp(initial, 0, 1024)));
    return detail::ImageLists().Add(std::move(list));
}

bool ImageList_Destroy(HIMAGELIST list) {
    return detail::ImageLists().Remove(list);
}

int ImageList_GetImageCount(HIMAGELIST handle) {
    const ImageListObject* list = Find(handle);
    return list ? int(list->Images.size()) : 0;
}

bool ImageList_SetIconSize(HIMAGELIST handle, int cx, int cy) {
    ImageListObject* list = Find(handle);
    if (!list || !ValidSize(cx, cy))
        return false;
    list->Cx = cx;
    list->Cy = cy;
    list->Images.clear();
    return true;
}

bool ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy) {
    const ImageListObject* list = Find(handle);
    if (!list || !cx || !cy)
        return false;
    *cx = list->Cx;
    *cy = list->Cy;
    return true;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF colour) {
    ImageListObject* list = Find(handle);
    return list ? std::exchange(list->BkColour, colour) : CLR_NONE;
}

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask) {
    ImageListObject* list = Find(handle);
    return list ? Append(*list, CutImages(*list, image, mask)) : -1;
}

int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF key) {
    ImageListObject* list = Find(handle);
    const auto colour = list ? detail::ReadBitmap(image) : std::nullopt;
    if (!colour)
        return -1;
    const TPixels mask = KeyMask(*colour, key);
    return Append(*list, CutAll(*list, *colour, &mask));
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON iconHandle) {
    ImageListObject* list = Find(handle);
    const IconObject* icon = detail::Icons().Find(iconHandle);
    if (!list || !icon || (index != -1 && !ValidIndex(*list, index)))
        return -1;
    TImage image = Stored(*list, icon->Image.Scaled(list->Cx, list->Cy));
    if (index == -1)
        return Append(*list, {std::move(image)});
    list->Images[std::size_t(index)] = std::move(image);
    return index;
}

bool ImageList_Replace(HIMAGELIST handle, int index, HBITMAP image, HBITMAP mask) {
    ImageListObject* list = Find(handle);
    if (!list || !ValidIndex(*list, index))
        return false;
    std::vector<TImage> images = CutImages(*list, image, mask);
    if (images.empty())
        return false;
    list->Images[std::size_t(index)] = std::move(images.front());
    return true;
}

bool ImageList_Remove(HIMAGELIST handle, int index) {
    ImageListObject* list = Find(handle);
    if (!list || (index != -1 && !ValidIndex(*list, index)))
        return false;
    if (index == -1)
        list->Images.clear();
    else
        list->Images.erase(list->Images.begin() + index);
    return true;
}

bool ImageList_Copy(HIMAGELIST dst, int dstIndex, HIMAGELIST src, int srcIndex, UINT flags) {
    ImageListObject* list = Find(dst);
    if (!list || dst != src || !ValidIndex(*list, dstIndex) || !ValidIndex(*list, srcIndex))
        return false;
    TImage& target = list->Images[std::size_t(dstIndex)];
    TImage& source = list->Images[std::size_t(srcIndex)];
    if (flags & ILCF_SWAP)
        std::swap(target, source);
    else
        target = source;
    return true;
}

HICON ImageList_GetIcon(HIMAGELIST handle, int index, UINT) {
    const ImageListObject* list = Find(handle);
    if (!list || !ValidIndex(*list, index))
        return nullptr;
    return detail::NewIcon(list->Images[std::size_t(index)]);
}

DWORD GetCommonControlsVersion() {
    return platform::Answers().CommonControlsVersion;
}

} // namespace commctrl
