#pragma once
// Opening the files a program reads (a version file, a picture) so that a name standing for
// something else cannot stall it.

#include <string>

namespace platform {

// Opens an existing regular file for reading, close-on-exec. Opening never blocks: a FIFO
// without a writer, a device, a socket or a directory is refused without being read.
// Returns the descriptor, or -1 with errno set: EISDIR for a directory, ENODEV for the other
// kinds, else what open() reported.
int OpenRegularFile(const std::string& path);

} // namespace platform
