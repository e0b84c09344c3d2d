// zeltar-cli play (being built).
#include "commands.h"

#include <cstdio>

namespace zeltar::cli {

int RunPlay(const std::vector<std::string>&)
{
    std::fputs("zeltar-cli: the play command is not available in this build\n", stderr);
    return 2;
}

} // namespace zeltar::cli
