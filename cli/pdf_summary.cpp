// zeltar-pdf summary ARGS: the summary report of an object (A4 landscape, the table's header on
// every page) as a PDF, for `zeltar-cli summary --pdf`, which passes its own arguments.
#include "cli_support.h"
#include "pdf_commands.h"
#include "summary_input.h"

#include "files/write_file.h"
#include "object/qt/summary_pdf.h"
#include "object/summary_report_texts.h"

#include <cstdio>

namespace zeltar::cli {

int WriteSummaryPdf(const std::vector<std::string>& args)
{
    SummaryArguments arguments;
    if (const std::optional<int> usage = ParseSummaryArguments(args, arguments))
        return *usage;
    if (const std::optional<files::FileError> error = files::RefuseOutputOverInputs(arguments.pdf, arguments.inputs)) {
        std::fprintf(stderr, "zeltar-cli summary: %s\n", error->message.c_str());
        return 1;
    }
    const std::optional<object::ObjectSummary> summary = SummaryOf(arguments);
    if (!summary)
        return 1;
    // The rooms are known once the object file is read: the PDF replaces none of them (nor the
    // object file), and is written under the name's own bytes.
    const std::string objectFile = arguments.inputs.size() == 1 ? arguments.inputs.front() : std::string();
    const report::PrintResult result =
        object::WriteSummaryPdf(object::ReportTextsOf(*summary, Today()), arguments.pdf, objectFile);
    if (result.status != report::PrintStatus::Printed) {
        std::fprintf(stderr, "zeltar-cli summary: %s\n",
                     result.message.isEmpty() ? "the PDF printer refused its resolution"
                                              : result.message.toUtf8().constData());
        return 1;
    }
    return EveryRoomLoaded(*summary) ? 0 : 1;
}

} // namespace zeltar::cli
