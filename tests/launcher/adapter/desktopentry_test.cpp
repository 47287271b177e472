// Desktop entries: reading the keys, finding the file in the applications folders, and the
// command line their Exec key stands for.

#include "environment.h"
#include "launcher/adapter/desktopentry.h"
#include "tests/support/standins.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using adapter::TDesktopEntry;
using Words = std::vector<std::string>;

TEST(SplitExec, BlanksSeparateAndQuotesGroupWithTheirFourEscapes) {
    EXPECT_EQ(adapter::SplitExec("brasero  %U"), (Words{"brasero", "%U"}));
    EXPECT_EQ(adapter::SplitExec(R"("/opt/My Burner/burn" --x "a \"b\" \$c \\d \`e")"),
              (Words{"/opt/My Burner/burn", "--x", R"(a "b" $c \d `e)"}));
    EXPECT_EQ(adapter::SplitExec(R"(run "")"), (Words{"run", ""}));
    EXPECT_THROW(adapter::SplitExec(R"(run "open)"), adapter::EDesktopEntry);
}

TEST(CommandLine, FieldCodesMakeRoomForTheArgumentsAtTheEnd) {
    TDesktopEntry entry;
    entry.File = "/usr/share/applications/burn.desktop";
    entry.Name = "Burner";
    entry.Icon = "burner";
    entry.Exec = "burn %U --name=%c %i --from %k 100%% %f%F --keep";
    EXPECT_EQ(adapter::CommandLine(entry, {"--data"}),
              (Words{"burn", "--name=Burner", "--icon", "burner", "--from",
                     "/usr/share/applications/burn.desktop", "100%", "--keep", "--data"}));
    entry.Icon.clear();
    entry.Exec = "burn %i";
    EXPECT_EQ(adapter::CommandLine(entry, {}), Words{"burn"});
    entry.Exec = "%U";
    EXPECT_THROW(adapter::CommandLine(entry, {}), adapter::EDesktopEntry);
}

TEST(CommandLine, AFlatpakEntryKeepsItsFileForwardingMarks) {
    TDesktopEntry entry;
    entry.Exec = "/usr/bin/flatpak run --branch=stable --command=brasero --file-forwarding "
                 "org.gnome.Brasero @@u %U @@";
    EXPECT_EQ(adapter::CommandLine(entry, {"--blank"}),
              (Words{"/usr/bin/flatpak", "run", "--branch=stable", "--command=brasero",
                     "--file-forwarding", "org.gnome.Brasero", "@@u", "@@", "--blank"}));
}

class DesktopFiles : public ::testing::Test {
protected:
    fs::path Write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
        return file;
    }

    adaptertest::TEnvironmentGuard Environment;
    testsupport::TScratchFolder Scratch{"desktopentry_test"};
};

TEST_F(DesktopFiles, OnlyTheDesktopEntryGroupCountsAndEscapesAreUndone) {
    const fs::path file = Write(Scratch.Path() / "burn.desktop", "# comment\n"
                                                                 "[Desktop Entry]\n"
                                                                 "Type = Application\n"
                                                                 "Name=Burner\n"
                                                                 "Name[de]=Brenner\n"
                                                                 "Exec=burn\\s--fast %U\n"
                                                                 "TryExec=burn\n"
                                                                 "Hidden=true\n"
                                                                 "[Desktop Action Blank]\n"
                                                                 "Exec=burn --blank\n");
    const auto entry = adapter::ReadDesktopEntry(file.string());
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Type, "Application");
    EXPECT_EQ(entry->Name, "Burner");
    EXPECT_EQ(entry->Exec, "burn --fast %U");
    EXPECT_EQ(entry->TryExec, "burn");
    EXPECT_TRUE(entry->Hidden);
    EXPECT_FALSE(adapter::ReadDesktopEntry((Scratch.Path() / "none.desktop").string()));
}

TEST_F(DesktopFiles, TheUsersFolderComesFirstThenTheSystemsInOrder) {
    Environment.Set("XDG_DATA_HOME", (Scratch.Path() / "home").string());
    Environment.Set("XDG_DATA_DIRS",
                    (Scratch.Path() / "a").string() + ":" + (Scratch.Path() / "b").string());
    EXPECT_EQ(adapter::ApplicationFolders(), (Words{(Scratch.Path() / "home/applications").string(),
                                                    (Scratch.Path() / "a/applications").string(),
                                                    (Scratch.Path() / "b/applications").string()}));
    const fs::path system = Write(Scratch.Path() / "b/applications/burn.desktop", "");
    EXPECT_EQ(adapter::FindDesktopFile("burn.desktop"), system.string());
    const fs::path own = Write(Scratch.Path() / "home/applications/burn.desktop", "");
    EXPECT_EQ(adapter::FindDesktopFile("burn.desktop"), own.string());
    EXPECT_FALSE(adapter::FindDesktopFile("other.desktop"));
}

TEST_F(DesktopFiles, WithoutTheVariablesTheStandardFoldersAreSearched) {
    Environment.Set("XDG_DATA_HOME", std::nullopt);
    Environment.Set("XDG_DATA_DIRS", std::nullopt);
    Environment.Set("HOME", "/home/user");
    EXPECT_EQ(adapter::ApplicationFolders(),
              (Words{"/home/user/.local/share/applications", "/usr/local/share/applications",
                     "/usr/share/applications"}));
}

} // namespace
