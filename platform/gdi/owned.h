#pragma once
// Scope guards for drawing resources: every handle, context, selection and saved state is
// released on every path, exceptions included.

#include "platform/gdi/gdi.h"

#include <utility>

namespace gdi {

// Owns one handle and frees it with Free when the owner goes.
template <class THandle, auto Free>
class TOwned {
public:
    TOwned() = default;
    explicit TOwned(THandle handle) : FHandle(handle) {}
    TOwned(TOwned&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TOwned& operator=(TOwned&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.FHandle, nullptr));
        return *this;
    }
    ~TOwned() { Reset(); }

    THandle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    THandle Release() { return std::exchange(FHandle, nullptr); }
    void Reset(THandle handle = nullptr) {
        if (FHandle)
            Free(FHandle);
        FHandle = handle;
    }

private:
    THandle FHandle = nullptr;
};

inline bool DeleteBitmap(HBITMAP h) {
    return DeleteObject(h);
}
inline bool DeleteBrush(HBRUSH h) {
    return DeleteObject(h);
}
inline bool DeletePen(HPEN h) {
    return DeleteObject(h);
}
inline bool DeleteFont(HFONT h) {
    return DeleteObject(h);
}
inline bool DeletePalette(HPALETTE h) {
    return DeleteObject(h);
}

using TOwnedBitmap = TOwned<HBITMAP, DeleteBitmap>;
using TOwnedBrush = TOwned<HBRUSH, DeleteBrush>;
using TOwnedPen = TOwned<HPEN, DeletePen>;
using TOwnedFont = TOwned<HFONT, DeleteFont>;
using TOwnedPalette = TOwned<HPALETTE, DeletePalette>;
using TOwnedDC = TOwned<HDC, DeleteDC>;
using TReleasedDC = TOwned<HDC, ReleaseDC>;

// Selects an object into a context for the guard's lifetime, then selects the previous one
// back. Declare it after the owner of the object, so the object is deselected first.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;
    ~TSelection() {
        if (FPrevious)
            SelectObject(FDC, FPrevious);
    }

private:
    HDC FDC;
    HGDIOBJ FPrevious;
};

// Saves a context's whole drawing state and restores it when the guard goes.
class TSavedState {
public:
    explicit TSavedState(HDC dc) : FDC(dc), FLevel(SaveDC(dc)) {}
    TSavedState(const TSavedState&) = delete;
    TSavedState& operator=(const TSavedState&) = delete;
    ~TSavedState() {
        if (FLevel > 0)
            RestoreDC(FDC, FLevel);
    }

private:
    HDC FDC;
    int FLevel;
};

} // namespace gdi
