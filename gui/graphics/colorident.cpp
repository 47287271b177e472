#include "gui/graphics/colorident.h"

#include <array>

namespace {

constexpr TIdentMapEntry Entry(TColor colour, std::string_view ident) {
    return {std::int32_t(colour), ident};
}

constexpr std::array Colors = {
    Entry(clBlack, "clBlack"),
    Entry(clMaroon, "clMaroon"),
    Entry(clGreen, "clGreen"),
    Entry(clOlive, "clOlive"),
    Entry(clNavy, "clNavy"),
    Entry(clPurple, "clPurple"),
    Entry(clTeal, "clTeal"),
    Entry(clGray, "clGray"),
    Entry(clSilver, "clSilver"),
    Entry(clRed, "clRed"),
    Entry(clLime, "clLime"),
    Entry(clYellow, "clYellow"),
    Entry(clBlue, "clBlue"),
    Entry(clFuchsia, "clFuchsia"),
    Entry(clAqua, "clAqua"),
    Entry(clWhite, "clWhite"),
    Entry(clScrollBar, "clScrollBar"),
    Entry(clBackground, "clBackground"),
    Entry(clActiveCaption, "clActiveCaption"),
    Entry(clInactiveCaption, "clInactiveCaption"),
    Entry(clMenu, "clMenu"),
    Entry(clWindow, "clWindow"),
    Entry(clWindowFrame, "clWindowFrame"),
    Entry(clMenuText, "clMenuText"),
    Entry(clWindowText, "clWindowText"),
    Entry(clCaptionText, "clCaptionText"),
    Entry(clActiveBorder, "clActiveBorder"),
    Entry(clInactiveBorder, "clInactiveBorder"),
    Entry(clAppWorkSpace, "clAppWorkSpace"),
    Entry(clHighlight, "clHighlight"),
    Entry(clHighlightText, "clHighlightText"),
    Entry(clBtnFace, "clBtnFace"),
    Entry(clBtnShadow, "clBtnShadow"),
    Entry(clGrayText, "clGrayText"),
    Entry(clBtnText, "clBtnText"),
    Entry(clInactiveCaptionText, "clInactiveCaptionText"),
    Entry(clBtnHighlight, "clBtnHighlight"),
    Entry(cl3DDkShadow, "cl3DDkShadow"),
    Entry(cl3DLight, "cl3DLight"),
    Entry(clInfoText, "clInfoText"),
    Entry(clInfoBk, "clInfoBk"),
    Entry(clHotLight, "clHotLight"),
    Entry(clNone, "clNone"),
    Entry(clDefault, "clDefault"),
};

} // namespace

TIdentMap ColorIdents() {
    return Colors;
}
