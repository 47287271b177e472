#pragma once
// The work of each pngtool command. Failures raise the codec's or the stream's exceptions.

#include "tools/pngtool/options.h"

#include <ostream>

namespace pngtool {

void RunCommand(const TCommand& command, std::ostream& out);

} // namespace pngtool
