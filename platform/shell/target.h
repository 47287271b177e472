#pragma once
// What a file name given to the shell stands for.

#include <string>

namespace shell {

enum class TTargetKind {
    tkUrl,       // a scheme such as http: or mailto:
    tkProgram,   // an executable regular file
    tkDocument,  // anything else that exists: for the opener
    tkMissing,   // nothing of that name
    tkForbidden, // a program or script the user may not run, or a name the user may not see
};

struct TTarget {
    TTargetKind Kind = TTargetKind::tkMissing;
    int Error = 0; // the errno behind tkMissing or tkForbidden, when there is one
};

TTarget Classify(const std::string& file);

} // namespace shell
