// Where everything of the summary report stands on an A4 landscape sheet, in 1/300 inch from the
// printable area's corner, and what the fixed texts say.
#pragma once

#include "object/summary_report.h"

#include <array>
#include <string_view>

namespace zeltar::object {

struct SummaryColumnPlace {
    int left = 0; // left grid line of the column
    int width = 0;
    bool rightAligned = true;
    std::string_view header1;
    std::string_view header2;
};

// Indexed by SummaryColumn; each column starts where the one before it ends.
inline constexpr std::array<SummaryColumnPlace, kSummaryColumnCount> kSummaryColumnPlaces = [] {
    std::array<SummaryColumnPlace, kSummaryColumnCount> columns{{
        {0, 80, true, "№", ""},
        {0, 570, false, "Камера", ""},
        {0, 590, false, "Тип камеры", ""},
        {0, 140, true, "t кам.,", "°C"},
        {0, 210, true, "Площадь,", "м²"},
        {0, 160, true, "Объём,", "м³"},
        {0, 160, true, "Q1,", "кВт"},
        {0, 160, true, "Q12,", "кВт"},
        {0, 160, true, "Q2,", "кВт"},
        {0, 160, true, "Q3,", "кВт"},
        {0, 160, true, "Q4,", "кВт"},
        {0, 160, true, "Q5,", "кВт"},
        {0, 190, true, "Q сум.,", "кВт"},
        {0, 230, true, "Время раб.", "ч/сут"},
        {0, 190, true, "Q об.,", "кВт"},
    }};
    int left = 40;
    for (SummaryColumnPlace& column : columns) {
        column.left = left;
        left += column.width;
    }
    return columns;
}();
inline constexpr int kTableLeft = kSummaryColumnPlaces.front().left;
inline constexpr int kTableRight = kSummaryColumnPlaces.back().left + kSummaryColumnPlaces.back().width;
inline constexpr int kCellPadding = 12; // between a text and its column's grid line

// The frame round the page: A4 landscape is 3508 x 2480 dots, the printable area about 42 dots in.
inline constexpr report::Point kFrameTopLeft{20, 30};
inline constexpr report::Point kFrameBottomRight{3380, 2350};

// Title band and the line with the object's name and date.
inline constexpr std::string_view kSummaryTitle = "ЗЕЛТАР 2.0 : СВОДКА ТЕПЛОПРИТОКОВ ПО ОБЪЕКТУ";
inline constexpr report::Point kSummaryTitleAt{60, 45};
inline constexpr int kTitleRuleY = 110;
inline constexpr int kInfoLineY = 130;
inline constexpr int kInfoSettingsX = 1600; // level boundary and factor

// The table: rule above the header, two header lines, rule below it, then the rows.
inline constexpr int kTableTopY = 200;
inline constexpr std::array<int, 2> kHeaderLineY{212, 257};
inline constexpr int kHeaderBottomY = 310;
inline constexpr int kRowStep = 50;
inline constexpr int kRowTextOffset = 5; // from the row's top to its texts' cells
inline constexpr int kRowsPerPage = 38;  // rows from 310 down to 2210

// Page number at the foot, right-aligned at the table's right edge.
inline constexpr report::Point kPageNumberRightAt{kTableRight, 2270};

// The chart page: the bars fill the table's place down to this gap above the page number, their
// lines at most as tall as given.
inline constexpr int kChartGap = 60;
inline constexpr int kChartMaxLineHeight = 70;

} // namespace zeltar::object
