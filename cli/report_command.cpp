// zeltar-cli report FILE.zlt OUT.pdf: the calculation report of a project as a one-page A4 PDF at
// 300 dpi, the page exactly as the printer would get it.
#include "cli_support.h"
#include "commands.h"

#include <cstdio>
#include <string>

#ifdef ZELTAR_REPORT_COMMAND
#include "app/form_model.h"
#include "files/write_file.h"
#include "report/form_report_source.h"
#include "report/qt/report_printing.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>

#include <optional>
#endif

namespace zeltar::cli {

namespace {

constexpr const char* kReportUsage =
    "Usage: zeltar-cli report FILE.zlt OUT.pdf\n"
    "\n"
    "Loads the project as the program's window does (so that the report shows exactly the window's\n"
    "texts), recalculates, and writes the calculation report as a one-page A4 PDF at 300 dpi, laid\n"
    "out as it is printed. OUT.pdf is replaced only when the whole page was written.\n";

#ifdef ZELTAR_REPORT_COMMAND

constexpr int kPdfDotsPerInch = 300;

// Qt's own diagnostics (runtime directory, painter notes) are not the command's output: the command
// reports its errors itself.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zeltar-cli report: %s\n", message.toUtf8().constData());
}

// The report's printer: PDF output on A4 at 300 dpi, origin at the printable area as on paper.
void SetUpPdfPrinter(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    report::UseReportSheet(printer);
    printer.setResolution(kPdfDotsPerInch);
}

int WriteReport(const std::string& projectPath, const std::string& pdfPath)
{
    if (const std::optional<files::FileError> error = files::RefuseOutputOverInput(pdfPath, projectPath)) {
        std::fprintf(stderr, "zeltar-cli report: %s\n", error->message.c_str());
        return 1;
    }
    FormModel model(Today());
    if (!model.loadProject({true, projectPath})) {
        for (const std::string& error : model.takeErrors())
            std::fprintf(stderr, "zeltar-cli report: %s\n", error.c_str());
        return 1;
    }
    for (const std::string& error : model.takeErrors())
        std::fprintf(stderr, "zeltar-cli report: %s\n", error.c_str());

    // The page is drawn into memory and the PDF written by the program's file routine: the old file
    // is replaced only when the whole page was written.
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, QFile::decodeName(pdfPath.c_str()));
    const report::FormModelReportSource source(model);
    const report::PrintResult result = report::PrintOnPrinter(printer, source, [](report::PrintAxis) {});
    if (result.status != report::PrintStatus::Printed) {
        const QString message = result.message.isEmpty() ? QStringLiteral("the PDF printer refused its resolution")
                                                          : result.message;
        std::fprintf(stderr, "zeltar-cli report: %s\n", message.toUtf8().constData());
        return 1;
    }
    return 0;
}

#endif

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
#ifdef ZELTAR_REPORT_COMMAND
    // Fonts and the PDF engine need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int argc = 1;
    char name[] = "zeltar-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    return WriteReport(args[0], args[1]);
#else
    std::fputs("zeltar-cli: the report command needs the Qt build (ZELTAR_BUILD_GUI)\n", stderr);
    return 2;
#endif
}

} // namespace zeltar::cli
