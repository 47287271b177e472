#pragma once
// Finding an installed candidate: on PATH, else through its desktop entry.

#include "launcher/adapter/jobs.h"

#include <optional>
#include <string>
#include <vector>

namespace adapter {

// How an installed candidate is started: the program's path and the words that come before
// the job's arguments (those of its desktop entry's command line).
struct TInstalled {
    std::string Program;
    std::vector<std::string> Leading;
};

// The candidate's program found on PATH; else its desktop entry in the applications folders,
// when it is not hidden, its TryExec program exists and its command line names a program that
// does. None when neither is there; EDesktopEntry for an entry whose command line is broken.
std::optional<TInstalled> Locate(const TCandidate& candidate);

} // namespace adapter
