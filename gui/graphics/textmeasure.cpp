#include "gui/graphics/textmeasure.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"

TSize MeasureText(TFont& font, std::string_view text, gdi::UINT format, int width) {
    const gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    if (!dc)
        throw EOutOfResources(SOutOfResources);
    const gdi::TSelection selection(dc.Get(), font.Handle());
    gdi::RECT rect{0, 0, width, 0};
    gdi::DrawText(dc.Get(), text, &rect, format | gdi::DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}
