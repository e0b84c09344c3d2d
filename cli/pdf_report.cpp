// zeltar-pdf report FILE.zlt OUT.pdf: the calculation report of a project as a one-page A4 PDF at
// 300 dpi, the page exactly as the printer would get it (--chart: the chart of the load on a second
// page; --detailed: the protocol instead).
#include "cli_support.h"
#include "pdf_commands.h"

#include "app/form_model.h"
#include "calc/load_breakdown.h"
#include "files/write_file.h"
#include "report/form_protocol.h"
#include "report/form_report_source.h"
#include "report/qt/protocol_printing.h"
#include "report/qt/report_printing.h"

#include <QFile>
#include <QPrinter>

#include <cstdio>
#include <optional>

namespace zeltar::cli {

namespace {

constexpr int kPdfDotsPerInch = 300;

// The report's printer: PDF output on A4 at 300 dpi, origin at the printable area as on paper.
void SetUpPdfPrinter(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    report::UseReportSheet(printer);
    printer.setResolution(kPdfDotsPerInch);
}

} // namespace

int WriteReportPdf(const std::vector<std::string>& arguments)
{
    std::vector<std::string> args = arguments;
    const bool detailed = !args.empty() && args.front() == "--detailed";
    const bool chart = !args.empty() && args.front() == "--chart";
    if (detailed || chart)
        args.erase(args.begin());
    if (args.size() != 2)
        return 2;
    const std::string& projectPath = args[0];
    const std::string& pdfPath = args[1];
    if (const std::optional<files::FileError> error = files::RefuseOutputOverInputs(pdfPath, {projectPath})) {
        std::fprintf(stderr, "zeltar-cli report: %s\n", error->message.c_str());
        return 1;
    }
    FormModel model(Today());
    const bool loaded = model.loadProject({true, projectPath});
    for (const std::string& error : model.takeErrors())
        std::fprintf(stderr, "zeltar-cli report: %s\n", error.c_str());
    if (!loaded)
        return 1;

    // The page is drawn into memory and the PDF written by the program's file routine under the
    // name's own bytes: the old file is replaced only when the whole page was written, and never
    // when it is the project.
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, QFile::decodeName(pdfPath.c_str()));
    const report::FormModelReportSource form(model);
    const report::ReportWithLoadChart charted(form, calc::BreakDownLoad(model.lastValues()));
    const report::ReportSource& source = chart ? static_cast<const report::ReportSource&>(charted) : form;
    const report::PrintResult result =
        detailed ? report::PrintProtocol(printer, report::ProtocolOf(model), [](report::PrintAxis) {},
                                         {pdfPath, {projectPath}})
                 : report::PrintOnPrinter(printer, source, [](report::PrintAxis) {}, {pdfPath, {projectPath}});
    if (result.status != report::PrintStatus::Printed) {
        const QString message =
            result.message.isEmpty() ? QStringLiteral("the PDF printer refused its resolution") : result.message;
        std::fprintf(stderr, "zeltar-cli report: %s\n", message.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace zeltar::cli
