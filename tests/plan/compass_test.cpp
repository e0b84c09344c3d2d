// Compass turn, wall directions and the needle of the plan.
#include "plan/compass.h"
#include "plan/directions.h"

#include <gtest/gtest.h>

using namespace zeltar::plan;

TEST(Compass, EightPressesComeBackToSouthEastNorthWest)
{
    int orientation = 0;
    for (int press = 0; press < 8; ++press)
        orientation = TurnedOrientation(orientation);
    EXPECT_EQ(orientation, 0);
    const auto texts = WallDirectionTexts(orientation);
    EXPECT_EQ(texts[0], "     Ю");
    EXPECT_EQ(texts[1], "     В");
    EXPECT_EQ(texts[2], "     С");
    EXPECT_EQ(texts[3], "     З");
}

TEST(Compass, OnePressTurnsEveryWallByFortyFiveDegreesClockwise)
{
    const auto texts = WallDirectionTexts(TurnedOrientation(0));
    EXPECT_EQ(texts[0], "   ЮВ");
    EXPECT_EQ(texts[1], "   СВ");
    EXPECT_EQ(texts[2], "   СЗ");
    EXPECT_EQ(texts[3], "   ЮЗ");
    const auto twice = WallDirectionTexts(90);
    EXPECT_EQ(twice[0], "     В");
    EXPECT_EQ(twice[3], "     Ю");
}

TEST(Compass, OrientationFromAFileAbove360IsReducedOnce)
{
    EXPECT_EQ(NormalizedOrientation(405), 45);
    EXPECT_EQ(NormalizedOrientation(315), 315);
    EXPECT_EQ(WallDirectionTexts(NormalizedOrientation(405))[0], "   ЮВ");
}

TEST(CompassNeedle, PointsRoundToWholePixels)
{
    const Needle up = NeedlePoints(0);
    EXPECT_EQ(up.north, (Point{70, 40}));
    EXPECT_EQ(up.south, (Point{70, 100}));
    EXPECT_EQ(up.left, (Point{62, 70}));
    EXPECT_EQ(up.right, (Point{78, 70}));
    const Needle east = NeedlePoints(90);
    EXPECT_EQ(east.north, (Point{100, 70}));
    EXPECT_EQ(east.south, (Point{40, 70}));
    EXPECT_EQ(east.left, (Point{70, 62}));
    EXPECT_EQ(east.right, (Point{70, 78}));
    const Needle northEast = NeedlePoints(45);
    EXPECT_EQ(northEast.north, (Point{91, 49}));
    EXPECT_EQ(northEast.south, (Point{49, 91}));
    EXPECT_EQ(northEast.left, (Point{64, 64}));
    EXPECT_EQ(northEast.right, (Point{76, 76}));
}
