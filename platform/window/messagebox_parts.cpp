#include "platform/window/messagebox_parts.h"

#include "platform/gdi/owned.h"
#include "platform/gdi/syscolors.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace win::detail {

namespace {

using gdi::RGB;

void FillPolygon(HDC dc, const std::vector<POINT>& points, gdi::COLORREF fill,
                 gdi::COLORREF outline) {
    gdi::TOwnedBrush brush(gdi::CreateSolidBrush(fill));
    gdi::TOwnedPen pen(gdi::CreatePen(gdi::PS_SOLID, 1, outline));
    gdi::TSelection brushSelection(dc, brush.Get());
    gdi::TSelection penSelection(dc, pen.Get());
    gdi::Polygon(dc, points.data(), int(points.size()));
}

std::vector<POINT> Circle(int x, int y, int size) {
    std::vector<POINT> points;
    const double radius = (size - 1) / 2.0;
    for (int i = 0; i < 48; ++i) {
        const double angle = 2 * std::numbers::pi * i / 48;
        points.push_back({x + int(std::lround(radius + radius * std::cos(angle))),
                          y + int(std::lround(radius + radius * std::sin(angle)))});
    }
    return points;
}

void Bar(HDC dc, const RECT& rect, gdi::COLORREF colour) {
    gdi::TOwnedBrush brush(gdi::CreateSolidBrush(colour));
    gdi::FillRect(dc, rect, brush.Get());
}

// A thick diagonal stroke from (x0, y0) to (x1, y1).
void Stroke(HDC dc, POINT from, POINT to, gdi::COLORREF colour) {
    const std::vector<POINT> points{
        {from.x - 2, from.y}, {from.x, from.y - 2}, {to.x + 2, to.y}, {to.x, to.y + 2}};
    FillPolygon(dc, points, colour, colour);
}

} // namespace

void DrawBoxIcon(HDC dc, int x, int y, TBoxIcon icon) {
    const gdi::COLORREF white = RGB(255, 255, 255);
    switch (icon) {
    case TBoxIcon::biError:
        FillPolygon(dc, Circle(x, y, BoxIconSize), RGB(220, 0, 0), RGB(128, 0, 0));
        Stroke(dc, {x + 10, y + 10}, {x + 21, y + 21}, white);
        Stroke(dc, {x + 21, y + 10}, {x + 10, y + 21}, white);
        break;
    case TBoxIcon::biWarning:
        FillPolygon(dc, {{x + 15, y + 1}, {x + 30, y + 29}, {x + 1, y + 29}}, RGB(255, 215, 0),
                    RGB(0, 0, 0));
        Bar(dc, {x + 14, y + 10, x + 18, y + 21}, RGB(0, 0, 0));
        Bar(dc, {x + 14, y + 23, x + 18, y + 27}, RGB(0, 0, 0));
        break;
    case TBoxIcon::biInformation:
        FillPolygon(dc, Circle(x, y, BoxIconSize), RGB(0, 90, 200), RGB(0, 40, 120));
        Bar(dc, {x + 14, y + 7, x + 18, y + 11}, white);
        Bar(dc, {x + 14, y + 13, x + 18, y + 25}, white);
        break;
    case TBoxIcon::biNone:
        break;
    }
}

LRESULT TBoxProcedure::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        TPaintScope paint(window);
        DrawBoxIcon(paint.DC(), FIconAt.x, FIconAt.y, FIcon);
        return 0;
    }
    case WM_COMMAND:
    case WM_CLOSE:
        FDone = true;
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE)
            FDone = true;
        return 0;
    default:
        return DefWindowProc(window, message, wParam, lParam);
    }
}

LRESULT TTextProcedure::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(window, message, wParam, lParam);
    TPaintScope paint(window);
    const HDC dc = paint.DC();
    gdi::TSelection font(dc, FFont);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, gdi::GetSysColor(gdi::COLOR_WINDOWTEXT));
    RECT client;
    GetClientRect(window, &client);
    gdi::DrawText(dc, GetWindowText(window), &client, BoxTextFormat);
    return 0;
}

void TButtonProcedure::Paint(HWND window) {
    TPaintScope paint(window);
    const HDC dc = paint.DC();
    RECT rect;
    GetClientRect(window, &rect);
    const bool focused = GetFocus() == window;
    gdi::FillRect(dc, rect, gdi::GetSysColorBrush(gdi::COLOR_BTNFACE));
    if (focused) {
        gdi::FrameRect(dc, rect, gdi::GetSysColorBrush(gdi::COLOR_WINDOWFRAME));
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
    if (FDown)
        gdi::FrameRect(dc, rect, gdi::GetSysColorBrush(gdi::COLOR_BTNSHADOW));
    else
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
    RECT text = rect;
    if (FDown)
        text = {text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
    gdi::TSelection font(dc, FFont);
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
    gdi::SetTextColor(dc, gdi::GetSysColor(gdi::COLOR_BTNTEXT));
    gdi::DrawText(dc, GetWindowText(window), &text,
                  gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
    if (focused)
        gdi::DrawFocusRect(dc, {rect.left + 3, rect.top + 3, rect.right - 3, rect.bottom - 3});
}

void TButtonProcedure::SetDown(HWND window, bool down) {
    if (down == FDown)
        return;
    FDown = down;
    InvalidateRect(window, nullptr, false);
}

void TButtonProcedure::Click(HWND window) {
    SetDown(window, false);
    SendMessage(GetParent(window), WM_COMMAND, IDOK, LPARAM(window));
}

LRESULT TButtonProcedure::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(window);
        FTracking = true;
        SetCapture(window);
        SetDown(window, true);
        return 0;
    case WM_MOUSEMOVE:
        if (FTracking) {
            RECT client;
            GetClientRect(window, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            SetDown(window, at.x >= 0 && at.y >= 0 && at.x < client.right && at.y < client.bottom);
        }
        return 0;
    case WM_LBUTTONUP: {
        const bool click = FTracking && FDown;
        ReleaseCapture();
        if (click)
            Click(window);
        return 0;
    }
    case WM_CAPTURECHANGED:
        FTracking = false;
        SetDown(window, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            SetDown(window, true);
        else if (wParam == VK_RETURN || wParam == VK_ESCAPE)
            Click(window);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && FDown)
            Click(window);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, false);
        return 0;
    default:
        return DefWindowProc(window, message, wParam, lParam);
    }
}

} // namespace win::detail
