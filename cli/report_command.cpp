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
    "Usage: zeltar-cli report FILE.zlt OUT.pdf\n"
    "\n"
    "Loads the project as the program's window does (so that the report shows exactly the window's\n"
    "texts), recalculates, and writes the calculation report as a one-page A4 PDF at 300 dpi, laid\n"
    "out as it is printed. OUT.pdf is replaced only when the whole page was written.\n";

} // namespace

int RunReport(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kReportUsage, stdout);
        return 0;
    }
    if (args.size() != 2) {
        std::fputs(kReportUsage, stderr);
        return 2;
    }
#ifdef ZELTAR_PDF_HELPER
    return RunPdfHelper("report", {"report", args[0], args[1]});
#else
    std::fputs("zeltar-cli: the report command needs the Qt build (ZELTAR_BUILD_GUI)\n", stderr);
    return 2;
#endif
}

} // namespace zeltar::cli
