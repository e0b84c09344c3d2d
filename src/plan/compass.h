// The plan's orientation: the compass turn in 45° steps, the direction each wall faces, and the
// needle of the compass drawn in the plan.
#pragma once

#include "plan/directions.h"

#include <array>
#include <string_view>

namespace zeltar::plan {

inline constexpr int kCompassStep = 45; // degrees per press of "КОМПАС"

// An orientation of 360° or more, as a project file may hold, is brought back by 360 once.
int NormalizedOrientation(int orientation);
// One press of the compass button: 45° further, 360 becoming 0.
int TurnedOrientation(int orientation);

// Directions of walls A, B, C and D for a plan orientation: at 0 they face south, east, north and
// west; each 45° step turns them clockwise.
std::array<Direction, 4> WallDirections(int orientation);
// The same as the texts the window shows.
std::array<std::string_view, 4> WallDirectionTexts(int orientation);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Needle of the compass in pixels of the 140 x 140 plan: north and south tips, and the two base
// points across the centre (70, 70).
struct Needle {
    Point north, south, left, right;
};
Needle NeedlePoints(int orientation);

} // namespace zeltar::plan
