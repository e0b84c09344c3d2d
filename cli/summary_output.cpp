#include "summary_output.h"

#include "fields/number_text.h"
#include "fields/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zeltar::cli {

namespace {

using object::kSummaryColumnCount;
using object::kSummaryColumns;
using object::LevelTotals;
using object::ObjectSummary;
using object::SummaryColumn;
using object::SummaryRow;

constexpr std::string_view kColumnGap = "  ";

// What a row shows besides its figures: why it failed, and where its file lies.
std::string RowNote(const SummaryRow& row)
{
    const std::string place = object::RowPlaceNote(row);
    if (row.loaded)
        return PrintableText(place);
    return PrintableText("не загружена: " + row.error + (place.empty() ? "" : "; " + place));
}

// A row's cells with names and paths as the text and CSV outputs may print them.
std::array<std::string, kSummaryColumnCount> PrintableCells(const SummaryRow& row)
{
    std::array<std::string, kSummaryColumnCount> cells;
    for (int c = 0; c < kSummaryColumnCount; ++c)
        cells[c] = PrintableText(row.texts[c]);
    return cells;
}

std::string LevelNumbers(const ObjectSummary& s)
{
    return "Граница уровней " + fields::FormatGeneral(s.options.levelBoundaryCelsius) +
           " °C, коэффициент одновременности " + object::SimultaneityFactorText(s.options.simultaneityFactor);
}

// --- text -----------------------------------------------------------------------------------

void Pad(std::string& line, const std::string& text, std::size_t width, bool right)
{
    const std::size_t length = fields::CharacterCount(text);
    const std::string blanks(width > length ? width - length : 0, ' ');
    line += right ? blanks + text : text + blanks;
}

std::string TotalsLine(const LevelTotals& t)
{
    std::string line = t.name + ": камер " + std::to_string(t.rooms);
    if (t.excluded > 0)
        line += " (не учтено " + std::to_string(t.excluded) + ")";
    return line + "; Q сум. " + t.totalHeatGainText + " кВт; Q об. " + t.equipmentCapacityText +
           " кВт; холодопроизводительность установки " + t.plantCapacityText + " кВт\n";
}

std::string Text(const ObjectSummary& s)
{
    std::vector<std::array<std::string, kSummaryColumnCount>> table;
    std::array<std::string, kSummaryColumnCount> header;
    for (int c = 0; c < kSummaryColumnCount; ++c) {
        const object::SummaryColumnInfo& info = kSummaryColumns[c];
        header[c] = std::string(info.caption) + (info.unit.empty() ? "" : ", " + std::string(info.unit));
    }
    table.push_back(header);
    for (const SummaryRow& row : s.rows)
        table.push_back(PrintableCells(row));
    std::array<std::size_t, kSummaryColumnCount> widths{};
    for (const auto& line : table) {
        for (int c = 0; c < kSummaryColumnCount; ++c)
            widths[c] = std::max(widths[c], fields::CharacterCount(line[c]));
    }
    std::string out;
    if (!s.objectName.empty())
        out += "Объект: " + PrintableText(s.objectName) + "\n";
    out += LevelNumbers(s) + "\n\n";
    for (std::size_t r = 0; r < table.size(); ++r) {
        std::string line;
        for (int c = 0; c < kSummaryColumnCount; ++c) {
            if (c > 0)
                line += kColumnGap;
            Pad(line, table[r][c], widths[c], kSummaryColumns[c].number);
        }
        if (r > 0) {
            const std::string note = RowNote(s.rows[r - 1]);
            if (!note.empty())
                line += std::string(kColumnGap) + note;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + "\n";
    }
    out += "\n";
    for (const LevelTotals& level : s.levels)
        out += TotalsLine(level);
    return out + TotalsLine(s.total);
}

// --- csv ------------------------------------------------------------------------------------

std::string Csv(const ObjectSummary& s)
{
    std::vector<std::string> header{"file"};
    for (const auto& info : kSummaryColumns)
        header.emplace_back(info.key);
    header.insert(header.end(), {"Level", "Note"});
    std::string out = CsvLine(header);
    for (const SummaryRow& row : s.rows) {
        std::vector<std::string> fields{PrintableText(row.listedPath)};
        const auto cells = PrintableCells(row);
        fields.insert(fields.end(), cells.begin(), cells.end());
        fields.emplace_back(row.loaded ? object::LevelName(row.level) : "");
        fields.push_back(RowNote(row));
        out += CsvLine(fields);
    }
    out += kCsvLineEnd;
    out += CsvLine({"level", "rooms", "excluded", "TotalHeatGain", "EquipmentCapacity", "PlantCapacity"});
    const auto totals = [&out](const LevelTotals& t) {
        out += CsvLine({t.name, std::to_string(t.rooms), std::to_string(t.excluded), t.totalHeatGainText,
                        t.equipmentCapacityText, t.plantCapacityText});
    };
    for (const LevelTotals& level : s.levels)
        totals(level);
    totals(s.total);
    return out;
}

// --- json -----------------------------------------------------------------------------------

std::string JsonNumber(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "null";
}

std::string JsonRow(const SummaryRow& row)
{
    const std::string level = row.loaded ? JsonString(object::LevelName(row.level)) : "null";
    return JsonFileObject(row.listedPath, row.loaded ? &row.results : nullptr, row.error,
                          ", \"name\": " + JsonString(row.roomName) + ", \"level\": " + level);
}

std::string JsonLevel(const LevelTotals& t)
{
    return "{\"name\": " + JsonString(t.name) + ", \"rooms\": " + std::to_string(t.rooms) +
           ", \"excluded\": " + std::to_string(t.excluded) + ", \"TotalHeatGain\": " + JsonString(t.totalHeatGainText) +
           ", \"EquipmentCapacity\": " + JsonString(t.equipmentCapacityText) +
           ", \"PlantCapacity\": " + JsonString(t.plantCapacityText) + "}";
}

std::string Json(const ObjectSummary& s)
{
    std::string out = "{\"object\": " + JsonString(s.objectName) +
                      ",\n \"boundary\": " + JsonNumber(s.options.levelBoundaryCelsius) +
                      ",\n \"factor\": " + JsonNumber(s.options.simultaneityFactor) + ",\n \"rooms\": [";
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        out += (i == 0 ? "\n  " : ",\n  ") + JsonRow(s.rows[i]);
    out += s.rows.empty() ? "],\n \"levels\": [" : "\n ],\n \"levels\": [";
    for (std::size_t i = 0; i < s.levels.size(); ++i)
        out += (i == 0 ? "\n  " : ",\n  ") + JsonLevel(s.levels[i]);
    return out + "\n ],\n \"total\": " + JsonLevel(s.total) + "}\n";
}

} // namespace

std::string SummaryOutput(const ObjectSummary& summary, OutputFormat format)
{
    switch (format) {
    case OutputFormat::Csv: return Csv(summary);
    case OutputFormat::Json: return Json(summary);
    case OutputFormat::Text: break;
    }
    return Text(summary);
}

} // namespace zeltar::cli
