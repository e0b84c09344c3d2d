// Project files on disk: read and written through the program's one file routine (see
// files/write_file.h and files/read_file.h for what they guarantee).
#pragma once

#include "files/read_file.h"
#include "files/write_file.h"

#include <string>

namespace zeltar {

using files::FileError;

// Larger files cannot be projects (131 short lines); reading stops instead of filling the memory.
inline constexpr std::size_t kLargestProjectFileBytes = 1 << 20;

// Whether the file at `path` is an object file (*.zlo) by its first line, whatever its name; false
// when it cannot be read (a load then says why). The window opens such a file in the summary.
bool IsObjectFile(const std::string& path);

// The first bytes of a regular file, enough to tell what it is ("" for anything else, or when it
// cannot be read): a file too large to be a project is still named for what it is (a PDF).
std::string RegularFileHead(const std::string& path);

} // namespace zeltar
