#pragma once
// The work of each pngtool command. Failures raise the codec's or the stream's exceptions,
// ETooManyPixels for an image above the command's pixel limit, or EInvalidPam.

#include "tools/pngtool/options.h"

#include <ostream>

namespace pngtool {

void RunCommand(const TCommand& command, std::ostream& out);

} // namespace pngtool
