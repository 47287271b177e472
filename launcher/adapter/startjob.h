#pragma once
// Handing a job to the first of its candidates that is installed and can be started.

#include "launcher/adapter/chooser.h"
#include "launcher/adapter/jobs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace adapter {

// What the arguments are filled with, asked only when a candidate needs it.
struct TInputs {
    std::function<std::optional<std::string>()> Drive;
    std::function<TChoice()> ImageFile;
};

// The first optical drive's node and the desktop's file chooser.
TInputs DesktopInputs();

enum class TOutcome {
    ouStarted,
    ouCancelled,   // the user cancelled a question the candidate needed answered
    ouNothingFits, // no candidate is installed, or none could be started
};

struct TJobResult {
    TOutcome Outcome = TOutcome::ouNothingFits;
    std::vector<std::string> Command; // what was started: the program's path, then arguments
    // Why installed candidates were passed over, one sentence each.
    std::vector<std::string> Problems;
};

// Tries the candidates in order and starts the first one that is installed, once its
// arguments are filled, detached from this process.
TJobResult StartJob(const TJob& job, const TInputs& inputs);

} // namespace adapter
