// The summary's chart: a bar per loaded room and the object's total, re-adding the rooms; the chart
// page after the table, counted in every page's number.
#include "object/summary_report.h"
#include "object/summary_report_tables.h"
#include "object/summary_report_texts.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace zeltar::object {
namespace {

using report::testing::RecordingCanvas;

SummaryRow LoadedRoom(int number, std::string name, RoomValues values)
{
    SummaryRow row;
    row.number = number;
    row.roomName = std::move(name);
    row.loaded = true;
    row.values = values;
    return row;
}

ObjectSummary ThreeRoomsOneFailed()
{
    ObjectSummary summary;
    summary.objectName = "Холодильник №1";
    summary.rows.push_back(LoadedRoom(1, "Камера 1", {0, 0, 0, 2, 0.5, -1, 1, 1.5, 0, 4, 0, 0}));
    SummaryRow failed;
    failed.number = 2;
    failed.roomName = "Камера 2";
    failed.error = "Файл не найден.";
    summary.rows.push_back(failed);
    summary.rows.push_back(LoadedRoom(3, "Камера 3", {0, 0, 0, 3, 0, 2, 0.5, 1, 0.25, 6.75, 0, 0}));
    return summary;
}

} // namespace

// Guards the bars' numbers: failed rooms have none, each loaded room keeps its kW (a negative Q2
// too), and the total's components and Q сум. re-add the rooms'.
TEST(SummaryLoadBars, OneBarPerLoadedRoomAndTheTotal)
{
    const std::vector<report::LoadBar> bars = SummaryLoadBars(ThreeRoomsOneFailed());
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].label, "1. Камера 1");
    EXPECT_EQ(bars[1].label, "3. Камера 3");
    EXPECT_EQ(bars[2].label, "Итого по объекту");
    EXPECT_DOUBLE_EQ(bars[0].loads[2], -1);
    const calc::ComponentLoads expected{5, 0.5, 1, 1.5, 2.5, 0.25};
    for (std::size_t c = 0; c < expected.size(); ++c)
        EXPECT_DOUBLE_EQ(bars[2].loads[c], expected[c]) << calc::kLoadComponentNames[c];
    EXPECT_DOUBLE_EQ(bars[2].totalKw, 10.75);

    ObjectSummary none = ThreeRoomsOneFailed();
    none.rows.erase(none.rows.begin());
    none.rows.pop_back();
    EXPECT_TRUE(SummaryLoadBars(none).empty());
}

// Guards the chart page: it follows the table's pages and counts in their numbers; without bars the
// report keeps its table pages only.
TEST(SummaryChartPage, FollowsTheTableAndCountsInThePageNumbers)
{
    SummaryReportTexts texts = ReportTextsOf(ThreeRoomsOneFailed(), "08.12.2026");
    ASSERT_EQ(texts.loadBars.size(), 3u);
    const auto pages = SummaryPages(texts);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(SummaryPageCount(texts, pages), 2u);

    RecordingCanvas table;
    DrawSummaryPage(table, texts, pages, 0, {1, 1});
    EXPECT_EQ(table.textsEqualTo("стр. 1 из 2").size(), 1u);
    RecordingCanvas chart;
    DrawSummaryChartPage(chart, texts, 2, {2, 2});
    EXPECT_EQ(chart.textsEqualTo("стр. 2 из 2").size(), 1u);
    EXPECT_EQ(chart.textsEqualTo(kSummaryTitle).size(), 1u);
    EXPECT_EQ(chart.textsEqualTo("3. Камера 3").size(), 1u);
    for (const report::testing::Drawn& d : chart.drawn())
        for (const report::Point& p : d.points) {
            EXPECT_LE(p.x, kFrameBottomRight.x * 2) << d.text;
            EXPECT_LE(p.y, kFrameBottomRight.y * 2) << d.text;
        }

    texts.loadBars.clear();
    EXPECT_EQ(SummaryPageCount(texts, pages), 1u);
}

} // namespace zeltar::object
