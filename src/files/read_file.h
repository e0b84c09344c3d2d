// Reading a whole file that the user named: a project, an object file. The file is opened without
// blocking and checked before the first read, so that a FIFO, device or socket given by mistake is
// refused at once instead of waiting for ever.
#pragma once

#include "files/file_error.h"

#include <cstddef>
#include <string>
#include <variant>

namespace zeltar::files {

// The bytes of the regular file at `path` (UTF-8). Refused with a message naming the file: a
// missing file (notFound), a folder, anything that is no regular file, a file larger than
// `largestBytes` (reading stops there instead of filling the memory), and every read error.
std::variant<std::string, FileError> ReadFileBytes(const std::string& path, std::size_t largestBytes);

} // namespace zeltar::files
