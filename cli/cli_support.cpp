#include "cli_support.h"

#include <ctime>

namespace zeltar::cli {

std::string Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

} // namespace zeltar::cli
