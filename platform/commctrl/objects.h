#pragma once
// The objects behind icon and image-list handles, and the tables of live handles. A handle
// the table does not hold (never made, or destroyed) is found as null. Destroyed objects give
// up their pixels but stay allocated for a while, so a stale handle is not soon handed out
// again for a new object.

#include "platform/commctrl/image.h"
#include "platform/commctrl/imagelist.h"
#include "platform/gdi/quarantine.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace commctrl {

struct IconObject {
    bool Icon = true;
    DWORD XHotspot = 0;
    DWORD YHotspot = 0;
    detail::TImage Image;

    void Empty() { Image = {}; }
};

struct ImageListObject {
    int Cx = 0;
    int Cy = 0;
    UINT Flags = 0;
    int Grow = 0;
    COLORREF BkColour = CLR_NONE;
    std::vector<detail::TImage> Images;

    bool Masked() const { return (Flags & ILC_MASK) != 0; }
    void Empty() { Images = {}; }
};

namespace detail {

template <class T>
class THandleTable {
public:
    T* Add(std::unique_ptr<T> object) {
        T* handle = object.get();
        FLive.emplace(handle, std::move(object));
        return handle;
    }
    T* Find(const T* handle) const {
        const auto found = handle ? FLive.find(handle) : FLive.end();
        return found == FLive.end() ? nullptr : found->second.get();
    }
    bool Remove(const T* handle) {
        const auto found = handle ? FLive.find(handle) : FLive.end();
        if (found == FLive.end())
            return false;
        found->second->Empty();
        FRetired.Keep(std::move(found->second));
        FLive.erase(found);
        return true;
    }

private:
    std::unordered_map<const T*, std::unique_ptr<T>> FLive;
    gdi::TQuarantine<T> FRetired;
};

THandleTable<IconObject>& Icons();
THandleTable<ImageListObject>& ImageLists();

// Registers a new icon holding the image.
HICON NewIcon(TImage image);

} // namespace detail

} // namespace commctrl
