#include "platform/profile/profile.h"
#include "tests/support/fifo.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public testing::Test {
protected:
    void Write(const std::string& text) { std::ofstream(FPath, std::ios::binary) << text; }
    std::string Read(const std::string& section, const std::string& key) {
        return profile::GetPrivateProfileString(section, key, "<default>", FPath.string());
    }
    void TearDown() override { std::filesystem::remove(FPath); }

    std::filesystem::path FPath =
        std::filesystem::temp_directory_path() / ("profile_test_" + std::to_string(::getpid()));
};

TEST_F(ProfileTest, ReadsKeysOfTheirOwnSectionOnly) {
    Write("Version=0.9\n[OTHER]\nVersion=1.0\n[SYSTEM]\nVersion=2.1\nCompany = Acme Disc Ltd. \n"
          "[LAST]\nCompany=Wrong\n");
    EXPECT_EQ(Read("SYSTEM", "Version"), "2.1");
    EXPECT_EQ(Read("SYSTEM", "Company"), "Acme Disc Ltd.");
    EXPECT_EQ(Read("OTHER", "Company"), "<default>");
}

TEST_F(ProfileTest, NamesIgnoreCaseAndTheFirstMatchWins) {
    Write("[system]\r\nVERSION=3\r\nversion=4\r\n[System]\r\nVersion=5\r\n");
    EXPECT_EQ(Read("SYSTEM", "Version"), "3");
}

TEST_F(ProfileTest, IgnoresEverythingElse) {
    using namespace std::string_literals;
    Write("\x7f"
          "ELF binary noise\0\n[SYSTEM]\n; Version=comment\n[SYSTEM\ngarbage line\n"
          "Version=\"quoted value\"\n"s);
    EXPECT_EQ(Read("SYSTEM", "Version"), "quoted value");
}

TEST_F(ProfileTest, MissingFileOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("SYSTEM", "Version"), "<default>");
    Write("[SYSTEM]\nCompany=Acme\nVersion=\n");
    EXPECT_EQ(Read("SYSTEM", "Missing"), "<default>");
    EXPECT_EQ(Read("SYSTEM", "Version"), "");
}

// Opening a FIFO the ordinary way waits for a writer that never comes.
TEST_F(ProfileTest, ADirectoryOrAFifoCountsAsMissing) {
    std::filesystem::create_directory(FPath);
    EXPECT_EQ(Read("SYSTEM", "Version"), "<default>");
    std::filesystem::remove(FPath);
    testsupport::TStallingFifo fifo(FPath);
    EXPECT_EQ(Read("SYSTEM", "Version"), "<default>");
    EXPECT_FALSE(fifo.Rescued());
}

TEST_F(ProfileTest, ContentsInMemoryReadAsAFileDoes) {
    const std::string contents = "[SYSTEM]\r\nVersion = \"2.1\"\r\n[OTHER]\nCompany=Acme";
    Write(contents);
    for (const char* key : {"Version", "Company"})
        EXPECT_EQ(profile::ProfileStringIn(contents, "SYSTEM", key, "<default>"),
                  Read("SYSTEM", key));
    EXPECT_EQ(profile::ProfileStringIn(contents, "other", "company", ""), "Acme");
}

// A line is read in parts of a megabyte: a key after a longer line is still found, and a
// file without line breaks costs no more than a part.
TEST_F(ProfileTest, AVeryLongLineDoesNotHideTheKeysAfterIt) {
    Write("[SYSTEM]\nNoise=" + std::string(3 << 20, 'x') + "\nVersion=2.1\n");
    EXPECT_EQ(Read("SYSTEM", "Version"), "2.1");
}

} // namespace
