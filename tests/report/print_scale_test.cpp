// Printer resolutions the layout admits and the whole factors it is scaled by.
#include "report/print_scale.h"

#include <gtest/gtest.h>

namespace zeltar::report {
namespace {

// Guards a factor that misplaces the page (e.g. 1200 dpi taken as 3) and a resolution let through
// that the layout cannot be scaled to by a whole factor.
TEST(ResolutionFactor, OnlyThreeResolutionsHaveAFactor)
{
    EXPECT_EQ(ResolutionFactor(300), 1);
    EXPECT_EQ(ResolutionFactor(600), 2);
    EXPECT_EQ(ResolutionFactor(1200), 4);
    for (int dotsPerInch : {0, -300, 72, 96, 150, 360, 720, 2400})
        EXPECT_EQ(ResolutionFactor(dotsPerInch), std::nullopt) << dotsPerInch;
}

} // namespace
} // namespace zeltar::report
