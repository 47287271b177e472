#include "gui/classes/exceptions.h"
#include "tests/gui/classes/streamfixture.h"
#include "tools/layoutc/layouttext.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Builds in code what a layout would hold: a panel with a button, and an image store whose
// items refer back to the button.
void BuildForm(TTestForm& form) {
    form.SetName("Form1");
    auto* panel = new TTestPanel(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    panel->Left = -300;
    auto* images = new TTestImages(&form);
    images->SetName("Images1");
    images->Width = 48;
    images->SetDesignInfo(0x00200010);
    images->Lines()->SetText("Data\nMusic 'loud'\n");
    auto* button = new TTestControl(&form);
    button->SetName("Button1");
    button->SetParent(panel);
    button->Caption = "&OK";
    button->Text = "Hello";
    button->Visible = false;
    button->Alignment = taRightJustify;
    button->Color = 0x0080FF;
    button->Ratio = 0.25;
    button->Font()->Style = {fsItalic};
    button->Font()->Color = clHighlight;
    button->SetImages(images);
    button->OnClick =
        TNotifyEvent([&form](TObject* sender) { form.ButtonClick(sender); }, "ButtonClick");
    auto* item = static_cast<TTestImageItem*>(images->Items()->Add());
    item->Name = "PngImage0";
    item->Background = clWindow;
    item->Picture()->Data = {0x89, 'P', 'N', 'G', 0, 255};
    item->Link = button;
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestClasses(); }
};

TEST_F(Writer, ReadingWhatWasWrittenRebuildsTheTreeAndTheSameBytes) {
    TTestForm original(nullptr);
    BuildForm(original);
    const std::vector<std::uint8_t> bytes = WriteStream(original);

    TTestForm copy(nullptr);
    ReadStream(bytes, copy);
    auto& panel = Find<TTestPanel>(copy, "Panel1");
    auto& button = Find<TTestControl>(copy, "Button1");
    auto& images = Find<TTestImages>(copy, "Images1");
    EXPECT_EQ(button.Parent(), &panel);
    EXPECT_EQ(panel.Left, -300);
    EXPECT_EQ(button.Caption, "&OK");
    EXPECT_EQ(button.Text, "Hello");
    EXPECT_FALSE(button.Visible);
    EXPECT_EQ(button.Alignment, taRightJustify);
    EXPECT_EQ(button.Color, 0x0080FFu);
    EXPECT_EQ(button.Ratio, 0.25);
    EXPECT_EQ(button.Font()->Style, TFontStyles{fsItalic});
    EXPECT_EQ(button.Font()->Color, clHighlight);
    EXPECT_EQ(button.Images(), &images);
    button.OnClick(&button);
    EXPECT_EQ(copy.Clicks, std::vector<TObject*>{&button});
    EXPECT_EQ(images.Width, 48);
    EXPECT_EQ(images.DesignInfo(), 0x00200010);
    EXPECT_EQ(images.Lines()->Text(), "Data\nMusic 'loud'\n");
    ASSERT_EQ(images.Items()->Count(), 1);
    EXPECT_EQ(images.Items()->Item(0)->Picture()->Data,
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', 0, 255}));
    EXPECT_EQ(images.Items()->Item(0)->Link, &button);

    EXPECT_EQ(WriteStream(copy), bytes);
}

TEST_F(Writer, WritesOnlyWhatDiffersFromTheDefaultsInDeclarationOrder) {
    TTestForm form(nullptr);
    BuildForm(form);
    const std::string expected = R"(object Form1: TTestForm
  object Images1: TTestImages
    Width = 48
    Items = <
      item
        Picture.Data = {
          89504E4700FF}
        Name = 'PngImage0'
        Background = clWindow
        Link = Button1
      end>
    Lines.Strings = (
      'Data'
      'Music ''loud''')
    Left = 16
    Top = 32
    Bitmap = {}
  end
  object Panel1: TTestPanel
    Left = -300
    object Button1: TTestControl
      Caption = '&OK'
      Text = 'Hello'
      Visible = False
      Alignment = taRightJustify
      Color = 33023
      Ratio = 0.25
      Font.Style = [fsItalic]
      Font.Color = clHighlight
      Images = Images1
      OnClick = ButtonClick
    end
  end
end
)";
    EXPECT_EQ(ObjectBinaryToText(WriteStream(form)), expected);

    TTestForm plain(nullptr);
    plain.SetName("Form1");
    auto* button = new TTestControl(&plain);
    button->SetName("Button1");
    button->Text = "Button1";
    EXPECT_EQ(ObjectBinaryToText(WriteStream(plain)),
              "object Form1: TTestForm\n  object Button1: TTestControl\n  end\nend\n");
}

TEST_F(Writer, RefusesReferencesTheReaderCouldNotResolve) {
    TTestForm form(nullptr);
    form.SetName("Form1");
    TTestImages foreign(nullptr);
    foreign.SetName("Foreign");
    auto* button = new TTestControl(&form);
    button->SetName("Button1");
    button->SetImages(&foreign);
    EXPECT_THROW(WriteStream(form), EWriteError);
    button->SetImages(nullptr);
    auto* unnamed = new TTestImages(&form);
    button->SetImages(unnamed);
    EXPECT_THROW(WriteStream(form), EWriteError);
    EXPECT_FALSE(button->ComponentState().Contains(csWriting));
}

} // namespace
