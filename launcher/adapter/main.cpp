// The adapter behind the launcher's tool programs: installed under each program name, it
// hands the job of that name to a desktop application, or explains what to install.

#include "gui/forms/application.h"
#include "gui/registration.h"
#include "launcher/adapter/missingform.h"
#include "launcher/adapter/startjob.h"
#include "platform/window/window.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

int Explain(const adapter::TJob& job, const std::vector<std::string>& problems) {
    RegisterGuiClasses();
    TFormMissingTool::Register();
    win::UseSdlBackend();
    Application.Initialize();
    Application.SetTitle(std::string(job.Title));
    Application.CreateForm<TFormMissingTool>()->Describe(job, problems);
    Application.Run();
    Application.DestroyComponents();
    win::Shutdown();
    return 1;
}

std::string KnownNames() {
    std::string names;
    for (const adapter::TJob& job : adapter::Jobs())
        names += (names.empty() ? "" : ", ") + std::string(job.ProgramName);
    return names;
}

} // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "";
    const adapter::TJob* job = adapter::FindJob(name);
    if (!job) {
        std::fprintf(stderr, "%s: this program works under one of the names %s\n", name.c_str(),
                     KnownNames().c_str());
        return 2;
    }
    try {
        const adapter::TJobResult result = adapter::StartJob(*job, adapter::DesktopInputs());
        if (result.Outcome != adapter::TOutcome::ouNothingFits)
            return 0;
        return Explain(*job, result.Problems);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), error.what());
        return 1;
    }
}
