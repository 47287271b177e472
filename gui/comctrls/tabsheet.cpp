#include "gui/comctrls/pagecontrol.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetParentColor(true);
}

TTabSheet::~TTabSheet() {
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    TWinControl::SetParent(parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent))
        pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (FPageControl)
        FPageControl->MovePage(this, value);
}

void TTabSheet::WndProc(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED && FPageControl)
        FPageControl->Invalidate();
    TWinControl::WndProc(message);
}
