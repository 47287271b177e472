#include "launcher/adapter/jobs.h"

#include <algorithm>

namespace adapter {

namespace {

constexpr std::string_view BraseroVersion = "3.12.3-2";
constexpr std::string_view K3bVersion = "22.12.3-1";
constexpr std::string_view XfburnVersion = "0.6.2-1+b1";

TCandidate Brasero(std::vector<TArgument> arguments) {
    return {"brasero", "brasero.desktop", std::move(arguments),
            "brasero", BraseroVersion,    "Brasero"};
}

TCandidate K3b(std::vector<TArgument> arguments) {
    return {"k3b", "org.kde.k3b.desktop", std::move(arguments), "k3b", K3bVersion, "K3b"};
}

TCandidate Xfburn(std::vector<TArgument> arguments) {
    return {"xfburn", "xfburn.desktop", std::move(arguments), "xfburn", XfburnVersion, "Xfburn"};
}

// k3b's device options take a value; an empty one leaves the choice of drive to k3b.
std::vector<TJob> MakeJobs() {
    using enum TFill;
    return {
        {"FileWriter.exe",
         "Data discs",
         "burn data CDs, DVDs and Blu-ray discs",
         {Brasero({{"--data"}}), K3b({{"--data"}}), Xfburn({{"--data-composition"}})}},
        {"SoundWriter.exe",
         "Audio CDs",
         "burn audio CDs",
         {Brasero({{"--audio"}}), K3b({{"--audiocd"}}), Xfburn({{"--audio-composition"}})}},
        {"SoundRipper.exe",
         "Audio CD ripping",
         "copy the tracks of audio CDs to files",
         {{"sound-juicer",
           "org.gnome.SoundJuicer.desktop",
           {},
           "sound-juicer",
           "3.38.0-2.1",
           "Sound Juicer"},
          {"asunder", "asunder.desktop", {}, "asunder", "2.9.7-2", "Asunder"},
          K3b({{"--cddarip=", fiDrive}}),
          {"ripperx", "ripperx.desktop", {}, "ripperx", "2.8.0-2.1+b1", "ripperX"}}},
        {"MovieWriter.exe",
         "Video discs",
         "make video discs (Video CD, Super Video CD, DVD-Video)",
         {{"devede", "devede_ng.py.desktop", {}, "devede", "4.17.0-1", "DeVeDe"},
          Brasero({{"--video"}}),
          K3b({{"--videodvd"}})}},
        {"MediaWiper.exe",
         "Disc erasing",
         "erase rewritable discs",
         {Brasero({{"--blank"}}), K3b({{"--format=", fiDrive}}), Xfburn({{"--blank"}})}},
        {"ImageMaker.exe",
         "ISO images",
         "build ISO images from files",
         {{"isomaster", "isomaster.desktop", {}, "isomaster", "1.3.13-1+b2", "ISO Master"},
          Brasero({{"--data"}, {"--image-file"}}),
          K3b({{"--data"}}),
          Xfburn({{"--data-composition"}})}},
        {"ImageWriter.exe",
         "ISO burning",
         "burn ISO images to discs",
         {Brasero({{"--image=", fiImageFile}}), K3b({{"--image=", fiImageFile}}),
          Xfburn({{"--burn-image"}})}},
        {"ImageRipper.exe",
         "Disc images",
         "copy data discs to image files",
         {Brasero({{"--copy"}, {"--image-file"}}), K3b({{"--copy=", fiDrive}})}},
    };
}

} // namespace

const std::vector<TJob>& Jobs() {
    static const std::vector<TJob> jobs = MakeJobs();
    return jobs;
}

const TJob* FindJob(std::string_view programName) {
    const auto& jobs = Jobs();
    const auto job = std::find_if(jobs.begin(), jobs.end(), [&](const TJob& candidate) {
        return candidate.ProgramName == programName;
    });
    return job == jobs.end() ? nullptr : &*job;
}

} // namespace adapter
