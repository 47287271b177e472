// The glyph button: glyph strips and their cells, image-list glyphs, the standard kinds,
// where glyph and caption go for each layout and margin, and which properties are stored.

#include "buttonfixture.h"
#include "buttons/bitbtn.h"
#include "buttons/registration.h"
#include "glyphs.h"
#include "gui/classes/reader.h"
#include "gui/classes/writer.h"
#include "tools/layoutc/layouttext.h"

#include <gtest/gtest.h>

namespace buttontest {
namespace {

class TProbeBitBtn : public TStyledBitBtn {
public:
    using TStyledBitBtn::TStyledBitBtn;
    TRect GlyphRect() const { return GetGlyphRect(); }
    TRect CaptionRect() const { return GetCaptionRect(); }
};

class GlyphButton : public TButtonTest {
protected:
    void SetUp() override {
        TButtonTest::SetUp();
        RegisterButtonClasses();
        Button = Add<TProbeBitBtn>(Form, 120, 50, 81, 42);
        Button->SetCaption("&OK");
        Pump();
    }

    // A 32 x 32 image list of solid images: red, then green.
    TImageList* SolidList() {
        auto* list = new TImageList(Form, 32, 32);
        for (const TColor colour : {clRed, clLime}) {
            TBitmap image(32, 32);
            image.Canvas().Brush().SetColor(colour);
            image.Canvas().FillRect(Rect(0, 0, 32, 32));
            list->Add(&image, nullptr);
        }
        return list;
    }

    TProbeBitBtn* Button = nullptr;
};

TEST_F(GlyphButton, StripsOfSquareCellsSetTheNumberOfGlyphs) {
    Button->SetGlyph(GlyphStrip(4).get());
    EXPECT_EQ(Button->NumGlyphs(), 4);
    Button->SetGlyph(GlyphStrip(5).get()); // more than four: one
    EXPECT_EQ(Button->NumGlyphs(), 1);
    Button->SetGlyph(GlyphStrip(2).get());
    EXPECT_EQ(Button->NumGlyphs(), 2);
    TBitmap uneven(50, 16); // not a whole number of cells: unchanged
    Button->SetGlyph(&uneven);
    EXPECT_EQ(Button->NumGlyphs(), 2);
    Button->SetNumGlyphs(5);
    Button->SetNumGlyphs(0);
    EXPECT_EQ(Button->NumGlyphs(), 2);
}

TEST_F(GlyphButton, TheCellShownFollowsTheState) {
    const auto shown = [&] {
        const TRect glyph = Button->GlyphRect();
        return Pixel(*Button, glyph.Left + 8, glyph.Top + 8);
    };
    Button->SetGlyph(GlyphStrip(4).get());
    Pump();
    EXPECT_EQ(shown(), clRed);
    // The key colour is left out: the inset's ring shows the face.
    const TRect glyph = Button->GlyphRect();
    EXPECT_EQ(Pixel(*Button, glyph.Left, glyph.Top + 8), gdi::GetSysColor(gdi::COLOR_BTNFACE));
    Button->SetEnabled(false);
    Pump();
    EXPECT_EQ(shown(), clLime);
    Button->SetEnabled(true);
    Press(*Button, 60, 20);
    EXPECT_EQ(shown(), clBlue);
    Release();
    Button->SetGroupIndex(3);
    Button->SetDown(true);
    Pump();
    EXPECT_EQ(shown(), clYellow);
    // One cell only: disabled shows it too.
    Button->SetGroupIndex(0);
    Button->SetGlyph(GlyphStrip(1).get());
    Button->SetEnabled(false);
    Pump();
    EXPECT_EQ(shown(), clRed);
}

TEST_F(GlyphButton, ImageListGlyphsAndTheirDisabledImage) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(1);
    Pump();
    EXPECT_EQ(Button->GlyphRect(), Rect(7, 5, 39, 37));
    EXPECT_EQ(Pixel(*Button, 20, 20), clLime);
    // Disabled, the list's own rendering of the image: no longer green.
    Button->SetEnabled(false);
    Pump();
    EXPECT_NE(Pixel(*Button, 20, 20), clLime);
    Button->SetDisabledIndex(0);
    Pump();
    EXPECT_EQ(Pixel(*Button, 20, 20), clRed);
    Button->SetEnabled(true);
    Pump();
    EXPECT_EQ(Pixel(*Button, 20, 20), clLime);
}

TEST_F(GlyphButton, AListWithoutAnIndexLeavesTheWholeAreaToTheCaption) {
    Button->SetImages(SolidList());
    Pump();
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 5, 76, 37));
    EXPECT_NE(Pixel(*Button, 20, 20), clRed);
    EXPECT_NE(Pixel(*Button, 20, 20), clLime);
}

TEST_F(GlyphButton, RemovingTheListForgetsIt) {
    TImageList* list = SolidList();
    Button->SetImages(list);
    Button->SetImageIndex(0);
    Pump();
    EXPECT_EQ(Pixel(*Button, 20, 20), clRed);
    delete list;
    EXPECT_EQ(Button->Images(), nullptr);
    Button->Invalidate();
    Pump();
    EXPECT_NE(Pixel(*Button, 20, 20), clRed);
}

TEST_F(GlyphButton, AChangedListRepaintsTheButtonAtOnce) {
    TImageList* list = SolidList();
    Button->SetImages(list);
    Button->SetImageIndex(0);
    Pump();
    TBitmap blue(32, 32);
    blue.Canvas().Brush().SetColor(clBlue);
    blue.Canvas().FillRect(Rect(0, 0, 32, 32));
    list->Replace(0, &blue, nullptr);
    EXPECT_EQ(Pixel(*Button, 20, 20), clBlue);
}

TEST_F(GlyphButton, StandardKindsSetTheirCaptionRolesResultAndGlyph) {
    Button->SetKind(bkOK);
    EXPECT_EQ(Button->Caption(), "OK");
    EXPECT_TRUE(Button->Default());
    EXPECT_FALSE(Button->Cancel());
    EXPECT_EQ(Button->ModalResult(), mrOk);
    EXPECT_EQ(Button->NumGlyphs(), 2);
    EXPECT_EQ(Button->Glyph()->Width(), 32);
    EXPECT_EQ(Button->Glyph()->Height(), 16);
    EXPECT_EQ(Button->Kind(), bkOK);
    // The cache's glyph is copied, not shared.
    EXPECT_NE(Button->Glyph(), &StandardGlyph(bkOK));
    Button->SetKind(bkNo);
    EXPECT_EQ(Button->Caption(), "&No");
    EXPECT_FALSE(Button->Default());
    EXPECT_TRUE(Button->Cancel());
    EXPECT_EQ(Button->ModalResult(), mrNo);
    Button->SetKind(bkAll);
    EXPECT_EQ(Button->ModalResult(), mrAll);
    // A changed role makes it a custom button; so does a glyph of the user's. Setting the
    // kind again brings its settings back.
    Button->SetModalResult(mrAbort);
    EXPECT_EQ(Button->Kind(), bkCustom);
    Button->SetKind(bkAll);
    EXPECT_EQ(Button->ModalResult(), mrAll);
    Button->SetModalResult(mrAbort);
    Button->SetKind(bkRetry);
    EXPECT_EQ(Button->Kind(), bkRetry);
    Button->SetGlyph(GlyphStrip(1).get());
    EXPECT_EQ(Button->Kind(), bkCustom);
    // bkCustom itself changes nothing else.
    Button->SetKind(bkCustom);
    EXPECT_EQ(Button->Caption(), "&Retry");
    EXPECT_EQ(Button->ModalResult(), mrRetry);
}

TEST_F(GlyphButton, EveryStandardKindHasTwoGlyphCellsOnAKeyColour) {
    EXPECT_TRUE(StandardGlyph(bkCustom).Empty());
    for (int kind = bkOK; kind <= bkAll; ++kind) {
        TBitmap glyph;
        glyph.Assign(&StandardGlyph(TBitBtnKind(kind)));
        ASSERT_EQ(glyph.Width(), 32) << kind;
        ASSERT_EQ(glyph.Height(), 16) << kind;
        EXPECT_EQ(glyph.PixelFormat(), pf8bit) << kind;
        // Each cell draws something besides the key colour, and the disabled cell differs.
        const TColor key = glyph.TransparentColor();
        int normal = 0;
        int disabled = 0;
        int different = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                normal += glyph.Canvas().Pixels(x, y) != key;
                disabled += glyph.Canvas().Pixels(x + 16, y) != key;
                different += glyph.Canvas().Pixels(x, y) != glyph.Canvas().Pixels(x + 16, y);
            }
        EXPECT_GT(normal, 20) << kind;
        EXPECT_GT(disabled, 20) << kind;
        EXPECT_GT(different, 10) << kind;
    }
}

TEST_F(GlyphButton, AStandardKindsGlyphIsShownEvenWithAList) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(1);
    Pump();
    const TRect glyph = Button->GlyphRect();
    EXPECT_EQ(Pixel(*Button, glyph.Left + 8, glyph.Top + 8), clLime);
    Button->SetKind(bkCancel);
    Pump();
    // The list still sizes the glyph; the kind's strip is drawn into it instead.
    EXPECT_EQ(Button->GlyphRect(), glyph);
    EXPECT_NE(Pixel(*Button, glyph.Left + 8, glyph.Top + 8), clLime);
}

TEST_F(GlyphButton, GlyphAndCaptionGoWhereTheLayoutAndMarginSay) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(0);
    // The caption area is (5, 5)-(76, 37); the glyph 32 x 32.
    EXPECT_EQ(Button->GlyphRect(), Rect(7, 5, 39, 37));
    EXPECT_EQ(Button->CaptionRect(), Rect(43, 5, 76, 37));
    Button->SetLayout(blGlyphRight);
    EXPECT_EQ(Button->GlyphRect(), Rect(42, 5, 74, 37));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 5, 38, 37));
    Button->SetBounds(120, 50, 81, 90);
    Button->SetLayout(blGlyphTop);
    // Caption area (5, 5)-(76, 85): centred across, (71 - 32 + 1) / 2 = 20 in.
    EXPECT_EQ(Button->GlyphRect(), Rect(25, 7, 57, 39));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 43, 76, 85));
    Button->SetLayout(blGlyphBottom);
    EXPECT_EQ(Button->GlyphRect(), Rect(25, 51, 57, 83));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 5, 76, 47));
}

TEST_F(GlyphButton, MarginsBelowMinusOneAreIgnoredAndMinusOneCentres) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(0);
    Button->SetMargin(-5);
    EXPECT_EQ(Button->Margin(), 2);
    Button->SetMargin(-1);
    EXPECT_EQ(Button->Margin(), -1);
    // Left: the glyph at the caption area's left, the caption from GW + Spacing - 1 on.
    EXPECT_EQ(Button->GlyphRect(), Rect(5, 5, 37, 37));
    EXPECT_EQ(Button->CaptionRect(), Rect(5 + 32 + 4 - 1, 5, 76, 37));
    Button->SetLayout(blGlyphRight);
    EXPECT_EQ(Button->GlyphRect(), Rect(44, 5, 76, 37));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 5, 76 - 35, 37));
    // Top: glyph, spacing and the 13-pixel caption centred in the height of 90:
    // y0 = (90 - 13 - 32 - 4) / 2 = 20.
    Button->SetBounds(120, 50, 81, 90);
    Button->SetLayout(blGlyphTop);
    EXPECT_EQ(Button->GlyphRect(), Rect(25, 20, 57, 52));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 5 + 20 + 32, 76, 5 + 20 + 32 + 13));
    Button->SetLayout(blGlyphBottom);
    EXPECT_EQ(Button->GlyphRect(), Rect(25, 5 + 13 + 20, 57, 5 + 13 + 20 + 32));
    EXPECT_EQ(Button->CaptionRect(), Rect(5, 25, 76, 38));
}

TEST_F(GlyphButton, APressedGlyphMovesAsItsLookSays) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(0);
    Press(*Button, 60, 20);
    EXPECT_EQ(Button->GlyphRect(), Rect(8, 6, 40, 38)); // classic: (1, 1)
    EXPECT_EQ(Button->CaptionRect(), Rect(44, 6, 77, 38));
    Release();
    UseThemes(true);
    Press(*Button, 60, 20);
    EXPECT_EQ(Button->GlyphRect(), Rect(8, 5, 40, 37)); // themed: (1, 0)
    EXPECT_EQ(Button->CaptionRect(), Rect(43, 5, 76, 37));
    Release();
    UseThemes(false);
    Button->SetHotTrack(true);
    Press(*Button, 60, 20);
    EXPECT_EQ(Button->GlyphRect(), Rect(7, 5, 39, 37)); // hot-tracking: none
    Release();
}

TEST_F(GlyphButton, RightToLeftPutsALeftGlyphOnTheRight) {
    Button->SetImages(SolidList());
    Button->SetImageIndex(0);
    Button->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(Button->GlyphRect(), Rect(42, 5, 74, 37));
    Form->SetBiDiMode(bdLeftToRight);
    Button->SetParentBiDiMode(true);
    EXPECT_EQ(Button->GlyphRect(), Rect(7, 5, 39, 37));
}

// Streams for the stored-property rules: a form holding one glyph button.
std::string Stored(TForm& form) {
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteRootComponent(form);
    return ObjectBinaryToText(stream.Bytes());
}

TEST_F(GlyphButton, AStandardKindStoresOnlyWhatDiffersFromIt) {
    auto* form = Application.CreateForm<TForm>();
    auto* button = new TStyledBitBtn(form);
    button->SetName("Button1");
    button->SetParent(form);
    button->SetKind(bkOK);
    std::string text = Stored(*form);
    EXPECT_NE(text.find("Kind = bkOK"), std::string::npos) << text;
    for (const char* absent : {"Caption", "Default", "ModalResult", "Glyph", "NumGlyphs"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;
    // An empty caption differs from "OK", so it is stored.
    button->SetCaption("");
    text = Stored(*form);
    EXPECT_NE(text.find("Caption = ''"), std::string::npos) << text;
    // A custom button stores everything that is not its default.
    button->SetModalResult(mrIgnore);
    text = Stored(*form);
    EXPECT_EQ(text.find("Kind ="), std::string::npos) << text;
    for (const char* present : {"Default = True", "ModalResult = 5", "Glyph.Data", "NumGlyphs = 2"})
        EXPECT_NE(text.find(present), std::string::npos) << present << "\n" << text;
}

TEST_F(GlyphButton, ReadingAStandardKindKeepsAStoredCaption) {
    auto* form = Application.CreateForm<TForm>();
    const auto read = [&](const std::string& properties) {
        const std::vector<std::uint8_t> binary = ObjectTextToBinary(
            "object Form2: TForm\n  object Stop: TStyledBitBtn\n" + properties + "  end\nend\n");
        TMemoryStream stream(binary);
        TReader reader(stream);
        reader.ReadRootComponent(*form);
        return dynamic_cast<TStyledBitBtn*>(form->FindComponent("Stop"));
    };
    TStyledBitBtn* stop = read("    Caption = 'Stop'\n    Kind = bkCancel\n    FrameFlat = True\n");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->Caption(), "Stop");
    EXPECT_TRUE(stop->Cancel());
    EXPECT_EQ(stop->Kind(), bkCancel);
    // The legacy FrameFlat is read as HotTrack and never written.
    EXPECT_TRUE(stop->HotTrack());
    const std::string text = Stored(*form);
    EXPECT_EQ(text.find("FrameFlat"), std::string::npos);
    EXPECT_NE(text.find("HotTrack = True"), std::string::npos);
    delete stop;
    stop = read("    Kind = bkCancel\n");
    EXPECT_EQ(stop->Caption(), "Cancel");
}

TEST_F(GlyphButton, AStoredGlyphIsReadBack) {
    auto* form = Application.CreateForm<TForm>();
    auto* button = new TStyledBitBtn(form);
    button->SetName("Button1");
    button->SetParent(form);
    button->SetGlyph(GlyphStrip(3).get());
    TMemoryStream stream;
    TWriter(stream).WriteRootComponent(*form);
    delete button;
    stream.Seek(0, soBeginning);
    TReader(stream).ReadRootComponent(*form);
    auto* read = dynamic_cast<TStyledBitBtn*>(form->FindComponent("Button1"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->NumGlyphs(), 3);
    EXPECT_EQ(read->Glyph()->Width(), 48);
    EXPECT_EQ(read->Glyph()->Canvas().Pixels(24, 8), clLime);
}

} // namespace
} // namespace buttontest
