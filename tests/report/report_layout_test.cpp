// The report layout on a recording canvas: every position, font and text against the layout as
// published for both surfaces (printer page in 1/300 inch, preview image in pixels).
#include "known_project.h"
#include "recording_canvas.h"
#include "report/report_layout.h"
#include "report/letterhead_tables.h"
#include "report/report_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace zeltar::report::testing {
namespace {

RecordingCanvas Printed(const ReportSource& source, ScaleFactors factors = {1, 1})
{
    RecordingCanvas canvas;
    DrawPrintedReport(canvas, source, factors);
    return canvas;
}

RecordingCanvas Previewed(const ReportSource& source)
{
    RecordingCanvas canvas;
    DrawPreviewReport(canvas, source);
    return canvas;
}

struct Fonts {
    Font print;
    Font preview;
};
const Fonts kBody{{"Arial", 40, false}, {"Arial", 16, false}};
const Fonts kBold{{"Arial", 40, true}, {"Arial", 16, true}};
const Fonts kTitleFont{{"Arial", 50, true}, {"Arial", 20, true}};

struct Expected {
    std::string text;
    Point print;   // x is the right edge for right-placed texts
    Point preview;
    Align align;
    Fonts fonts;
};

std::string Dots(int count)
{
    std::string dots = ".";
    for (int i = 1; i < count; ++i)
        dots += "  .";
    return dots;
}

// Positions as laid out for the two surfaces; texts as the known project makes them.
const Expected kExpectedTexts[] = {
    // Letterhead (our own texts) and the title.
    {std::string(kLogoWord), {460, 52}, {180, 6}, Align::Left, {{"Arial", 180, true}, {"Arial", 65, true}}},
    {"R", {424, 78}, {153, 17}, Align::Left, {{"Arial", 25, true}, {"Arial", 5, false, FontHeightUnit::Points}}},
    {std::string(kCompanyLine), {642, 65}, {242, 12}, Align::Left, {{"Arial", 35, true}, {"Arial", 14, true}}},
    {std::string(kContactLines[0]), {1420, 60}, {550, 8}, Align::Left, {{"Arial", 44, false}, {"Arial", 20, false}}},
    {std::string(kContactLines[4]), {1420, 240}, {550, 78}, Align::Left, {{"Arial", 44, false}, {"Arial", 20, false}}},
    {"ЗЕЛТАР 2.0 : ПРОТОКОЛ РАСЧЕТА ТЕПЛОПРИТОКОВ В ХОЛОДИЛЬНУЮ КАМЕРУ", {270, 315}, {130, 102}, Align::Left, kTitleFont},
    {"Город", {70, 380}, {25, 123}, Align::Left, kBody},
    {"Абакан", {730, 380}, {289, 123}, Align::Right, kBody},
    {"Относительная влажность, %", {70, 530}, {25, 183}, Align::Left, kBody},
    {"51", {730, 530}, {289, 183}, Align::Right, kBody},
    {"Объем камеры, куб.м", {820, 540}, {325, 187}, Align::Left, kBody},
    {"324", {1370, 540}, {545, 187}, Align::Right, kBody},
    {"хранение мороженых грузов", {2270, 380}, {905, 123}, Align::Right, kBody},
    {"Время работы оборуд., ч/сут", {1470, 500}, {585, 171}, Align::Left, kBody},
    {"18", {2270, 500}, {905, 171}, Align::Right, kBody},
    {"Резерв холодопроизвод.,  %", {1470, 540}, {585, 187}, Align::Left, kBody},
    {"Материал теплоизоляционной", {1110, 610}, {441, 209}, Align::Left, kBody},
    {"  наружн.,С", {1815, 650}, {723, 225}, Align::Left, kBody},
    {"кирпич силикатный сплошной", {390, 790}, {153, 281}, Align::Left, kBody},
    {"250", {1040, 790}, {413, 281}, Align::Right, kBody},
    {"300", {1040, 910}, {413, 329}, Align::Right, kBody},
    {"-2", {1955, 910}, {779, 329}, Align::Right, kBody},
    {"0,39", {2210, 910}, {881, 329}, Align::Right, kBody},
    {"ИТОГО : Теплопритоки через строительную и теплоизоляционную конструкцию стен, потолка и пола :", {70, 980},
     {25, 357}, Align::Left, kBold},
    {"Q1 = 1,99 кВт", {2270, 980}, {905, 357}, Align::Right, kBold},
    {" Ориентация по", {440, 1060}, {173, 393}, Align::Left, kBody},
    {"Ю", {560, 1160}, {221, 433}, Align::Left, kBody},
    {"нет", {960, 1240}, {381, 465}, Align::Left, kBody},
    {"17,7", {1920, 1320}, {765, 497}, Align::Right, kBody},
    {"0,08", {2210, 1320}, {881, 497}, Align::Right, kBody},
    {"ИТОГО : Теплопритоки от солнечной радиации через конструкцию стен и потолка :", {70, 1430}, {25, 541},
     Align::Left, kBold},
    {"Q12 = 0,15 кВт", {2270, 1430}, {905, 541}, Align::Right, kBold},
    {"ИТОГО : Теплоприток от вентиляции (кратность воздухообмена = 2) :", {70, 1480}, {25, 561}, Align::Left, kBold},
    {"Q3 = 0,59 кВт", {2270, 1480}, {905, 561}, Align::Right, kBold},
    {"ХАРАКТЕРИСТИКИ ГРУЗА :", {70, 1560}, {25, 593}, Align::Left, kBody},
    {"-10 / -20", {1750, 1610}, {700, 613}, Align::Right, kBody},
    {"88,2 / 70,56", {1750, 1660}, {700, 633}, Align::Right, kBody},
    {"Продукт / Тара (0 % массы груза):", {70, 1710}, {25, 653}, Align::Left, kBody},
    {"говядина тощая / без тары", {1750, 1710}, {700, 653}, Align::Right, kBody},
    {"10 %   =  7,05 т/сут", {1750, 1760}, {700, 673}, Align::Right, kBody},
    {"Q21 = 0,6 кВт", {1750, 1810}, {700, 693}, Align::Right, kBody},
    {"Q22 = 0 кВт", {2040, 1810}, {813, 693}, Align::Right, kBody},
    {"ИТОГО : Теплоприток от термообработки груза :", {70, 1860}, {25, 713}, Align::Left, kBold},
    {"Q2 = 0,6 кВт", {2270, 1860}, {905, 713}, Align::Right, kBold},
    {"ИТОГО : Теплоприток от \"дыхания\" продукта :", {70, 1910}, {25, 733}, Align::Left, kBold},
    {"Q5 = 0 кВт", {2270, 1910}, {905, 733}, Align::Right, kBold},
    {"ЭКСПЛУАТАЦИОННЫЕ ТЕПЛОПРИТОКИ :", {70, 1990}, {25, 765}, Align::Left, kBody},
    {"От открывания дверей (дверь - ручная, защитное устройство - отсутствует)", {70, 2040}, {25, 785}, Align::Left, kBody},
    {"2 / 1,8", {1750, 2090}, {700, 805}, Align::Right, kBody},
    {"q1 = 0,37 кВт", {2040, 2140}, {813, 825}, Align::Right, kBody},
    {"От освещения (удельная мощность - 5 Вт/кв.м / время работы - 8 ч/сут.)", {70, 2190}, {25, 845}, Align::Left, kBody},
    {"q2 = 0,12 кВт", {2040, 2240}, {813, 865}, Align::Right, kBody},
    {"От персонала (количество работающих - 2)", {70, 2290}, {25, 885}, Align::Left, kBody},
    {"q3 = 0,09 кВт", {2040, 2340}, {813, 905}, Align::Right, kBody},
    {"От подъемно-транспортных средств (мощность - 0 кВт / время работы - 0 ч/сут.)", {70, 2390}, {25, 925},
     Align::Left, kBody},
    {"q4 = 0 кВт", {2040, 2440}, {813, 945}, Align::Right, kBody},
    {"q5 = 0,38 кВт", {2040, 2490}, {813, 965}, Align::Right, kBody},
    {"Дополнительный потребитель №1 (мощность - 1,5 кВт / время работы - 4 ч/сут.)", {70, 2590}, {25, 1005},
     Align::Left, kBody},
    {"Дополнительный потребитель №2 (мощность - 0 кВт / время работы - 0 ч/сут.)", {70, 2640}, {25, 1025},
     Align::Left, kBody},
    {"q6 = 0,25 кВт", {2040, 2690}, {813, 1045}, Align::Right, kBody},
    {"Q4 = 1,21 кВт", {2270, 2740}, {905, 1065}, Align::Right, kBold},
    {"Q сум. = 4,54 кВт", {2270, 2815}, {905, 1095}, Align::Right, kBold},
    {"РАСЧЕТНАЯ ХОЛОДОПРОИЗВОДИТЕЛЬНОСТЬ ОБОРУДОВАНИЯ :", {70, 2890}, {25, 1125}, Align::Left, kBold},
    {"Q об. = 6,66 кВт", {2270, 2890}, {905, 1125}, Align::Right, kBold},
    {"КЛИЕНТ :", {70, 2970}, {25, 1169}, Align::Left, kBody},
    {"  Хладокомбинат", {370, 2970}, {145, 1169}, Align::Left, kBody},
    {"ОБЪЕКТ :", {70, 3050}, {25, 1201}, Align::Left, kBody},
    {"Склад №3", {370, 3050}, {145, 1201}, Align::Left, kBody},
    {"ИСПОЛНИТЕЛЬ :", {70, 3130}, {25, 1233}, Align::Left, kBody},
    {"01.02.2027", {370, 3210}, {145, 1265}, Align::Left, kBody},
    {"ПРОЕКТ :", {70, 3290}, {25, 1297}, Align::Left, kBody},
    {"Абакан-склад", {370, 3290}, {145, 1297}, Align::Left, kBody},
};

void ExpectTextAt(const RecordingCanvas& canvas, const Expected& expected, Point at, const Font& font)
{
    SCOPED_TRACE(expected.text);
    const std::vector<Drawn> found = canvas.textsEqualTo(expected.text);
    ASSERT_EQ(found.size(), 1u);
    const Drawn& drawn = found.front();
    EXPECT_EQ(drawn.font, font);
    const int left = expected.align == Align::Left ? at.x : at.x - RecordingCanvas::MeasuredWidth(expected.text, font);
    EXPECT_EQ(drawn.points.front(), (Point{left, at.y}));
}

// Guards a wrong position, font or text rule anywhere in the printed layout.
TEST(ReportLayout, PrintedTextsStandAtTheirPlacesInTheirFonts)
{
    const RecordingCanvas canvas = Printed(KnownProject());
    for (const Expected& expected : kExpectedTexts)
        ExpectTextAt(canvas, expected, expected.print, expected.fonts.print);
}

// Guards the preview's own coordinate set being mixed up with the printer's.
TEST(ReportLayout, PreviewTextsStandAtTheirPlacesInTheirFonts)
{
    const RecordingCanvas canvas = Previewed(KnownProject());
    for (const Expected& expected : kExpectedTexts)
        ExpectTextAt(canvas, expected, expected.preview, expected.fonts.preview);
}

// Guards an item dropped, doubled or reordered on one surface: both draw the same texts in the
// same order (only the dotted leader has its own length per surface).
TEST(ReportLayout, BothSurfacesDrawTheSameTextsInTheSameOrder)
{
    const std::vector<Drawn> printed = Printed(KnownProject()).texts();
    const std::vector<Drawn> previewed = Previewed(KnownProject()).texts();
    ASSERT_EQ(printed.size(), previewed.size());
    // 1 title, 28 site block, 14 + 42 enclosure table, 12 + 36 solar table, 3 x 2 totals,
    // 26 + 18 goods and operational lines, 10 header block, 9 letterhead.
    EXPECT_EQ(printed.size(), 202u);
    int differing = 0;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        if (printed[i].text != previewed[i].text) {
            ++differing;
            EXPECT_EQ(printed[i].text.substr(0, 4), ".  .") << "item " << i;
        }
    }
    EXPECT_EQ(differing, 1);
}

using Segment = std::tuple<int, int, int, int>;

std::multiset<Segment> Lines(const RecordingCanvas& canvas, int penWidth)
{
    std::multiset<Segment> lines;
    for (const Drawn& d : canvas.drawn()) {
        if (d.call != Call::Line)
            continue;
        EXPECT_EQ(d.pen.width, penWidth);
        EXPECT_EQ(d.pen.colour, kBlack);
        lines.insert({d.points[0].x, d.points[0].y, d.points[1].x, d.points[1].y});
    }
    return lines;
}

std::multiset<Segment> ExpectedLines(int frameLeft, int frameRight, std::initializer_list<int> fullRules, int tableLeft,
                                     int tableRight, std::initializer_list<int> enclosureRules,
                                     std::initializer_list<int> enclosureColumns, std::initializer_list<int> solarRules,
                                     std::initializer_list<int> solarColumns)
{
    std::multiset<Segment> lines;
    for (int y : fullRules)
        lines.insert({frameLeft, y, frameRight, y});
    for (int y : enclosureRules)
        lines.insert({tableLeft, y, tableRight, y});
    for (int x : enclosureColumns)
        lines.insert({x, *enclosureRules.begin(), x, *(enclosureRules.end() - 1)});
    for (int y : solarRules)
        lines.insert({tableLeft, y, tableRight, y});
    for (int x : solarColumns)
        lines.insert({x, *solarRules.begin(), x, *(solarRules.end() - 1)});
    return lines;
}

// Guards a grid line at a wrong place or with a wrong pen: title rules, both tables, header rule.
TEST(ReportLayout, RulesAndGridLinesOfBothSurfaces)
{
    EXPECT_EQ(Lines(Printed(KnownProject()), 3),
              ExpectedLines(20, 2320, {310, 370, 2940}, 70, 2270, {600, 700, 960},
                            {70, 370, 885, 1090, 1620, 1810, 2040, 2270}, {1050, 1150, 1410},
                            {70, 370, 770, 1170, 1760, 2040, 2270}));
    EXPECT_EQ(Lines(Previewed(KnownProject()), 1),
              ExpectedLines(5, 925, {100, 121, 1157}, 25, 905, {205, 245, 349}, {25, 145, 350, 433, 645, 721, 813, 905},
                            {389, 429, 533}, {25, 145, 305, 465, 701, 813, 905}));
}

// Guards the surface step: the page starts with its white-filled frame, the preview with a white
// image and then a black frame outline.
TEST(ReportLayout, SurfaceAndFrameComeFirst)
{
    const std::vector<Drawn> printed = Printed(KnownProject()).drawn();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed[0].call, Call::Rectangle);
    EXPECT_EQ(printed[0].points, (std::vector<Point>{{20, 50}, {2320, 3350}}));
    EXPECT_EQ(printed[0].pen, (Pen{3, kBlack}));
    EXPECT_EQ(printed[0].brush, Brush{kWhite});

    const std::vector<Drawn> previewed = Previewed(KnownProject()).drawn();
    ASSERT_GE(previewed.size(), 2u);
    EXPECT_EQ(previewed[0].call, Call::Rectangle);
    EXPECT_EQ(previewed[0].points, (std::vector<Point>{{0, 0}, {950, 1330}}));
    EXPECT_EQ(previewed[0].pen.colour, kWhite);
    EXPECT_EQ(previewed[0].brush, Brush{kWhite});
    EXPECT_EQ(previewed[1].call, Call::Polyline);
    EXPECT_EQ(previewed[1].points, (std::vector<Point>{{5, 5}, {925, 5}, {925, 1325}, {5, 1325}, {5, 5}}));
    EXPECT_EQ(previewed[1].pen, (Pen{1, kBlack}));
}

// Guards the letterhead's drawn parts: the dotted leader, the circle of the "R" sign, and the logo
// mark filled black inside its box, with the brush white again afterwards.
TEST(ReportLayout, LetterheadLeaderCircleAndLogoMark)
{
    struct Case {
        RecordingCanvas canvas;
        Point leader;
        std::string dots;
        std::vector<Point> circle;
        int circlePen;
        Point markFrom, markTo;
    };
    const Case cases[] = {
        {Printed(KnownProject()), {40, 240}, Dots(40), {{415, 74}, {448, 107}}, 2, {40, 72}, {406, 198}},
        {Previewed(KnownProject()), {25, 78}, Dots(34), {{150, 15}, {161, 26}}, 1, {25, 15}, {147, 56}},
    };
    for (const Case& c : cases) {
        const std::vector<Drawn> leader = c.canvas.textsEqualTo(c.dots);
        ASSERT_EQ(leader.size(), 1u);
        EXPECT_EQ(leader[0].points.front(), c.leader);
        int ellipses = 0;
        int polygons = 0;
        for (const Drawn& d : c.canvas.drawn()) {
            if (d.call == Call::Ellipse) {
                ++ellipses;
                EXPECT_EQ(d.points, c.circle);
                EXPECT_EQ(d.pen.width, c.circlePen);
            }
            if (d.call != Call::Polygon)
                continue;
            ++polygons;
            EXPECT_EQ(d.brush, Brush{kBlack});
            EXPECT_EQ(d.pen.width, 1);
            for (Point p : d.points) {
                EXPECT_TRUE(p.x >= c.markFrom.x && p.x <= c.markTo.x && p.y >= c.markFrom.y && p.y <= c.markTo.y)
                    << p.x << "," << p.y;
            }
        }
        EXPECT_EQ(ellipses, 1);
        EXPECT_GE(polygons, 1);
        EXPECT_EQ(c.canvas.brush(), Brush{kWhite});
    }
}

// Guards the resolution factors: x by the horizontal one; y, font heights and pen widths by the
// vertical one, right placement measured in the scaled font; the logo mark's pen stays one dot.
TEST(ReportLayout, PrinterFactorsScaleTheLayout)
{
    const RecordingCanvas canvas = Printed(KnownProject(), {2, 4});
    const Drawn& frame = canvas.drawn().front();
    EXPECT_EQ(frame.points, (std::vector<Point>{{40, 200}, {4640, 13400}}));
    EXPECT_EQ(frame.pen.width, 12);

    const std::vector<Drawn> volume = canvas.textsEqualTo("324");
    ASSERT_EQ(volume.size(), 1u);
    EXPECT_EQ(volume[0].font.height, 160);
    EXPECT_EQ(volume[0].points.front(), (Point{1370 * 2 - 3 * 80, 540 * 4}));

    const std::vector<Drawn> title =
        canvas.textsEqualTo("ЗЕЛТАР 2.0 : ПРОТОКОЛ РАСЧЕТА ТЕПЛОПРИТОКОВ В ХОЛОДИЛЬНУЮ КАМЕРУ");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].font.height, 200);
    EXPECT_EQ(title[0].points.front(), (Point{540, 1260}));

    for (const Drawn& d : canvas.drawn()) {
        if (d.call == Call::Ellipse) {
            EXPECT_EQ(d.pen.width, 8);
        }
        if (d.call == Call::Polygon) {
            EXPECT_EQ(d.pen.width, 1);
        }
    }

    // 600 x 600 dpi: the frame from (40, 100) to (4640, 6700) dots, the body font 80 dots high.
    const RecordingCanvas even = Printed(KnownProject(), {2, 2});
    EXPECT_EQ(even.drawn().front().points, (std::vector<Point>{{40, 100}, {4640, 6700}}));
    const std::vector<Drawn> city = even.textsEqualTo("Город");
    ASSERT_EQ(city.size(), 1u);
    EXPECT_EQ(city[0].font.height, 80);
}

} // namespace
} // namespace zeltar::report::testing
