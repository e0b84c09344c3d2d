// The summary report on a recording canvas: pages and their numbers, the header on every page,
// level blocks kept together, failed rows, texts cut to their columns, printer scaling.
#include "object/summary_report.h"
#include "object/summary_report_tables.h"
#include "object/summary_table.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zeltar::object {
namespace {

using report::testing::Drawn;
using report::testing::RecordingCanvas;

SummaryRoomTexts Room(int number, std::string failure = {})
{
    SummaryRoomTexts room;
    // clang-format off
    room.cells = {std::to_string(number), "Камера " + std::to_string(number), "камера охлаждения",
                  "-20", "120", "480", "5,2", "0,3", "1,1", "2,4", "0,8", "0,6", "10,4", "18", "13,9"};
    // clang-format on
    room.failure = std::move(failure);
    return room;
}

SummaryReportTexts Object(int rooms, int levels = 2)
{
    SummaryReportTexts texts{"Холодильник №1", "08.12.2026", "-5", "0,90", {}, {}, {}, {}};
    for (int k = 1; k <= rooms; ++k)
        texts.rooms.push_back(Room(k));
    const char* names[] = {"Среднетемпературные", "Низкотемпературные"};
    for (int k = 0; k < levels; ++k)
        texts.levels.push_back({names[k], rooms, 0, "104,0", "139,0", "125,1"});
    texts.total = {"Итого по объекту", rooms, 0, "208,0", "278,0", "250,2"};
    return texts;
}

std::vector<RecordingCanvas> DrawPages(const SummaryReportTexts& texts, report::ScaleFactors factors = {1, 1})
{
    const auto pages = SummaryPages(texts);
    std::vector<RecordingCanvas> canvases(pages.size());
    for (std::size_t k = 0; k < pages.size(); ++k)
        DrawSummaryPage(canvases[k], texts, pages, k, factors);
    return canvases;
}

std::size_t Count(const RecordingCanvas& canvas, std::string_view text)
{
    return canvas.textsEqualTo(text).size();
}

bool Has(const RecordingCanvas& canvas, std::string_view text)
{
    return Count(canvas, text) > 0;
}

// Rooms, level lines (two per level) and total lines (two) against the rows a page holds.
struct PagingCase {
    int rooms;
    int levels;
    std::size_t pages;
};

class SummaryPaging : public testing::TestWithParam<PagingCase> {};

TEST_P(SummaryPaging, EveryPageHasTheHeaderTitleAndItsNumber)
{
    const auto [rooms, levels, pageCount] = GetParam();
    const SummaryReportTexts texts = Object(rooms, levels);
    const std::vector<RecordingCanvas> pages = DrawPages(texts);
    ASSERT_EQ(pages.size(), pageCount);
    std::size_t roomsDrawn = 0;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        SCOPED_TRACE(k);
        const std::string number = "стр. " + std::to_string(k + 1) + " из " + std::to_string(pageCount);
        ASSERT_EQ(pages[k].textsEqualTo(number).size(), 1u);
        EXPECT_EQ(pages[k].textsEqualTo(number)[0].points[0].x,
                  kTableRight - RecordingCanvas::MeasuredWidth(number, pages[k].textsEqualTo(number)[0].font));
        EXPECT_EQ(Count(pages[k], kSummaryTitle), 1u);
        EXPECT_EQ(Count(pages[k], "Объект: Холодильник №1"), 1u);
        EXPECT_EQ(Count(pages[k], "Дата: 08.12.2026"), 1u);
        for (std::string_view header : {"№", "Камера", "Тип камеры", "Q сум.,", "Время раб.", "Q об.,"})
            EXPECT_EQ(Count(pages[k], header), 1u) << header;
        for (const report::testing::Drawn& text : pages[k].texts())
            roomsDrawn += text.text == "камера охлаждения" ? 1 : 0;
        // Nothing below the last row's place.
        for (const report::testing::Drawn& text : pages[k].texts())
            EXPECT_LT(text.points[0].y, kPageNumberRightAt.y + 1) << text.text;
    }
    EXPECT_EQ(roomsDrawn, static_cast<std::size_t>(rooms));
    EXPECT_TRUE(Has(pages.back(), "Итого по объекту: камер " + std::to_string(rooms)));
}

INSTANTIATE_TEST_SUITE_P(Pages, SummaryPaging,
                         testing::Values(PagingCase{0, 0, 1}, PagingCase{3, 2, 1},
                                         // 32 rooms + 6 level lines fill one page exactly.
                                         PagingCase{32, 2, 1},
                                         // One more room: the total's two lines go over together.
                                         PagingCase{33, 2, 2},
                                         // 37 rooms: the first level's block cannot split.
                                         PagingCase{37, 2, 2}, PagingCase{38, 0, 2}, PagingCase{200, 2, 6}));

TEST(SummaryReport, LevelBlocksStayTogetherOnAPage)
{
    for (int rooms = 30; rooms < 40; ++rooms) {
        for (const auto& page : SummaryPages(Object(rooms))) {
            ASSERT_LE(page.size(), static_cast<std::size_t>(kRowsPerPage));
            EXPECT_NE(page.back().kind, SummaryLineKind::LevelSums) << rooms;
            EXPECT_NE(page.back().kind, SummaryLineKind::TotalSums) << rooms;
        }
    }
    // A failed room's row and its reason line are not parted either.
    for (int failed = 28; failed < 36; ++failed) {
        SummaryReportTexts texts = Object(40);
        texts.rooms[static_cast<std::size_t>(failed)].failure = "Файл не найден.";
        for (const auto& page : SummaryPages(texts))
            EXPECT_NE(page.back().kind, SummaryLineKind::FailedRoom) << failed;
    }
}

TEST(SummaryReport, RoomRowTextsStandInTheirColumnsOneRowApart)
{
    const std::vector<RecordingCanvas> pages = DrawPages(Object(2));
    const auto first = pages[0].textsEqualTo("Камера 1");
    const auto second = pages[0].textsEqualTo("Камера 2");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].points[0],
              (report::Point{kSummaryColumnPlaces[1].left + kCellPadding, kHeaderBottomY + kRowTextOffset}));
    EXPECT_EQ(second[0].points[0].y - first[0].points[0].y, kRowStep);
    // Numbers stand right-aligned against their column's right line.
    const auto equipment = pages[0].textsEqualTo("13,9");
    ASSERT_EQ(equipment.size(), 2u);
    EXPECT_EQ(equipment[0].points[0].x + RecordingCanvas::MeasuredWidth("13,9", equipment[0].font),
              kTableRight - kCellPadding);
}

TEST(SummaryReport, LevelAndTotalLinesCarryTheirSumsAndExcludedRooms)
{
    SummaryReportTexts texts = Object(2);
    texts.rooms.push_back(Room(3, "Файл «c.zlt» не найден."));
    texts.total.excluded = 1;
    const RecordingCanvas page = DrawPages(texts)[0];
    // The failed room's type column says «не загружена»; its reason stands on the line below,
    // from the name's column on, so that it widens no column of figures.
    const auto type = page.textsEqualTo("не загружена");
    const auto reason = page.textsEqualTo("Файл «c.zlt» не найден.");
    ASSERT_EQ(type.size(), 1u);
    ASSERT_EQ(reason.size(), 1u);
    EXPECT_EQ(type[0].points[0].x, kSummaryColumnPlaces[2].left + kCellPadding);
    EXPECT_EQ(reason[0].points[0],
              (report::Point{kSummaryColumnPlaces[1].left + kCellPadding, type[0].points[0].y + kRowStep}));
    EXPECT_EQ(Count(page, "камера охлаждения"), 2u);
    EXPECT_TRUE(Has(page, "Среднетемпературные: камер 2"));
    EXPECT_TRUE(Has(page, "Итого по объекту: камер 2, не учтено незагруженных 1"));
    EXPECT_EQ(Count(page, "   холодопроизводительность установки, кВт (Q об. × 0,90)"), 3u);
    for (std::string_view value : {"208,0", "278,0", "250,2"}) {
        ASSERT_EQ(Count(page, value), 1u) << value;
        EXPECT_TRUE(page.textsEqualTo(value)[0].font.bold) << value;
    }
    EXPECT_FALSE(page.textsEqualTo("104,0")[0].font.bold);
}

TEST(SummaryReport, LongTextsAreCutToTheirColumn)
{
    SummaryReportTexts texts = Object(1);
    texts.rooms[0].cells[1] = std::string(200, 'W');
    const RecordingCanvas page = DrawPages(texts)[0];
    const std::vector<Drawn> drawn = page.texts();
    const auto cut = std::find_if(drawn.begin(), drawn.end(), [](const Drawn& d) { return d.text.starts_with("WWW"); });
    ASSERT_NE(cut, drawn.end());
    EXPECT_TRUE(cut->text.ends_with("…"));
    EXPECT_LE(RecordingCanvas::MeasuredWidth(cut->text, cut->font), kSummaryColumnPlaces[1].width - 2 * kCellPadding);

    // A failed room's long reason is cut at the table's right edge.
    texts.rooms.push_back(Room(2, std::string(400, 'R')));
    const std::vector<Drawn> withReason = DrawPages(texts)[0].texts();
    const auto reason =
        std::find_if(withReason.begin(), withReason.end(), [](const Drawn& d) { return d.text.starts_with("RRR"); });
    ASSERT_NE(reason, withReason.end());
    EXPECT_TRUE(reason->text.ends_with("…"));
    EXPECT_LE(reason->points[0].x + RecordingCanvas::MeasuredWidth(reason->text, reason->font),
              kTableRight - kCellPadding);
}

TEST(SummaryReport, ANameThatFillsItsColumnPrintsWholeOneCharacterMoreIsCut)
{
    const Drawn shortName = DrawPages(Object(1))[0].textsEqualTo("Камера 1").at(0);
    const int room = kSummaryColumnPlaces[1].width - 2 * kCellPadding;
    const int fitting = room / RecordingCanvas::MeasuredWidth("Ж", shortName.font);
    ASSERT_GT(fitting, 10);
    for (const int length : {fitting, fitting + 1}) {
        SummaryReportTexts texts = Object(1);
        std::string name;
        for (int k = 0; k < length; ++k)
            name += "Ж";
        texts.rooms[0].cells[1] = name;
        const RecordingCanvas page = DrawPages(texts)[0];
        std::string expected = name;
        if (length > fitting) {
            // Two characters give way to the one «…».
            expected.resize(expected.size() - 2 * std::string("Ж").size());
            expected += "…";
        }
        EXPECT_EQ(page.textsEqualTo(expected).size(), 1u) << length;
    }
}

TEST(SummaryReport, PrinterFactorsScalePositionsAndFonts)
{
    const RecordingCanvas single = DrawPages(Object(1))[0];
    const RecordingCanvas scaled = DrawPages(Object(1), {4, 2})[0];
    const Drawn one = single.textsEqualTo("Камера 1")[0];
    const Drawn four = scaled.textsEqualTo("Камера 1")[0];
    EXPECT_EQ(four.points[0], (report::Point{one.points[0].x * 4, one.points[0].y * 2}));
    EXPECT_EQ(four.font.height, one.font.height * 2);
    EXPECT_EQ(four.font.face, "Arial");
}

TEST(SummaryTable, TabSeparatedTextPastesIntoASpreadsheet)
{
    SummaryReportTexts texts = Object(1, 1);
    texts.rooms[0].cells[14] = "  13,9";
    texts.rooms.push_back(Room(2, "Файл\tс табуляцией"));
    texts.total.excluded = 1;
    const std::string expected =
        "№\tКамера\tТип камеры\tt камеры, °C\tПлощадь, м²\tОбъём, м³\tQ1, кВт\tQ12, кВт\tQ2, кВт\tQ3, кВт\t"
        "Q4, кВт\tQ5, кВт\tQ сум., кВт\tВремя работы, ч/сут\tQ об., кВт\r\n"
        "1\tКамера 1\tкамера охлаждения\t-20\t120\t480\t5,2\t0,3\t1,1\t2,4\t0,8\t0,6\t10,4\t18\t13,9\r\n"
        "2\tКамера 2\tне загружена: Файл с табуляцией\t\t\t\t\t\t\t\t\t\t\t\t\r\n"
        "\tСреднетемпературные: камер 1\t\t\t\t\t\t\t\t\t\t\t104,0\t\t139,0\r\n"
        "\tхолодопроизводительность установки, кВт (Q об. × 0,90)\t\t\t\t\t\t\t\t\t\t\t\t\t125,1\r\n"
        "\tИтого по объекту: камер 1, не учтено незагруженных 1\t\t\t\t\t\t\t\t\t\t\t208,0\t\t278,0\r\n"
        "\tхолодопроизводительность установки, кВт (Q об. × 0,90)\t\t\t\t\t\t\t\t\t\t\t\t\t250,2\r\n";
    EXPECT_EQ(SummaryTabSeparated(texts), expected);
}

} // namespace
} // namespace zeltar::object
