// What the sub-commands of zeltar-cli share.
#pragma once

#include <string>
#include <vector>

namespace zeltar::cli {

// Today's date as the date field shows it (the Russian short date form, 08.12.2026).
std::string Today();
// Whether the arguments ask for a command's help text.
bool AsksForHelp(const std::vector<std::string>& args);

} // namespace zeltar::cli
