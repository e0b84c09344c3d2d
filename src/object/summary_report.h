// The summary report of an object: A4 landscape pages with the object's name and date, the table of
// rooms (its header repeated on every page), the subtotals of the temperature levels, the object
// total and «стр. N из M» at the foot. Drawn from texts already cut as the window cuts its results,
// in the fonts of the room report, on the printer page in 1/300 inch.
#pragma once

#include "report/canvas.h"
#include "object/summary_row.h"
#include "report/load_chart.h"
#include "report/print_scale.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::object {

struct SummaryRoomTexts {
    std::array<std::string, kSummaryColumnCount> cells; // indexed by SummaryColumn
    std::string failure;                                // why the room could not be loaded ("" for a loaded room)
    std::string path;                                   // the room's file
    std::string note; // that the file lies outside the object's folder or repeats a row ("" when neither)
};

struct SummaryLevelTexts {
    std::string name; // «среднетемпературные», «низкотемпературные», or the object's total
    int rooms = 0;                 // rooms in the sums
    int excluded = 0;              // rooms of the object left out because they could not be loaded
    std::string totalHeatGain;     // sum of Q сум.
    std::string equipmentCapacity; // sum of Q об.
    std::string plantCapacity;     // sum of Q об. times the simultaneity factor
};

struct SummaryReportTexts {
    std::string objectName;
    std::string date;
    std::string boundary; // temperature boundary between the levels, °C
    std::string factor;   // simultaneity factor
    std::vector<SummaryRoomTexts> rooms;
    std::vector<SummaryLevelTexts> levels;
    SummaryLevelTexts total;
    // The chart page: a stacked bar per loaded room and the object's total; none without loaded rooms.
    std::vector<report::LoadBar> loadBars;
};

// One printed line of the table. A room that could not be loaded takes two: its row (number,
// name, «не загружена» as its type, no figures) and the reason on a line of its own below it, cut
// to the table's width, so that a long reason never widens a column of figures.
enum class SummaryLineKind { Room, FailedRoom, FailureReason, LevelSums, LevelPlant, TotalSums, TotalPlant };

// The room type cell of a room that could not be loaded.
inline constexpr std::string_view kNotLoadedRoomType = "не загружена";
struct SummaryLine {
    SummaryLineKind kind = SummaryLineKind::Room;
    std::size_t index = 0; // into rooms or levels (unused for the total)
};

// Every line of the table in order: the rooms, then two lines per level and two for the total.
std::vector<SummaryLine> SummaryLines(const SummaryReportTexts& texts);

// The lines on each page; a level's two lines, and a failed room's row and reason, stay on one page.
std::vector<std::vector<SummaryLine>> SummaryPages(const SummaryReportTexts& texts);

// Page `pageIndex` (from 0) of the pages above, on the printer page whose origin is the printable
// area's corner; `factors` scale the 1/300 inch layout to the printer's dots.
void DrawSummaryPage(report::Canvas& canvas, const SummaryReportTexts& texts,
                     const std::vector<std::vector<SummaryLine>>& pages, std::size_t pageIndex,
                     report::ScaleFactors factors);

// Pages of the report: the table's pages and, when there are bars, the chart page after them.
std::size_t SummaryPageCount(const SummaryReportTexts& texts, const std::vector<std::vector<SummaryLine>>& pages);
// The chart page (the last of `pageCount`): the title and the object's line as on the table's pages,
// then the rooms' loads by component.
void DrawSummaryChartPage(report::Canvas& canvas, const SummaryReportTexts& texts, std::size_t pageCount,
                          report::ScaleFactors factors);

// The texts of the level and total lines, as the report prints them (the window shows the same).
std::string LevelCaption(const SummaryLevelTexts& level);
std::string PlantCaption(const std::string& factor);

} // namespace zeltar::object
