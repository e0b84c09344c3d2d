#include "report/print_scale.h"

namespace zeltar::report {

namespace {

struct AllowedResolution {
    int dotsPerInch;
    int factor;
};

constexpr AllowedResolution kAllowedResolutions[] = {{300, 1}, {600, 2}, {1200, 4}};

} // namespace

std::optional<int> ResolutionFactor(int dotsPerInch)
{
    for (const AllowedResolution& allowed : kAllowedResolutions) {
        if (allowed.dotsPerInch == dotsPerInch)
            return allowed.factor;
    }
    return std::nullopt;
}

} // namespace zeltar::report
