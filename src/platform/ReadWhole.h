// Reading a file of any length into memory, for the formats whose files have no fixed size.
#pragma once

#include <cstddef>
#include <string>

#include "platform/WriteStep.h"

// The whole content of the file at `path`, up to `limit` bytes; a longer file, or one
// that is not a regular file (a folder, a pipe), is refused with EFBIG or EISDIR/EINVAL.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit);
