#include "gui/classes/stream.h"
#include "tools/layoutc/layouttext.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class Layoutc : public ::testing::Test {
protected:
    void SetUp() override {
        FFolder = fs::temp_directory_path() / ("brenlow_layoutc_" + std::to_string(::getpid()));
        fs::create_directories(FFolder / "art");
        std::ofstream(FFolder / "art" / "pixel.png", std::ios::binary) << "\x89PNG\r\n";
    }
    void TearDown() override { fs::remove_all(FFolder); }

    // Runs layoutc with arguments; returns its exit status, its output in stdout.
    int Run(const std::string& arguments) {
        const std::string command = std::string(LAYOUTC) + " " + arguments + " >" +
                                    (FFolder / "stdout").string() + " 2>" +
                                    (FFolder / "stderr").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Text(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path FFolder;
};

TEST_F(Layoutc, CompilesALayoutAndListsWhatItIncludes) {
    const std::string layout =
        "object Form1: TForm\n  Glyph = {file 'art/pixel.png'}\n  Caption = 'x'\nend\n";
    Write(FFolder / "form.txt", layout);
    const fs::path output = FFolder / "form.bin";
    ASSERT_EQ(Run((FFolder / "form.txt").string() + " " + output.string() + " --depfile " +
                  (FFolder / "form.d").string()),
              0)
        << Text(FFolder / "stderr");

    TMemoryStream compiled;
    compiled.LoadFromFile(output.string());
    EXPECT_EQ(compiled.Bytes(), ObjectTextToBinary(layout, {.BaseDirectory = FFolder}));
    EXPECT_EQ(Text(FFolder / "form.d"), output.string() + ": \\\n  " +
                                            (FFolder / "form.txt").string() + " \\\n  " +
                                            (FFolder / "art" / "pixel.png").string() + "\n");

    ASSERT_EQ(Run("--text " + output.string()), 0);
    EXPECT_EQ(Text(FFolder / "stdout"), ObjectBinaryToText(compiled.Bytes()));
}

TEST_F(Layoutc, ReportsTheFileAndLineOfAnErrorAndWritesNothing) {
    Write(FFolder / "bad.txt", "object Form1: TForm\n  Caption 'x'\nend\n");
    EXPECT_EQ(Run((FFolder / "bad.txt").string() + " " + (FFolder / "bad.bin").string()), 1);
    EXPECT_EQ(Text(FFolder / "stderr"), (FFolder / "bad.txt").string() + ": Line 2: Expected =\n");
    EXPECT_FALSE(fs::exists(FFolder / "bad.bin"));
    EXPECT_EQ(Run(""), 2);
}

} // namespace
