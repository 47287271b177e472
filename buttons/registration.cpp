#include "buttons/registration.h"

#include "buttons/bitbtn.h"
#include "buttons/styledbutton.h"
#include "gui/classes/classbuilder.h"
#include "gui/graphics/colorident.h"
#include "gui/registration.h"

namespace {

void DescribeStyledButton(TClassBuilder<TStyledButton>& c) {
    using B = TStyledButton;
    c.Property("Alignment", &B::Alignment, &B::SetAlignment, taCenter)
        .Property("AlignmentVertical", &B::AlignmentVertical, &B::SetAlignmentVertical, avCenter)
        .Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false)
        .Property("Cancel", &B::Cancel, &B::SetCancel, false)
        .Property("Caption", &B::Caption, &B::SetCaption, std::string())
        .Property("Color", &B::Color, &B::SetColor, clBtnFace)
        .Idents(ColorIdents())
        .Property("Default", &B::Default, &B::SetDefault, false)
        .Property("DropDownOnEnter", &B::DropDownOnEnter, &B::SetDropDownOnEnter, true)
        .Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
        .Property("Down", &B::Down, &B::SetDown, false)
        .Property("FrameColor", &B::FrameColor, &B::SetFrameColor, cl3DDkShadow)
        .Idents(ColorIdents())
        .Property("ModalResult", &B::ModalResult, &B::SetModalResult, mrNone)
        .Property("ShowDownPattern", &B::ShowDownPattern, &B::SetShowDownPattern, true)
        .Property("ShowFocusRect", &B::ShowFocusRect, &B::SetShowFocusRect, true)
        .Property("HighlightColor", &B::HighlightColor, &B::SetHighlightColor, clHighlight)
        .Idents(ColorIdents())
        .Property("HotTrack", &B::HotTrack, &B::SetHotTrack, false)
        .Property("HotTrackColor", &B::HotTrackColor, &B::SetHotTrackColor, 0x149BF0)
        .Idents(ColorIdents())
        .Property("HotTrackColorType", &B::HotTrackColorType, &B::SetHotTrackColorType, htctActual)
        .Property("LightTextStyle", &B::LightTextStyle, &B::SetLightTextStyle, false)
        .Property("TextHighlightColor", &B::TextHighlightColor, &B::SetTextHighlightColor,
                  clBtnHighlight)
        .Idents(ColorIdents())
        .Property("TextShadowColor", &B::TextShadowColor, &B::SetTextShadowColor, clBtnShadow)
        .Idents(ColorIdents())
        .Property("TextShadowDepth", &B::TextShadowDepth, &B::SetTextShadowDepth, 2)
        .Property("TextStyle", &B::TextStyle, &B::SetTextStyle, tsNormal)
        .Property("ThemeAware", &B::ThemeAware, &B::SetThemeAware, true)
        .Property("TabStop", &B::TabStop, &B::SetTabStop, true);
}

// Roles, modal result and glyph of a standard kind follow from the kind; its caption is
// stored only when it differs from the kind's.
void DescribeStyledBitBtn(TClassBuilder<TStyledBitBtn>& c) {
    using B = TStyledBitBtn;
    const auto custom = [](const B& button) { return button.Kind() == bkCustom; };
    c.Property("Cancel", &B::Cancel, &B::SetCancel, false)
        .Stored(custom)
        .Property("Caption", &B::Caption, &B::SetCaption)
        .Stored(
            [](const B& button) { return button.Caption() != StandardKind(button.Kind()).Caption; })
        .Property("Default", &B::Default, &B::SetDefault, false)
        .Stored(custom)
        .Property("ModalResult", &B::ModalResult, &B::SetModalResult, mrNone)
        .Stored(custom)
        .Property("Glyph", &B::Glyph)
        .Stored(custom)
        .Property("Kind", &B::Kind, &B::SetKind, bkCustom)
        .Property("Layout", &B::Layout, &B::SetLayout, blGlyphLeft)
        .Property("Margin", &B::Margin, &B::SetMargin, 2)
        .Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)
        .Stored(custom)
        .Property("Spacing", &B::Spacing, &B::SetSpacing, 4)
        .Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1)
        .Property("DisabledIndex", &B::DisabledIndex, &B::SetDisabledIndex, -1)
        .Property("Images", &B::Images, &B::SetImages);
}

} // namespace

void RegisterButtonClasses() {
    RegisterGuiClasses();
    RegisterClass<TCustomStyledButton, TCustomControl>();
    RegisterClass<TStyledButton, TCustomStyledButton>(DescribeStyledButton);
    RegisterClass<TStyledBitBtn, TStyledButton>(DescribeStyledBitBtn);
}
