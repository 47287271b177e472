#pragma once
// The clipboard, held inside the process: at most one object per format, owned by the
// clipboard from SetClipboardData until it is emptied or the format is set again. Reading and
// writing need the clipboard open; asking which formats it holds does not.

#include "platform/gdi/owned.h"

namespace clipboard {

using gdi::UINT;

constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_PALETTE = 9;

// An object on its way to the clipboard, deleted if it never gets there.
using TOwnedObject = gdi::TOwned<gdi::HGDIOBJ, gdi::DeleteObject>;

// False when the clipboard is already open.
bool OpenClipboard();
// False when it was not open.
bool CloseClipboard();
// Deletes every object on the clipboard; false when it is not open.
bool EmptyClipboard();
// Puts an object on the clipboard, which then owns it, and deletes the object held for the
// format before. CF_BITMAP takes a bitmap, CF_PALETTE a palette. Returns the object, or null
// when the clipboard is not open or the object does not fit the format; the caller then
// keeps the object.
gdi::HGDIOBJ SetClipboardData(UINT format, gdi::HGDIOBJ data);
// The object held for the format, still owned by the clipboard; null when there is none or
// the clipboard is not open.
gdi::HGDIOBJ GetClipboardData(UINT format);
bool IsClipboardFormatAvailable(UINT format);

} // namespace clipboard
