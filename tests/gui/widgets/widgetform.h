#pragma once
// A form read from the layout embedded in the widget tests: a popup menu with a separator
// and a disabled item, a white panel with a centred image, and a page control whose second
// page is the active one, with a label and a group box.

#include "gui/comctrls/pagecontrol.h"
#include "gui/extctrls/image.h"
#include "gui/extctrls/panel.h"
#include "gui/forms/customform.h"
#include "gui/menus/menus.h"
#include "gui/stdctrls/groupbox.h"
#include "gui/stdctrls/label.h"

namespace guitest {

class TWidgetForm : public TForm {
public:
    explicit TWidgetForm(TComponent* owner);
    ~TWidgetForm() override { BeforeDestruction(); }

    // Publishes the class and its handlers; the fixture's classes must be registered first.
    static void Register();

    void FirstClick(TObject*) { ++FirstClicks; }
    void PagesChange(TObject*) { ++PageChanges; }

    TPopupMenu* Menu = nullptr;
    TPanel* Frame = nullptr;
    TImage* Picture = nullptr;
    TPageControl* Pages = nullptr;
    TTabSheet* PageOne = nullptr;
    TTabSheet* PageTwo = nullptr;
    TLabel* Title = nullptr;
    TGroupBox* Box = nullptr;
    TLabel* Inside = nullptr;
    int FirstClicks = 0;
    int PageChanges = 0;
};

} // namespace guitest
