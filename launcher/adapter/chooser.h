#pragma once
// Asking the user for a disc image in the desktop's file chooser.

#include <string>

namespace adapter {

enum class TChoiceKind {
    ckChosen,
    ckCancelled, // the user closed the chooser without a file
    ckNoChooser, // no file chooser is installed
    ckFailed,    // the chooser could not be started or failed
};

struct TChoice {
    TChoiceKind Kind = TChoiceKind::ckNoChooser;
    std::string File;    // the chosen file
    std::string Problem; // what went wrong, for ckNoChooser and ckFailed
};

// Shows the first installed chooser (zenity, then kdialog; kdialog first on a KDE desktop) and
// waits for the user's answer.
TChoice ChooseImageFile();

} // namespace adapter
