#pragma once
// The About window: the product's name and version, a copyright notice with the current
// year and the company, links to the web site and the support address, the logo, and a
// button that opens the product page. It reads the version file and the logo from the main
// window's folder when it is created, and is built from the layout embedded in the program.

#include "gui/comctrls/pagecontrol.h"
#include "gui/extctrls/image.h"
#include "gui/extctrls/panel.h"
#include "gui/forms/customform.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/groupbox.h"
#include "gui/stdctrls/label.h"

#include <string>

// The files the About window reads from the launcher's folder.
inline constexpr char VersionFileName[] = "lame.dll";
inline constexpr char LogoFileName[] = "leftlogo.png";

// What the About window shows and opens, as the main window knows it.
struct TAboutSubject {
    std::string ToolFolder;
    std::string WebSiteAddress;
    std::string ProductPageAddress;
    std::string SupportEmailAddress;
};

class TFormAbout : public TForm {
public:
    TFormAbout(TComponent* owner, TAboutSubject subject);
    ~TFormAbout() override;

    TPanel* PanelmageLeft = nullptr;
    TImage* ImageLeft = nullptr;
    TPageControl* PageControlMain = nullptr;
    TTabSheet* TabSheetAbout = nullptr;
    TLabel* LabalTitle = nullptr;
    TLabel* LabelCopyright = nullptr;
    TLabel* LabelWebTitle = nullptr;
    TLabel* LabelWeb = nullptr;
    TLabel* LabelSupport = nullptr;
    TLabel* LabelSupportEmail = nullptr;
    TTabSheet* TabSheetUpdate = nullptr;
    TLabel* LabelPInfo = nullptr;
    TGroupBox* GroupBoxPInfo = nullptr;
    TLabel* LabelVersion = nullptr;
    TLabel* LabelCheckTitle = nullptr;
    TLabel* LabelCheck = nullptr;
    TButton* ButtonUpdates = nullptr;
    TButton* ButtonOK = nullptr;

    void FormCreate(TObject* sender);
    void LabelWebClick(TObject* sender);
    void LabelSupportEmailClick(TObject* sender);
    void ButtonUpdatesClick(TObject* sender);
    void ImageLeftClick(TObject* sender);

    // Publishes the class and its handlers for its layout.
    static void Register();

protected:
    void Loaded() override;

private:
    TAboutSubject FSubject;
};
