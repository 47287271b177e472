#pragma once
// The ten standard dialog buttons a glyph button can be: caption, modal result, default and
// cancel roles, and glyph (two 16 x 16 cells, normal and disabled, in one bitmap resource).

#include "gui/classes/identmaps.h"
#include "gui/forms/customform.h"

#include <string_view>

class TBitmap;

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
template <>
struct TEnumIdents<TBitBtnKind> {
    static constexpr std::string_view Names[] = {"bkCustom", "bkOK",     "bkCancel", "bkHelp",
                                                 "bkYes",    "bkNo",     "bkClose",  "bkAbort",
                                                 "bkRetry",  "bkIgnore", "bkAll"};
};

struct TStandardKind {
    std::string_view Caption;
    TModalResult ModalResult;
    bool Default;
    bool Cancel;
    // The name of the glyph's bitmap resource.
    std::string_view Glyph;
};

const TStandardKind& StandardKind(TBitBtnKind kind);
// The kind's glyph, read from its resource when first asked for and kept for the program's
// life; empty for bkCustom and for a resource that is missing or unreadable. Callers copy it.
const TBitmap& StandardGlyph(TBitBtnKind kind);
