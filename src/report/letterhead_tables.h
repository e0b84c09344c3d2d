// The maker's letterhead in the band between the frame's top edge and the title rule: logo word
// with a circled "R" before it, company line, five lines of the program's purpose, a dotted leader
// and the logo mark, a few filled black polygons.
#pragma once

#include "report/report_surface.h"
#include "report/report_tables.h"

#include <array>
#include <string_view>

namespace zeltar::report {

// The word has one capital and then only lowercase letters without ascenders, so that the company
// line fits above them (over "лтар") without touching the letters.
inline constexpr std::string_view kLogoWord = "Зелтар";
inline constexpr Both<Point> kLogoWordAt{{460, 52}, {180, 6}};

inline constexpr Both<Box> kRegisteredCircle{{{415, 74}, {448, 107}}, {{150, 15}, {161, 26}}};
inline constexpr Both<int> kRegisteredCirclePenWidth{2, 1}; // the preview's thinnest pen
inline constexpr std::string_view kRegisteredLetter = "R";
inline constexpr Both<Point> kRegisteredLetterAt{{424, 78}, {153, 17}};

inline constexpr std::string_view kCompanyLine = "ПРОГРАММА РАСЧЕТА ТЕПЛОПРИТОКОВ";
inline constexpr Both<Point> kCompanyLineAt{{642, 65}, {242, 12}};

inline constexpr std::array<std::string_view, 5> kContactLines{{
    "Холодильные камеры и склады",
    "Хранение, охлаждение, замораживание",
    "Ограждения, солнце, вентиляция",
    "Груз, тара, дыхание продукта",
    "Эксплуатационные теплопритоки",
}};
inline constexpr Both<int> kContactLinesX{1420, 550};
inline constexpr std::array<Both<int>, 5> kContactLinesY{{{60, 8}, {105, 25}, {150, 42}, {195, 59}, {240, 78}}};

// "." repeated with two blanks between the dots.
inline constexpr Both<Point> kDottedLeaderAt{{40, 240}, {25, 78}};
inline constexpr Both<int> kDottedLeaderDots{40, 34};

inline constexpr Both<Box> kLogoMarkBox{{{40, 72}, {406, 198}}, {{25, 15}, {147, 56}}};
// The mark's outline pen: one dot on the printer at any resolution, one pixel on the preview.
inline constexpr int kLogoMarkPenWidth = 1;

// The logo mark: three slanted bars of cold air, right-aligned and getting shorter downwards. Points
// in thousandths of the mark's box (0 left or top edge, 1000 right or bottom edge).
inline constexpr int kLogoMarkScale = 1000;
using LogoBar = std::array<Point, 4>;
inline constexpr std::array<LogoBar, 3> kLogoMarkBars{{
    {{{250, 0}, {1000, 0}, {960, 260}, {210, 260}}},
    {{{125, 370}, {940, 370}, {900, 630}, {85, 630}}},
    {{{40, 740}, {880, 740}, {840, 1000}, {0, 1000}}},
}};

} // namespace zeltar::report
