// One line of a project file converted and checked as the reader of the 131-line file does it, for
// the own project file, which holds the same texts under keys.
#pragma once

#include "projectfile/project_file.h"

#include <optional>

namespace zeltar::projectfile::detail {

// Converts the text of line `line` (1-based) of `file` into its number or whole number and checks
// it against the line's rules; the problem names the line of the 131-line file.
std::optional<FileProblem> ReadLine(int line, LoadedProject& file);

} // namespace zeltar::projectfile::detail
