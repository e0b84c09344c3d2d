// Project files on disk: read and written through the program's one file routine (see
// files/write_file.h and files/read_file.h for what they guarantee).
#pragma once

#include "files/read_file.h"
#include "files/write_file.h"

namespace zeltar {

using files::FileError;

// Larger files cannot be projects (131 short lines); reading stops instead of filling the memory.
inline constexpr std::size_t kLargestProjectFileBytes = 1 << 20;

} // namespace zeltar
