// "pngtool decode" as a whole process beside a small libpng program doing the same
// (bench/libpng_pam.cpp): each is started, decodes a PNG file to an RGBA PAM file and ends.
// The two run in turn, 20 times each, on each image; the figures are the medians of wall
// time from start to exit and of the processor time the process used, and their ratio.
// Both outputs are compared byte for byte.

#include "bench/png_references.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using pngbench::TBytes;

constexpr int Rounds = 20;

struct TSample {
    double WallMs = 0;
    double CpuMs = 0;
};

double Milliseconds(const timeval& time) {
    return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3;
}

// Runs the program to its end; the wall time from start to exit and its processor time.
TSample RunOnce(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + command[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command[0] + " failed");
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

TBytes Load(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Save(const fs::path& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Smooth gradients with some texture and a soft alpha ramp, as a large artwork would have.
TBytes Artwork(unsigned width, unsigned height) {
    TBytes rgba(std::size_t(width) * height * 4);
    unsigned seed = 777;
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            seed = seed * 1103515245 + 12345;
            unsigned char* p = &rgba[(std::size_t(y) * width + x) * 4];
            p[0] = static_cast<unsigned char>(x * 255 / width + (seed >> 29));
            p[1] = static_cast<unsigned char>(y * 255 / height);
            p[2] = static_cast<unsigned char>((x / 40 + y / 40) % 2 ? 190 : 70);
            p[3] = static_cast<unsigned char>(std::min(255u, (x + y) / 12));
        }
    return pngbench::LibpngEncode(width, height, 4, rgba, pngbench::AllFilters, 6);
}

void Compare(const std::string& name, const fs::path& input, const fs::path& scratch) {
    const fs::path ours = scratch / "pngtool.pam";
    const fs::path theirs = scratch / "libpng.pam";
    std::vector<double> wall[2], cpu[2];
    for (int round = 0; round < Rounds; ++round) {
        const TSample a = RunOnce({PNGTOOL_PATH, "decode", input.string(), ours.string()});
        const TSample b = RunOnce({LIBPNG_PAM_PATH, input.string(), theirs.string()});
        wall[0].push_back(a.WallMs);
        cpu[0].push_back(a.CpuMs);
        wall[1].push_back(b.WallMs);
        cpu[1].push_back(b.CpuMs);
    }
    const bool same = Load(ours) == Load(theirs);
    std::printf("%-26s %10.2f %10.2f %8.2f %10.2f %10.2f %8.2f  %s\n", name.c_str(),
                Median(wall[0]), Median(wall[1]), Median(wall[0]) / Median(wall[1]), Median(cpu[0]),
                Median(cpu[1]), Median(cpu[0]) / Median(cpu[1]),
                same ? "identical" : "OUTPUTS DIFFER");
}

} // namespace

int main() {
    const fs::path scratch = fs::temp_directory_path() / "brenlow_process_bench";
    fs::create_directories(scratch);
    Save(scratch / "artwork.png", Artwork(3000, 2000));
    std::printf("Whole process: pngtool decode beside a libpng program (median of %d runs each, "
                "in turn; ms)\n",
                Rounds);
    std::printf("%-26s %10s %10s %8s %10s %10s %8s\n", "image", "wall tool", "wall png", "ratio",
                "cpu tool", "cpu png", "ratio");
    Compare("RGBA 3000x2000", scratch / "artwork.png", scratch);
    const fs::path photo = "/usr/share/backgrounds/mate/nature/Garden.jpg";
    if (std::system(("convert '" + photo.string() + "' -resize 1536x1024^ -gravity center " +
                     "-extent 1536x1024 -strip 'PNG24:" + (scratch / "photo.png").string() + "'")
                        .c_str()) == 0)
        Compare("photo RGB 1536x1024", scratch / "photo.png", scratch);
    std::printf("(target: pngtool at most 0.8 of the libpng program's wall time)\n");
    fs::remove_all(scratch);
    return 0;
}
