// The window that explains a missing application, on the headless window system.

#include "launcher/adapter/jobs.h"
#include "launcher/adapter/missingform.h"
#include "tests/gui/controls/fixture.h"

namespace {

class MissingTool : public guitest::TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        TFormMissingTool::Register();
    }

    TFormMissingTool* Open(const std::string& programName,
                           const std::vector<std::string>& problems = {}) {
        auto* form = Application.CreateForm<TFormMissingTool>();
        form->Describe(*adapter::FindJob(programName), problems);
        form->Show();
        Pump();
        return form;
    }
};

TEST_F(MissingTool, NamesTheJobTheProgramAndEveryPackageInOrder) {
    const TFormMissingTool* form = Open("ImageWriter.exe");
    EXPECT_EQ(form->Caption(), "ISO burning");
    EXPECT_EQ(form->LabelTitle->Caption(), "No program to burn ISO images to discs is installed");
    EXPECT_EQ(form->LabelText->Caption(),
              "ImageWriter.exe hands this job to a program of your desktop. Install one of "
              "these Debian packages, then choose the entry again:");
    EXPECT_EQ(form->LabelPackages->Caption(), "    brasero  (Brasero)\r\n"
                                              "    k3b  (K3b)\r\n"
                                              "    xfburn  (Xfburn)\r\n"
                                              "\r\n"
                                              "For example: sudo apt install brasero");
    EXPECT_TRUE(form->LabelProblems->Caption().empty());
}

TEST_F(MissingTool, EachPackageIsNamedOnceAndTheProblemsFollow) {
    const TFormMissingTool* form =
        Open("SoundRipper.exe", {"K3b needs this.", "ripperX could not be started."});
    const std::string packages = form->LabelPackages->Caption();
    EXPECT_EQ(packages, "    sound-juicer  (Sound Juicer)\r\n"
                        "    asunder  (Asunder)\r\n"
                        "    k3b  (K3b)\r\n"
                        "    ripperx  (ripperX)\r\n"
                        "\r\n"
                        "For example: sudo apt install sound-juicer");
    EXPECT_EQ(form->LabelProblems->Caption(),
              "Installed but not usable: K3b needs this.\r\nripperX could not be started.");
}

TEST_F(MissingTool, OkClosesTheWindowAndEndsTheProgram) {
    TFormMissingTool* form = Open("FileWriter.exe");
    EXPECT_TRUE(form->ButtonOK->Default());
    Click(*form->ButtonOK, 10, 10);
    EXPECT_TRUE(Application.Terminated());
}

} // namespace
