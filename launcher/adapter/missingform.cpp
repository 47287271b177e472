#include "launcher/adapter/missingform.h"

#include "gui/classes/classbuilder.h"

namespace {

constexpr char LineBreak[] = "\r\n";

std::string PackageLines(const adapter::TJob& job) {
    std::string lines;
    for (const adapter::TCandidate& candidate : job.Candidates) {
        const std::string line =
            std::string(candidate.Package) + "  (" + std::string(candidate.Title) + ")";
        if (lines.find(line) == std::string::npos)
            lines += "    " + line + LineBreak;
    }
    return lines + LineBreak + "For example: sudo apt install " +
           std::string(job.Candidates.front().Package);
}

} // namespace

void TFormMissingTool::Register() {
    RegisterClass<TFormMissingTool, TForm>([](TClassBuilder<TFormMissingTool>& c) {
        c.Method("ButtonOKClick", &TFormMissingTool::ButtonOKClick);
    });
}

TFormMissingTool::TFormMissingTool(TComponent* owner) : TForm(owner) {
    LoadLayout("TFormMissingTool");
}

TFormMissingTool::~TFormMissingTool() {
    BeforeDestruction();
}

void TFormMissingTool::Loaded() {
    TForm::Loaded();
    BindField(LabelTitle, "LabelTitle");
    BindField(LabelText, "LabelText");
    BindField(LabelPackages, "LabelPackages");
    BindField(LabelProblems, "LabelProblems");
    BindField(ButtonOK, "ButtonOK");
}

void TFormMissingTool::Describe(const adapter::TJob& job,
                                const std::vector<std::string>& problems) {
    SetCaption(std::string(job.Title));
    LabelTitle->SetCaption("No program to " + std::string(job.Task) + " is installed");
    LabelText->SetCaption(std::string(job.ProgramName) +
                          " hands this job to a program of your desktop. Install one of "
                          "these Debian packages, then choose the entry again:");
    LabelPackages->SetCaption(PackageLines(job));
    std::string problemText;
    for (const std::string& problem : problems)
        problemText += (problemText.empty() ? "Installed but not usable: " : LineBreak) + problem;
    LabelProblems->SetCaption(problemText);
}

void TFormMissingTool::ButtonOKClick(TObject*) {
    Close();
}
