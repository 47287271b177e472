// The desktop's file chooser: which one is asked, with which options, and what its answers
// mean.

#include "adapterfixture.h"
#include "launcher/adapter/chooser.h"

#include <fstream>

namespace adaptertest {
namespace {

namespace fs = std::filesystem;
using adapter::TChoiceKind;

class Chooser : public TAdapterTest {
protected:
    // A chooser that records its arguments, prints answer and ends with status.
    void PlaceChooser(const std::string& name, const std::string& answer, int status) const {
        const fs::path record = Bin() / (name + ".record");
        std::ofstream(Bin() / name)
            << "#!/bin/sh\n"
            << "for a in \"$@\"; do echo \"$a\"; done > '" << record.string() << "'\n"
            << "printf '%s' '" << answer << "'\n"
            << "exit " << status << "\n";
        fs::permissions(Bin() / name, fs::perms::owner_all);
    }

    std::vector<std::string> Asked(const std::string& name) const {
        std::ifstream stream(Bin() / (name + ".record"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }
};

TEST_F(Chooser, ZenityIsAskedFirstAndItsLineIsTheFile) {
    PlaceChooser("zenity", "/home/user/disc one.iso\n", 0);
    PlaceChooser("kdialog", "/other.iso\n", 0);
    const adapter::TChoice choice = adapter::ChooseImageFile();
    EXPECT_EQ(choice.Kind, TChoiceKind::ckChosen);
    EXPECT_EQ(choice.File, "/home/user/disc one.iso");
    EXPECT_EQ(
        Asked("zenity"),
        (std::vector<std::string>{"--file-selection", "--title=Choose the disc image to burn",
                                  "--file-filter=Disc images | *.iso *.ISO *.img *.IMG *.cue *.toc",
                                  "--file-filter=All files | *"}));
    EXPECT_TRUE(Asked("kdialog").empty());
}

TEST_F(Chooser, OnAKdeDesktopKdialogIsAskedFirst) {
    Environment.Set("XDG_CURRENT_DESKTOP", "KDE");
    Environment.Set("HOME", "/home/user");
    PlaceChooser("zenity", "/other.iso\n", 0);
    PlaceChooser("kdialog", "/home/user/disc.iso\n", 0);
    const adapter::TChoice choice = adapter::ChooseImageFile();
    EXPECT_EQ(choice.File, "/home/user/disc.iso");
    EXPECT_EQ(Asked("kdialog"),
              (std::vector<std::string>{"--title", "Choose the disc image to burn",
                                        "--getopenfilename", "/home/user",
                                        "*.iso *.ISO *.img *.IMG *.cue *.toc|Disc images"}));
}

TEST_F(Chooser, CancellingFailingAndMissingAreToldApart) {
    PlaceChooser("zenity", "", 1);
    EXPECT_EQ(adapter::ChooseImageFile().Kind, TChoiceKind::ckCancelled);
    PlaceChooser("zenity", "", 0);
    EXPECT_EQ(adapter::ChooseImageFile().Kind, TChoiceKind::ckCancelled);
    PlaceChooser("zenity", "", 5);
    const adapter::TChoice failed = adapter::ChooseImageFile();
    EXPECT_EQ(failed.Kind, TChoiceKind::ckFailed);
    EXPECT_EQ(failed.Problem, "zenity ended with status 5");
    fs::remove(Bin() / "zenity");
    const adapter::TChoice none = adapter::ChooseImageFile();
    EXPECT_EQ(none.Kind, TChoiceKind::ckNoChooser);
    EXPECT_NE(none.Problem.find("zenity or kdialog"), std::string::npos);
}

} // namespace
} // namespace adaptertest
