// The report's lines for the extensions a project uses: their texts from the inputs, and their
// places on both surfaces (under the gain each changes, the page still inside its frame).
#include "known_project.h"
#include "recording_canvas.h"
#include "calc/recalculate.h"
#include "model/startup_state.h"
#include "app/form_lists.h"
#include "refdata/added_materials.h"
#include "refdata/room_types.h"
#include "report/extension_lines.h"
#include "report/report_fonts.h"
#include "report/report_layout.h"
#include "report/report_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zeltar::report::testing {
namespace {

// A freezer 8 × 6 × 3 m: wall А a panel U = 0,22; wall Б 100 mm PUR with an XPS layer of 50 mm and
// an own layer of 40 mm; the floor on ground with a PIR layer of 80 mm; staff 12 h of their own;
// 2 coolers of 6 kW defrosted 4 times a day for 30 min (0,3 kW).
ProjectState FreezerWithExtensions()
{
    ProjectState s = StartupState("01.01.2025");
    s.roomLength = 8;
    s.roomWidth = 6;
    s.roomHeight = 3;
    s.roomTemperature = -20;
    s.ownMaterials = {{"пеноизол", 0.05, 1}};
    s.rows[WallA].uValue = 0.22;
    s.rows[WallB].structureThickness = 0;
    s.rows[WallB].insulationMaterial = 6; // PUR 0,035
    s.rows[WallB].insulationThickness = 100;
    s.rows[WallB].extraLayerMaterial1 = 1; // XPS 0,034
    s.rows[WallB].extraLayerThickness1 = 50;
    s.rows[WallB].extraLayerMaterial2 = static_cast<int>(refdata::kExtraLayerMaterials.size());
    s.rows[WallB].extraLayerThickness2 = 40;
    s.floorType = refdata::kFloorOnGround;
    s.rows[Floor].uValue = 0.3;              // no say on the ground
    s.rows[Floor].extraLayerThickness1 = 80; // PIR 0,022
    s.staffOwnHours = 1;
    s.staffHours = 12;
    s.defrostHeaterPower = 6;
    s.defrostCoolerCount = 2;
    s.defrostsPerDay = 4;
    s.defrostDuration = 30;
    return s;
}

std::vector<std::string> FirstLabels(const std::vector<ExtensionLine>& lines)
{
    std::vector<std::string> labels;
    for (const ExtensionLine& line : lines)
        labels.push_back(line.labels.front() + (line.value.empty() ? "" : " | " + line.value));
    return labels;
}

// The exact texts (the lead documents them): R of wall Б's layers 50/34 + 40/50 = 2,27 m²·K/W,
// k = 1 / (1/23 + 100/35 + 2,2706 + 1/10) = 1 / 5,2712 = 0,1897 (shown 0,190); the floor's PIR
// 80/22 = 3,64.
TEST(ExtensionReportLines, TextsOfAFreezerUsingEveryLine)
{
    const ProjectState s = FreezerWithExtensions();
    const std::vector<ExtensionLine> lines = ExtensionReportLines(s, calc::Recalculate(s).values);
    EXPECT_EQ(FirstLabels(lines),
              (std::vector<std::string>{
                  "Стена А: k = 0,22 Вт/(м²·К) задан (панель)",
                  "Стена Б: доп. слои: пенополистирол XPS 50 мм; пеноизол 40 мм "
                  "(R = 2,27 м²·К/Вт), k = 0,190 Вт/(м²·К)",
                  "Пол: доп. слои: пенополиизоцианурат (PIR) 80 мм (R = 3,64 м²·К/Вт, к слоям пола)",
                  "Время работы персонала - 12 ч/сут. (своё, не время освещения)",
                  "От оттайки воздухоохладителей (2 шт. по 6 кВт, 4 раз/сут. по 30 мин, в камеру - 0,3) : | "
                  "q7 = 0,3 кВт",
              }));
    EXPECT_EQ(lines[1].labels.at(1),
              "Стена Б: доп. слои: 50 мм (λ = 0,034); 40 мм (λ = 0,05) "
              "(R = 2,27 м²·К/Вт), k = 0,190 Вт/(м²·К)");
    EXPECT_EQ(lines[0].place, ExtensionPlace::UnderEnclosureTotal);
    EXPECT_EQ(lines[3].place, ExtensionPlace::UnderStaff);
    EXPECT_EQ(lines[4].place, ExtensionPlace::AboveOperationalTotal);

    EXPECT_TRUE(ExtensionReportLines(StartupState("01.01.2025"), {}).empty());
}

// The most lines a project can have: one per enclosure row, the staff's hours and the defrost.
FakeSource KnownProjectWithEveryLine()
{
    FakeSource source = KnownProject();
    for (int row = 0; row < kRowCount; ++row)
        source.extensions.push_back({ExtensionPlace::UnderEnclosureTotal, {"ROW " + std::to_string(row)}, {}});
    source.extensions.push_back({ExtensionPlace::UnderStaff, {"STAFF"}, {}});
    source.extensions.push_back({ExtensionPlace::AboveOperationalTotal, {"DEFROST"}, "q7 = 0,3 кВт"});
    return source;
}

// Top of the one text drawn as `text` (-1 and a failure when it is not drawn exactly once).
int TopOf(const RecordingCanvas& canvas, const std::string& text)
{
    const std::vector<Drawn> found = canvas.textsEqualTo(text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.size() == 1 ? found.front().points.front().y : -1;
}

// Guards the places on both surfaces: each line right under the line it belongs to and above the
// next one, no two texts of the left column closer than a body line, and the header block still
// inside the frame (the page pressed together below the ventilation total).
TEST(ExtensionReportLines, StandUnderTheirGainsAndThePageKeepsItsFrame)
{
    const FakeSource source = KnownProjectWithEveryLine();
    for (const bool print : {true, false}) {
        RecordingCanvas canvas;
        if (print)
            DrawPrintedReport(canvas, source, {1, 1});
        else
            DrawPreviewReport(canvas, source);
        const Surface surface = print ? Surface::Print : Surface::Preview;
        const int cell = ReportFont(FontUse::Body, surface).height;
        SCOPED_TRACE(print ? "printed" : "preview");

        const int q1 = TopOf(
            canvas, "ИТОГО : Теплопритоки через строительную и теплоизоляционную конструкцию стен, потолка и пола :");
        EXPECT_GT(TopOf(canvas, "ROW 0"), q1);
        for (int row = 1; row < kRowCount; ++row)
            EXPECT_GE(TopOf(canvas, "ROW " + std::to_string(row)) - TopOf(canvas, "ROW " + std::to_string(row - 1)),
                      cell);
        EXPECT_GE(TopOf(canvas, "Освещенность") - TopOf(canvas, "ROW 5"), cell); // the solar table's header below
        EXPECT_GT(TopOf(canvas, "STAFF"), TopOf(canvas, "От персонала (количество работающих - 2)"));
        EXPECT_LT(TopOf(canvas, "STAFF"), TopOf(canvas, "Теплоприток от персонала :"));
        EXPECT_GT(TopOf(canvas, "DEFROST"), TopOf(canvas, "Теплоприток от дополнительных электропотребителей  :"));
        EXPECT_LT(TopOf(canvas, "DEFROST"), TopOf(canvas, "ИТОГО : эксплуатационные теплопритоки  :"));
        EXPECT_EQ(TopOf(canvas, "q7 = 0,3 кВт"), TopOf(canvas, "DEFROST"));

        std::vector<int> leftColumn;
        for (const Drawn& d : canvas.texts())
            if (d.points.front().x == kLineLabelX.on(surface) && d.font.height == cell)
                leftColumn.push_back(d.points.front().y);
        std::sort(leftColumn.begin(), leftColumn.end());
        for (std::size_t i = 1; i < leftColumn.size(); ++i)
            EXPECT_GE(leftColumn[i] - leftColumn[i - 1], cell * 95 / 100) << "at " << leftColumn[i];
        const int frameBottom = kFrame.on(surface).bottomRight.y;
        EXPECT_LE(TopOf(canvas, "ПРОЕКТ :") + cell, frameBottom);
        bool frameKept = false; // the frame itself stays
        for (const Drawn& d : canvas.drawn())
            if (d.call == (print ? Call::Rectangle : Call::Polyline))
                for (Point p : d.points)
                    frameKept = frameKept || p.y == frameBottom;
        EXPECT_TRUE(frameKept);
    }
}

// A label too wide for its line gives way to its shorter form.
TEST(ExtensionReportLines, ALabelTooWideTakesItsShorterForm)
{
    FakeSource source = KnownProject();
    source.extensions.push_back({ExtensionPlace::UnderEnclosureTotal, {std::string(300, 'W'), "SHORT"}, {}});
    RecordingCanvas canvas;
    DrawPrintedReport(canvas, source, {1, 1});
    EXPECT_TRUE(canvas.textsEqualTo(std::string(300, 'W')).empty());
    EXPECT_EQ(canvas.textsEqualTo("SHORT").size(), 1u);
}

// An own material's long name is cut with «…» before the next column's line on both surfaces; a
// built-in name stands whole (the spacing of the fixed table is the method's).
TEST(ExtensionReportLines, AnOwnMaterialsLongNameStaysInItsColumn)
{
    FakeSource source = KnownProject();
    const std::string own = std::string(kOwnMaterialMark) + "панель с минераловатным сердечником «Север-150»";
    source.texts[Control::InsulationMaterialA] = own;
    for (const bool print : {true, false}) {
        RecordingCanvas canvas;
        if (print)
            DrawPrintedReport(canvas, source, {1, 1});
        else
            DrawPreviewReport(canvas, source);
        const Surface surface = print ? Surface::Print : Surface::Preview;
        const auto& grid = kEnclosureGrid.on(surface);
        bool found = false;
        for (const Drawn& d : canvas.texts()) {
            if (!d.text.starts_with(kOwnMaterialMark))
                continue;
            found = true;
            EXPECT_TRUE(d.text.ends_with("…")) << d.text;
            EXPECT_LT(d.points.front().x + RecordingCanvas::MeasuredWidth(d.text, d.font), grid.linesX[4]) << d.text;
        }
        EXPECT_TRUE(found);
        EXPECT_FALSE(canvas.textsEqualTo("пенополиуретан").empty()); // the other rows whole
    }
}

} // namespace
} // namespace zeltar::report::testing
