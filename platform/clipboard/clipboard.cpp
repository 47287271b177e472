#include "platform/clipboard/clipboard.h"

#include <map>

namespace clipboard {

namespace {

struct TClipboardState {
    bool Open = false;
    std::map<UINT, TOwnedObject> Data;
};

// Never destroyed: the objects it holds would otherwise be deleted after the raster engine
// may already have gone at the end of the process.
TClipboardState& State() {
    static auto* state = new TClipboardState;
    return *state;
}

bool FitsFormat(UINT format, gdi::HGDIOBJ data) {
    if (!gdi::IsValidObject(data))
        return false;
    switch (format) {
    case CF_BITMAP:
        return data->Kind() == gdi::TObjectKind::okBitmap;
    case CF_PALETTE:
        return data->Kind() == gdi::TObjectKind::okPalette;
    default:
        return false;
    }
}

} // namespace

bool OpenClipboard() {
    if (State().Open)
        return false;
    State().Open = true;
    return true;
}

bool CloseClipboard() {
    if (!State().Open)
        return false;
    State().Open = false;
    return true;
}

bool EmptyClipboard() {
    if (!State().Open)
        return false;
    State().Data.clear();
    return true;
}

gdi::HGDIOBJ SetClipboardData(UINT format, gdi::HGDIOBJ data) {
    if (!State().Open || !FitsFormat(format, data))
        return nullptr;
    TOwnedObject& held = State().Data[format];
    if (held.Get() != data)
        held = TOwnedObject(data);
    return data;
}

gdi::HGDIOBJ GetClipboardData(UINT format) {
    if (!State().Open)
        return nullptr;
    const auto found = State().Data.find(format);
    return found == State().Data.end() ? nullptr : found->second.Get();
}

bool IsClipboardFormatAvailable(UINT format) {
    return State().Data.contains(format);
}

} // namespace clipboard
