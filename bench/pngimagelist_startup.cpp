// What the main window's image lists add to start-up: reading the three PNG image lists of
// the embedded main-window layout (creating them, decoding their 20 PNG images, building
// their native images), and, for comparison, decoding the 20 images alone.

#include "gui/classes/classbuilder.h"
#include "gui/classes/reader.h"
#include "launcher/mainform.h"
#include "platform/resources/resources.h"
#include "tools/layoutc/layouttext.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <stdexcept>

namespace {

class TListsRoot : public TComponent {
public:
    using TComponent::TComponent;
};

// The text form of the embedded main-window layout.
std::string LayoutText() {
    const auto layout = resources::FindResource("TMainForm");
    if (layout.empty())
        throw std::runtime_error("the main window's layout is not embedded");
    return ObjectBinaryToText(layout);
}

// The image lists' objects of the layout, as a stream of their own.
std::vector<std::uint8_t> ImageListsStream() {
    std::istringstream text(LayoutText());
    std::string lists = "object Root: TListsRoot\n";
    bool inList = false;
    for (std::string line; std::getline(text, line);) {
        inList = inList || line.starts_with("  object PngImageList");
        if (inList)
            lists += line + "\n";
        if (line == "  end")
            inList = false;
    }
    return ObjectTextToBinary(lists + "end\n");
}

// The PNG files of the layout's items, as the layout holds them: hex between
// "PngImage.Data = {" and "}".
std::vector<std::vector<std::uint8_t>> PngFiles() {
    std::istringstream text(LayoutText());
    std::vector<std::vector<std::uint8_t>> files;
    bool inData = false;
    for (std::string line; std::getline(text, line);) {
        if (line.ends_with("PngImage.Data = {")) {
            files.emplace_back();
            inData = true;
            continue;
        }
        if (!inData)
            continue;
        const std::size_t first = line.find_first_not_of(' ');
        for (std::size_t i = first; i + 1 < line.size() && line[i] != '}'; i += 2)
            files.back().push_back(std::uint8_t(std::stoi(line.substr(i, 2), nullptr, 16)));
        inData = line.find('}') == std::string::npos;
    }
    return files;
}

void BM_ReadImageListsOfTheLayout(benchmark::State& state) {
    RegisterPngImageListClasses();
    RegisterClass<TListsRoot, TComponent>();
    const std::vector<std::uint8_t> bytes = ImageListsStream();
    int images = 0;
    for (auto _ : state) {
        TListsRoot root(nullptr);
        TMemoryStream stream(bytes);
        TReader(stream).ReadRootComponent(root);
        images = 0;
        for (int i = 0; i < root.ComponentCount(); ++i)
            images += static_cast<TPngImageList*>(root.Components(i))->Count();
    }
    if (images != 20)
        state.SkipWithError("the layout does not hold 20 images");
    state.counters["images"] = images;
}

void BM_DecodeTheLayoutsPngImages(benchmark::State& state) {
    const std::vector<std::vector<std::uint8_t>> files = PngFiles();
    for (auto _ : state)
        for (const auto& file : files) {
            TPNGObject png;
            TMemoryStream stream(file);
            png.LoadFromStream(stream);
            benchmark::DoNotOptimize(png.HeaderChunk().Pixels());
        }
    if (files.size() != 20)
        state.SkipWithError("the layout does not hold 20 images");
    state.counters["images"] = double(files.size());
}

BENCHMARK(BM_ReadImageListsOfTheLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeTheLayoutsPngImages)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
