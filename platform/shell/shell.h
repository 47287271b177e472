#pragma once
// The shell's "open": programs are started, anything else goes to the desktop's handler.

#include "platform/window/types.h"

#include <functional>
#include <string>

namespace shell {

using win::HWND;

// Results of ShellExecute: a value above 32 means the action was started.
constexpr int SE_ERR_FNF = 2;          // the file was not found
constexpr int SE_ERR_ACCESSDENIED = 5; // the user may not run it
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_BADFORMAT = 11; // not a program the system can start
constexpr int SE_ERR_NOASSOC = 31;   // nothing handles the file or the verb
constexpr int SE_STARTED = 42;

// Performs `verb` ("open", or empty for it) on `file`:
// - a URL (a scheme such as http:, https:, mailto:) or a file that is not an executable
//   program goes to the opener program (see SetOpener) as its only argument;
// - an executable regular file is started detached, without waiting and without keeping
//   anything of it: arguments come from `parameters` (split at blanks, double quotes
//   group), the working folder is `directory`, or stays as it is when that is empty.
// Nothing passes through a command interpreter. When the file is missing, may not be run
// (a program or script without execute permission) or cannot be started, the user is told
// in a message box owned by `owner` that names the file and the reason, and an error code
// is returned. An empty file name does nothing and returns SE_ERR_FNF. `showCommand` is
// accepted for the platform's signature; started programs open their windows as they like.
int ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, int showCommand);

// The program that opens URLs and documents: a name found through PATH, or a path.
// "xdg-open" until set.
void SetOpener(const std::string& program);
std::string Opener();

// Called with the path of each program ShellExecute has started (the opener included),
// once it runs, before ShellExecute returns: what was not reported was not started, with
// no need to wait and see. Null (the default) reports nothing.
using TStartReport = std::function<void(const std::string& program)>;
void SetStartReport(TStartReport report);

} // namespace shell
