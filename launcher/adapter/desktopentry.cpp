#include "launcher/adapter/desktopentry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace adapter {

namespace fs = std::filesystem;

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Unescaped(const std::string& value) {
    static const std::map<char, char> escapes = {
        {'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto escape =
            i + 1 < value.size() && value[i] == '\\' ? escapes.find(value[i + 1]) : escapes.end();
        if (escape == escapes.end()) {
            text += value[i];
        } else {
            text += escape->second;
            ++i;
        }
    }
    return text;
}

std::vector<std::string> FoldersOf(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    std::istringstream list(value && *value ? value : fallback);
    std::vector<std::string> folders;
    for (std::string folder; std::getline(list, folder, ':');)
        if (!folder.empty())
            folders.push_back(folder + "/applications");
    return folders;
}

// Expands the field codes of one word; words that were a file or URL code alone vanish.
void ExpandWord(const std::string& word, const TDesktopEntry& entry,
                std::vector<std::string>& line) {
    if (word == "%i") {
        if (!entry.Icon.empty())
            line.insert(line.end(), {"--icon", entry.Icon});
        return;
    }
    std::string text;
    bool expandedAway = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '%' || i + 1 == word.size()) {
            text += word[i];
            continue;
        }
        const char code = word[++i];
        if (code == '%')
            text += '%';
        else if (code == 'c')
            text += entry.Name;
        else if (code == 'k')
            text += entry.File;
        else
            expandedAway = true; // files, URLs and the deprecated codes
    }
    if (!text.empty() || !expandedAway)
        line.push_back(text);
}

} // namespace

std::optional<TDesktopEntry> ReadDesktopEntry(const std::string& file) {
    std::ifstream stream(file);
    if (!stream)
        return std::nullopt;
    TDesktopEntry entry;
    entry.File = file;
    const std::map<std::string, std::string*> keys = {{"Type", &entry.Type},
                                                      {"Name", &entry.Name},
                                                      {"Icon", &entry.Icon},
                                                      {"Exec", &entry.Exec},
                                                      {"TryExec", &entry.TryExec}};
    std::string group;
    for (std::string line; std::getline(stream, line);) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (group != "Desktop Entry" || equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        const std::string value = Unescaped(Trimmed(line.substr(equals + 1)));
        if (const auto field = keys.find(key); field != keys.end())
            *field->second = value;
        else if (key == "Hidden")
            entry.Hidden = value == "true";
    }
    return entry;
}

std::vector<std::string> ApplicationFolders() {
    const char* home = std::getenv("HOME");
    std::vector<std::string> folders =
        FoldersOf("XDG_DATA_HOME", home ? std::string(home) + "/.local/share" : "");
    for (std::string& folder : FoldersOf("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        folders.push_back(std::move(folder));
    return folders;
}

std::optional<std::string> FindDesktopFile(const std::string& id) {
    for (const std::string& folder : ApplicationFolders()) {
        const fs::path file = fs::path(folder) / id;
        std::error_code error;
        if (fs::is_regular_file(file, error))
            return file.string();
    }
    return std::nullopt;
}

std::vector<std::string> SplitExec(const std::string& exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '\\' && i + 1 < exec.size() &&
            std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
            word += exec[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        throw EDesktopEntry("The command line '" + exec + "' has a quote that is not closed");
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> CommandLine(const TDesktopEntry& entry,
                                     const std::vector<std::string>& arguments) {
    std::vector<std::string> line;
    for (const std::string& word : SplitExec(entry.Exec))
        ExpandWord(word, entry, line);
    if (line.empty())
        throw EDesktopEntry("The desktop entry " + entry.File + " has no command line");
    line.insert(line.end(), arguments.begin(), arguments.end());
    return line;
}

} // namespace adapter
