#include "cli_support.h"

#include "model/project_date.h"

namespace zeltar::cli {

std::string Today()
{
    return TodayText();
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

} // namespace zeltar::cli
