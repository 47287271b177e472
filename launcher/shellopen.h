#pragma once
// Asking the shell to open something on the launcher's behalf.

#include <string>

// The shell's "open" of target (a program's path, a web address, a "mailto:" link), with no
// parameters and no working folder, owned by the main window. What goes wrong is the shell's
// to tell the user; the result is not examined.
void ShellOpen(const std::string& target);
