// Forms: creation from a stored layout, errors in handlers, the message loop, modal forms,
// closing, placement and border styles.

#include "fixture.h"
#include "gui/classes/classbuilder.h"
#include "gui/classes/exceptions.h"
#include "gui/extctrls/bevel.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/listbox.h"

namespace guitest {
namespace {

// A form read from the layout embedded in the tests.
class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {
        LoadLayout("TTestForm");
        BindField(List, "List");
        BindField(Accept, "Accept");
    }
    ~TTestForm() override { BeforeDestruction(); }

    void FormCreate(TObject*) {
        ++Created;
        if (FailCreation)
            throw Exception("Creation failed");
    }
    void FormShow(TObject*) { ++Shown; }
    void ListClick(TObject*) { ++ListClicks; }

    static inline bool FailCreation = false;
    TListBox* List = nullptr;
    TButton* Accept = nullptr;
    int Created = 0;
    int Shown = 0;
    int ListClicks = 0;
};

class Form : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        RegisterClass<TTestForm, TForm>([](TClassBuilder<TTestForm>& c) {
            c.Method("FormCreate", &TTestForm::FormCreate)
                .Method("FormShow", &TTestForm::FormShow)
                .Method("ListClick", &TTestForm::ListClick);
        });
        TTestForm::FailCreation = false;
    }

    // Runs the application loop with steps, then checks that it ended.
    void RunWith(std::vector<std::function<void()>> steps) {
        Script(std::move(steps));
        Application.Run();
        EXPECT_TRUE(Application.Terminated());
    }
};

TEST_F(Form, ALayoutBuildsTheFormItsControlsTabOrderAndHandlers) {
    auto* form = Application.CreateForm<TTestForm>();
    EXPECT_EQ(form->Created, 1);
    EXPECT_EQ(form->Caption(), "Layout test");
    EXPECT_EQ(win::GetWindowText(form->Handle()), "Layout test");
    EXPECT_EQ(form->ClientWidth(), 320);
    EXPECT_EQ(form->ClientHeight(), 200);
    EXPECT_EQ(form->List->Parent(), form);
    EXPECT_EQ(form->List->Items()->Text(), "one\ntwo\n");
    EXPECT_EQ(form->List->Anchors(), (TAnchors{akLeft, akTop, akBottom}));
    EXPECT_EQ(form->Accept->TabOrder(), 0);
    EXPECT_EQ(form->List->TabOrder(), 1);
    EXPECT_TRUE(form->Accept->Default());
    const auto* line = dynamic_cast<TBevel*>(form->FindComponent("Line"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Shape(), bsTopLine);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->Shown, 0);

    RunWith({[&] {
                 EXPECT_EQ(form->Shown, 1);
                 EXPECT_TRUE(form->Showing());
                 EXPECT_EQ(form->ActiveControl(), form->Accept); // the first in tab order
                 QueueClick(*form->List, 5, 5);
             },
             [&] {
                 EXPECT_EQ(form->ListClicks, 1);
                 form->Close();
             }});
}

TEST_F(Form, AFailingCreationHandlerIsReportedAndTheFormStillOpens) {
    TTestForm::FailCreation = true;
    auto* form = Application.CreateForm<TTestForm>();
    EXPECT_EQ(Boxes, (std::vector<std::string>{"Creation failed."}));
    EXPECT_EQ(form->Created, 1);
    RunWith({[&] {
        EXPECT_TRUE(form->Showing());
        EXPECT_EQ(form->Shown, 1);
        win::PostMessage(form->Handle(), win::WM_CLOSE, 0, 0);
    }});
}

// A form class whose layout the program does not hold.
class TUnstoredForm : public TForm {
public:
    explicit TUnstoredForm(TComponent* owner) : TForm(owner) { LoadLayout("TUnstoredForm"); }
};

TEST_F(Form, AFormWithoutItsLayoutIsNotCreated) {
    EXPECT_THROW(Application.CreateForm<TUnstoredForm>(), EResNotFound);
    EXPECT_EQ(Application.MainForm(), nullptr);
    EXPECT_EQ(Screen.FormCount(), 0);
}

TEST_F(Form, DestroyingAFormRunsOnDestroyWhileItsControlsStillExist) {
    auto* form = Application.CreateForm<TTestForm>();
    bool listThere = false;
    form->OnDestroy = [&](TObject*) { listThere = form->List != nullptr; };
    delete form;
    EXPECT_TRUE(listThere);
    EXPECT_EQ(Application.MainForm(), nullptr);
}

TEST_F(Form, FieldsOfAFormLetGoOfComponentsThatAreDestroyed) {
    auto* form = Application.CreateForm<TTestForm>();
    delete form->List;
    EXPECT_EQ(form->List, nullptr);
}

TEST_F(Form, AnErrorInAHandlerIsShownAndTheLoopGoesOn) {
    TForm* form = NewForm();
    auto* button = Add<TButton>(form, 10, 10, 75, 25);
    int calls = 0;
    button->OnClick = [&](TObject*) {
        if (++calls == 1)
            throw EInvalidOperation("Nothing to do");
    };
    RunWith({[&] { QueueClick(*button, 5, 5); },
             [&] {
                 EXPECT_EQ(Boxes, (std::vector<std::string>{"Nothing to do."}));
                 QueueClick(*button, 5, 5);
             },
             [&] {
                 EXPECT_EQ(calls, 2);
                 EXPECT_EQ(Boxes.size(), 1u);
                 form->Close();
             }});
}

TEST_F(Form, TheErrorBoxKeepsMessagesThatEndInPunctuation) {
    NewForm();
    Application.ShowException(Exception("Ready?"));
    Application.ShowException(Exception(""));
    EXPECT_EQ(Boxes, (std::vector<std::string>{"Ready?", ""}));
}

TEST_F(Form, ALoopWaitingForInputThatCannotComeIsNotHidden) {
    NewForm();
    EXPECT_THROW(Application.Run(), win::EMessageLoopBlocked);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(Form, ShowModalRunsUntilAButtonSetsTheModalResult) {
    TForm* main = NewForm();
    auto* dialog = new TForm(main);
    dialog->SetBounds(150, 150, 200, 100);
    auto* ok = Add<TButton>(dialog, 10, 10, 75, 25);
    ok->SetModalResult(mrOk);
    TModalResult result = mrNone;
    Script({[&] {
        EXPECT_TRUE(dialog->Showing());
        EXPECT_FALSE(win::IsWindowEnabled(main->Handle()));
        EXPECT_EQ(win::GetActiveWindow(), dialog->Handle());
        QueueClick(*ok, 5, 5);
    }});
    result = dialog->ShowModal();
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(win::IsWindowEnabled(main->Handle()));
    EXPECT_EQ(win::GetActiveWindow(), main->Handle());
    EXPECT_THROW(
        {
            dialog->Show();
            dialog->ShowModal();
        },
        EInvalidOperation);
}

TEST_F(Form, ClosingAModalFormReturnsCancelUnlessOnCloseRefuses) {
    TForm* main = NewForm();
    auto* dialog = new TForm(main);
    dialog->SetBounds(150, 150, 200, 100);
    int refusals = 1;
    dialog->OnClose = [&](TObject*, TCloseAction& action) {
        if (refusals-- > 0)
            action = caNone;
    };
    Script({[&] { Headless->CloseBox(dialog->Handle()); },
            [&] {
                EXPECT_TRUE(dialog->Showing()); // the first close was refused
                Headless->CloseBox(dialog->Handle());
            }});
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Form, ScreenCentredFormsAreCentredWhenFirstShown) {
    auto* form = Application.CreateForm<TTestForm>();
    form->Show();
    EXPECT_EQ(form->Left(), (1024 - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (768 - form->Height()) / 2);
    win::RECT outer;
    win::GetWindowRect(form->Handle(), &outer);
    EXPECT_EQ(outer.left, form->Left());
}

TEST_F(Form, ADialogCentredOnTheMainFormFollowsItWhereverItIs) {
    TForm* main = NewForm(400, 300);
    main->SetBounds(-100, 500, main->Width(), main->Height()); // partly off the screen
    auto* dialog = new TForm(main);
    dialog->SetPosition(poMainFormCenter);
    dialog->SetBounds(0, 0, 151, 101);
    bool visibleInOnShow = true;
    dialog->OnShow = [&](TObject*) { visibleInOnShow = win::IsWindowVisible(dialog->Handle()); };
    dialog->Show();
    EXPECT_FALSE(visibleInOnShow); // OnShow runs before the window appears
    EXPECT_TRUE(dialog->Showing());
    EXPECT_EQ(dialog->Left(), -100 + (main->Width() - 151) / 2);
    EXPECT_EQ(dialog->Top(), 500 + (main->Height() - 101) / 2);
}

TEST_F(Form, ASingleBorderWithoutTheMaximiseIconCannotBeMaximisedOrResized) {
    auto* form = Application.CreateForm<TTestForm>();
    form->Show();
    const auto style = win::DWORD(win::GetWindowLongPtr(form->Handle(), win::GWL_STYLE));
    EXPECT_EQ(style & win::WS_THICKFRAME, 0u);
    EXPECT_EQ(style & win::WS_MAXIMIZEBOX, 0u);
    EXPECT_NE(style & win::WS_MINIMIZEBOX, 0u);
    EXPECT_NE(style & win::WS_SYSMENU, 0u);
    win::ShowWindow(form->Handle(), win::SW_MAXIMIZE);
    Pump();
    EXPECT_EQ(form->ClientWidth(), 320);
    form->SetBorderStyle(bsSizeable); // a new window with the new frame, still shown
    EXPECT_TRUE(form->Showing());
    EXPECT_TRUE(form->List->HandleAllocated()); // the controls got new windows too
    EXPECT_TRUE(form->List->Showing());
    EXPECT_EQ(form->List->Items()->Count(), 2);
    EXPECT_NE(win::GetWindowLongPtr(form->Handle(), win::GWL_STYLE) & win::WS_THICKFRAME, 0);
    EXPECT_EQ(form->ClientWidth(), 320);
}

TEST_F(Form, AnchoredControlsFollowTheirParentsSize) {
    auto* form = Application.CreateForm<TTestForm>();
    form->Show();
    form->SetClientHeight(250);
    form->SetClientWidth(360);
    EXPECT_EQ(form->List->BoundsRect(), Rect(8, 8, 108, 158));    // stretched down
    EXPECT_EQ(form->Accept->BoundsRect(), Rect(160, 8, 235, 33)); // moved right
}

TEST_F(Form, FontAndColourFollowTheParentUntilSetOnTheControl) {
    TForm* form = NewForm();
    auto* list = Add<TListBox>(form, 10, 10, 100, 100);
    auto* bevel = Add<TBevel>(form, 120, 10, 50, 50);
    bevel->SetParentColor(true);
    form->Font()->SetHeight(-15);
    form->SetColor(clWhite);
    EXPECT_EQ(list->Font()->Height(), -15);
    EXPECT_EQ(bevel->Color(), clWhite);
    EXPECT_EQ(list->Color(), clWindow); // its own colour
    list->Font()->SetStyle({fsBold});
    EXPECT_FALSE(list->ParentFont());
    form->Font()->SetHeight(-11);
    EXPECT_EQ(list->Font()->Height(), -15);
    list->SetParentFont(true);
    EXPECT_EQ(list->Font()->Height(), -11);
    EXPECT_TRUE(list->Font()->Style().Empty());
}

} // namespace
} // namespace guitest
