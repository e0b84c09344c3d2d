// zeltar-cli report (being built).
#include "commands.h"

#include <cstdio>

namespace zeltar::cli {

int RunReport(const std::vector<std::string>&)
{
    std::fputs("zeltar-cli: the report command is not available in this build\n", stderr);
    return 2;
}

} // namespace zeltar::cli
