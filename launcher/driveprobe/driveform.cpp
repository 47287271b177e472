#include "launcher/driveprobe/driveform.h"

#include "gui/classes/classbuilder.h"
#include "launcher/driveprobe/drivetext.h"

#include <algorithm>

namespace {

constexpr win::UINT PollTimer = 1;
// A disc that goes in shows within a second; a drive left alone is asked every few seconds.
constexpr unsigned FastestPoll = 1000;
constexpr unsigned SlowestPoll = 4000;

constexpr char DrivesFound[] = "Optical drives of this computer, with the disc in each:";
constexpr char NoDrives[] =
    "No optical drive was found on this computer. A drive that is connected later "
    "appears here by itself.";

constexpr int TitleTop = 5;
constexpr int LineTop[] = {23, 38, 53};
constexpr int TextLeft = 8;

// Takes the text up to the next carriage return off text.
std::string TakeLine(std::string& text) {
    const std::size_t end = text.find('\r');
    std::string line = text.substr(0, end);
    text.erase(0, end == std::string::npos ? text.size() : end + 1);
    return line;
}

} // namespace

void TFormDriveProbe::Register() {
    RegisterClass<TFormDriveProbe, TForm>([](TClassBuilder<TFormDriveProbe>& c) {
        c.Method("FormCreate", &TFormDriveProbe::FormCreate)
            .Method("ListBoxDrivesDrawItem", &TFormDriveProbe::ListBoxDrivesDrawItem)
            .Method("ButtonCloseClick", &TFormDriveProbe::ButtonCloseClick);
    });
}

TFormDriveProbe::TFormDriveProbe(TComponent* owner, std::string root)
    : TForm(owner), FRoot(std::move(root)), FPollInterval(FastestPoll) {
    LoadLayout("TFormDriveProbe");
}

TFormDriveProbe::~TFormDriveProbe() {
    BeforeDestruction();
}

void TFormDriveProbe::Loaded() {
    TForm::Loaded();
    BindField(LabelIntro, "LabelIntro");
    BindField(ListBoxDrives, "ListBoxDrives");
    BindField(ButtonClose, "ButtonClose");
}

void TFormDriveProbe::FormCreate(TObject*) {
    FDrives = drives::FindDrives(FRoot);
    ShowDrives();
}

void TFormDriveProbe::CreateWnd() {
    TForm::CreateWnd();
    win::SetTimer(WindowHandle(), PollTimer, FPollInterval);
}

void TFormDriveProbe::WndProc(TMessage& message) {
    if (message.Msg == win::WM_TIMER && message.WParam == PollTimer) {
        Poll();
        return;
    }
    TForm::WndProc(message);
}

bool TFormDriveProbe::RefreshDrives() {
    std::vector<drives::TDrive> found = drives::FindDrives(FRoot);
    if (found == FDrives)
        return false;
    FDrives = std::move(found);
    ShowDrives();
    return true;
}

void TFormDriveProbe::Poll() {
    FPollInterval = RefreshDrives() ? FastestPoll : std::min(FPollInterval * 2, SlowestPoll);
    win::SetTimer(WindowHandle(), PollTimer, FPollInterval);
}

void TFormDriveProbe::ShowDrives() {
    LabelIntro->SetCaption(FDrives.empty() ? NoDrives : DrivesFound);
    ListBoxDrives->SetVisible(!FDrives.empty());
    const int selected = ListBoxDrives->ItemIndex();
    ListBoxDrives->Items()->Clear();
    for (const drives::TDrive& drive : FDrives)
        ListBoxDrives->Items()->Add(driveprobe::DriveText(drive));
    ListBoxDrives->SetItemIndex(std::min(selected, ListBoxDrives->Count() - 1));
}

void TFormDriveProbe::ListBoxDrivesDrawItem(TWinControl*, int index, TRect rect,
                                            TOwnerDrawState state) {
    TCanvas& canvas = *ListBoxDrives->Canvas();
    canvas.FillRect(rect);
    std::string text = ListBoxDrives->Items()->Strings(index);
    const int x = rect.Left + TextLeft;
    canvas.Font().SetStyle({fsBold});
    canvas.TextOut(x, rect.Top + TitleTop, TakeLine(text));
    canvas.Font().SetStyle({});
    for (const int top : LineTop)
        canvas.TextOut(x, rect.Top + top, TakeLine(text));
    if (state.Contains(odFocused))
        canvas.DrawFocusRect(rect);
}

void TFormDriveProbe::ButtonCloseClick(TObject*) {
    Close();
}
