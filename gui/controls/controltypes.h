#pragma once
// The value types of controls: shift state, mouse buttons, anchors, alignment, control
// style and state, the event signatures, and the identifiers of the published ones.

#include "gui/classes/event.h"
#include "gui/classes/identmaps.h"
#include "gui/classes/set.h"

#include <cstdint>

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The sides of its parent whose distance a control keeps when the parent is resized.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
template <>
struct TEnumIdents<TAnchorKind> {
    static constexpr std::string_view Names[] = {"akLeft", "akTop", "akRight", "akBottom"};
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
template <>
struct TEnumIdents<TAlignment> {
    static constexpr std::string_view Names[] = {"taLeftJustify", "taRightJustify", "taCenter"};
};

// Right-to-left languages: bdRightToLeft reads right to left and mirrors alignments;
// bdRightToLeftNoAlign and bdRightToLeftReadingOnly only read right to left.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
template <>
struct TEnumIdents<TBiDiMode> {
    static constexpr std::string_view Names[] = {
        "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
};

// How a control takes part in the layer's behaviour.
enum TControlStyleItem {
    csCaptureMouse, // captures the mouse while the left button is held on it
    csClickEvents,  // a left press and release on it make a click
    csOpaque,       // paints its whole rectangle: no erasing behind it
    csDoubleClicks, // double clicks arrive as such; without, as a press marked ssDouble
    csReplicatable, // may be painted more than once, at other places
    csReflector,    // answers notifications its parent passes on to it
};
using TControlStyle = TSet<TControlStyleItem>;

// What a control is doing right now.
enum TControlStateItem {
    csClicked,  // a press that may become a click
    csCreating, // its window is being created
};
using TControlState = TSet<TControlStateItem>;

using TKey = std::uint16_t;

using TMouseEvent =
    TEvent<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = TEvent<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = TEvent<void(TObject* sender, TKey& key, TShiftState shift)>;
using TKeyPressEvent = TEvent<void(TObject* sender, char32_t& key)>;
