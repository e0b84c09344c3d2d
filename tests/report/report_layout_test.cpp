// The report layout on a recording canvas: every position, font and text against the layout as
// published for both surfaces (printer page in 1/300 inch, preview image in pixels).
#include "known_project.h"
#include "recording_canvas.h"
#include "report/report_layout.h"
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

struct Expected {
    const char* text;
    Point print;   // x is the right edge for right-placed texts
    Point preview;
    Align align;
    int printHeight;
    int previewHeight;
    bool bold;
};

// Positions as laid out for the two surfaces; texts as the known project makes them.
const Expected kExpectedTexts[] = {
    {"ЗЕЛТАР 2.0 : ПРОТОКОЛ РАСЧЕТА ТЕПЛОПРИТОКОВ В ХОЛОДИЛЬНУЮ КАМЕРУ", {270, 315}, {130, 102}, Align::Left, 50, 20, true},
    {"Город", {70, 380}, {25, 123}, Align::Left, 40, 16, false},
    {"Абакан", {730, 380}, {289, 123}, Align::Right, 40, 16, false},
    {"Относительная влажность, %", {70, 530}, {25, 183}, Align::Left, 40, 16, false},
    {"51", {730, 530}, {289, 183}, Align::Right, 40, 16, false},
    {"Объем камеры, куб.м", {820, 540}, {325, 187}, Align::Left, 40, 16, false},
    {"324", {1370, 540}, {545, 187}, Align::Right, 40, 16, false},
    {"хранение мороженых грузов", {2270, 380}, {905, 123}, Align::Right, 40, 16, false},
    {"Время работы оборуд., ч/сут", {1470, 500}, {585, 171}, Align::Left, 40, 16, false},
    {"18", {2270, 500}, {905, 171}, Align::Right, 40, 16, false},
    {"Резерв холодопроизвод.,  %", {1470, 540}, {585, 187}, Align::Left, 40, 16, false},
    {"Материал теплоизоляционной", {1110, 610}, {441, 209}, Align::Left, 40, 16, false},
    {"  наружн.,С", {1815, 650}, {723, 225}, Align::Left, 40, 16, false},
    {"кирпич силикатный сплошной", {390, 790}, {153, 281}, Align::Left, 40, 16, false},
    {"250", {1040, 790}, {413, 281}, Align::Right, 40, 16, false},
    {"300", {1040, 910}, {413, 329}, Align::Right, 40, 16, false},
    {"-2", {1955, 910}, {779, 329}, Align::Right, 40, 16, false},
    {"0,39", {2210, 910}, {881, 329}, Align::Right, 40, 16, false},
    {"ИТОГО : Теплопритоки через строительную и теплоизоляционную конструкцию стен, потолка и пола :", {70, 980},
     {25, 357}, Align::Left, 40, 16, true},
    {"Q1 = 1,99 кВт", {2270, 980}, {905, 357}, Align::Right, 40, 16, true},
    {" Ориентация по", {440, 1060}, {173, 393}, Align::Left, 40, 16, false},
    {"Ю", {560, 1160}, {221, 433}, Align::Left, 40, 16, false},
    {"нет", {960, 1240}, {381, 465}, Align::Left, 40, 16, false},
    {"17,7", {1920, 1320}, {765, 497}, Align::Right, 40, 16, false},
    {"0,08", {2210, 1320}, {881, 497}, Align::Right, 40, 16, false},
    {"ИТОГО : Теплопритоки от солнечной радиации через конструкцию стен и потолка :", {70, 1430}, {25, 541},
     Align::Left, 40, 16, true},
    {"Q12 = 0,15 кВт", {2270, 1420}, {905, 541}, Align::Right, 40, 16, true},
    {"ИТОГО : Теплоприток от вентиляции (кратность воздухообмена = 2) :", {70, 1480}, {25, 561}, Align::Left, 40, 16,
     true},
    {"Q3 = 0,59 кВт", {2270, 1470}, {905, 561}, Align::Right, 40, 16, true},
    {"ХАРАКТЕРИСТИКИ ГРУЗА :", {70, 1560}, {25, 593}, Align::Left, 40, 16, false},
    {"-10 / -20", {1750, 1610}, {700, 613}, Align::Right, 40, 16, false},
    {"88,2 / 70,56", {1750, 1660}, {700, 633}, Align::Right, 40, 16, false},
    {"Продукт / Тара (0 % массы груза):", {70, 1710}, {25, 653}, Align::Left, 40, 16, false},
    {"говядина тощая / без тары", {1750, 1710}, {700, 653}, Align::Right, 40, 16, false},
    {"10 %   =  7,05 т/сут", {1750, 1760}, {700, 673}, Align::Right, 40, 16, false},
    {"Q21 = 0,6 кВт", {1750, 1810}, {700, 693}, Align::Right, 40, 16, false},
    {"Q22 = 0 кВт", {2040, 1810}, {813, 693}, Align::Right, 40, 16, false},
    {"ИТОГО : Теплоприток от термообработки груза :", {70, 1860}, {25, 713}, Align::Left, 40, 16, true},
    {"Q2 = 0,6 кВт", {2270, 1860}, {905, 713}, Align::Right, 40, 16, true},
    {"ИТОГО : Теплоприток от \"дыхания\" продукта :", {70, 1910}, {25, 733}, Align::Left, 40, 16, true},
    {"Q5 = 0 кВт", {2270, 1910}, {905, 733}, Align::Right, 40, 16, true},
    {"ЭКСПЛУАТАЦИОННЫЕ ТЕПЛОПРИТОКИ :", {70, 1990}, {25, 765}, Align::Left, 40, 16, false},
    {"От открывания дверей (дверь - ручная, защитное устройство - отсутствует)", {70, 2040}, {25, 785}, Align::Left,
     40, 16, false},
    {"2 / 1,8", {1750, 2090}, {700, 805}, Align::Right, 40, 16, false},
    {"q1 = 0,37 кВт", {2040, 2140}, {813, 825}, Align::Right, 40, 16, false},
    {"От освещения (удельная мощность - 5 Вт/кв.м / время работы - 8 ч/сут.)", {70, 2190}, {25, 845}, Align::Left,
     40, 16, false},
    {"q2 = 0,12 кВт", {2040, 2240}, {813, 865}, Align::Right, 40, 16, false},
    {"От персонала (количество работающих - 2)", {70, 2290}, {25, 885}, Align::Left, 40, 16, false},
    {"q3 = 0,09 кВт", {2040, 2340}, {813, 905}, Align::Right, 40, 16, false},
    {"От подъемно-транспортных средств (мощность - 0 кВт / время работы - 0 ч/сут.)", {70, 2390}, {25, 925},
     Align::Left, 40, 16, false},
    {"q4 = 0 кВт", {2040, 2440}, {813, 945}, Align::Right, 40, 16, false},
    {"q5 = 0,38 кВт", {2040, 2490}, {813, 965}, Align::Right, 40, 16, false},
    {"Дополнительный потребитель №1 (мощность - 1,5 кВт / время работы - 4 ч/сут.)", {70, 2590}, {25, 1005},
     Align::Left, 40, 16, false},
    {"Дополнительный потребитель №2 (мощность - 0 кВт / время работы - 0 ч/сут.)", {70, 2640}, {25, 1025},
     Align::Left, 40, 16, false},
    {"q6 = 0,25 кВт", {2040, 2690}, {813, 1045}, Align::Right, 40, 16, false},
    {"Q4 = 1,21 кВт", {2270, 2740}, {905, 1065}, Align::Right, 40, 16, true},
    {"Q сум. = 4,54 кВт", {2270, 2815}, {905, 1095}, Align::Right, 40, 16, true},
    {"РАСЧЕТНАЯ ХОЛОДОПРОИЗВОДИТЕЛЬНОСТЬ ОБОРУДОВАНИЯ :", {70, 2890}, {25, 1125}, Align::Left, 40, 16, true},
    {"Q об. = 6,66 кВт", {2270, 2890}, {905, 1125}, Align::Right, 40, 16, true},
    {"КЛИЕНТ :", {70, 2970}, {25, 1169}, Align::Left, 40, 16, false},
    {"  Хладокомбинат", {370, 2970}, {145, 1169}, Align::Left, 40, 16, false},
    {"ОБЪЕКТ :", {70, 3050}, {25, 1201}, Align::Left, 40, 16, false},
    {"Склад №3", {370, 3050}, {145, 1201}, Align::Left, 40, 16, false},
    {"ИСПОЛНИТЕЛЬ :", {70, 3130}, {25, 1233}, Align::Left, 40, 16, false},
    {"01.02.2027", {370, 3210}, {145, 1265}, Align::Left, 40, 16, false},
    {"ПРОЕКТ :", {70, 3290}, {25, 1297}, Align::Left, 40, 16, false},
    {"Абакан-склад", {370, 3290}, {145, 1297}, Align::Left, 40, 16, false},
};

void ExpectTextAt(const RecordingCanvas& canvas, const Expected& expected, Point at, int height)
{
    SCOPED_TRACE(expected.text);
    const std::vector<Drawn> found = canvas.textsEqualTo(expected.text);
    ASSERT_EQ(found.size(), 1u);
    const Drawn& drawn = found.front();
    EXPECT_EQ(drawn.font.face, "Arial");
    EXPECT_EQ(drawn.font.height, height);
    EXPECT_EQ(drawn.font.bold, expected.bold);
    const int left = expected.align == Align::Left ? at.x : at.x - RecordingCanvas::MeasuredWidth(expected.text, drawn.font);
    EXPECT_EQ(drawn.points.front(), (Point{left, at.y}));
}

// Guards a wrong position, font or text rule anywhere in the printed layout.
TEST(ReportLayout, PrintedTextsStandAtTheirPlacesInTheirFonts)
{
    const RecordingCanvas canvas = Printed(KnownProject());
    for (const Expected& expected : kExpectedTexts)
        ExpectTextAt(canvas, expected, expected.print, expected.printHeight);
}

// Guards the preview's own coordinate set being mixed up with the printer's.
TEST(ReportLayout, PreviewTextsStandAtTheirPlacesInTheirFonts)
{
    const RecordingCanvas canvas = Previewed(KnownProject());
    for (const Expected& expected : kExpectedTexts)
        ExpectTextAt(canvas, expected, expected.preview, expected.previewHeight);
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

// Guards the letterhead: positions and fonts of its texts, the circled "R", and the logo mark
// filled black inside its box with the brush white again afterwards.
TEST(ReportLayout, LetterheadOnBothSurfaces)
{
    struct Case {
        RecordingCanvas canvas;
        Point logoWord;
        Font logoFont;
        std::vector<Point> circle;
        int circlePen;
        Point letter;
        Font letterFont;
        Point company;
        Font companyFont;
        int contactX;
        std::vector<int> contactY;
        Font contactFont;
        Point leader;
        int dots;
        Font leaderFont;
        Point markFrom, markTo;
    };
    const Case cases[] = {
        {Printed(KnownProject()), {460, 52}, {"Arial", 180, true}, {{415, 74}, {448, 107}}, 2, {424, 78},
         {"Arial", 25, true}, {642, 65}, {"Arial", 35, true}, 1420, {60, 105, 150, 195, 240}, {"Arial", 44, false},
         {40, 240}, 40, {"Arial", 44, false}, {40, 72}, {406, 198}},
        {Previewed(KnownProject()), {180, 6}, {"Arial", 65, true}, {{150, 15}, {161, 26}}, 1, {153, 17},
         {"Arial", 5, false, FontHeightUnit::Points}, {242, 12}, {"Arial", 14, true}, 550, {8, 25, 42, 59, 78},
         {"Arial", 20, false}, {25, 78}, 34, {"Arial", 20, true}, {25, 15}, {147, 56}},
    };
    for (const Case& c : cases) {
        const std::vector<Drawn>& drawn = c.canvas.drawn();
        const auto logo = std::find_if(drawn.begin(), drawn.end(), [&](const Drawn& d) {
            return d.call == Call::Text && d.points.front() == c.logoWord;
        });
        ASSERT_NE(logo, drawn.end());
        EXPECT_EQ(logo->font, c.logoFont);
        EXPECT_FALSE(logo->text.empty());

        const auto circle = std::find_if(logo, drawn.end(), [](const Drawn& d) { return d.call == Call::Ellipse; });
        ASSERT_NE(circle, drawn.end());
        EXPECT_EQ(circle->points, c.circle);
        EXPECT_EQ(circle->pen.width, c.circlePen);
        const auto letter = circle + 1;
        EXPECT_EQ(letter->text, "R");
        EXPECT_EQ(letter->points.front(), c.letter);
        EXPECT_EQ(letter->font, c.letterFont);

        const auto company = letter + 1;
        EXPECT_EQ(company->points.front(), c.company);
        EXPECT_EQ(company->font, c.companyFont);
        EXPECT_FALSE(company->text.empty());
        for (std::size_t k = 0; k < c.contactY.size(); ++k) {
            const Drawn& contact = *(company + 1 + static_cast<std::ptrdiff_t>(k));
            EXPECT_EQ(contact.points.front(), (Point{c.contactX, c.contactY[k]}));
            EXPECT_EQ(contact.font, c.contactFont);
            EXPECT_FALSE(contact.text.empty());
        }
        const Drawn& leader = *(company + 6);
        EXPECT_EQ(leader.points.front(), c.leader);
        EXPECT_EQ(leader.font, c.leaderFont);
        std::string dots = ".";
        for (int i = 1; i < c.dots; ++i)
            dots += "  .";
        EXPECT_EQ(leader.text, dots);

        int polygons = 0;
        for (auto it = company + 7; it != drawn.end(); ++it) {
            ASSERT_EQ(it->call, Call::Polygon);
            ++polygons;
            EXPECT_EQ(it->brush, Brush{kBlack});
            EXPECT_EQ(it->pen.width, 1);
            for (Point p : it->points) {
                EXPECT_GE(p.x, c.markFrom.x);
                EXPECT_LE(p.x, c.markTo.x);
                EXPECT_GE(p.y, c.markFrom.y);
                EXPECT_LE(p.y, c.markTo.y);
            }
        }
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

    const std::vector<Drawn> title = canvas.textsEqualTo(kExpectedTexts[0].text);
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
