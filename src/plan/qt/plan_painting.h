// Painting of the plan, the compass, the section sketch and the surface tiles on a QPainter, in the
// pixels of each drawing surface (origin top left, y downwards). Rectangles and ellipses are given
// by two opposite corners whose right and bottom edges are exclusive.
#pragma once

#include <QColor>

class QPainter;

namespace zeltar::plan {

inline constexpr int kPlanSize = 140;      // px, square plan surface
inline constexpr int kSectionWidth = 160;  // px
inline constexpr int kSectionHeight = 110; // px
inline constexpr int kTileSize = 30;       // px, square tile

inline const QColor kSilver{192, 192, 192};
inline const QColor kNeedleNorth{0, 0, 255};
inline const QColor kNeedleSouth{255, 0, 0};
inline const QColor kSunYellow{255, 255, 0};
inline const QColor kCloudBlue{0, 0, 255};

// Room outline, door in wall А, then the compass. `lineColor` is the button face colour,
// `background` the panel's.
void PaintPlan(QPainter& painter, int orientation, const QColor& lineColor, const QColor& background);
// Silver disc and the blue (north) and red (south) halves of the needle.
void PaintCompass(QPainter& painter, int orientation, const QColor& lineColor);
// Walls and floor of the room, the roof and the hatched ground, in white.
void PaintSectionSketch(QPainter& painter);
// Sun tile: a sun when sunlit, a cloud when not.
void PaintSunTile(QPainter& painter, bool sunlit);
// Outside/inside tile: "НАР" towards outside air, " BH" towards another room.
void PaintFacingTile(QPainter& painter, bool outsideFacing, const QColor& textColor);

} // namespace zeltar::plan
