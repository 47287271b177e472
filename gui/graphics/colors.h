#pragma once
// The GUI layer's colour values: plain RGB colours, and the system colours (0xFF in the high
// byte, the platform's system colour index in the low byte).

#include "platform/gdi/syscolors.h"

#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | gdi::COLOR_SCROLLBAR;
constexpr TColor clBackground = clSystemColor | gdi::COLOR_BACKGROUND;
constexpr TColor clActiveCaption = clSystemColor | gdi::COLOR_ACTIVECAPTION;
constexpr TColor clInactiveCaption = clSystemColor | gdi::COLOR_INACTIVECAPTION;
constexpr TColor clMenu = clSystemColor | gdi::COLOR_MENU;
constexpr TColor clWindow = clSystemColor | gdi::COLOR_WINDOW;
constexpr TColor clWindowFrame = clSystemColor | gdi::COLOR_WINDOWFRAME;
constexpr TColor clMenuText = clSystemColor | gdi::COLOR_MENUTEXT;
constexpr TColor clWindowText = clSystemColor | gdi::COLOR_WINDOWTEXT;
constexpr TColor clCaptionText = clSystemColor | gdi::COLOR_CAPTIONTEXT;
constexpr TColor clActiveBorder = clSystemColor | gdi::COLOR_ACTIVEBORDER;
constexpr TColor clInactiveBorder = clSystemColor | gdi::COLOR_INACTIVEBORDER;
constexpr TColor clAppWorkSpace = clSystemColor | gdi::COLOR_APPWORKSPACE;
constexpr TColor clHighlight = clSystemColor | gdi::COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | gdi::COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = clSystemColor | gdi::COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | gdi::COLOR_BTNSHADOW;
constexpr TColor clGrayText = clSystemColor | gdi::COLOR_GRAYTEXT;
constexpr TColor clBtnText = clSystemColor | gdi::COLOR_BTNTEXT;
constexpr TColor clInactiveCaptionText = clSystemColor | gdi::COLOR_INACTIVECAPTIONTEXT;
constexpr TColor clBtnHighlight = clSystemColor | gdi::COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | gdi::COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = clSystemColor | gdi::COLOR_3DLIGHT;
constexpr TColor clInfoText = clSystemColor | gdi::COLOR_INFOTEXT;
constexpr TColor clInfoBk = clSystemColor | gdi::COLOR_INFOBK;
constexpr TColor clHotLight = clSystemColor | gdi::COLOR_HOTLIGHT;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// Resolves a system colour to its RGB value; plain colours pass unchanged.
gdi::COLORREF ColorToRGB(TColor colour);
