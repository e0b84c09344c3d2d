#include "object/object_summary.h"

#include "fields/number_text.h"
#include "object/parallel_load.h"

#include <cmath>
#include <filesystem>
#include <map>

namespace zeltar::object {

namespace {

constexpr int kSummaryDecimals = 2;

LevelTotals Totals(std::string_view name, double factor, double totalHeatGainKw, double equipmentCapacityKw, int rooms,
                   int excluded)
{
    LevelTotals t;
    t.name = std::string(name);
    t.rooms = rooms;
    t.excluded = excluded;
    t.totalHeatGainKw = totalHeatGainKw;
    t.equipmentCapacityKw = equipmentCapacityKw;
    t.plantCapacityKw = equipmentCapacityKw * factor;
    t.totalHeatGainText = SummaryFigureText(t.totalHeatGainKw);
    t.equipmentCapacityText = SummaryFigureText(t.equipmentCapacityKw);
    t.plantCapacityText = SummaryFigureText(t.plantCapacityKw);
    return t;
}

// The file a path names after following links; the lexical path when it cannot be resolved.
std::string FileIdentity(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p(std::u8string(path.begin(), path.end()));
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(p, ec);
    const std::u8string bytes = (ec ? p.lexically_normal() : resolved).u8string();
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

std::string SummaryFigureText(double value)
{
    return fields::StripBlanks(fields::ResultText(value, kSummaryDecimals));
}

std::string SimultaneityFactorText(double factor)
{
    constexpr long kHundredths = 100;
    const long hundredths = std::lround(factor * kHundredths);
    const std::string decimals = std::to_string(hundredths % kHundredths);
    return std::to_string(hundredths / kHundredths) + "," + (decimals.size() < 2 ? "0" : "") + decimals;
}

std::string RowPlaceNote(const SummaryRow& row)
{
    std::string note;
    if (row.leavesFolder)
        note += "файл вне папки объекта: " + row.listedPath;
    if (row.sameFileAs > 0)
        note += (note.empty() ? "" : "; ") + std::string("тот же файл, что в строке ") + std::to_string(row.sameFileAs);
    return note;
}

ObjectSummary Summarize(std::string objectName, const ObjectOptions& options, std::vector<SummaryRow> rows)
{
    ObjectSummary summary;
    summary.objectName = std::move(objectName);
    summary.options = options;
    summary.rows = std::move(rows);

    std::array<double, 2> heatGain{}, capacity{};
    std::array<int, 2> counted{};
    int excluded = 0;
    for (SummaryRow& row : summary.rows) {
        if (!row.loaded) {
            ++excluded;
            continue;
        }
        row.level = LevelOf(row.values.roomTemperatureCelsius, options.levelBoundaryCelsius);
        const int l = static_cast<int>(row.level);
        heatGain[l] += row.values.totalHeatGainKw;
        capacity[l] += row.values.equipmentCapacityKw;
        ++counted[l];
    }
    const double factor = options.simultaneityFactor;
    for (Level level : {Level::Medium, Level::Low}) {
        const int l = static_cast<int>(level);
        summary.levels[l] = Totals(LevelName(level), factor, heatGain[l], capacity[l], counted[l], 0);
    }
    summary.total = Totals(kObjectTotalName, factor, heatGain[0] + heatGain[1], capacity[0] + capacity[1],
                           counted[0] + counted[1], excluded);
    return summary;
}

void MarkRepeatedFiles(std::vector<SummaryRow>& rows)
{
    std::map<std::string, int> firstRowOfFile;
    for (SummaryRow& row : rows) {
        const auto [at, inserted] = firstRowOfFile.try_emplace(FileIdentity(row.path), row.number);
        row.sameFileAs = inserted ? 0 : at->second;
    }
}

ObjectSummary SummarizeObject(const ObjectDocument& document, const std::string& objectFolder)
{
    std::vector<SummaryRow> rows(document.rooms.size());
    ForEachInParallel(rows.size(), [&](std::size_t i) {
        const ObjectRoom& room = document.rooms[i];
        rows[i] = LoadSummaryRow(static_cast<int>(i) + 1, room.path, RelativeRoomPath(objectFolder, room.path),
                                 room.displayName, document.options.levelBoundaryCelsius);
        rows[i].leavesFolder = LeavesFolder(objectFolder, room.path);
    });
    MarkRepeatedFiles(rows);
    return Summarize(document.name, document.options, std::move(rows));
}

ObjectSummary SummarizeFiles(const std::vector<std::string>& paths, const ObjectOptions& options)
{
    std::vector<SummaryRow> rows(paths.size());
    ForEachInParallel(rows.size(), [&](std::size_t i) {
        rows[i] = LoadSummaryRow(static_cast<int>(i) + 1, paths[i], paths[i], "", options.levelBoundaryCelsius);
    });
    MarkRepeatedFiles(rows);
    return Summarize("", options, std::move(rows));
}

} // namespace zeltar::object
