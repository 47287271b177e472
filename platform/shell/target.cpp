#include "platform/shell/target.h"

#include <cctype>
#include <cerrno>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// A scheme of at least two characters (one letter would be a drive letter elsewhere): a
// letter, then letters, digits, '+', '-' or '.', then ':'.
bool HasScheme(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

// A file that would be a program if it were executable: an ELF image or a "#!" script.
bool LooksLikeProgram(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    char head[4] = {};
    stream.read(head, sizeof head);
    const std::string start(head, std::size_t(stream.gcount()));
    return start.starts_with("\x7F"
                             "ELF") ||
           start.starts_with("#!");
}

} // namespace

TTarget Classify(const std::string& file) {
    if (HasScheme(file))
        return {TTargetKind::tkUrl};
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) {
        const int error = errno;
        const bool forbidden = error == EACCES || error == EPERM;
        return {forbidden ? TTargetKind::tkForbidden : TTargetKind::tkMissing, error};
    }
    if (!S_ISREG(status.st_mode))
        return {TTargetKind::tkDocument};
    if (access(file.c_str(), X_OK) == 0)
        return {TTargetKind::tkProgram};
    if (access(file.c_str(), R_OK) != 0 || LooksLikeProgram(file))
        return {TTargetKind::tkForbidden, EACCES};
    return {TTargetKind::tkDocument};
}

} // namespace shell
