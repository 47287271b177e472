#pragma once
// The drive window: every optical drive with what it reads and writes and the state of its
// disc, kept up to date while the window is open by asking the drives again on a timer that
// slows down while nothing changes.

#include "gui/forms/customform.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/label.h"
#include "gui/stdctrls/listbox.h"
#include "launcher/drives/drives.h"

#include <string>
#include <vector>

class TFormDriveProbe : public TForm {
public:
    // Reads the drives under root (see drives::FindDrives).
    explicit TFormDriveProbe(TComponent* owner, std::string root = drives::SystemRoot());
    ~TFormDriveProbe() override;

    TLabel* LabelIntro = nullptr;
    TListBox* ListBoxDrives = nullptr;
    TButton* ButtonClose = nullptr;

    void FormCreate(TObject* sender);
    void ListBoxDrivesDrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState state);
    void ButtonCloseClick(TObject* sender);

    // Reads the drives again and shows them when anything changed; true when it did.
    bool RefreshDrives();
    // The time until the next look at the drives, in milliseconds.
    unsigned PollInterval() const { return FPollInterval; }

    // Publishes the class and its handlers for its layout.
    static void Register();

protected:
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void ShowDrives();
    void Poll();

    std::string FRoot;
    std::vector<drives::TDrive> FDrives;
    unsigned FPollInterval;
};
