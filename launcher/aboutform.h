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

class TMainForm;

// The files the About window reads from the launcher's folder.
inline constexpr char VersionFileName[] = "lame.dll";
inline constexpr char LogoFileName[] = "leftlogo.png";

class TFormAbout : public TForm {
public:
    // Owned by the main window, whose addresses and folder it shows and uses.
    explicit TFormAbout(TMainForm& mainForm);
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
    TMainForm& FMainForm;
};
