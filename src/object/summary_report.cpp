#include "object/summary_report.h"

#include "object/summary_report_tables.h"
#include "report/report_page.h"

#include <string_view>

namespace zeltar::object {

namespace {

using report::Align;
using report::FontUse;
using report::Point;
using report::ReportPage;

constexpr std::string_view kEllipsis = "…";

const SummaryColumnPlace& Place(SummaryColumn column)
{
    return kSummaryColumnPlaces[static_cast<std::size_t>(column)];
}

bool StartsBlock(SummaryLineKind kind)
{
    return kind == SummaryLineKind::LevelSums || kind == SummaryLineKind::TotalSums;
}

// Lines that must not be parted from the line after them by a page break.
bool StartsPair(SummaryLineKind kind)
{
    return StartsBlock(kind) || kind == SummaryLineKind::FailedRoom;
}

// Drops whole UTF-8 characters from the end (adding "…") until the text fits `dots` on the canvas.
std::string Fitted(report::Canvas& canvas, std::string text, int dots)
{
    if (canvas.textWidth(text) <= dots)
        return text;
    while (!text.empty()) {
        std::size_t cut = text.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        text.erase(cut);
        if (canvas.textWidth(std::string(text) + std::string(kEllipsis)) <= dots)
            return text + std::string(kEllipsis);
    }
    return text;
}

class SummaryPagePainter {
public:
    SummaryPagePainter(report::Canvas& canvas, const SummaryReportTexts& texts, report::ScaleFactors factors)
        : canvas_(canvas)
        , page_(canvas, report::Surface::Print, factors)
        , texts_(texts)
        , factors_(factors)
    {}

    void draw(const std::vector<SummaryLine>& lines, std::size_t pageNumber, std::size_t pageCount)
    {
        drawFrameAndTitle();
        drawInfoLine();
        drawHeader(lines.size());
        int top = kHeaderBottomY;
        for (const SummaryLine& line : lines) {
            drawLine(line, top);
            top += kRowStep;
        }
        pageFoot(pageNumber, pageCount);
    }

    void drawChart(std::size_t pageCount)
    {
        drawFrameAndTitle();
        drawInfoLine();
        const report::ChartArea area{{kTableLeft * factors_.horizontal, kTableTopY * factors_.vertical},
                                     (kTableRight - kTableLeft) * factors_.horizontal,
                                     (kPageNumberRightAt.y - kChartGap - kTableTopY) * factors_.vertical,
                                     kChartMaxLineHeight * factors_.vertical};
        report::DrawStackedLoads(canvas_, texts_.loadBars, area);
        pageFoot(pageCount, pageCount);
    }

private:
    void pageFoot(std::size_t pageNumber, std::size_t pageCount)
    {
        page_.setFont(FontUse::Body);
        page_.text(kPageNumberRightAt, "стр. " + std::to_string(pageNumber) + " из " + std::to_string(pageCount),
                   Align::Right);
    }

    void drawFrameAndTitle()
    {
        page_.setPen(kRulePen);
        page_.setBrush(report::kWhite);
        page_.rectangle({kFrameTopLeft, kFrameBottomRight});
        page_.setFont(FontUse::Title);
        page_.text(kSummaryTitleAt, kSummaryTitle);
        page_.rule({kFrameTopLeft.x, kFrameBottomRight.x, kTitleRuleY});
    }

    void drawInfoLine()
    {
        page_.setFont(FontUse::Body);
        cellText({kTableLeft, kInfoLineY}, "Объект: " + texts_.objectName, kInfoSettingsX - kTableLeft - kCellPadding,
                 Align::Left);
        page_.text({kInfoSettingsX, kInfoLineY},
                   "Граница уровней: " + texts_.boundary + " °C    Коэффициент одновременности: " + texts_.factor);
        page_.text({kTableRight, kInfoLineY}, "Дата: " + texts_.date, Align::Right);
    }

    void drawHeader(std::size_t rows)
    {
        const int bottom = kHeaderBottomY + static_cast<int>(rows) * kRowStep;
        page_.rule({kTableLeft, kTableRight, kTableTopY});
        page_.rule({kTableLeft, kTableRight, kHeaderBottomY});
        page_.rule({kTableLeft, kTableRight, bottom});
        for (const SummaryColumnPlace& column : kSummaryColumnPlaces)
            page_.line({column.left, kTableTopY}, {column.left, kHeaderBottomY});
        page_.line({kTableRight, kTableTopY}, {kTableRight, kHeaderBottomY});
        page_.setFont(FontUse::Body);
        for (const SummaryColumnPlace& column : kSummaryColumnPlaces) {
            cell(column, kHeaderLineY[0], std::string(column.header1));
            cell(column, kHeaderLineY[1], std::string(column.header2));
        }
    }

    void drawLine(const SummaryLine& line, int top)
    {
        if (StartsBlock(line.kind))
            page_.rule({kTableLeft, kTableRight, top});
        const bool total = line.kind == SummaryLineKind::TotalSums || line.kind == SummaryLineKind::TotalPlant;
        page_.setFont(total ? FontUse::Total : FontUse::Body);
        const int y = top + kRowTextOffset;
        switch (line.kind) {
        case SummaryLineKind::Room: {
            const SummaryRoomTexts& room = texts_.rooms[line.index];
            for (std::size_t k = 0; k < room.cells.size(); ++k)
                cell(kSummaryColumnPlaces[k], y, room.cells[k]);
            gridLines(top, {});
            break;
        }
        case SummaryLineKind::FailedRoom: {
            const SummaryRoomTexts& room = texts_.rooms[line.index];
            cell(Place(SummaryColumn::Number), y, room.cells[0]);
            cell(Place(SummaryColumn::RoomName), y, room.cells[1]);
            cell(Place(SummaryColumn::RoomType), y, std::string(kNotLoadedRoomType));
            gridLines(top, {});
            break;
        }
        case SummaryLineKind::FailureReason:
            spanText(SummaryColumn::RoomName, SummaryColumn::EquipmentCapacity, y, texts_.rooms[line.index].failure);
            gridLines(top, {Place(SummaryColumn::Number).left, Place(SummaryColumn::RoomName).left});
            break;
        case SummaryLineKind::LevelSums:
        case SummaryLineKind::TotalSums: {
            const SummaryLevelTexts& level = levelOf(line);
            spanText(SummaryColumn::Number, SummaryColumn::RunningHours, y, LevelCaption(level));
            cell(Place(SummaryColumn::TotalHeatGain), y, level.totalHeatGain);
            cell(Place(SummaryColumn::EquipmentCapacity), y, level.equipmentCapacity);
            levelGridLines(top);
            break;
        }
        case SummaryLineKind::LevelPlant:
        case SummaryLineKind::TotalPlant: {
            const SummaryLevelTexts& level = levelOf(line);
            spanText(SummaryColumn::Number, SummaryColumn::RunningHours, y, PlantCaption(texts_.factor));
            cell(Place(SummaryColumn::EquipmentCapacity), y, level.plantCapacity);
            levelGridLines(top);
            break;
        }
        }
    }

    const SummaryLevelTexts& levelOf(const SummaryLine& line) const
    {
        const bool ofLevel = line.kind == SummaryLineKind::LevelSums || line.kind == SummaryLineKind::LevelPlant;
        return ofLevel ? texts_.levels[line.index] : texts_.total;
    }

    // The vertical lines of one row: every column's left line (or only those given) and the right
    // edge.
    void gridLines(int top, std::vector<int> lefts)
    {
        if (lefts.empty())
            for (const SummaryColumnPlace& column : kSummaryColumnPlaces)
                lefts.push_back(column.left);
        lefts.push_back(kTableRight);
        for (int x : lefts)
            page_.line({x, top}, {x, top + kRowStep});
    }

    void levelGridLines(int top)
    {
        gridLines(top, {kTableLeft, Place(SummaryColumn::TotalHeatGain).left, Place(SummaryColumn::RunningHours).left,
                        Place(SummaryColumn::EquipmentCapacity).left});
    }

    void cell(const SummaryColumnPlace& column, int y, const std::string& text)
    {
        const int room = column.width - 2 * kCellPadding;
        if (column.rightAligned)
            cellText({column.left + column.width - kCellPadding, y}, text, room, Align::Right);
        else
            cellText({column.left + kCellPadding, y}, text, room, Align::Left);
    }

    void spanText(SummaryColumn first, SummaryColumn last, int y, const std::string& text)
    {
        const int left = Place(first).left;
        const int right = Place(last).left + Place(last).width;
        cellText({left + kCellPadding, y}, text, right - left - 2 * kCellPadding, Align::Left);
    }

    // A text cut to `width` layout units, in the current font.
    void cellText(Point at, const std::string& text, int width, Align align)
    {
        if (text.empty())
            return;
        page_.text(at, Fitted(canvas_, text, width * factors_.horizontal), align);
    }

    static constexpr int kRulePen = 3; // as the room report's frame and grid lines

    report::Canvas& canvas_;
    ReportPage page_;
    const SummaryReportTexts& texts_;
    report::ScaleFactors factors_;
};

} // namespace

std::vector<SummaryLine> SummaryLines(const SummaryReportTexts& texts)
{
    std::vector<SummaryLine> lines;
    for (std::size_t k = 0; k < texts.rooms.size(); ++k) {
        if (texts.rooms[k].failure.empty()) {
            lines.push_back({SummaryLineKind::Room, k});
            continue;
        }
        lines.push_back({SummaryLineKind::FailedRoom, k});
        lines.push_back({SummaryLineKind::FailureReason, k});
    }
    for (std::size_t k = 0; k < texts.levels.size(); ++k) {
        lines.push_back({SummaryLineKind::LevelSums, k});
        lines.push_back({SummaryLineKind::LevelPlant, k});
    }
    lines.push_back({SummaryLineKind::TotalSums, 0});
    lines.push_back({SummaryLineKind::TotalPlant, 0});
    return lines;
}

std::vector<std::vector<SummaryLine>> SummaryPages(const SummaryReportTexts& texts)
{
    std::vector<std::vector<SummaryLine>> pages(1);
    const std::vector<SummaryLine> lines = SummaryLines(texts);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::size_t needed = StartsPair(lines[k].kind) ? 2 : 1;
        if (pages.back().size() + needed > kRowsPerPage)
            pages.emplace_back();
        pages.back().push_back(lines[k]);
    }
    return pages;
}

void DrawSummaryPage(report::Canvas& canvas, const SummaryReportTexts& texts,
                     const std::vector<std::vector<SummaryLine>>& pages, std::size_t pageIndex,
                     report::ScaleFactors factors)
{
    SummaryPagePainter painter(canvas, texts, factors);
    painter.draw(pages.at(pageIndex), pageIndex + 1, SummaryPageCount(texts, pages));
}

std::size_t SummaryPageCount(const SummaryReportTexts& texts, const std::vector<std::vector<SummaryLine>>& pages)
{
    return pages.size() + (texts.loadBars.empty() ? 0 : 1);
}

void DrawSummaryChartPage(report::Canvas& canvas, const SummaryReportTexts& texts, std::size_t pageCount,
                          report::ScaleFactors factors)
{
    SummaryPagePainter painter(canvas, texts, factors);
    painter.drawChart(pageCount);
}

std::string LevelCaption(const SummaryLevelTexts& level)
{
    std::string caption = level.name + ": камер " + std::to_string(level.rooms);
    if (level.excluded > 0)
        caption += ", не учтено незагруженных " + std::to_string(level.excluded);
    return caption;
}

std::string PlantCaption(const std::string& factor)
{
    return "   холодопроизводительность установки, кВт (Q об. × " + factor + ")";
}

} // namespace zeltar::object
