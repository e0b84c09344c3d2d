// zeltar-cli report FILE.zlt OUT.pdf: the calculation report of a project as a one-page A4 PDF at
// 300 dpi. The drawing is done by the helper program zeltar-pdf, so that zeltar-cli needs no Qt.
#include "cli_support.h"
#include "commands.h"
#include "pdf_helper.h"

#include <cstdio>
#include <string>

namespace zeltar::cli {

namespace {

constexpr const char* kReportUsage =
    "Usage: zeltar-cli report [--detailed | --chart] FILE.zlt OUT.pdf\n"
    "\n"
    "Loads the project as the program's window does (so that the report shows exactly the window's\n"
    "texts), recalculates, and writes the calculation report as a one-page A4 PDF at 300 dpi, laid\n"
    "out as it is printed. OUT.pdf is replaced only when the whole document was written.\n"
    "\n"
    "  --detailed  the detailed report instead: the protocol of the whole calculation (the lines of\n"
    "              zeltar-cli explain) on as many A4 pages as it takes\n"
    "  --chart     the one-page report and, on a second page, the chart of the load: Q1 with its\n"
    "              rows, Q12, Q2, Q3, Q4 with its parts and Q5 in kW and as shares of Q сум.\n";

} // namespace

int RunReport(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kReportUsage, stdout);
        return 0;
    }
    const bool detailed = !args.empty() && args.front() == "--detailed";
    const bool chart = !args.empty() && args.front() == "--chart";
    const std::vector<std::string> files(args.begin() + (detailed || chart ? 1 : 0), args.end());
    if (files.size() != 2 || files[0].starts_with("--") || files[1].starts_with("--")) {
        std::fputs(kReportUsage, stderr);
        return 2;
    }
#ifdef ZELTAR_PDF_HELPER
    if (detailed)
        return RunPdfHelper("report", {"report", "--detailed", files[0], files[1]});
    if (chart)
        return RunPdfHelper("report", {"report", "--chart", files[0], files[1]});
    return RunPdfHelper("report", {"report", files[0], files[1]});
#else
    std::fputs("zeltar-cli: the report command needs the Qt build (ZELTAR_BUILD_GUI)\n", stderr);
    return 2;
#endif
}

} // namespace zeltar::cli
