#pragma once
// The platform's system colours with the values of the standard Windows colour scheme, and
// the colour values of the GUI layer that name them (0xFF in the high byte, the system colour
// index in the low byte).

#include "platform/gdi/handles.h"
#include "platform/gdi/types.h"

namespace gdi {

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;
constexpr int COLOR_COUNT = 31;

// RGB of a system colour; 0 for an index outside the table.
COLORREF GetSysColor(int index);
// A stock solid brush of a system colour; never deleted by its users.
HBRUSH GetSysColorBrush(int index);

} // namespace gdi

// The GUI layer's colour values. Named by the GUI layer's conventions.
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
