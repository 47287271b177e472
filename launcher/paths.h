#pragma once
// Where the launcher finds its tool programs and data files: its own folder.

#include <string>

// Returns folder unchanged when it ends in the path separator, else with one appended.
// An empty folder becomes the separator alone.
std::string NormalizeFolderPath(const std::string& folder);

// The folder of the running executable, ending in the path separator.
std::string LauncherFolder();
