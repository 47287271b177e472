#include "launcher/mainform.h"

#include "buttons/registration.h"
#include "gui/classes/classbuilder.h"
#include "gui/classes/format.h"
#include "gui/forms/application.h"
#include "gui/forms/screen.h"
#include "launcher/aboutform.h"
#include "launcher/catalogue.h"
#include "launcher/paths.h"
#include "launcher/shellopen.h"
#include "launcher/waitcursor.h"
#include "png/pngobject.h"

#include <memory>

namespace {

constexpr char ProductTitle[] = "Brenlow";
constexpr char WebSite[] = "https://www.brenlow.example/";
constexpr char ProductPage[] = "https://www.brenlow.example/products/brenlow/";
constexpr char SupportEmail[] = "support@brenlow.example";
constexpr int CategoryItemHeight = 80;
constexpr int ToolItemHeight = 75;

} // namespace

void InitializeLauncher() {
    Screen.SetCursors(crHandPoint, win::LoadCursor(win::IDC_HAND));
    RegisterButtonClasses();
    RegisterClass<TMainForm, TForm>([](TClassBuilder<TMainForm>& c) {
        c.Method("FormCreate", &TMainForm::FormCreate)
            .Method("FormShow", &TMainForm::FormShow)
            .Method("ListBoxMainDrawItem", &TMainForm::ListBoxMainDrawItem)
            .Method("ListBoxMainClick", &TMainForm::ListBoxMainClick)
            .Method("ListBoxDataDrawItem", &TMainForm::ListBoxDataDrawItem)
            .Method("ListBoxDataMouseMove", &TMainForm::ListBoxDataMouseMove)
            .Method("ListBoxDataClick", &TMainForm::ListBoxDataClick)
            .Method("ButtonOKClick", &TMainForm::ButtonOKClick)
            .Method("ButtonHelpClick", &TMainForm::ButtonHelpClick)
            .Method("MediaOntheWeb1Click", &TMainForm::MediaOntheWeb1Click)
            .Method("AboutMedia1Click", &TMainForm::AboutMedia1Click);
    });
    TFormAbout::Register();
    RegisterPngPictureFormat();
    RegisterPngImageListClasses();
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner), FToolFolder(LauncherFolder()) {
    LoadLayout("TMainForm");
}

TMainForm::~TMainForm() {
    BeforeDestruction();
}

void TMainForm::Loaded() {
    TForm::Loaded();
    BindField(ListBoxMain, "ListBoxMain");
    BindField(ListBoxData, "ListBoxData");
    BindField(Bevel1, "Bevel1");
    BindField(ButtonHelp, "ButtonHelp");
    BindField(ButtonOK, "ButtonOK");
    BindField(PopupMenu, "PopupMenu");
    BindField(MediaOntheWeb1, "MediaOntheWeb1");
    BindField(AboutMedia1, "AboutMedia1");
    BindField(PngImageListMain, "PngImageListMain");
    BindField(PngImageListData, "PngImageListData");
    BindField(PngImageListButton, "PngImageListButton");
}

void TMainForm::FormCreate(TObject*) {
    SetCaption(Application.Title());
    MediaOntheWeb1->SetCaption(Format(MediaOntheWeb1->Caption(), Application.Title()));
    AboutMedia1->SetCaption(Format(AboutMedia1->Caption(), Application.Title()));
    if (Application.Title() == ProductTitle) {
        WebSiteAddress = WebSite;
        ProductPageAddress = ProductPage;
        SupportEmailAddress = SupportEmail;
    }
    ListBoxMain->SetStyle(lbOwnerDrawFixed);
    ListBoxMain->SetItemHeight(CategoryItemHeight);
    for (const std::string& name : catalogue::CategoryNames())
        ListBoxMain->Items()->Add(name);
    ListBoxData->SetStyle(lbOwnerDrawFixed);
    ListBoxData->SetItemHeight(ToolItemHeight);
    // Owner-drawn items are painted off screen first, so they do not flicker.
    ListBoxMain->SetDoubleBuffered(true);
    ListBoxData->SetDoubleBuffered(true);
    SetDoubleBuffered(true);
}

void TMainForm::FormShow(TObject*) {
    ListBoxMain->SetItemIndex(0);
    ListBoxMain->Repaint();
    ListBoxMainClick(this);
}

void TMainForm::ListBoxMainClick(TObject*) {
    FillToolList(ListBoxMain->ItemIndex());
}

void TMainForm::FillToolList(int category) {
    if (category < 0 || category >= catalogue::CategoryCount)
        return;
    ListBoxData->Clear();
    for (const std::string& text : catalogue::EntryTexts(category, Application.Title()))
        ListBoxData->Items()->Add(text);
    ListBoxData->SetItemIndex(0);
    ListBoxData->Repaint();
}

void TMainForm::ListBoxDataMouseMove(TObject*, TShiftState, int x, int y) {
    const int index = ListBoxData->ItemAtPos({x, y}, true);
    if (index >= 0)
        ListBoxData->SetItemIndex(index);
}

void TMainForm::ListBoxDataClick(TObject*) {
    const auto program = catalogue::ProgramFor(ListBoxMain->ItemIndex(), ListBoxData->ItemIndex());
    if (program)
        LaunchTool(*program);
}

void TMainForm::LaunchTool(const std::string& programName) {
    const TWaitCursor wait;
    const std::string path = NormalizeFolderPath(FToolFolder) + programName;
    ShellOpen(path);
}

void TMainForm::ButtonOKClick(TObject*) {
    Close();
}

void TMainForm::ButtonHelpClick(TObject*) {
    const TPoint origin = ClientToScreen({0, 0});
    PopupMenu->Popup(origin.X + ButtonHelp->Left(),
                     origin.Y + ButtonHelp->Top() + ButtonHelp->Height());
}

TAboutSubject TMainForm::AboutSubject() const {
    return {FToolFolder, WebSiteAddress, ProductPageAddress, SupportEmailAddress};
}

void TMainForm::MediaOntheWeb1Click(TObject*) {
    const TWaitCursor wait;
    ShellOpen(WebSiteAddress);
}

// Centred with the outer sizes, halves truncated toward zero, wherever this window is.
void TMainForm::AboutMedia1Click(TObject*) {
    const std::unique_ptr<TFormAbout> about(new TFormAbout(this, AboutSubject()));
    about->SetBounds(Left() + (Width() - about->Width()) / 2,
                     Top() + (Height() - about->Height()) / 2, about->Width(), about->Height());
    about->ShowModal();
}
