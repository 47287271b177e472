// Decoding and encoding speed of the PNG codec beside libpng and libspng on the same
// images, the speed ratios per image class, and the heap a decode holds at its peak.

#include "bench/heap_counter.h"
#include "bench/png_corpus.h"
#include "bench/png_references.h"
#include "png/pngobject.h"
#include "png/row_geometry.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

using namespace pngbench;

enum TCodec { cdCodec, cdLibpng, cdSpng };
const char* const CodecNames[] = {"codec", "libpng", "spng"};

void DecodeWithCodec(const TBytes& png) {
    TReadOnlyMemoryStream stream(png.data(), std::int64_t(png.size()));
    TPNGObject image;
    image.ReadFromStream(stream);
    benchmark::DoNotOptimize(image.PixelRow(0));
}

void Decode(TCodec codec, const TBytes& png) {
    switch (codec) {
    case cdCodec:
        DecodeWithCodec(png);
        break;
    case cdLibpng:
        benchmark::DoNotOptimize(LibpngDecode(png));
        break;
    case cdSpng:
        benchmark::DoNotOptimize(SpngDecode(png));
        break;
    }
}

// One image ready to be encoded by each codec: the codec's own object, and the same pixels
// as interleaved 8-bit RGB or RGBA rows for the references.
struct TEncodeInput {
    std::unique_ptr<TPNGObject> Image;
    unsigned Width = 0;
    unsigned Height = 0;
    int Channels = 3;
    TBytes Pixels;
};

TEncodeInput PrepareEncode(const TBytes& png) {
    TEncodeInput input{std::make_unique<TPNGObject>(), 0, 0, 3, {}};
    TReadOnlyMemoryStream stream(png.data(), std::int64_t(png.size()));
    input.Image->ReadFromStream(stream);
    input.Image->SetInterlacing(0);
    input.Width = unsigned(input.Image->Width());
    input.Height = unsigned(input.Image->Height());
    input.Channels = input.Image->Transparency() == trAlpha ? 4 : 3;
    for (unsigned y = 0; y < input.Height; ++y)
        for (unsigned x = 0; x < input.Width; ++x) {
            const TColor c = input.Image->PixelColour(int(x), int(y));
            input.Pixels.insert(input.Pixels.end(),
                                {gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)});
            if (input.Channels == 4)
                input.Pixels.push_back(input.Image->PixelAlpha(int(x), int(y)));
        }
    return input;
}

constexpr int DefaultLevel = 7;

void Encode(TCodec codec, TEncodeInput& input) {
    switch (codec) {
    case cdCodec: {
        TMemoryStream out;
        input.Image->WriteToStream(out);
        benchmark::DoNotOptimize(out.Size());
        break;
    }
    case cdLibpng:
        benchmark::DoNotOptimize(LibpngEncode(input.Width, input.Height, input.Channels,
                                              input.Pixels, PngSubFilter, DefaultLevel));
        break;
    case cdSpng:
        benchmark::DoNotOptimize(SpngEncode(input.Width, input.Height, input.Channels, input.Pixels,
                                            PngSubFilter, DefaultLevel));
        break;
    }
}

// Keeps the processor time per iteration of every run, by name, for the ratio table; it is
// steadier than wall time on a machine shared with other work.
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            FTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const {
        const auto found = FTimes.find(name);
        return found == FTimes.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> FTimes;
};

std::string RunName(const std::string& op, const std::string& imageClass, TCodec codec) {
    return op + "/" + imageClass + "/" + CodecNames[codec];
}

void PrintRatios(const TRecordingReporter& reporter, const std::vector<TImageClass>& corpus) {
    std::printf("\nSpeed of the codec relative to the references (time of the reference / time "
                "of the codec; above 1 means the codec is faster)\n");
    std::printf("%-8s %-24s %10s %10s %10s %9s %9s\n", "op", "class", "codec", "libpng", "spng",
                "vs libpng", "vs spng");
    for (const char* op : {"decode", "encode"})
        for (const TImageClass& imageClass : corpus) {
            const double codec = reporter.Time(RunName(op, imageClass.Name, cdCodec));
            const double libpng = reporter.Time(RunName(op, imageClass.Name, cdLibpng));
            const double spng = reporter.Time(RunName(op, imageClass.Name, cdSpng));
            if (codec <= 0)
                continue;
            std::printf("%-8s %-24s %10.3f %10.3f %10.3f %9.2f %9.2f\n", op,
                        imageClass.Name.c_str(), codec, libpng, spng, libpng / codec, spng / codec);
        }
    std::printf("(processor time in ms per pass over the class's images)\n");
}

// The heap a decode holds at its peak beyond what the decoded image keeps afterwards, beside
// two rows of the widest image plus the 64 KiB input buffer.
void PrintDecodeMemory(const std::vector<TImageClass>& corpus) {
    std::printf("\nPeak heap while decoding, beyond the image memory\n");
    std::printf("%-24s %12s %16s\n", "class", "peak bytes", "2 rows + 64 KiB");
    for (const TImageClass& imageClass : corpus) {
        std::size_t peak = 0;
        std::size_t bound = 0;
        for (const TBytes& png : imageClass.Files) {
            TPNGObject image;
            TReadOnlyMemoryStream stream(png.data(), std::int64_t(png.size()));
            ResetHeapPeak();
            image.ReadFromStream(stream);
            peak = std::max(peak, HeapPeak() - HeapInUse());
            std::uint32_t rowLength = 0, stride = 0;
            image.GetRowGeometry(rowLength, stride);
            bound = std::max<std::size_t>(bound, 2 * (std::size_t(rowLength) + 1) + 65536);
        }
        std::printf("%-24s %12zu %16zu\n", imageClass.Name.c_str(), peak, bound);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::vector<TImageClass> corpus = BuildCorpus();
    std::vector<std::vector<TEncodeInput>> encodeInputs(corpus.size());
    for (std::size_t c = 0; c < corpus.size(); ++c) {
        const TImageClass& imageClass = corpus[c];
        for (const TBytes& png : imageClass.Files)
            encodeInputs[c].push_back(PrepareEncode(png));
        for (TCodec codec : {cdCodec, cdLibpng, cdSpng}) {
            benchmark::RegisterBenchmark(RunName("decode", imageClass.Name, codec).c_str(),
                                         [&imageClass, codec](benchmark::State& state) {
                                             for (auto _ : state)
                                                 for (const TBytes& png : imageClass.Files)
                                                     Decode(codec, png);
                                         })
                ->Unit(benchmark::kMillisecond);
        }
        for (TCodec codec : {cdCodec, cdLibpng, cdSpng}) {
            auto& inputs = encodeInputs[c];
            benchmark::RegisterBenchmark(RunName("encode", imageClass.Name, codec).c_str(),
                                         [&inputs, codec](benchmark::State& state) {
                                             for (auto _ : state)
                                                 for (TEncodeInput& input : inputs)
                                                     Encode(codec, input);
                                         })
                ->Unit(benchmark::kMillisecond);
        }
    }
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter, corpus);
    PrintDecodeMemory(corpus);
    benchmark::Shutdown();
    return 0;
}
