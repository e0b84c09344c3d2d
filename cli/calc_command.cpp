// zeltar-cli calc (being built).
#include "commands.h"

#include <cstdio>

namespace zeltar::cli {

int RunCalc(const std::vector<std::string>&)
{
    std::fputs("zeltar-cli: the calc command is not available in this build\n", stderr);
    return 2;
}

} // namespace zeltar::cli
