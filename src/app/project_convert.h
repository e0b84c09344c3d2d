// Converting a project file into the other kind (or the same), as `zeltar-cli convert` does: the
// 131 lines pass unchanged, so a 131-line file converted to an own project file and back is the same
// file byte for byte. A conversion to a 131-line file that would lose inputs only the own file holds
// is refused, naming them, unless it is asked for.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace zeltar {

enum class Lossy { Refuse, Allow };

// A conversion refused: the Russian message says why.
struct ConvertProblem {
    std::string message;
};

// The bytes of the converted file; `toOwnFile` chooses the own project file (*.zlp). A 131-line
// target takes the built-in stand-ins of added insulations and own materials when allowed.
std::variant<std::string, ConvertProblem> ConvertProject(std::string_view bytes, bool toOwnFile, Lossy lossy);

} // namespace zeltar
