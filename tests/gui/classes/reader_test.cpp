#include "gui/classes/exceptions.h"
#include "tests/gui/classes/streambytes.h"
#include "tests/gui/classes/streamfixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A form holding a panel with a button, and a non-visual image store after them that the
// button refers to before it is read.
std::vector<std::uint8_t> FormStream() {
    TStreamBytes s;
    s.Signature().Object("TTestForm", "Form1");
    s.Str("Caption").String("Main").End();
    s.Object("TTestPanel", "Panel1").Str("Left").Int8(8).End();
    {
        s.Object("TTestControl", "Button1");
        s.Str("Caption").String("OK");
        s.Str("Font.Style").Set({"fsBold", "fsUnderline"});
        s.Str("Font.Color").Ident("clRed");
        s.Str("Color").Int32(0x00FF00);
        s.Str("Alignment").Ident("taCenter");
        s.Str("Visible").False();
        s.Str("Ratio").Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0x40});
        s.Str("Images").Ident("Images1");
        s.Str("OnClick").Ident("ButtonClick");
        s.Str("OnDrawItem").Ident("ListDrawItem");
        s.End().End();
    }
    s.End();
    s.Object("TTestImages", "Images1").Str("Width").Int16(300);
    s.Str("Items").Collection();
    s.Int8(0).List().Str("Name").String("first").Str("Background").Ident("clWindow");
    s.Str("Picture.Data").Binary({1, 2, 3}).Str("Link").Ident("Button1").End();
    s.List().Str("Name").String("second").Str("Background").Int32(0x123456).End();
    s.End();
    s.Str("Lines.Strings").List().String("Data").String("Music").End();
    s.Str("Left").Int8(40).Str("Top").Int16(300).Str("Bitmap").Binary({});
    s.End().End();
    s.End();
    return s.Bytes;
}

class Reader : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        LoadedLog().clear();
    }
};

TEST_F(Reader, BuildsTheTreeWithOwnersParentsAndNestedProperties) {
    TTestForm form(nullptr);
    ReadStream(FormStream(), form);

    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.Caption, "Main");
    ASSERT_EQ(form.ComponentCount(), 3);
    auto& panel = Find<TTestPanel>(form, "Panel1");
    auto& button = Find<TTestControl>(form, "Button1");
    auto& images = Find<TTestImages>(form, "Images1");
    EXPECT_EQ(button.Owner(), &form);
    EXPECT_EQ(button.Parent(), &panel);
    EXPECT_EQ(panel.Parent(), &form);
    EXPECT_EQ(form.Controls(), std::vector<TTestControl*>{&panel});

    EXPECT_EQ(panel.Left, 8);
    EXPECT_EQ(button.Caption, "OK");
    EXPECT_EQ(button.Font()->Style, (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(button.Font()->Color, clRed);
    EXPECT_EQ(button.Font()->Name, "Tahoma");
    EXPECT_EQ(button.Color, 0x00FF00u);
    EXPECT_EQ(button.Alignment, taCenter);
    EXPECT_FALSE(button.Visible);
    EXPECT_EQ(button.Ratio, 2.5);

    EXPECT_EQ(images.Width, 300);
    EXPECT_EQ(images.DesignInfo() & 0xFFFF, 40);
    EXPECT_EQ(images.DesignInfo() >> 16, 300);
    EXPECT_EQ(images.BitmapSizeRead, 0);
    EXPECT_EQ(images.Lines()->Text(), "Data\nMusic\n");
}

TEST_F(Reader, ReadsCollectionItemsWithAndWithoutAnOrderValueInOneChange) {
    TTestForm form(nullptr);
    ReadStream(FormStream(), form);
    const TTestItems& items = *Find<TTestImages>(form, "Images1").Items();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(0)->Name, "first");
    EXPECT_EQ(items.Item(0)->Background, clWindow);
    EXPECT_EQ(items.Item(0)->Picture()->Data, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(items.Item(0)->Link, form.FindComponent("Button1"));
    EXPECT_EQ(items.Item(1)->Name, "second");
    EXPECT_EQ(items.Item(1)->Background, 0x123456u);
    EXPECT_TRUE(items.Item(1)->Picture()->Data.empty());
    EXPECT_EQ(items.Updates, 1);
}

TEST_F(Reader, ResolvesReferencesBeforeLoadedRunsInCreationOrder) {
    TTestForm form(nullptr);
    ReadStream(FormStream(), form);
    auto& button = Find<TTestControl>(form, "Button1");
    auto& images = Find<TTestImages>(form, "Images1");
    EXPECT_EQ(button.Images(), &images);
    EXPECT_EQ(button.ImagesWhenLoaded, &images);
    EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Form1", "Panel1", "Button1"}));
    EXPECT_TRUE(button.StateWhenCaptionSet.Contains(csReading));
    EXPECT_TRUE(button.StateWhenCaptionSet.Contains(csLoading));
    EXPECT_FALSE(button.ComponentState().Contains(csReading));
    EXPECT_FALSE(button.ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

TEST_F(Reader, BindsEventsToTheRootsPublishedMethods) {
    TTestForm form(nullptr);
    ReadStream(FormStream(), form);
    auto& button = Find<TTestControl>(form, "Button1");
    ASSERT_TRUE(button.OnClick);
    EXPECT_EQ(button.OnClick.MethodName(), "ButtonClick");
    button.OnClick(&button);
    EXPECT_EQ(form.Clicks, std::vector<TObject*>{&button});
    button.OnDrawItem(&button, 3, Rect(1, 2, 3, 4), {odSelected});
    EXPECT_EQ(form.DrawnIndex, 3);
    EXPECT_EQ(form.DrawnRect, Rect(1, 2, 3, 4));
    EXPECT_EQ(form.DrawnState, TOwnerDrawState{odSelected});
    EXPECT_FALSE(button.OnMouseMove);
}

// A form with one button whose properties props writes.
std::vector<std::uint8_t> ButtonStream(const std::function<void(TStreamBytes&)>& props) {
    TStreamBytes s;
    s.Signature().Object("TTestForm", "Form1").End();
    s.Object("TTestControl", "Button1");
    props(s);
    s.End().End().End();
    return s.Bytes;
}

struct TBadProperty {
    const char* Case;
    std::function<void(TStreamBytes&)> Props;
    const char* Message;
};

TEST_F(Reader, InvalidPropertiesNameObjectAndPropertyAndUndoTheRead) {
    const TBadProperty cases[] = {
        {"unknown", [](TStreamBytes& s) { s.Str("Bogus").Int8(1); },
         "Error reading Button1.Bogus: Property Bogus does not exist"},
        {"unknown nested", [](TStreamBytes& s) { s.Str("Font.Bogus").Int8(1); },
         "Error reading Button1.Font.Bogus: Property Bogus does not exist"},
        {"not an object", [](TStreamBytes& s) { s.Str("Caption.Size").Int8(1); },
         "Error reading Button1.Caption.Size: Property Caption does not exist"},
        {"enumeration", [](TStreamBytes& s) { s.Str("Alignment").Ident("taMiddle"); },
         "Error reading Button1.Alignment: Invalid property value taMiddle"},
        {"set",
         [](TStreamBytes& s) {
             s.Str("Font.Style").Set({"fsBold", "fsBlink"});
         },
         "Error reading Button1.Font.Style: Invalid property value fsBlink"},
        {"colour", [](TStreamBytes& s) { s.Str("Color").Ident("clSunset"); },
         "Error reading Button1.Color: Invalid property value clSunset"},
        {"range", [](TStreamBytes& s) { s.Str("Left").Int64(std::int64_t(1) << 40); },
         "Error reading Button1.Left: Invalid property value"},
        {"kind", [](TStreamBytes& s) { s.Str("Visible").String("yes"); },
         "Error reading Button1.Visible: Invalid property value"},
        {"object value", [](TStreamBytes& s) { s.Str("Font").Int8(1); },
         "Error reading Button1.Font: Invalid property value"},
        {"missing method", [](TStreamBytes& s) { s.Str("OnClick").Ident("Nope"); },
         "Error reading Button1.OnClick: Method Nope not found in TTestForm"},
        {"other signature", [](TStreamBytes& s) { s.Str("OnClick").Ident("ListDrawItem"); },
         "Error reading Button1.OnClick: Method ListDrawItem of TTestForm does not have the "
         "event's parameters"},
        {"missing component", [](TStreamBytes& s) { s.Str("Images").Ident("Nope"); },
         "Error reading Button1.Images: Component Nope not found"},
        {"component class", [](TStreamBytes& s) { s.Str("Images").Ident("Form1"); },
         "Error reading Button1.Images: Form1 is a TTestForm, which the property cannot hold"},
    };
    for (const TBadProperty& bad : cases) {
        SCOPED_TRACE(bad.Case);
        TTestForm form(nullptr);
        try {
            ReadStream(ButtonStream(bad.Props), form);
            ADD_FAILURE() << "no error raised";
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), bad.Message);
        }
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_TRUE(form.Controls().empty());
        EXPECT_FALSE(form.ComponentState().Contains(csReading));
    }
}

TEST_F(Reader, NilClearsReferencesAndHandlers) {
    TTestForm form(nullptr);
    ReadStream(ButtonStream([](TStreamBytes& s) { s.Str("Images").Nil().Str("OnClick").Nil(); }),
               form);
    auto& button = Find<TTestControl>(form, "Button1");
    EXPECT_EQ(button.Images(), nullptr);
    EXPECT_FALSE(button.OnClick);
}

TEST_F(Reader, EveryStringEncodingReadsAsUtf8) {
    const auto caption = [](std::initializer_list<int> value) {
        TTestForm form(nullptr);
        ReadStream(ButtonStream([&](TStreamBytes& s) { s.Str("Caption").Raw(value); }), form);
        return Find<TTestControl>(form, "Button1").Caption;
    };
    EXPECT_EQ(caption({0x06, 4, 'c', 'a', 'f', 0xE9}), "caf\u00E9");
    EXPECT_EQ(caption({0x0C, 2, 0, 0, 0, 0xA9, '!'}), "\u00A9!");
    EXPECT_EQ(caption({0x14, 3, 0, 0, 0, 0xE2, 0x82, 0xAC}), "\u20AC");
    EXPECT_EQ(caption({0x12, 4, 0, 0, 0, 'A', 0, 0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC}),
              "A\U0001F600\uFFFD");
}

TEST_F(Reader, ErrorsInsideCollectionItemsNameTheItem) {
    TStreamBytes s;
    s.Signature().Object("TTestForm", "Form1").End();
    s.Object("TTestImages", "Images1").Str("Items").Collection();
    s.List().Str("Name").String("ok").End();
    s.List().Str("Background").Ident("clNope").End().End();
    s.End().End().End();
    TTestForm form(nullptr);
    try {
        ReadStream(s.Bytes, form);
        FAIL() << "no error raised";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(),
                  "Error reading Images1.Items[1].Background: Invalid property value clNope");
    }
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST_F(Reader, ClassesMustBeKnownCreatableAndMatchTheRoot) {
    const auto child = [](const char* className, const char* name) {
        TStreamBytes s;
        s.Signature().Object("TTestForm", "Form1").End();
        s.Object("TTestControl", "Button1").End().End();
        s.Object(className, name).End().End();
        s.End();
        return s.Bytes;
    };
    TTestForm form(nullptr);
    try {
        ReadStream(child("TNope", "X"), form);
        FAIL() << "no error raised";
    } catch (const EClassNotFound& error) {
        EXPECT_EQ(error.Message(), "Class TNope not found");
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_THROW(ReadStream(child("TTestFont", "X"), form), EReadError);
    try {
        ReadStream(child("TTestControl", "button1"), form);
        FAIL() << "no error raised";
    } catch (const EComponentError& error) {
        EXPECT_EQ(error.Message(), "A component named button1 already exists");
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    TTestPanel panel(nullptr);
    try {
        ReadStream(child("TTestControl", "X"), panel);
        FAIL() << "no error raised";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(),
                  "Invalid stream format: a TTestForm cannot be read into a TTestPanel");
    }
}

TEST_F(Reader, TheRootTakesTheStreamsNameUnlessASiblingHasIt) {
    TComponent application(nullptr);
    auto* first = new TTestForm(&application);
    ReadStream(ButtonStream([](TStreamBytes&) {}), *first);
    auto* second = new TTestForm(&application);
    ReadStream(ButtonStream([](TStreamBytes&) {}), *second);
    EXPECT_EQ(first->Name(), "Form1");
    EXPECT_EQ(second->Name(), "Form1_1");
    EXPECT_NE(second->FindComponent("Button1"), nullptr);
}

} // namespace
