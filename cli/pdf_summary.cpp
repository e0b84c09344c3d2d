// zeltar-pdf summary [--boundary T] [--factor K] OUT.pdf OBJECT.zlo | FILE.zlt...: the summary
// report of an object as a PDF.
#include "pdf_commands.h"

#include <cstdio>

namespace zeltar::cli {

int WriteSummaryPdf(const std::vector<std::string>&)
{
    std::fputs("zeltar-cli summary: the summary report as PDF is not available in this build\n", stderr);
    return 1;
}

} // namespace zeltar::cli
