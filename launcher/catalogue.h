#pragma once
// The fixed tool catalogue: four categories, fourteen tools, the text each tool shows, the
// icon it draws and the program it starts.

#include <optional>
#include <string>
#include <vector>

namespace catalogue {

constexpr int CategoryCount = 4;

// The category names in index order: "Data", "Music", "Video", "Tools".
const std::vector<std::string>& CategoryNames();

// The entries of category c in position order, each a title and three description lines
// joined by carriage returns; the application title is filled into the three entries that
// name it. Empty for a category outside 0..3.
std::vector<std::string> EntryTexts(int category, const std::string& title);

// The bare file name of the program of (category, position); none when there is no such
// entry, a position of -1 included.
std::optional<std::string> ProgramFor(int category, int position);

// The index of the category's first tool icon in the tool image list; 0 outside 0..3.
int FirstToolIcon(int category);

// The icon of (category, position): the category's first tool icon plus the position.
inline int IconFor(int category, int position) {
    return FirstToolIcon(category) + position;
}

} // namespace catalogue
