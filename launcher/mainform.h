#pragma once
// The launcher's main window: the categories on the left, the chosen category's tools on
// the right, a help button and the OK button that ends the program. It is built from the
// layout embedded in the program.

#include "buttons/bitbtn.h"
#include "gui/extctrls/bevel.h"
#include "gui/forms/customform.h"
#include "gui/menus/menus.h"
#include "gui/stdctrls/listbox.h"
#include "launcher/aboutform.h"
#include "pngimagelist/pngimagelist.h"

#include <string>

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    TListBox* ListBoxMain = nullptr;
    TListBox* ListBoxData = nullptr;
    TBevel* Bevel1 = nullptr;
    TStyledBitBtn* ButtonHelp = nullptr;
    TStyledBitBtn* ButtonOK = nullptr;
    TPopupMenu* PopupMenu = nullptr;
    TMenuItem* MediaOntheWeb1 = nullptr;
    TMenuItem* AboutMedia1 = nullptr;
    TPngImageList* PngImageListMain = nullptr;
    TPngImageList* PngImageListData = nullptr;
    TPngImageList* PngImageListButton = nullptr;

    // Set when the program runs under its own title; empty otherwise.
    std::string WebSiteAddress;
    std::string ProductPageAddress;
    std::string SupportEmailAddress;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void ListBoxMainDrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState state);
    void ListBoxMainClick(TObject* sender);
    void ListBoxDataDrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState state);
    void ListBoxDataMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void ListBoxDataClick(TObject* sender);
    void ButtonOKClick(TObject* sender);
    // Opens the help menu directly under the help button.
    void ButtonHelpClick(TObject* sender);
    // Opens the web site, under the hourglass.
    void MediaOntheWeb1Click(TObject* sender);
    // Shows the About window modally, centred over this window, and destroys it afterwards.
    void AboutMedia1Click(TObject* sender);

    // Starts a tool program from the tool folder, with no arguments, and forgets it. What
    // goes wrong is the shell's to tell; the hourglass shows meanwhile.
    void LaunchTool(const std::string& programName);
    // The folder tools are started from and the About window reads the version file and
    // the logo from: the launcher's own unless set (tests use one of their own).
    const std::string& ToolFolder() const { return FToolFolder; }
    void SetToolFolder(const std::string& folder) { FToolFolder = folder; }
    // What the About window shows and opens.
    TAboutSubject AboutSubject() const;

protected:
    void Loaded() override;

private:
    // Fills the tool list with category's tools and selects the first; a category outside
    // the catalogue leaves the list as it is.
    void FillToolList(int category);

    std::string FToolFolder;
};

// Binds the hand cursor and publishes the launcher's classes. The program's entry calls
// it first, before the application is initialised; calling it again does nothing more.
void InitializeLauncher();
