// zeltar-pdf: the helper program that draws for zeltar-cli (the report and summary PDFs), so that
// zeltar-cli itself never loads Qt. Not meant to be run by hand: zeltar-cli checks the arguments.
#include "pdf_commands.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string g_command = "pdf";

// Qt's own diagnostics (runtime directory, painter notes) are not the command's output: the
// commands report their errors themselves.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zeltar-cli %s: %s\n", g_command.c_str(), message.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(
            "Usage: zeltar-pdf report FILE.zlt OUT.pdf | summary [OPTIONS] OUT.pdf FILE...\n"
            "(run by zeltar-cli; use zeltar-cli report or zeltar-cli summary --pdf)\n",
            stderr);
        return 2;
    }
    g_command = args.front();
    args.erase(args.begin());

    // Fonts and the PDF engine need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    char name[] = "zeltar-pdf";
    char* qtArgv[] = {name, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    if (g_command == "report")
        return zeltar::cli::WriteReportPdf(args);
    if (g_command == "summary")
        return zeltar::cli::WriteSummaryPdf(args);
    std::fprintf(stderr, "zeltar-pdf: unknown command '%s'\n", g_command.c_str());
    return 2;
}
