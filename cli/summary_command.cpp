// zeltar-cli summary [--format text|csv|json] [--boundary T] [--factor K] [--pdf OUT.pdf]
// OBJECT.zlo | FILE.zlt...: the summary of an object's rooms (or of loose project files) by
// temperature level, each room loaded as the window loads it. The PDF is drawn by zeltar-pdf.
#include "cli_support.h"
#include "commands.h"
#include "pdf_helper.h"
#include "summary_input.h"
#include "summary_output.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zeltar::cli {

int RunSummary(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kSummaryUsage, stdout);
        return 0;
    }
    SummaryArguments arguments;
    if (const std::optional<int> usage = ParseSummaryArguments(args, arguments))
        return *usage;
    if (!arguments.pdf.empty()) {
#ifdef ZELTAR_PDF_HELPER
        std::vector<std::string> helperArgs{"summary"};
        helperArgs.insert(helperArgs.end(), args.begin(), args.end());
        return RunPdfHelper("summary", helperArgs);
#else
        std::fputs("zeltar-cli summary: --pdf needs the Qt build (ZELTAR_BUILD_GUI)\n", stderr);
        return 2;
#endif
    }
    const std::optional<object::ObjectSummary> summary = SummaryOf(arguments);
    if (!summary)
        return 1;
    const std::string out = SummaryOutput(*summary, arguments.format);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 && EveryRoomLoaded(*summary) ? 0 : 1;
}

} // namespace zeltar::cli
