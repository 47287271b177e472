// layoutc <layout.txt> <output.bin> [--depfile <file.d>]: compiles a text layout into a
// binary form stream; the depfile lists the layout and every file it includes, for the build
// to run layoutc again when any of them changes.
// layoutc --text <stream.bin>: prints the text form of a binary form stream.

#include "gui/classes/exceptions.h"
#include "gui/classes/stream.h"
#include "tools/layoutc/layouttext.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> LoadFile(const fs::path& path) {
    TMemoryStream stream;
    stream.LoadFromFile(path.string());
    return stream.Bytes();
}

// A path as make-style dependency files write it.
std::string DepfilePath(const fs::path& path) {
    std::string escaped;
    for (const char c : fs::absolute(path).lexically_normal().string()) {
        if (c == ' ' || c == '#' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

void WriteDepfile(const fs::path& depfile, const fs::path& output, const fs::path& layout,
                  const std::vector<fs::path>& included) {
    std::ofstream file(depfile);
    file << DepfilePath(output) << ":";
    file << " \\\n  " << DepfilePath(layout);
    for (const fs::path& path : included)
        file << " \\\n  " << DepfilePath(path);
    file << "\n";
    if (!file.flush())
        throw EFCreateError("Cannot write file \"" + depfile.string() + "\"");
}

void Compile(const fs::path& layout, const fs::path& output, const fs::path& depfile) {
    const std::vector<std::uint8_t> source = LoadFile(layout);
    std::vector<fs::path> included;
    const TLayoutOptions options{.BaseDirectory = layout.parent_path(), .IncludedFiles = &included};
    TMemoryStream stream(ObjectTextToBinary(
        std::string_view(reinterpret_cast<const char*>(source.data()), source.size()), options));
    stream.SaveToFile(output.string());
    if (!depfile.empty())
        WriteDepfile(depfile, output, layout, included);
}

void PrintText(const fs::path& input) {
    std::cout << ObjectBinaryToText(LoadFile(input));
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool text = args.size() == 2 && args[0] == "--text";
    const bool compile =
        (args.size() == 2 && !text) || (args.size() == 4 && args[2] == "--depfile");
    if (!text && !compile) {
        std::cerr << "usage: layoutc <layout.txt> <output.bin> [--depfile <file.d>]\n"
                  << "       layoutc --text <stream.bin>\n";
        return 2;
    }
    const std::string& input = text ? args[1] : args[0];
    try {
        if (text)
            PrintText(input);
        else
            Compile(input, args[1], args.size() == 4 ? fs::path(args[3]) : fs::path());
        return 0;
    } catch (const Exception& error) {
        std::cerr << input << ": " << error.Message() << "\n";
        return 1;
    }
}
