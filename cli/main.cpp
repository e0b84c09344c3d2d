// zeltar-cli: the calculator without its window, for scripts and for reproducing a case exactly.
#include "commands.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: zeltar-cli COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  calc FILE.zlt...         load each project into a fresh program, recalculate once and print\n"
    "                           every result as NAME<TAB>TEXT, sorted by NAME (also csv, json)\n"
    "  play SCRIPT              start a fresh window model and play a script of user events\n"
    "  report FILE.zlt OUT.pdf  write the calculation report of a project as a one-page A4 PDF\n"
    "                           (--detailed: the protocol of the whole calculation, several pages;\n"
    "                           --chart: the chart of the load on a second page)\n"
    "  summary OBJECT.zlo       the summary of an object's rooms by temperature level (or of\n"
    "  summary FILE.zlt...      loose project files); text, csv, json or a PDF report\n"
    "  overview FILE.zlt        the project at a glance: room, city, type and the heat gains, as\n"
    "                           the window shows them\n"
    "  explain FILE.zlt         the whole calculation as a protocol: every intermediate value with\n"
    "                           its symbol, unit and formula (text, markdown, json)\n"
    "  convert [--lossy] IN OUT convert a project file by OUT's extension: .zlp the own project\n"
    "                           file (every input), else the 131-line file; a conversion to .zlt\n"
    "                           that would lose inputs is refused unless --lossy\n"
    "  --help                   this text\n"
    "  --version                the program's name and version\n"
    "\n"
    "FILE.zlt stands for a project file of either kind, the 131-line file (*.zlt) or the own\n"
    "project file (*.zlp): each is told by its first line.\n"
    "COMMAND --help tells more about a command.\n";

} // namespace

int main(int argc, char** argv)
{
    // The user's locale, as the window gets it from Qt: number texts never depend on it, and the
    // tests run the commands under a comma locale to keep it so.
    std::setlocale(LC_ALL, "");
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::fputs("zeltar-cli " ZELTAR_VERSION "\n", stdout);
        return 0;
    }
    if (command == "calc")
        return zeltar::cli::RunCalc(args);
    if (command == "play")
        return zeltar::cli::RunPlay(args);
    if (command == "report")
        return zeltar::cli::RunReport(args);
    if (command == "summary")
        return zeltar::cli::RunSummary(args);
    if (command == "overview")
        return zeltar::cli::RunOverview(args);
    if (command == "explain")
        return zeltar::cli::RunExplain(args);
    if (command == "convert")
        return zeltar::cli::RunConvert(args);
    std::fprintf(stderr, "zeltar-cli: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}
