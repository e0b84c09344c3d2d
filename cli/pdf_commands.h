// The drawing commands of the helper program zeltar-pdf (Qt). zeltar-cli has checked the
// arguments; each command prints its messages as "zeltar-cli COMMAND: ..." and returns the exit
// status zeltar-cli passes on.
#pragma once

#include <string>
#include <vector>

namespace zeltar::cli {

// report FILE.zlt OUT.pdf
int WriteReportPdf(const std::vector<std::string>& args);
// summary [--boundary T] [--factor K] OUT.pdf OBJECT.zlo | FILE.zlt...
int WriteSummaryPdf(const std::vector<std::string>& args);

} // namespace zeltar::cli
