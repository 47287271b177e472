#pragma once
// The launcher's main window on the headless window system, with stand-in tool programs in
// a folder of the test's own that record how they were started.

#include "launcher/aboutform.h"
#include "launcher/mainform.h"
#include "tests/gui/controls/fixture.h"
#include "tests/support/standins.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace launchertest {

class TMainWindowTest : public guitest::TGuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window under a title and shows it.
    void Open(const std::string& title = "Brenlow");

    // Places a stand-in program that records its arguments and working folder.
    void PlaceTool(const std::string& name,
                   std::filesystem::perms permissions = std::filesystem::perms::owner_all);
    // What a stand-in recorded (argument count, arguments, working folder), waiting for it
    // to have run; empty when it did not run.
    std::vector<std::string> RecordOf(const std::string& name) const;
    // How often the shell has started a program of that file name, as it reports each start.
    int Starts(const std::string& name) const;

    // An artwork file of assets/ as the codec decodes it, read once.
    static const TPNGObject& Artwork(const std::string& file);
    // Pixel (x, y) of an image blended by the codec's formula over a background.
    static gdi::COLORREF Blended(const TPNGObject& image, int x, int y, gdi::COLORREF background);

    // The centre of an item of a list, in the list's client coordinates.
    static TPoint ItemCentre(const TListBox& list, int index);
    // The About window on screen, if any.
    static TFormAbout* ShownAbout();

    TMainForm* Window = nullptr;
    std::vector<std::string> StartedPrograms; // paths, in the order started
    testsupport::TScratchFolder Scratch{"launcher_test"};
    const std::filesystem::path& Tools = Scratch.Path();
};

} // namespace launchertest
