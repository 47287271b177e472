#pragma once
// The value types of the styled buttons and the identifiers their properties are streamed by.

#include "gui/classes/identmaps.h"
#include "platform/window/types.h"

enum TAlignmentVertical { avTop, avCenter, avBottom };
template <>
struct TEnumIdents<TAlignmentVertical> {
    static constexpr std::string_view Names[] = {"avTop", "avCenter", "avBottom"};
};

// Whether the hot ring takes the hot-track colour itself or its complement.
enum THotTrackColorType { htctComplement, htctActual };
template <>
struct TEnumIdents<THotTrackColorType> {
    static constexpr std::string_view Names[] = {"htctComplement", "htctActual"};
};

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
template <>
struct TEnumIdents<TTextStyle> {
    static constexpr std::string_view Names[] = {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
};

// How a grouped button is latched: Down for a button held down by itself, Exclusive for the
// one down button of its group. These buttons use only Up and Exclusive.
enum TLatchState { lsUp = 0, lsDown = 2, lsExclusive = 3 };

// Sent to the controls of a button's parent when the button goes down in its group.
// WParam: the group index; LParam: the button (TStyledButton*).
constexpr win::UINT CM_BUTTONGROUPDOWN = 0x2421;
