// pngtool: a developer's window into the PNG codec. Prints an image's header and chunks,
// decodes it to an RGBA PAM file, or writes it back with chosen encoder settings.

#include "gui/classes/exceptions.h"
#include "tools/pngtool/commands.h"
#include "tools/pngtool/options.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

// Messages may hold line breaks; a report stays on one line.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const auto command = pngtool::ParseCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (!command) {
        std::cerr << pngtool::UsageText;
        return ExitUsage;
    }
    try {
        pngtool::RunCommand(*command, std::cout);
    } catch (const Exception& error) {
        std::cerr << ExceptionClassName(error) << ": " << OneLine(error.Message()) << "\n";
        return ExitFailure;
    } catch (const std::exception& error) {
        std::cerr << ExceptionClassName(error) << ": " << OneLine(error.what()) << "\n";
        return ExitFailure;
    }
    return 0;
}
