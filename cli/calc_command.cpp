// zeltar-cli calc FILE: load a project into a freshly started program exactly as the window's load
// command does, and print every value the recalculation writes as NAME<TAB>TEXT, sorted by NAME,
// texts exactly as the window shows them.
#include "cli_support.h"
#include "commands.h"

#include "app/form_model.h"
#include "calc/result_listing.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kCalcUsage =
    "Usage: zeltar-cli calc FILE.zlt\n"
    "\n"
    "Loads the project file into a freshly started program, runs the recalculation once and prints\n"
    "one line per result field, NAME<TAB>TEXT, sorted by NAME (byte order). NAME is the parameter\n"
    "name with its row suffix, TEXT the field's text as the window shows it. Three more lines give\n"
    "the warning colours of the temperature fields (NAME.Color, red or white).\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be read or is not a sound project, 2 on a\n"
    "usage error.\n";

calc::Warning WarningOf(const FormModel& model, std::string_view control)
{
    return model.control(control).color == ControlColor::Red ? calc::Warning::Red : calc::Warning::White;
}

} // namespace

int RunCalc(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kCalcUsage, stdout);
        return 0;
    }
    if (args.size() != 1) {
        std::fputs(kCalcUsage, stderr);
        return 2;
    }
    try {
        FormModel model(Today());
        const bool loaded = model.loadProject({true, args[0]});
        for (const std::string& error : model.takeErrors())
            std::fprintf(stderr, "zeltar-cli calc: %s\n", error.c_str());
        if (!loaded)
            return 1;
        const auto textAfterPass = [&](calc::ResultField field) {
            return model.control(calc::kResultFields[static_cast<int>(field)].control).text;
        };
        for (const calc::ListingLine& line :
             calc::ResultListing(textAfterPass, WarningOf(model, "Edit43"), WarningOf(model, "Edit82"),
                                 WarningOf(model, "Edit83")))
            std::printf("%s\t%s\n", line.name.c_str(), line.text.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeltar-cli calc: %s: %s\n", args[0].c_str(), e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace zeltar::cli
