#pragma once
// A bevel: a sunken or raised box, frame or line drawn in the button shadow and highlight
// colours, to group or separate other controls.

#include "gui/controls/graphiccontrol.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
template <>
struct TEnumIdents<TBevelShape> {
    static constexpr std::string_view Names[] = {
        "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"};
};

enum TBevelStyle { bsLowered, bsRaised };
template <>
struct TEnumIdents<TBevelStyle> {
    static constexpr std::string_view Names[] = {"bsLowered", "bsRaised"};
};

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);

    // bsBox: a one-pixel box; bsFrame: an etched frame; the lines run along one edge, two
    // pixels wide; bsSpacer draws nothing.
    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    // Lowered: shadow above and to the left, highlight below and to the right; raised: the
    // other way round.
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
