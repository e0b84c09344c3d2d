#include "report/report_layout.h"

#include "report/letterhead_tables.h"
#include "report/report_flow.h"
#include "report/report_page.h"
#include "report/report_tables.h"

#include "app/form_lists.h"
#include "fields/utf8.h"

#include <array>
#include <string>
#include <vector>

namespace zeltar::report {

namespace {

// The preview image is filled white; on paper the frame itself is filled white.
void ClearSurface(ReportPage& page)
{
    page.setBrush(kWhite);
    if (page.surface() == Surface::Preview) {
        page.setDevicePen(1, kWhite);
        page.rectangle(kPreviewImage);
    }
    page.setPen(kRulePenWidth.on(page.surface()));
}

// The frame round the whole report.
void DrawFrame(ReportPage& page)
{
    const Box& frame = kFrame.on(page.surface());
    if (page.surface() == Surface::Print) {
        page.rectangle(frame);
        return;
    }
    const std::array<Point, 5> outline{{frame.topLeft,
                                        {frame.bottomRight.x, frame.topLeft.y},
                                        frame.bottomRight,
                                        {frame.topLeft.x, frame.bottomRight.y},
                                        frame.topLeft}};
    page.polyline(outline);
}

// The title between two full-width rules.
void DrawTitleBand(ReportPage& page)
{
    const Surface surface = page.surface();
    page.rule(kTitleRuleAbove.on(surface));
    page.setFont(FontUse::Title);
    page.text(kTitleAt.on(surface), kTitle);
    page.rule(kTitleRuleBelow.on(surface));
}

// Site and room, three columns of labels and values.
void DrawSiteBlock(ReportPage& page, const ReportSource& source)
{
    page.setFont(FontUse::Body);
    for (const SiteColumn& column : kSiteColumns) {
        const ColumnPlace& place = column.place.on(page.surface());
        for (std::size_t k = 0; k < column.rowCount; ++k) {
            const int y = place.firstRowY + static_cast<int>(k) * place.rowStep;
            page.text({place.labelX, y}, Resolve(column.rows[k].label, source));
            page.text({place.valueX, y}, Resolve(column.rows[k].value, source), Align::Right);
        }
    }
}

// An own material's name (marked as the lists mark it, and up to 60 characters long) cut with «…»
// to the room its cell has before the next column's line. The built-in names stand as they are.
std::string FittedToCell(const ReportPage& page, std::string text, int room)
{
    if (!text.starts_with(kOwnMaterialMark) || page.textWidth(text) <= room)
        return text;
    std::u32string characters = fields::Characters(text);
    while (!characters.empty()) {
        characters.pop_back();
        std::string cut = fields::ToUtf8(characters) + "…";
        if (page.textWidth(cut) <= room)
            return cut;
    }
    return {};
}

// Grid, two header lines per column, and one row per enclosure element.
template <std::size_t Columns>
void DrawTable(ReportPage& page, const ReportSource& source, const GridPlace<Columns>& grid,
               const std::array<TableColumn, Columns>& columns)
{
    for (int y : grid.rulesY)
        page.rule({grid.left, grid.right, y});
    for (int x : grid.linesX)
        page.line({x, grid.rulesY.front()}, {x, grid.rulesY.back()});

    page.setFont(FontUse::Body);
    const Surface surface = page.surface();
    for (const TableColumn& column : columns) {
        page.text({column.headerX.on(surface), grid.headerY[0]}, column.header1);
        page.text({column.headerX.on(surface), grid.headerY[1]}, column.header2);
    }
    for (std::size_t row = 0; row < kTableRows; ++row) {
        const int y = grid.firstRowY + static_cast<int>(row) * grid.rowStep;
        for (std::size_t i = 0; i < Columns; ++i) {
            const TableColumn& column = columns[i];
            const int x = column.cellX.on(surface);
            std::string text = Resolve(column.cells[row], source);
            if (column.cellAlign == Align::Left)
                text = FittedToCell(page, std::move(text), grid.linesX[i + 1] - x - page.textWidth(" "));
            page.text({x, y}, text, column.cellAlign);
        }
    }
}

void DrawTotal(ReportPage& page, const ReportSource& source, const TotalLine& total)
{
    page.setFont(FontUse::Total);
    page.text(total.labelAt.on(page.surface()), Resolve(total.label, source));
    page.text(total.valueRightAt.on(page.surface()), Resolve(total.value, source), Align::Right);
    page.setFont(FontUse::Body);
}

// Goods and operational gains, one line each.
void DrawReportLines(ReportPage& page, const ReportSource& source)
{
    const Surface surface = page.surface();
    for (const ReportLine& line : kReportLines) {
        const int y = line.y.on(surface);
        page.setFont(line.font);
        page.text({kLineLabelX.on(surface), y}, Resolve(line.label, source));
        for (std::size_t i = 0; i < line.valueCount; ++i) {
            const LineValue& value = line.values[i];
            const int x = kValueColumnX[static_cast<std::size_t>(value.column)].on(surface);
            page.text({x, y}, Resolve(value.text, source), Align::Right);
        }
    }
}

// The extension lines, each at its place; a label too wide for its line gives way to its shorter form.
void DrawExtensionLines(ReportPage& page, const std::vector<ExtensionLine>& lines, const VerticalFlow& flow)
{
    const Surface surface = page.surface();
    page.setFont(FontUse::Body);
    page.setFlow(nullptr); // the flow gives the lines' places directly
    const int labelX = kLineLabelX.on(surface);
    const int valueRightX = kValueColumnX[static_cast<std::size_t>(ValueColumn::Sub)].on(surface);
    const int lineRightX = kValueColumnX[static_cast<std::size_t>(ValueColumn::Total)].on(surface);
    std::array<int, 3> placed{};
    for (const ExtensionLine& line : lines) {
        int& k = placed[static_cast<std::size_t>(line.place)];
        const int y = flow.lineY(line.place, k++);
        const int room = (line.value.empty() ? lineRightX : valueRightX - page.textWidth(line.value + "  ")) - labelX;
        std::string label = line.labels.empty() ? std::string() : line.labels.back();
        for (const std::string& candidate : line.labels) {
            if (page.textWidth(candidate) <= room) {
                label = candidate;
                break;
            }
        }
        page.text({labelX, y}, label);
        if (!line.value.empty())
            page.text({valueRightX, y}, line.value, Align::Right);
    }
    page.setFlow(&flow);
}

// The client's header fields, as typed.
void DrawHeaderBlock(ReportPage& page, const ReportSource& source)
{
    const Surface surface = page.surface();
    page.setFont(FontUse::Body);
    page.rule(kHeaderRule.on(surface));
    const ColumnPlace& place = kHeaderPlace.on(surface);
    for (std::size_t k = 0; k < kHeaderLines.size(); ++k) {
        const int y = place.firstRowY + static_cast<int>(k) * place.rowStep;
        page.text({place.labelX, y}, kHeaderLines[k].label);
        page.text({place.valueX, y}, source.text(kHeaderLines[k].control));
    }
}

std::string DottedLeader(int dots)
{
    std::string leader;
    for (int i = 0; i < dots; ++i)
        leader += i == 0 ? "." : "  .";
    return leader;
}

// A point of the logo mark, given in thousandths of the mark's box.
Point InLogoBox(const Box& box, Point point)
{
    const int width = box.bottomRight.x - box.topLeft.x;
    const int height = box.bottomRight.y - box.topLeft.y;
    return {box.topLeft.x + point.x * width / kLogoMarkScale, box.topLeft.y + point.y * height / kLogoMarkScale};
}

// The maker's letterhead above the title.
void DrawLetterhead(ReportPage& page)
{
    const Surface surface = page.surface();
    page.setFont(FontUse::LogoWord);
    page.text(kLogoWordAt.on(surface), kLogoWord);

    page.setPen(kRegisteredCirclePenWidth.on(surface));
    page.ellipse(kRegisteredCircle.on(surface));
    page.setFont(FontUse::RegisteredSign);
    page.text(kRegisteredLetterAt.on(surface), kRegisteredLetter);

    page.setFont(FontUse::CompanyLine);
    page.text(kCompanyLineAt.on(surface), kCompanyLine);

    // The lines stand closer than their font's cell is high (on the preview): opaque cells would cut
    // the descenders and commas of each line above. Nothing lies under them but the white page.
    page.setFont(FontUse::ContactLines);
    for (std::size_t k = 0; k < kContactLines.size(); ++k)
        page.transparentText({kContactLinesX.on(surface), kContactLinesY[k].on(surface)}, kContactLines[k]);

    page.setFont(FontUse::DottedLeader);
    page.text(kDottedLeaderAt.on(surface), DottedLeader(kDottedLeaderDots.on(surface)));

    page.setDevicePen(kLogoMarkPenWidth);
    page.setBrush(kBlack);
    const Box& box = kLogoMarkBox.on(surface);
    for (const LogoBar& bar : kLogoMarkBars) {
        std::array<Point, 4> corners{};
        for (std::size_t i = 0; i < bar.size(); ++i)
            corners[i] = InLogoBox(box, bar[i]);
        page.polygon(corners);
    }
    page.setBrush(kWhite);
}

// One straight pass over the steps.
void DrawReport(ReportPage& page, const ReportSource& source)
{
    ClearSurface(page);
    DrawFrame(page);
    const std::vector<ExtensionLine> extensionLines = source.extensionLines();
    const VerticalFlow flow = extensionLines.empty() ? VerticalFlow() : VerticalFlow(page.surface(), extensionLines);
    page.setFlow(&flow);
    DrawTitleBand(page);
    DrawSiteBlock(page, source);
    DrawTable(page, source, kEnclosureGrid.on(page.surface()), kEnclosureColumns);
    DrawTotal(page, source, kEnclosureTotal);
    DrawTable(page, source, kSolarGrid.on(page.surface()), kSolarColumns);
    DrawTotal(page, source, kSolarTotal);
    DrawTotal(page, source, kVentilationTotal);
    DrawReportLines(page, source);
    DrawExtensionLines(page, extensionLines, flow);
    DrawHeaderBlock(page, source);
    DrawLetterhead(page);
}

} // namespace

void DrawPrintedReport(Canvas& canvas, const ReportSource& source, ScaleFactors factors)
{
    ReportPage page(canvas, Surface::Print, factors);
    DrawReport(page, source);
}

void DrawPreviewReport(Canvas& canvas, const ReportSource& source)
{
    ReportPage page(canvas, Surface::Preview, {});
    DrawReport(page, source);
}

} // namespace zeltar::report
