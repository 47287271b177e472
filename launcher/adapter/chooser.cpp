#include "launcher/adapter/chooser.h"

#include "launcher/adapter/capture.h"
#include "platform/shell/spawn.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace adapter {

namespace {

constexpr char Title[] = "Choose the disc image to burn";

struct TChooser {
    std::string_view Program;
    std::vector<std::string> Arguments;
};

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : ".";
}

// Options as zenity 3.44.0-1 and kdialog 22.12.3-1 document them; both end with status 0
// and the file on a line of its own, or status 1 when the user cancels.
std::vector<TChooser> Choosers() {
    TChooser zenity{"zenity",
                    {"--file-selection", std::string("--title=") + Title,
                     "--file-filter=Disc images | *.iso *.ISO *.img *.IMG *.cue *.toc",
                     "--file-filter=All files | *"}};
    TChooser kdialog{"kdialog",
                     {"--title", Title, "--getopenfilename", HomeFolder(),
                      "*.iso *.ISO *.img *.IMG *.cue *.toc|Disc images"}};
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    if (desktop && std::string_view(desktop).find("KDE") != std::string_view::npos)
        return {kdialog, zenity};
    return {zenity, kdialog};
}

TChoice Ask(const std::string& program, const TChooser& chooser) {
    TFinished finished;
    try {
        finished = RunAndRead(program, chooser.Arguments);
    } catch (const std::system_error& error) {
        return {TChoiceKind::ckFailed, {}, std::string(chooser.Program) + ": " + error.what()};
    }
    std::string file = finished.Output.substr(0, finished.Output.find('\n'));
    if (finished.ExitStatus == 1 || (finished.ExitStatus == 0 && file.empty()))
        return {TChoiceKind::ckCancelled, {}, {}};
    if (finished.ExitStatus != 0)
        return {TChoiceKind::ckFailed,
                {},
                std::string(chooser.Program) + " ended with status " +
                    std::to_string(finished.ExitStatus)};
    return {TChoiceKind::ckChosen, std::move(file), {}};
}

} // namespace

TChoice ChooseImageFile() {
    for (const TChooser& chooser : Choosers()) {
        const std::string program = shell::ResolveProgram(std::string(chooser.Program));
        if (!program.empty())
            return Ask(program, chooser);
    }
    return {TChoiceKind::ckNoChooser,
            {},
            "no file chooser to ask for the image is installed (Debian packages zenity or "
            "kdialog)"};
}

} // namespace adapter
