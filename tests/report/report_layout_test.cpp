// The report layout on a recording canvas. Both surfaces (printer page in 1/300 inch, preview
// image in pixels) are checked against checked-in draw lists of a known project: every call with
// its points, text, font, pen and brush, so that any position, font, rule or text out of place
// shows as the first differing line. After a deliberate layout change, regenerate the lists with
// ZELTAR_UPDATE_DRAW_LISTS=1 and review their diff like code.
#include "known_project.h"
#include "recording_canvas.h"
#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zeltar::report::testing {
namespace {

const std::filesystem::path kDrawListDir = std::filesystem::path(ZELTAR_TEST_DATA_DIR) / "report-drawing";

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

const char* CallName(Call call)
{
    switch (call) {
    case Call::Text: return "text";
    case Call::Line: return "line";
    case Call::Polyline: return "polyline";
    case Call::Polygon: return "polygon";
    case Call::Rectangle: return "rectangle";
    case Call::Ellipse: return "ellipse";
    }
    return "?";
}

std::string ColourText(Colour c)
{
    return std::to_string(c.red) + "." + std::to_string(c.green) + "." + std::to_string(c.blue);
}

// One line a call: texts with their font and fill, figures with their pen and brush (numbers by
// std::to_string, the same under any locale).
std::string DrawList(const RecordingCanvas& canvas)
{
    std::ostringstream out;
    for (const Drawn& d : canvas.drawn()) {
        out << CallName(d.call);
        for (Point p : d.points)
            out << ' ' << std::to_string(p.x) << ',' << std::to_string(p.y);
        if (d.call == Call::Text) {
            out << " font " << d.font.face << ' ' << std::to_string(d.font.height)
                << (d.font.unit == FontHeightUnit::Points ? "pt" : "") << (d.font.bold ? " bold" : "")
                << (d.opaque ? " opaque" : " transparent") << " \"" << d.text << '"';
        } else {
            out << " pen " << std::to_string(d.pen.width) << ' ' << ColourText(d.pen.colour) << " brush "
                << ColourText(d.brush.colour);
        }
        out << '\n';
    }
    out << "brush at the end " << ColourText(canvas.brush().colour) << '\n';
    return out.str();
}

void ExpectDrawListAsCheckedIn(const RecordingCanvas& canvas, const std::string& fileName)
{
    const std::filesystem::path path = kDrawListDir / fileName;
    const std::string drawn = DrawList(canvas);
    if (std::getenv("ZELTAR_UPDATE_DRAW_LISTS") != nullptr) {
        std::filesystem::create_directories(kDrawListDir);
        std::ofstream(path, std::ios::binary) << drawn;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream expected;
    expected << in.rdbuf();
    std::istringstream expectedLines(expected.str());
    std::istringstream drawnLines(drawn);
    std::string want;
    std::string got;
    for (int line = 1;; ++line) {
        const bool haveWant = static_cast<bool>(std::getline(expectedLines, want));
        const bool haveGot = static_cast<bool>(std::getline(drawnLines, got));
        if (!haveWant && !haveGot)
            break;
        if (!haveWant)
            want = "(end of list)";
        if (!haveGot)
            got = "(end of list)";
        ASSERT_TRUE(want == got) << path.filename() << " line " << line << "\n  checked in: " << want
                                 << "\n  drawn now:  " << got;
    }
}

// Guards every position, font, pen, brush and text rule of the printed page: the frame first, the
// title rules, both tables' grids, the letterhead's leader, "R" circle and logo mark, the element
// cells with their outside/inside marks, the solar table's dashes on the floor row, the city name
// right-placed by its last letter (its padding trimmed).
TEST(ReportLayout, PrintedPageDrawsAsCheckedIn)
{
    ExpectDrawListAsCheckedIn(Printed(KnownProject()), "printed-page.txt");
}

// Guards the preview's own coordinate set and fonts being mixed up with the printer's.
TEST(ReportLayout, PreviewImageDrawsAsCheckedIn)
{
    ExpectDrawListAsCheckedIn(Previewed(KnownProject()), "preview-image.txt");
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
