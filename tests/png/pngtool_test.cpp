// pngtool as a user runs it: its output files and text, its exit status and its one-line
// error reports, also on damaged files.

#include "tests/png/png_test_support.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace {

using namespace pngtest;
namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    bool Signalled = false;
    std::string Out;
    std::string Err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class Pngtool : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() /
               ("pngtool_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(FDir);
    }
    void TearDown() override { fs::remove_all(FDir); }

    // Runs pngtool with the arguments; shellPrefix runs first in the same shell.
    TRun Run(const std::string& arguments, const std::string& shellPrefix = "") const {
        const std::string command = shellPrefix + std::string(PNGTOOL_PATH) + " " + arguments +
                                    " >" + (FDir / "out").string() + " 2>" +
                                    (FDir / "err").string();
        const int status = std::system(command.c_str());
        TRun run;
        run.Signalled = WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) > 128);
        run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = Slurp(FDir / "out");
        run.Err = Slurp(FDir / "err");
        return run;
    }

    std::string Path(const std::string& name) const { return (FDir / name).string(); }
    static std::string Suite(const std::string& name) { return SuiteDir() + "/" + name; }

    void Save(const std::string& name, const TBytes& bytes) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    fs::path FDir;
};

TEST_F(Pngtool, InfoListsTheHeaderAndTheChunksInListOrder) {
    const TRun run = Run("info " + Suite("ct1n0g04.png"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("width: 32\nheight: 32\nbit depth: 4\ncolour type: 0\n"),
              std::string::npos);
    const auto header = run.Out.find("IHDR 13\n");
    const auto text = run.Out.find("tEXt ");
    const auto data = run.Out.find("IDAT 0\n");
    const auto end = run.Out.find("IEND 0\n");
    EXPECT_LT(header, text);
    EXPECT_LT(text, data);
    EXPECT_LT(data, end);
    EXPECT_NE(end, std::string::npos);
}

TEST_F(Pngtool, DecodeWritesTheCodecPixelsAsRgbaPam) {
    for (const std::string name : {"tbbn3p08.png", "basi6a16.png", "tbrn2c08.png"}) {
        ASSERT_EQ(Run("decode " + Suite(name) + " " + Path("out.pam")).Status, 0) << name;
        const std::string pam = Slurp(Path("out.pam"));
        TPNGObject image;
        ReadPng(image, ReadFile(Suite(name)));
        const TRgbaImage pixels = CodecPixels(image);
        const std::string header = "P7\nWIDTH " + std::to_string(pixels.Width) + "\nHEIGHT " +
                                   std::to_string(pixels.Height) +
                                   "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
        ASSERT_EQ(pam.substr(0, header.size()), header);
        ASSERT_EQ(pam.size(), header.size() + pixels.Pixels.size() * 4);
        EXPECT_EQ(0, std::memcmp(pam.data() + header.size(), pixels.Pixels.data(),
                                 pixels.Pixels.size() * 4))
            << name;
    }
}

TEST_F(Pngtool, RecodeAppliesTheSettings) {
    const TRun run = Run("recode " + Suite("basn2c16.png") + " " + Path("re.png") +
                         " --filters none,paeth --level 9 --idat-limit 70000 --interlace");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const TBytes written = ReadFile(Path("re.png"));
    ASSERT_GT(written.size(), 33u);
    EXPECT_EQ(written[8 + 8 + 12], 1);
    EXPECT_EQ(ReferenceDecode(written).Pixels,
              ReferenceDecode(ReadFile(Suite("basn2c16.png"))).Pixels);
}

// An RGB image when every pixel is opaque, else RGBA; either way the pixels come back.
TEST_F(Pngtool, RecodeTakesThePamThatDecodeWrote) {
    for (const auto& [name, colourType] :
         {std::pair{"tbbn3p08.png", 6}, {"basn2c08.png", 2}, {"basn0g04.png", 2}}) {
        ASSERT_EQ(Run("decode " + Suite(name) + " " + Path("out.pam")).Status, 0) << name;
        const TRun run = Run("recode " + Path("out.pam") + " " + Path("back.png"));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const TBytes written = ReadFile(Path("back.png"));
        ASSERT_GT(written.size(), 33u);
        EXPECT_EQ(written[8 + 8 + 9], colourType) << name;
        TPNGObject original;
        ReadPng(original, ReadFile(Suite(name)));
        EXPECT_EQ(LibpngRgba(written).Pixels, CodecPixels(original).Pixels) << name;
    }
}

TEST_F(Pngtool, RecodeRefusesPamFilesItCannotTake) {
    const std::string rgba =
        "P7\nWIDTH 2\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    const std::string why = "EInvalidPam: The file is not an 8-bit RGBA PAM file: ";
    for (const auto& [pam, reason] : {
             std::pair{rgba + "12345678", std::string()},
             {rgba + "1234567", "it ends before all its pixels."},
             {"P7\nWIDTH 2\nHEIGHT 1\nDEPTH 3\nMAXVAL 255\nENDHDR\n123456", "DEPTH must be 4."},
             {"P7\nWIDTH 2\nHEIGHT 1\nDEPTH 4\nMAXVAL 65535\nENDHDR\n", "MAXVAL must be 255."},
             {"P7\nWIDTH 0\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\nENDHDR\n",
              "its WIDTH is not a positive number."},
             {"P7\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\nENDHDR\n", "its header has no WIDTH."},
             {"P7\nWIDTH 2\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\n", "its header has no end."},
         }) {
        Save("in.pam", TBytes(pam.begin(), pam.end()));
        const TRun run = Run("recode " + Path("in.pam") + " " + Path("out.png"));
        if (reason.empty()) {
            EXPECT_EQ(run.Status, 0) << run.Err;
        } else {
            EXPECT_EQ(run.Status, 1) << pam;
            EXPECT_EQ(run.Err, why + reason + "\n") << pam;
            EXPECT_FALSE(fs::exists(Path("out.png"))) << pam;
        }
        fs::remove(Path("out.png"));
    }
    const std::string huge = "P7\nWIDTH 65535\nHEIGHT 65535\nDEPTH 4\nMAXVAL 255\nENDHDR\n";
    Save("huge.pam", TBytes(huge.begin(), huge.end()));
    const TRun run = Run("recode " + Path("huge.pam") + " " + Path("out.png"));
    EXPECT_EQ(run.Err.rfind("ETooManyPixels: The image claims 65535 x 65535 pixels", 0), 0u)
        << run.Err;
}

TEST_F(Pngtool, FailuresAreOneLineWithTheClassAndExitOne) {
    TRun run = Run("info " + Suite("xs1n0g01.png"));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "EPNGInvalidFileHeader: The file being readed is not a valid \"Portable "
                       "Network Graphics\" image because it contains an invalid header. This file "
                       "may be corruped, try obtaining it again.\n");
    Save("gamma-first.png", TPngBuilder().Chunk("gAMA", {0, 0, 1, 1}).Bytes());
    run = Run("decode " + Path("gamma-first.png") + " " + Path("x.pam"));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "EPNGIHDRNotFirst: This \"Portable Network Graphics\" image is not "
                       "supported or it might be invalid.  (IHDR chunk is not the first)\n");
    run = Run("info " + Path("missing.png"));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.rfind("EFOpenError: ", 0), 0u);
}

// A file of a few bytes may claim 65535 x 65535 pixels; decoding it would write 17 GB. The
// claim is refused from the header, before anything is decoded or written.
TEST_F(Pngtool, RefusesImagesAboveThePixelLimitBeforeAnyWork) {
    const TBytes bomb =
        TPngBuilder().Header(65535, 65535, 8, 6).ImageData(Deflate(TBytes(1000, 0))).End().Bytes();
    ASSERT_EQ(bomb.size(), 74u);
    Save("bomb.png", bomb);
    const std::string refusal =
        "ETooManyPixels: The image claims 65535 x 65535 pixels, more than the 268435456 "
        "pngtool takes; --max-pixels N raises the limit.\n";
    for (const std::string& command :
         {"decode " + Path("bomb.png") + " " + Path("bomb.out"),
          "recode " + Path("bomb.png") + " " + Path("bomb.out"), "info " + Path("bomb.png")}) {
        const TRun run = Run(command);
        EXPECT_EQ(run.Status, 1) << command;
        EXPECT_EQ(run.Err, refusal) << command;
        EXPECT_FALSE(fs::exists(Path("bomb.out"))) << command;
    }
    const TRun raised = Run("info --max-pixels 4294836225 " + Path("bomb.png"));
    EXPECT_EQ(raised.Status, 0) << raised.Err;
    EXPECT_NE(raised.Out.find("width: 65535\n"), std::string::npos);

    // basn0g01 is 32 x 32.
    const TRun below =
        Run("decode " + Suite("basn0g01.png") + " " + Path("small.pam") + " --max-pixels 1023");
    EXPECT_EQ(below.Status, 1);
    EXPECT_EQ(below.Err.rfind("ETooManyPixels: The image claims 32 x 32 pixels, more than the "
                              "1023 pngtool takes",
                              0),
              0u)
        << below.Err;
    EXPECT_FALSE(fs::exists(Path("small.pam")));
    EXPECT_EQ(
        Run("--max-pixels 1024 decode " + Suite("basn0g01.png") + " " + Path("small.pam")).Status,
        2);
    EXPECT_EQ(
        Run("decode " + Suite("basn0g01.png") + " " + Path("small.pam") + " --max-pixels 1024")
            .Status,
        0);
}

// The encoder's output buffer grows with the compressed data, not with the IDAT limit: a
// limit of 2 GiB costs a 32 x 32 image nothing, even in an address space of 1 GiB.
TEST_F(Pngtool, AHugeIdatLimitNeedsNoMemoryOfItsSize) {
#if defined(BRENLOW_SANITIZE)
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit in an address space of 1 GiB";
#endif
    const TRun run = Run("recode " + Suite("basn0g01.png") + " " + Path("limit.png") +
                             " --idat-limit 2147483647",
                         "ulimit -v 1048576 && ");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReferenceDecode(ReadFile(Path("limit.png"))).Pixels,
              ReferenceDecode(ReadFile(Suite("basn0g01.png"))).Pixels);
}

TEST_F(Pngtool, UsageErrorsExitTwo) {
    for (const std::string arguments :
         {"", "info", "decode a.png", "recode a b --filters none,fast", "recode a b --level 10",
          "recode a b --idat-limit", "convert a b", "info a b", "info a --max-pixels",
          "info a --max-pixels -1", "decode a b --level 3"}) {
        const TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 2) << arguments;
        EXPECT_EQ(run.Err.rfind("usage: pngtool", 0), 0u) << arguments;
    }
}

TEST_F(Pngtool, DamagedFilesNeverCrashIt) {
    std::mt19937 random(7);
    for (const std::string name :
         {"basn6a16.png", "basi3p02.png", "oi9n0g16.png", "ctzn0g04.png"}) {
        const TBytes good = ReadFile(Suite(name));
        for (int trial = 0; trial < 12; ++trial) {
            TBytes bad = good;
            if (trial % 3 == 0)
                bad.resize(random() % bad.size());
            else
                for (int flips = 0; flips < 1 + trial % 4; ++flips)
                    bad[8 + random() % (bad.size() - 8)] ^= std::uint8_t(1 + random() % 255);
            Save("bad.png", bad);
            const TRun run = Run("recode " + Path("bad.png") + " " + Path("bad-out.png"));
            EXPECT_FALSE(run.Signalled) << name << " trial " << trial;
            EXPECT_TRUE(run.Status == 0 || run.Status == 1) << name << " trial " << trial;
            EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), run.Status) << run.Err;
        }
    }
}

} // namespace
