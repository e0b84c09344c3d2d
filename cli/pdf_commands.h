// The drawing commands of the helper program zeltar-pdf (Qt). zeltar-cli has checked the
// arguments; each command prints its messages as "zeltar-cli COMMAND: ..." and returns the exit
// status zeltar-cli passes on.
#pragma once

#include <string>
#include <vector>

namespace zeltar::cli {

// report [--detailed] FILE.zlt OUT.pdf
int WriteReportPdf(const std::vector<std::string>& args);
// summary ... --pdf OUT.pdf ...: the arguments of zeltar-cli summary
int WriteSummaryPdf(const std::vector<std::string>& args);

} // namespace zeltar::cli
