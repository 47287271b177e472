#pragma once
// The work of each pngtool command. Failures raise the codec's or the stream's exceptions,
// or ETooManyPixels for an image above the command's pixel limit.

#include "gui/classes/exceptions.h"
#include "tools/pngtool/options.h"

#include <ostream>

DECLARE_EXCEPTION(ETooManyPixels, Exception);

namespace pngtool {

void RunCommand(const TCommand& command, std::ostream& out);

} // namespace pngtool
