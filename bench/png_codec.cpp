// Decoding and encoding speed of the PNG codec beside libpng, libspng and stb_image on the
// same images, the speed ratios per image class and their geometric means, the sizes of the
// files each encoder writes, and the heap a decode holds at its peak.
//
// Every figure is the median of interleaved repetitions (the benchmark library shuffles the
// runs of all codecs and classes), in processor time, which is steadier than wall time on a
// machine shared with other work. The references decode to 8-bit RGBA; the codec decodes
// into its own form, and, as a second figure, on to 8-bit RGBA through its row reader.

#include "bench/heap_counter.h"
#include "bench/png_corpus.h"
#include "bench/png_references.h"
#include "png/pngobject.h"
#include "png/rgba_rows.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <memory>

namespace {

using namespace pngbench;

enum TDecoder { dcCodec, dcCodecRgba, dcLibpng, dcSpng, dcStb };
const char* const DecoderNames[] = {"codec", "codec+rgba", "libpng", "spng", "stb"};

void ReadCodec(TPNGObject& image, const TBytes& png) {
    TReadOnlyMemoryStream stream(png.data(), std::int64_t(png.size()));
    image.ReadFromStream(stream);
}

// The image's rows as 8-bit RGBA, in a buffer laid out as the references' output.
TBytes CodecRgba(const TPNGObject& image) {
    const std::size_t rowBytes = std::size_t(image.Width()) * 4;
    TBytes rgba(rowBytes * std::size_t(image.Height()));
    const png::TRgbaReader reader(image);
    for (std::uint32_t y = 0; y < std::uint32_t(image.Height()); ++y)
        reader.ReadRow(y, rgba.data() + y * rowBytes);
    return rgba;
}

void Decode(TDecoder decoder, const TBytes& png) {
    switch (decoder) {
    case dcCodec:
    case dcCodecRgba: {
        TPNGObject image;
        ReadCodec(image, png);
        if (decoder == dcCodecRgba)
            benchmark::DoNotOptimize(CodecRgba(image));
        else
            benchmark::DoNotOptimize(image.PixelRow(0));
        break;
    }
    case dcLibpng:
        benchmark::DoNotOptimize(LibpngDecode(png));
        break;
    case dcSpng:
        benchmark::DoNotOptimize(SpngDecode(png));
        break;
    case dcStb:
        benchmark::DoNotOptimize(StbDecode(png));
        break;
    }
}

// The writing settings compared: the codec's defaults, and every filter at zlib's default
// level.
struct TEncodeSetting {
    const char* Name;
    int Filters;
    int Level;
};
const TEncodeSetting EncodeSettings[] = {{"encode sub 7", SubFilterOnly, 7},
                                         {"encode all 6", AllFilters, 6}};

// One image as 8-bit RGB (when opaque) or RGBA pixels, given to every encoder alike: to the
// codec as an image of that colour type, to libpng as interleaved rows.
struct TEncodeInput {
    std::unique_ptr<TPNGObject> Image = std::make_unique<TPNGObject>();
    unsigned Width = 0;
    unsigned Height = 0;
    int Channels = 4;
    TBytes Pixels;
};

TEncodeInput PrepareEncode(const TBytes& png) {
    TEncodeInput input;
    TPNGObject decoded;
    ReadCodec(decoded, png);
    input.Width = unsigned(decoded.Width());
    input.Height = unsigned(decoded.Height());
    const TBytes rgba = CodecRgba(decoded);
    bool opaque = true;
    for (std::size_t i = 3; i < rgba.size() && opaque; i += 4)
        opaque = rgba[i] == 255;
    input.Channels = opaque ? 3 : 4;
    input.Image->NewImage(
        {input.Width, input.Height, 8, opaque ? png::COLOR_RGB : png::COLOR_RGBALPHA, 0, 0, 0});
    png::TRgbaWriter writer(*input.Image);
    for (unsigned y = 0; y < input.Height; ++y)
        writer.WriteRow(y, rgba.data() + std::size_t(y) * input.Width * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        input.Pixels.insert(input.Pixels.end(), rgba.begin() + std::ptrdiff_t(i),
                            rgba.begin() + std::ptrdiff_t(i) + input.Channels);
    return input;
}

std::size_t EncodeCodec(TEncodeInput& input, const TEncodeSetting& setting) {
    input.Image->SetRowFilters(std::uint8_t(setting.Filters));
    input.Image->SetDeflateLevel(std::uint8_t(setting.Level));
    TMemoryStream out;
    input.Image->WriteToStream(out);
    return std::size_t(out.Size());
}

std::size_t EncodeLibpng(const TEncodeInput& input, const TEncodeSetting& setting) {
    return LibpngEncode(input.Width, input.Height, input.Channels, input.Pixels, setting.Filters,
                        setting.Level)
        .size();
}

// Keeps the median processor time per iteration of every benchmark, by name.
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                FTimes[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double Time(const std::string& name) const {
        const auto found = FTimes.find(name);
        return found == FTimes.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> FTimes;
};

std::string RunName(const std::string& op, const std::string& imageClass, const char* codec) {
    return op + "/" + imageClass + "/" + codec;
}

// One column of the ratio table: the anchor's time over the codec's, per class.
struct TColumn {
    const char* Title;
    std::string Op;
    const char* Codec;
    const char* Anchor;
    double Target;
};

void PrintRatios(const TRecordingReporter& reporter, const std::vector<TImageClass>& corpus) {
    const std::vector<TColumn> columns = {
        {"dec/libpng", "decode", "codec", "libpng", 1.4},
        {"dec/spng", "decode", "codec", "spng", 1.4},
        {"dec/stb", "decode", "codec", "stb", 1.1},
        {"rgba/libpng", "decode", "codec+rgba", "libpng", 1.2},
        {"sub7/libpng", EncodeSettings[0].Name, "codec", "libpng", 1.1},
        {"all6/libpng", EncodeSettings[1].Name, "codec", "libpng", 1.1},
    };
    std::printf("\nSpeed of the codec relative to the references (time of the reference / time "
                "of the codec; above 1 means the codec is faster)\n%-22s",
                "class");
    for (const TColumn& column : columns)
        std::printf(" %12s", column.Title);
    std::printf("\n");
    std::vector<double> logSums(columns.size(), 0);
    std::vector<int> counts(columns.size(), 0);
    for (const TImageClass& imageClass : corpus) {
        std::printf("%-22s", imageClass.Name.c_str());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double codec =
                reporter.Time(RunName(columns[c].Op, imageClass.Name, columns[c].Codec));
            const double anchor =
                reporter.Time(RunName(columns[c].Op, imageClass.Name, columns[c].Anchor));
            if (codec <= 0 || anchor <= 0) {
                std::printf(" %12s", "-");
                continue;
            }
            std::printf(" %12.2f", anchor / codec);
            logSums[c] += std::log(anchor / codec);
            ++counts[c];
        }
        std::printf("\n");
    }
    std::printf("%-22s", "geometric mean");
    for (std::size_t c = 0; c < columns.size(); ++c)
        std::printf(" %12.2f", counts[c] ? std::exp(logSums[c] / counts[c]) : 0.0);
    std::printf("\n%-22s", "target");
    for (const TColumn& column : columns)
        std::printf(" %12.2f", column.Target);
    std::printf("\n");
}

void PrintEncodedSizes(std::vector<std::vector<TEncodeInput>>& inputs,
                       const std::vector<TImageClass>& corpus) {
    std::printf("\nBytes written (codec / libpng; at most 1 means no larger files)\n%-22s",
                "class");
    for (const TEncodeSetting& setting : EncodeSettings)
        std::printf(" %14s", setting.Name);
    std::printf("\n");
    constexpr std::size_t settings = std::size(EncodeSettings);
    std::array<double, settings> largest{}, logSums{};
    std::size_t files = 0;
    for (std::size_t c = 0; c < corpus.size(); ++c) {
        std::printf("%-22s", corpus[c].Name.c_str());
        for (std::size_t s = 0; s < settings; ++s) {
            std::size_t codec = 0, libpng = 0;
            for (TEncodeInput& input : inputs[c]) {
                const std::size_t ours = EncodeCodec(input, EncodeSettings[s]);
                const std::size_t theirs = EncodeLibpng(input, EncodeSettings[s]);
                const double ratio = double(ours) / double(theirs);
                largest[s] = std::max(largest[s], ratio);
                logSums[s] += std::log(ratio);
                codec += ours;
                libpng += theirs;
            }
            std::printf(" %14.3f", double(codec) / double(libpng));
        }
        files += inputs[c].size();
        std::printf("\n");
    }
    std::printf("%-22s", "largest of any file");
    for (double ratio : largest)
        std::printf(" %14.3f", ratio);
    std::printf("\n%-22s", "geometric mean (files)");
    for (double sum : logSums)
        std::printf(" %14.3f", files ? std::exp(sum / double(files)) : 0.0);
    std::printf("\n");
}

// The heap a decode holds at its peak beyond what the decoded image keeps afterwards, beside
// two rows of the widest image plus the 64 KiB input buffer.
void PrintDecodeMemory(const std::vector<TImageClass>& corpus) {
    std::printf("\nPeak heap while decoding, beyond the image memory\n");
    std::printf("%-22s %12s %16s\n", "class", "peak bytes", "2 rows + 64 KiB");
    for (const TImageClass& imageClass : corpus) {
        std::size_t peak = 0;
        std::size_t bound = 0;
        for (const TBytes& png : imageClass.Files) {
            TPNGObject image;
            ResetHeapPeak();
            ReadCodec(image, png);
            peak = std::max(peak, HeapPeak() - HeapInUse());
            std::uint32_t rowLength = 0, stride = 0;
            image.GetRowGeometry(rowLength, stride);
            bound = std::max<std::size_t>(bound, 2 * (std::size_t(rowLength) + 1) + 65536);
        }
        std::printf("%-22s %12zu %16zu\n", imageClass.Name.c_str(), peak, bound);
    }
}

// Interleaved repetitions with medians unless the command line says otherwise.
std::vector<char*> WithDefaultFlags(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static char minTime[] = "--benchmark_min_time=0.1";
    std::vector<char*> args = {argv[0], repetitions, interleaving, aggregates, minTime};
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    return args;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args = WithDefaultFlags(argc, argv);
    int count = int(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    const std::vector<TImageClass> corpus = BuildCorpus();
    std::vector<std::vector<TEncodeInput>> encodeInputs(corpus.size());
    for (std::size_t c = 0; c < corpus.size(); ++c) {
        const TImageClass& imageClass = corpus[c];
        for (const TBytes& png : imageClass.Files)
            encodeInputs[c].push_back(PrepareEncode(png));
        for (TDecoder decoder : {dcCodec, dcCodecRgba, dcLibpng, dcSpng, dcStb})
            benchmark::RegisterBenchmark(
                RunName("decode", imageClass.Name, DecoderNames[decoder]).c_str(),
                [&imageClass, decoder](benchmark::State& state) {
                    for (auto _ : state)
                        for (const TBytes& png : imageClass.Files)
                            Decode(decoder, png);
                })
                ->Unit(benchmark::kMillisecond);
        for (const TEncodeSetting& setting : EncodeSettings) {
            auto& inputs = encodeInputs[c];
            benchmark::RegisterBenchmark(RunName(setting.Name, imageClass.Name, "codec").c_str(),
                                         [&inputs, &setting](benchmark::State& state) {
                                             for (auto _ : state)
                                                 for (TEncodeInput& input : inputs)
                                                     benchmark::DoNotOptimize(
                                                         EncodeCodec(input, setting));
                                         })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(RunName(setting.Name, imageClass.Name, "libpng").c_str(),
                                         [&inputs, &setting](benchmark::State& state) {
                                             for (auto _ : state)
                                                 for (const TEncodeInput& input : inputs)
                                                     benchmark::DoNotOptimize(
                                                         EncodeLibpng(input, setting));
                                         })
                ->Unit(benchmark::kMillisecond);
        }
    }
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter, corpus);
    PrintEncodedSizes(encodeInputs, corpus);
    PrintDecodeMemory(corpus);
    benchmark::Shutdown();
    return 0;
}
