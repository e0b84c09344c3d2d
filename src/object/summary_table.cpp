#include "object/summary_table.h"

namespace zeltar::object {

namespace {

constexpr std::size_t Column(SummaryColumn column)
{
    return static_cast<std::size_t>(column);
}

std::string SpreadsheetCell(const std::string& text)
{
    std::string cell = text;
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    const std::size_t first = cell.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

void AppendRow(std::string& out, const SummaryCells& cells)
{
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0)
            out += '\t';
        out += SpreadsheetCell(cells[k]);
    }
    out += "\r\n";
}

} // namespace

SummaryCells SummaryHeaders()
{
    SummaryCells headers;
    for (std::size_t k = 0; k < headers.size(); ++k) {
        headers[k] = kSummaryColumns[k].caption;
        if (!kSummaryColumns[k].unit.empty())
            headers[k] += ", " + std::string(kSummaryColumns[k].unit);
    }
    return headers;
}

SummaryCells LineCells(const SummaryReportTexts& texts, const SummaryLine& line)
{
    SummaryCells cells;
    switch (line.kind) {
    case SummaryLineKind::Room: return texts.rooms[line.index].cells;
    case SummaryLineKind::FailedRoom: {
        const SummaryRoomTexts& room = texts.rooms[line.index];
        cells[Column(SummaryColumn::Number)] = room.cells[Column(SummaryColumn::Number)];
        cells[Column(SummaryColumn::RoomName)] = room.cells[Column(SummaryColumn::RoomName)];
        cells[Column(SummaryColumn::RoomType)] = kNotLoadedRoomType;
        break;
    }
    case SummaryLineKind::FailureReason:
        cells[Column(SummaryColumn::RoomName)] = texts.rooms[line.index].failure;
        break;
    case SummaryLineKind::LevelSums:
    case SummaryLineKind::TotalSums: {
        const SummaryLevelTexts& level =
            line.kind == SummaryLineKind::LevelSums ? texts.levels[line.index] : texts.total;
        cells[Column(SummaryColumn::RoomName)] = LevelCaption(level);
        cells[Column(SummaryColumn::TotalHeatGain)] = level.totalHeatGain;
        cells[Column(SummaryColumn::EquipmentCapacity)] = level.equipmentCapacity;
        break;
    }
    case SummaryLineKind::LevelPlant:
    case SummaryLineKind::TotalPlant: {
        const SummaryLevelTexts& level =
            line.kind == SummaryLineKind::LevelPlant ? texts.levels[line.index] : texts.total;
        cells[Column(SummaryColumn::RoomName)] = PlantCaption(texts.factor);
        cells[Column(SummaryColumn::EquipmentCapacity)] = level.plantCapacity;
        break;
    }
    }
    return cells;
}

std::string SummaryTabSeparated(const SummaryReportTexts& texts)
{
    std::string out;
    AppendRow(out, SummaryHeaders());
    for (const SummaryLine& line : SummaryLines(texts)) {
        // A spreadsheet keeps a failed room's reason in its row, beside the room type.
        if (line.kind == SummaryLineKind::FailureReason)
            continue;
        SummaryCells cells = LineCells(texts, line);
        if (line.kind == SummaryLineKind::FailedRoom)
            cells[Column(SummaryColumn::RoomType)] += ": " + texts.rooms[line.index].failure;
        AppendRow(out, cells);
    }
    return out;
}

} // namespace zeltar::object
