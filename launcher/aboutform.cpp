#include "launcher/aboutform.h"

#include "gui/classes/classbuilder.h"
#include "gui/classes/format.h"
#include "gui/classes/inifiles.h"
#include "gui/forms/application.h"
#include "launcher/paths.h"
#include "launcher/shellopen.h"

#include <ctime>
#include <utility>

namespace {

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

} // namespace

void TFormAbout::Register() {
    RegisterClass<TFormAbout, TForm>([](TClassBuilder<TFormAbout>& c) {
        c.Method("FormCreate", &TFormAbout::FormCreate)
            .Method("LabelWebClick", &TFormAbout::LabelWebClick)
            .Method("LabelSupportEmailClick", &TFormAbout::LabelSupportEmailClick)
            .Method("ButtonUpdatesClick", &TFormAbout::ButtonUpdatesClick)
            .Method("ImageLeftClick", &TFormAbout::ImageLeftClick);
    });
}

TFormAbout::TFormAbout(TComponent* owner, TAboutSubject subject)
    : TForm(owner), FSubject(std::move(subject)) {
    LoadLayout("TFormAbout");
}

TFormAbout::~TFormAbout() {
    BeforeDestruction();
}

void TFormAbout::Loaded() {
    TForm::Loaded();
    BindField(PanelmageLeft, "PanelmageLeft");
    BindField(ImageLeft, "ImageLeft");
    BindField(PageControlMain, "PageControlMain");
    BindField(TabSheetAbout, "TabSheetAbout");
    BindField(LabalTitle, "LabalTitle");
    BindField(LabelCopyright, "LabelCopyright");
    BindField(LabelWebTitle, "LabelWebTitle");
    BindField(LabelWeb, "LabelWeb");
    BindField(LabelSupport, "LabelSupport");
    BindField(LabelSupportEmail, "LabelSupportEmail");
    BindField(TabSheetUpdate, "TabSheetUpdate");
    BindField(LabelPInfo, "LabelPInfo");
    BindField(GroupBoxPInfo, "GroupBoxPInfo");
    BindField(LabelVersion, "LabelVersion");
    BindField(LabelCheckTitle, "LabelCheckTitle");
    BindField(LabelCheck, "LabelCheck");
    BindField(ButtonUpdates, "ButtonUpdates");
    BindField(ButtonOK, "ButtonOK");
}

// Every step before the logo is done when the logo cannot be loaded; the failure reaches the
// standard error box and the window opens with an empty logo area.
void TFormAbout::FormCreate(TObject*) {
    const std::string folder = NormalizeFolderPath(FSubject.ToolFolder);
    std::string version;
    std::string company;
    {
        const TIniFile versionFile(folder + VersionFileName);
        version = versionFile.ReadString("SYSTEM", "Version", "");
        company = versionFile.ReadString("SYSTEM", "Company", "");
    }
    const int year = CurrentYear();
    const std::string& title = Application.Title();
    SetCaption("About " + title);
    LabalTitle->SetCaption(title + " " + version);
    LabelCopyright->SetCaption(Format(LabelCopyright->Caption(), year, company));
    LabelVersion->SetCaption(version);
    LabelWeb->SetCaption(FSubject.WebSiteAddress);
    LabelSupportEmail->SetCaption(FSubject.SupportEmailAddress);
    ImageLeft->Picture()->LoadFromFile(folder + LogoFileName);
}

void TFormAbout::LabelWebClick(TObject*) {
    ShellOpen(LabelWeb->Caption());
}

void TFormAbout::LabelSupportEmailClick(TObject*) {
    ShellOpen("mailto:" + LabelSupportEmail->Caption());
}

void TFormAbout::ButtonUpdatesClick(TObject*) {
    ShellOpen(FSubject.ProductPageAddress);
}

void TFormAbout::ImageLeftClick(TObject*) {
    ShellOpen(FSubject.ProductPageAddress);
}
