// zeltar-cli overview FILE: a project at a glance, as the window shows it after loading the file.
#include "cli_support.h"
#include "commands.h"

#include "app/form_model.h"
#include "app/form_overview.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kOverviewUsage =
    "Usage: zeltar-cli overview FILE.zlt\n"
    "\n"
    "Loads the project file into a freshly started program, as the window's load command does, and\n"
    "prints the project at a glance under the window's Russian captions: the site, the city and the\n"
    "room type, the room's size and temperature, and the heat gains Q1 to Q5 with their sum and the\n"
    "capacity the equipment needs, in kW, as an aligned table.\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be read or is not a sound project, 2 on a\n"
    "usage error.\n";

} // namespace

int RunOverview(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kOverviewUsage, stdout);
        return 0;
    }
    if (args.size() != 1) {
        std::fputs(kOverviewUsage, stderr);
        return 2;
    }
    try {
        FormModel model(Today());
        const bool loaded = model.loadProject({true, args[0]});
        for (const std::string& error : model.takeErrors())
            std::fprintf(stderr, "zeltar-cli overview: %s\n", error.c_str());
        if (!loaded)
            return 1;
        std::fputs(OverviewTable(model).c_str(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeltar-cli overview: %s: %s\n", args[0].c_str(), e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zeltar::cli
