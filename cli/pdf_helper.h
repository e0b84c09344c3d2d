// The commands that draw (report, summary --pdf) need Qt; zeltar-cli itself stays free of it and
// runs the small helper program zeltar-pdf for them: beside zeltar-cli in the build tree, in the
// program library folder (../libexec/zeltar by default) when installed.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zeltar::cli {

// The helper's path, or nullopt when it is in neither place.
std::optional<std::string> FindPdfHelper();

// Runs the helper with these arguments (no shell between), its standard output and error going
// where zeltar-cli's go, and returns its exit status. `command` names the zeltar-cli command in
// messages. A missing helper or one that dies on a signal gives status 1 with a message.
int RunPdfHelper(const std::string& command, const std::vector<std::string>& args);

} // namespace zeltar::cli
