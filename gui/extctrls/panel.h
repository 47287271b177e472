#pragma once
// A panel: a control that holds others, framed by an outer bevel, a border of its own colour
// and an inner bevel (outside in), filled with its colour, with its caption centred (or
// aligned) inside.

#include "gui/controls/customcontrol.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };
template <>
struct TEnumIdents<TBevelCut> {
    static constexpr std::string_view Names[] = {"bvNone", "bvLowered", "bvRaised"};
};

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    // A raised bevel is light above and to the left, dark below and to the right; a lowered
    // one the other way round. Each is BevelWidth pixels wide.
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    // Values below 1 become 1.
    void SetBevelWidth(int value);
    // The band of the panel's colour between the two bevels; negative values become 0.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    template <class T>
    void Change(T& field, const T& value);

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
};
