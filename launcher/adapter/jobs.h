#pragma once
// The jobs of the launcher's tool programs that desktop applications do, and the
// applications that do them, in the order they are tried.
//
// Each candidate's options were read from its manual page or its --help output, for the
// Debian package and version it names.

#include <string_view>
#include <vector>

namespace adapter {

// What an argument needs from the user's machine, appended to its text.
enum class TFill {
    fiNone,
    fiDrive,     // the first optical drive's device node, or nothing without a drive
    fiImageFile, // a disc image the user chooses in the desktop's file chooser
};

struct TArgument {
    std::string_view Text;
    TFill Fill = TFill::fiNone;
};

struct TCandidate {
    std::string_view Program;   // looked up on PATH
    std::string_view DesktopId; // its desktop entry, for installs outside PATH
    std::vector<TArgument> Arguments;
    std::string_view Package; // the Debian package that provides it
    std::string_view Version; // the package version the options were checked against
    std::string_view Title;   // the application as its users know it
};

struct TJob {
    std::string_view ProgramName; // the launcher's name for the program: "FileWriter.exe"
    std::string_view Title;       // the window caption when nothing does the job
    std::string_view Task;        // completes "a program to ...": "burn data discs"
    std::vector<TCandidate> Candidates;
};

const std::vector<TJob>& Jobs();

// The job of a program name (a bare file name); null for a name that is no job's.
const TJob* FindJob(std::string_view programName);

} // namespace adapter
