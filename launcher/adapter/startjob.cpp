#include "launcher/adapter/startjob.h"

#include "launcher/adapter/desktopentry.h"
#include "launcher/adapter/locate.h"
#include "launcher/drives/drives.h"
#include "platform/shell/spawn.h"

#include <cstring>

namespace adapter {

namespace {

// The arguments of a candidate, or none with the reason (in problem) or a cancellation.
struct TFilled {
    std::optional<std::vector<std::string>> Arguments;
    bool Cancelled = false;
    std::string Problem;
};

TFilled Fill(const TCandidate& candidate, const TInputs& inputs) {
    TFilled filled;
    std::vector<std::string> arguments;
    for (const TArgument& argument : candidate.Arguments) {
        std::string text(argument.Text);
        if (argument.Fill == TFill::fiDrive) {
            text += inputs.Drive().value_or("");
        } else if (argument.Fill == TFill::fiImageFile) {
            TChoice choice = inputs.ImageFile();
            if (choice.Kind == TChoiceKind::ckCancelled) {
                filled.Cancelled = true;
                return filled;
            }
            if (choice.Kind != TChoiceKind::ckChosen) {
                filled.Problem = std::string(candidate.Title) +
                                 " needs the image named: " + choice.Problem + ".";
                return filled;
            }
            text += choice.File;
        }
        arguments.push_back(std::move(text));
    }
    filled.Arguments = std::move(arguments);
    return filled;
}

std::optional<std::string> FirstDrive() {
    const std::vector<drives::TDrive> found = drives::FindDrives(drives::SystemRoot());
    if (found.empty())
        return std::nullopt;
    return found.front().Node;
}

} // namespace

TInputs DesktopInputs() {
    return {FirstDrive, ChooseImageFile};
}

TJobResult StartJob(const TJob& job, const TInputs& inputs) {
    TJobResult result;
    for (const TCandidate& candidate : job.Candidates) {
        std::optional<TInstalled> installed;
        try {
            installed = Locate(candidate);
        } catch (const EDesktopEntry& error) {
            result.Problems.push_back(std::string(candidate.Title) + ": " + error.what() + ".");
        }
        if (!installed)
            continue;
        TFilled filled = Fill(candidate, inputs);
        if (filled.Cancelled) {
            result.Outcome = TOutcome::ouCancelled;
            return result;
        }
        if (!filled.Arguments) {
            result.Problems.push_back(filled.Problem);
            continue;
        }
        std::vector<std::string> arguments = installed->Leading;
        arguments.insert(arguments.end(), filled.Arguments->begin(), filled.Arguments->end());
        if (const int error = shell::SpawnDetached(installed->Program, arguments, "")) {
            result.Problems.push_back(std::string(candidate.Title) + " (" + installed->Program +
                                      ") could not be started: " + std::strerror(error) + ".");
            continue;
        }
        result.Outcome = TOutcome::ouStarted;
        result.Command = {installed->Program};
        result.Command.insert(result.Command.end(), arguments.begin(), arguments.end());
        return result;
    }
    return result;
}

} // namespace adapter
