#pragma once
// Desktop entries (.desktop files) of installed applications: where they are, and the
// command line their Exec key stands for.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace adapter {

// A desktop entry whose Exec key cannot be read as a command line.
class EDesktopEntry : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TDesktopEntry {
    std::string File; // where it was read from
    std::string Type;
    std::string Name;
    std::string Icon;
    std::string Exec;
    std::string TryExec;
    bool Hidden = false;
};

// The keys of the file's "Desktop Entry" group, with the string escapes (\s, \n, \t, \r, \\)
// undone; none when the file cannot be read.
std::optional<TDesktopEntry> ReadDesktopEntry(const std::string& file);

// The applications folders in the order they are searched: XDG_DATA_HOME's (by default
// ~/.local/share), then each of XDG_DATA_DIRS's (by default /usr/local/share and /usr/share).
std::vector<std::string> ApplicationFolders();

// The first of the folders' files named id; none when no folder has it.
std::optional<std::string> FindDesktopFile(const std::string& id);

// The words of an Exec value: blanks separate them, double quotes group, and inside quotes a
// backslash keeps the next of " ` $ \ literal. EDesktopEntry for an unbalanced quote.
std::vector<std::string> SplitExec(const std::string& exec);

// The command line of the entry with arguments in place of the files it would be given: the
// file and URL field codes (%f %F %u %U) go, %i becomes "--icon" and the icon, %c the name,
// %k the entry's file, %% a percent sign, and the arguments follow the last word.
// EDesktopEntry for an empty or unreadable Exec.
std::vector<std::string> CommandLine(const TDesktopEntry& entry,
                                     const std::vector<std::string>& arguments);

} // namespace adapter
