#pragma once
// The window an adapter shows when no program of its desktop can do its job: which kind of
// program the entry needs, the Debian packages that provide one, and why installed ones
// could not be used.

#include "gui/forms/customform.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/label.h"
#include "launcher/adapter/jobs.h"

#include <string>
#include <vector>

class TFormMissingTool : public TForm {
public:
    explicit TFormMissingTool(TComponent* owner);
    ~TFormMissingTool() override;

    TLabel* LabelTitle = nullptr;
    TLabel* LabelText = nullptr;
    TLabel* LabelPackages = nullptr;
    TLabel* LabelProblems = nullptr;
    TButton* ButtonOK = nullptr;

    // Fills the window for job, with the problems of installed candidates.
    void Describe(const adapter::TJob& job, const std::vector<std::string>& problems);

    void ButtonOKClick(TObject* sender);

    // Publishes the class and its handlers for its layout.
    static void Register();

protected:
    void Loaded() override;
};
