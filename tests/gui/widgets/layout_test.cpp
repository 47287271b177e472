// Layouts with the newer controls: menus nested with their items, pages in order with the
// stored active page, labels that size themselves once loaded; and writing them back.

#include "gui/classes/classbuilder.h"
#include "gui/classes/layouttext.h"
#include "gui/classes/writer.h"
#include "tests/gui/controls/fixture.h"
#include "widgetform.h"

namespace guitest {

TWidgetForm::TWidgetForm(TComponent* owner) : TForm(owner) {
    LoadLayout("TWidgetForm");
    BindField(Menu, "Menu");
    BindField(Frame, "Frame");
    BindField(Picture, "Picture");
    BindField(Pages, "Pages");
    BindField(PageOne, "PageOne");
    BindField(PageTwo, "PageTwo");
    BindField(Title, "Title");
    BindField(Box, "Box");
    BindField(Inside, "Inside");
}

void TWidgetForm::Register() {
    RegisterClass<TWidgetForm, TForm>([](TClassBuilder<TWidgetForm>& c) {
        c.Method("FirstClick", &TWidgetForm::FirstClick)
            .Method("PagesChange", &TWidgetForm::PagesChange);
    });
}

namespace {

class Layout : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        TWidgetForm::Register();
    }
};

TEST_F(Layout, MenusPagesAndLabelsAreReadWithTheirProperties) {
    auto* form = Application.CreateForm<TWidgetForm>();
    ASSERT_EQ(form->Menu->Count(), 3);
    EXPECT_EQ(form->Menu->Items(0)->Caption(), "&First");
    EXPECT_TRUE(form->Menu->Items(1)->IsLine());
    EXPECT_FALSE(form->Menu->Items(2)->Enabled());
    EXPECT_EQ(form->Menu->Items(0)->Menu(), form->Menu);
    form->Menu->Items(0)->Click();
    EXPECT_EQ(form->FirstClicks, 1);

    ASSERT_EQ(form->Pages->PageCount(), 2);
    EXPECT_EQ(form->Pages->Pages(0), form->PageOne);
    EXPECT_EQ(form->Pages->ActivePage(), form->PageTwo);
    EXPECT_FALSE(form->PageOne->Visible());
    EXPECT_TRUE(form->PageTwo->Visible());
    EXPECT_EQ(form->Title->Parent(), form->PageOne);
    EXPECT_EQ(form->Inside->Parent(), form->Box);

    EXPECT_EQ(form->Frame->BevelInner(), bvRaised);
    EXPECT_EQ(form->Frame->BevelOuter(), bvLowered);
    EXPECT_TRUE(form->Picture->Center());
    EXPECT_EQ(form->Picture->Cursor(), crHandPoint);

    // A fixed-size label keeps its size; an automatic one fits its text once loaded.
    EXPECT_EQ(form->Title->BoundsRect(), Bounds(8, 8, 200, 26));
    EXPECT_TRUE(form->Title->Font()->Style().Contains(fsBold));
    EXPECT_FALSE(form->Title->ShowAccelChar());
    EXPECT_EQ(form->Inside->Height(), 13);
    EXPECT_EQ(form->Inside->Width(), form->Inside->Canvas()->TextWidth("inside"));
}

TEST_F(Layout, WritingFollowsThePageOrderAndKeepsTheMenuItemsInTheirMenu) {
    auto* form = Application.CreateForm<TWidgetForm>();
    form->PageTwo->SetPageIndex(0);
    form->Pages->SetActivePage(form->PageOne);
    TMemoryStream stream;
    TWriter(stream).WriteRootComponent(*form);
    const std::string text = ObjectBinaryToText(stream.Bytes());
    const auto at = [&](const std::string& part) { return text.find(part); };
    ASSERT_NE(at("object PageOne: TTabSheet"), std::string::npos);
    EXPECT_LT(at("object PageTwo: TTabSheet"), at("object PageOne: TTabSheet"));
    EXPECT_LT(at("object Menu: TPopupMenu"), at("object First: TMenuItem"));
    EXPECT_LT(at("object Second: TMenuItem"), at("object Frame: TPanel"));
    EXPECT_NE(at("ActivePage = PageOne"), std::string::npos);
}

} // namespace
} // namespace guitest
