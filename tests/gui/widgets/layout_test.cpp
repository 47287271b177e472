// Layouts with menus and pages: written and read back, menu items stay in their menu, pages
// keep their order and the active page, labels on pages size themselves once read.

#include "gui/classes/reader.h"
#include "gui/classes/writer.h"
#include "gui/comctrls/pagecontrol.h"
#include "gui/menus/menus.h"
#include "gui/stdctrls/label.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

class Layout : public TGuiTest {};

template <class T>
T* Named(TComponent& root, const std::string& name) {
    return dynamic_cast<T*>(root.FindComponent(name));
}

TEST_F(Layout, MenusAndPagesSurviveWritingAndReading) {
    TForm* form = NewForm();
    auto* menu = new TPopupMenu(form);
    menu->SetName("Menu");
    for (const char* name : {"First", "Line", "Second"}) {
        auto* item = new TMenuItem(form);
        item->SetName(name);
        item->SetCaption(name == std::string("Line") ? "-" : name);
        menu->Add(item);
    }
    menu->Items(2)->SetEnabled(false);
    auto* pages = Add<TPageControl>(form, 10, 10, 250, 150);
    pages->SetName("Pages");
    for (const char* name : {"One", "Two"}) {
        auto* page = new TTabSheet(form);
        page->SetName(name);
        page->SetPageControl(pages);
    }
    auto* title = Add<TLabel>(pages->Pages(1), 8, 8, 10, 10);
    title->SetName("Title");
    title->SetCaption("Title");
    pages->Pages(1)->SetPageIndex(0); // written in page order, not in order of creation
    pages->SetActivePage(pages->Pages(1));

    TMemoryStream stream;
    TWriter(stream).WriteRootComponent(*form);
    stream.Seek(0, soBeginning);
    TForm* copy = Application.CreateForm<TForm>();
    TReader(stream).ReadRootComponent(*copy);

    auto* readMenu = Named<TPopupMenu>(*copy, "Menu");
    ASSERT_NE(readMenu, nullptr);
    ASSERT_EQ(readMenu->Count(), 3);
    EXPECT_EQ(readMenu->Items(0)->Name(), "First");
    EXPECT_TRUE(readMenu->Items(1)->IsLine());
    EXPECT_FALSE(readMenu->Items(2)->Enabled());
    auto* readPages = Named<TPageControl>(*copy, "Pages");
    ASSERT_NE(readPages, nullptr);
    ASSERT_EQ(readPages->PageCount(), 2);
    EXPECT_EQ(readPages->Pages(0)->Name(), "Two");
    EXPECT_EQ(readPages->ActivePage(), readPages->Pages(1));
    EXPECT_FALSE(readPages->Pages(0)->Visible());
    auto* readTitle = Named<TLabel>(*copy, "Title");
    ASSERT_NE(readTitle, nullptr);
    EXPECT_EQ(readTitle->Parent(), readPages->Pages(0));
    EXPECT_EQ(readTitle->Width(), readTitle->Canvas()->TextWidth("Title"));
}

} // namespace
} // namespace guitest
