#include "plan/compass.h"

#include "plan/directions.h"

#include <cmath>
#include <numbers>

namespace zeltar::plan {

namespace {

constexpr int kFullTurn = 360;
constexpr int kCentre = 70;         // px, centre of the compass disc
constexpr int kNeedleLength = 30;   // px, centre to tip
constexpr int kNeedleHalfWidth = 8; // px, centre to base point

int RoundToPixel(long double v)
{
    return static_cast<int>(std::nearbyint(v)); // halves to the even neighbour
}

} // namespace

int NormalizedOrientation(int orientation)
{
    return orientation >= kFullTurn ? orientation - kFullTurn : orientation;
}

int TurnedOrientation(int orientation)
{
    return NormalizedOrientation(orientation + kCompassStep);
}

std::array<Direction, 4> WallDirections(int orientation)
{
    const int i = static_cast<int>(std::nearbyint(orientation / static_cast<double>(kCompassStep)));
    std::array<Direction, 4> directions;
    for (int wall = 0; wall < 4; ++wall) {
        const int index = (((i + 2 * wall) % kDirectionCount) + kDirectionCount) % kDirectionCount;
        directions[static_cast<std::size_t>(wall)] = static_cast<Direction>(index);
    }
    return directions;
}

std::array<std::string_view, 4> WallDirectionTexts(int orientation)
{
    const std::array<Direction, 4> directions = WallDirections(orientation);
    std::array<std::string_view, 4> texts;
    for (std::size_t wall = 0; wall < texts.size(); ++wall)
        texts[wall] = DirectionText(directions[wall]);
    return texts;
}

Needle NeedlePoints(int orientation)
{
    const long double theta = orientation * std::numbers::pi_v<long double> / 180;
    const long double s = std::sin(theta);
    const long double c = std::cos(theta);
    Needle n;
    n.north = {RoundToPixel(kCentre + kNeedleLength * s), RoundToPixel(kCentre - kNeedleLength * c)};
    n.south = {RoundToPixel(kCentre - kNeedleLength * s), RoundToPixel(kCentre + kNeedleLength * c)};
    n.left = {RoundToPixel(kCentre - kNeedleHalfWidth * c), RoundToPixel(kCentre - kNeedleHalfWidth * s)};
    n.right = {RoundToPixel(kCentre + kNeedleHalfWidth * c), RoundToPixel(kCentre + kNeedleHalfWidth * s)};
    return n;
}

} // namespace zeltar::plan
