#include "platform/shell/shell.h"

#include "platform/shell/command_line.h"
#include "platform/shell/spawn.h"
#include "platform/shell/target.h"
#include "platform/window/messagebox.h"

#include <cerrno>
#include <cstring>
#include <strings.h>

namespace shell {

namespace {

std::string& OpenerSetting() {
    static std::string opener = "xdg-open";
    return opener;
}

TStartReport& StartReport() {
    static TStartReport report;
    return report;
}

// Starts a program detached; reports it once it runs. Returns 0 or the errno of the failure.
int Start(const std::string& program, const std::vector<std::string>& arguments,
          const std::string& directory) {
    const int error = SpawnDetached(program, arguments, directory);
    if (error == 0 && StartReport())
        StartReport()(program);
    return error;
}

int CodeOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return SE_ERR_FNF;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOMEM:
        return SE_ERR_OOM;
    case ENOEXEC:
        return SE_ERR_BADFORMAT;
    default:
        return SE_ERR_NOASSOC;
    }
}

// Tells the user, as the platform's shell does, and returns the code.
int Report(HWND owner, const std::string& file, const std::string& text, int code) {
    const auto slash = file.find_last_of('/');
    const std::string caption = slash == std::string::npos ? file : file.substr(slash + 1);
    win::MessageBox(owner, text, caption.empty() ? file : caption, win::MB_OK | win::MB_ICONERROR);
    return code;
}

std::string Quoted(const std::string& file) {
    return "'" + file + "'";
}

int Open(HWND owner, const std::string& file, const std::string& directory) {
    const std::string opener = ResolveProgram(Opener());
    const int error = opener.empty() ? ENOENT : Start(opener, {file}, directory);
    if (error == 0)
        return SE_STARTED;
    return Report(owner, file,
                  "Cannot open " + Quoted(file) + ": the program " + Quoted(Opener()) +
                      " that opens it could not be started (" + std::strerror(error) + ").",
                  SE_ERR_NOASSOC);
}

int Run(HWND owner, const std::string& file, const std::string& parameters,
        const std::string& directory) {
    const int error = Start(file, SplitParameters(parameters), directory);
    if (error == 0)
        return SE_STARTED;
    return Report(owner, file, "Cannot run " + Quoted(file) + ": " + std::strerror(error) + ".",
                  CodeOf(error));
}

} // namespace

int ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, int) {
    if (file.empty())
        return SE_ERR_FNF;
    if (!verb.empty() && strcasecmp(verb.c_str(), "open") != 0)
        return Report(owner, file,
                      "Cannot " + verb + " " + Quoted(file) +
                          ": no program is associated with this action.",
                      SE_ERR_NOASSOC);
    const TTarget target = Classify(file);
    switch (target.Kind) {
    case TTargetKind::tkUrl:
    case TTargetKind::tkDocument:
        return Open(owner, file, directory);
    case TTargetKind::tkProgram:
        return Run(owner, file, parameters, directory);
    case TTargetKind::tkMissing:
        return Report(owner, file,
                      "Cannot find " + Quoted(file) +
                          ". Make sure the name is correct, and then try again.",
                      SE_ERR_FNF);
    case TTargetKind::tkForbidden:
        return Report(owner, file,
                      "Cannot run " + Quoted(file) +
                          ": you do not have permission to run this program.",
                      SE_ERR_ACCESSDENIED);
    }
    return SE_ERR_NOASSOC;
}

void SetOpener(const std::string& program) {
    OpenerSetting() = program;
}

std::string Opener() {
    return OpenerSetting();
}

void SetStartReport(TStartReport report) {
    StartReport() = std::move(report);
}

} // namespace shell
