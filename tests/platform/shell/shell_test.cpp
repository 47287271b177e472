// The shell's "open", with real processes: stand-in programs record how they were started.

#include "platform/shell/command_line.h"
#include "platform/shell/shell.h"
#include "platform/window/headless.h"
#include "platform/window/window.h"
#include "tests/support/standins.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace win;

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        Headless = &UseHeadlessBackend();
        RegisterClass({0, nullptr, nullptr, "Owner"});
        Owner = CreateWindowEx(0, "Owner", "Brenlow", WS_CAPTION | WS_VISIBLE, 100, 100, 400, 300,
                               nullptr, nullptr);
        shell::SetOpener(Recorder("opener").string());
        shell::SetStartReport([this](const std::string& program) {
            Started.push_back(fs::path(program).filename().string());
        });
    }

    void TearDown() override {
        Shutdown();
        shell::SetOpener("xdg-open");
        shell::SetStartReport(nullptr);
    }

    fs::path Recorder(const std::string& name, fs::perms permissions = fs::perms::owner_all) {
        return testsupport::WriteRecordingProgram(Folder, name, permissions);
    }
    std::vector<std::string> RecordOf(const std::string& name) {
        return testsupport::RecordOf(Folder, name);
    }

    // Runs ShellExecute expecting the message box; returns its text after pressing Enter.
    std::string BoxTextOf(const std::string& file, int expected) {
        std::string text;
        Headless->SetIdleHook([&] {
            const HWND box = FindWindow(MessageBoxClass, nullptr);
            if (!box)
                return;
            EXPECT_EQ(GetParent(box), Owner);
            text = GetWindowText(GetDlgItem(box, IDC_STATIC_TEXT));
            Headless->Key(VK_RETURN);
        });
        EXPECT_EQ(shell::ShellExecute(Owner, "open", file, "", "", SW_SHOWDEFAULT), expected);
        EXPECT_EQ(FindWindow(MessageBoxClass, nullptr), nullptr);
        return text;
    }

    static bool NoChildrenLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

    // The file names of the programs the shell reported starting, in order.
    std::vector<std::string> Started;
    testsupport::TScratchFolder Scratch{"shell_test"};
    const fs::path& Folder = Scratch.Path();
    THeadless* Headless = nullptr;
    HWND Owner = nullptr;
};

TEST_F(Shell, AProgramStartsWithoutArgumentsInTheSameFolderAndLeavesNoZombie) {
    const fs::path tool = Recorder("FileWriter.exe");
    const int result = shell::ShellExecute(Owner, "open", tool.string(), "", "", SW_SHOWDEFAULT);
    EXPECT_GT(result, 32);
    EXPECT_EQ(RecordOf("FileWriter.exe"),
              (std::vector<std::string>{"0", fs::current_path().string()}));
    EXPECT_TRUE(NoChildrenLeft());
    EXPECT_EQ(Started, std::vector<std::string>{"FileWriter.exe"});
}

TEST_F(Shell, ParametersAndFolderAreHandedOverWithoutAnInterpreter) {
    const fs::path tool = Recorder("tool");
    shell::ShellExecute(Owner, "", tool.string(), "one \"two words\" $HOME;ls", Folder.string(),
                        SW_SHOWDEFAULT);
    EXPECT_EQ(RecordOf("tool"),
              (std::vector<std::string>{"3", "one", "two words", "$HOME;ls", Folder.string()}));
    EXPECT_EQ(shell::SplitParameters(" a\\\"b  \"\" c "),
              (std::vector<std::string>{"a\"b", "", "c"}));
}

TEST_F(Shell, AMissingProgramIsReportedAndNothingStarts) {
    const std::string missing = (Folder / "SoundRipper.exe").string();
    const std::string text = BoxTextOf(missing, shell::SE_ERR_FNF);
    EXPECT_NE(text.find("'" + missing + "'"), std::string::npos) << text;
    EXPECT_NE(text.find("Cannot find"), std::string::npos) << text;
    EXPECT_EQ(Started, std::vector<std::string>{});
    EXPECT_TRUE(IsWindowEnabled(Owner));
}

TEST_F(Shell, AProgramTheUserMayNotRunIsReportedAndNothingStarts) {
    const fs::path script =
        Recorder("MovieWriter.exe", fs::perms::owner_read | fs::perms::owner_write);
    std::string text = BoxTextOf(script.string(), shell::SE_ERR_ACCESSDENIED);
    EXPECT_NE(text.find("'" + script.string() + "'"), std::string::npos) << text;
    EXPECT_NE(text.find("permission"), std::string::npos) << text;

    const fs::path elf = Folder / "DriveProbe.exe";
    std::ofstream(elf, std::ios::binary) << "\x7F"
                                            "ELF and then some";
    text = BoxTextOf(elf.string(), shell::SE_ERR_ACCESSDENIED);
    EXPECT_NE(text.find("permission"), std::string::npos) << text;

    EXPECT_EQ(Started, std::vector<std::string>{});
}

TEST_F(Shell, AProgramTheSystemCannotStartIsReportedWithItsReason) {
    const fs::path broken = Folder / "ImageMaker.exe";
    std::ofstream(broken) << "neither a script nor an image\n";
    fs::permissions(broken, fs::perms::owner_all);
    const std::string text = BoxTextOf(broken.string(), shell::SE_ERR_BADFORMAT);
    EXPECT_NE(text.find("'" + broken.string() + "'"), std::string::npos) << text;
    EXPECT_NE(text.find(std::strerror(ENOEXEC)), std::string::npos) << text;
    EXPECT_TRUE(NoChildrenLeft());
    EXPECT_EQ(Started, std::vector<std::string>{});
}

TEST_F(Shell, AddressesAndDocumentsGoToTheOpenerAsItsOnlyArgument) {
    EXPECT_GT(shell::ShellExecute(Owner, "open", "https://example.org/a b?c=1&d", "ignored", "",
                                  SW_SHOWDEFAULT),
              32);
    EXPECT_EQ(RecordOf("opener"), (std::vector<std::string>{"1", "https://example.org/a b?c=1&d",
                                                            fs::current_path().string()}));
    fs::remove(Folder / "opener.record");

    const fs::path document = Folder / "notes.txt";
    std::ofstream(document) << "text\n";
    shell::ShellExecute(Owner, "open", document.string(), "", "", SW_SHOWDEFAULT);
    EXPECT_EQ(RecordOf("opener")[1], document.string());
    fs::remove(Folder / "opener.record");

    shell::ShellExecute(Owner, "open", "mailto:support@example.org", "", "", SW_SHOWDEFAULT);
    EXPECT_EQ(RecordOf("opener")[1], "mailto:support@example.org");
    EXPECT_TRUE(NoChildrenLeft());
    EXPECT_EQ(Started, (std::vector<std::string>{"opener", "opener", "opener"}));
}

TEST_F(Shell, AMissingOpenerOrEmptyNameIsReportedAsTheShellDoes) {
    shell::SetOpener((Folder / "no-opener").string());
    const std::string text = BoxTextOf("https://example.org", shell::SE_ERR_NOASSOC);
    EXPECT_NE(text.find("'https://example.org'"), std::string::npos) << text;
    EXPECT_NE(text.find(std::strerror(ENOENT)), std::string::npos) << text;

    Headless->SetIdleHook(nullptr);
    EXPECT_EQ(shell::ShellExecute(Owner, "open", "", "", "", SW_SHOWDEFAULT), shell::SE_ERR_FNF);
    EXPECT_EQ(Started, std::vector<std::string>{});
}

} // namespace
