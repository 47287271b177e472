#include "gui/controls/cursors.h"

#include <array>

namespace {

constexpr std::array Cursors = {
    TIdentMapEntry{crDefault, "crDefault"},     TIdentMapEntry{crNone, "crNone"},
    TIdentMapEntry{crArrow, "crArrow"},         TIdentMapEntry{crCross, "crCross"},
    TIdentMapEntry{crIBeam, "crIBeam"},         TIdentMapEntry{crSizeNESW, "crSizeNESW"},
    TIdentMapEntry{crSizeNS, "crSizeNS"},       TIdentMapEntry{crSizeNWSE, "crSizeNWSE"},
    TIdentMapEntry{crSizeWE, "crSizeWE"},       TIdentMapEntry{crUpArrow, "crUpArrow"},
    TIdentMapEntry{crHourGlass, "crHourGlass"}, TIdentMapEntry{crNo, "crNo"},
    TIdentMapEntry{crAppStart, "crAppStart"},   TIdentMapEntry{crHelp, "crHelp"},
    TIdentMapEntry{crHandPoint, "crHandPoint"}, TIdentMapEntry{crSizeAll, "crSizeAll"},
};

} // namespace

TIdentMap CursorIdents() {
    return Cursors;
}
