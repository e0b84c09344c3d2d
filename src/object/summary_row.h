// One row of the object summary: a room project file loaded through the window's own load routine
// and recalculated, with the figures the summary shows (texts cut as the window cuts them, without
// display blanks, and the full values the sums are taken over), or the reason it could not be
// loaded.
#pragma once

#include "calc/result_listing.h"

namespace zeltar {
class FormModel;
}

#include "fields/control.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::object {

// The summary's columns, in their order.
// clang-format off
enum class SummaryColumn : int {
    Number, RoomName, RoomType, RoomTemperature, RoomArea, RoomVolume,
    Q1, Q12, Q2, Q3, Q4, Q5, TotalHeatGain, RunningHours, EquipmentCapacity,
    Count
};
// clang-format on
inline constexpr int kSummaryColumnCount = static_cast<int>(SummaryColumn::Count);

struct SummaryColumnInfo {
    std::string_view caption;       // table header: "№", "Камера", ..., "Q сум.", "Q об."
    std::string_view unit;          // "°C", "м²", "кВт", "ч/сут"; "" for the texts
    std::string_view key;           // machine name for csv/json: "RoomTemperature", "SummaryQ1", ...
    bool number;                    // right-aligned figure
    std::optional<Control> control; // the window's field the column shows (the number and name are the object's)
};
// Indexed by SummaryColumn.
extern const std::array<SummaryColumnInfo, kSummaryColumnCount> kSummaryColumns;

// Temperature level of a room.
enum class Level { Medium, Low };
inline constexpr std::string_view kMediumLevelName = "среднетемпературные";
inline constexpr std::string_view kLowLevelName = "низкотемпературные";
std::string_view LevelName(Level level);

// Full values of a loaded room, in the window's units (°C, m², m³, kW, h/day).
struct RoomValues {
    double roomTemperatureCelsius = 0;
    double roomAreaSquareMetres = 0;
    double roomVolumeCubicMetres = 0;
    double q1Kw = 0, q12Kw = 0, q2Kw = 0, q3Kw = 0, q4Kw = 0, q5Kw = 0;
    double totalHeatGainKw = 0;
    double runningHoursPerDay = 0;
    double equipmentCapacityKw = 0;
};

struct SummaryRow {
    int number = 0;            // 1-based place in the object
    std::string listedPath;    // the path as the object lists it (relative to its folder) or given
    std::string path;          // absolute path loaded (UTF-8)
    std::string roomName;      // display name, else the file name without folder and extension
    bool leavesFolder = false; // the file lies outside the object's folder (allowed, shown)
    int sameFileAs = 0;        // number of an earlier row listing the same file, 0 when none

    bool loaded = false;
    std::string error;                     // why the room could not be loaded (Russian, names the file)
    std::vector<std::string> loadMessages; // anything else the load reported (loaded rows)

    // Texts per column as the table shows them (no display blanks). A failed row has its number
    // and name and empty figures.
    std::array<std::string, kSummaryColumnCount> texts;
    RoomValues values;           // loaded rows only
    Level level = Level::Medium; // loaded rows only
    // Every result of the room as `zeltar-cli calc` lists it (display texts), loaded rows only.
    std::vector<calc::ListingLine> results;

    const std::string& text(SummaryColumn column) const { return texts[static_cast<int>(column)]; }
};

// The file name without folder and extension: "камеры/Камера 1.zlt" -> "Камера 1".
std::string RoomNameFromPath(std::string_view path);

// The names of the listing of a form model's results (ResultListingOf), in its order.
const std::vector<std::string>& ResultListingNames();
// A field's text without the display blanks before it and any padding after it.
std::string WithoutDisplayBlanks(std::string_view text);

// Loads the room file at the absolute `path` into a fresh form model exactly as the window's load
// command does, recalculates and fills the row. Never throws for a bad file: the row says why.
// `listedPath` and `displayName` are as the object holds them; the level is taken against
// `levelBoundaryCelsius`.
SummaryRow LoadSummaryRow(int number, const std::string& path, const std::string& listedPath,
                          const std::string& displayName, double levelBoundaryCelsius);

// The level of a room temperature against the boundary (at or above: medium).
Level LevelOf(double roomTemperatureCelsius, double levelBoundaryCelsius);

} // namespace zeltar::object
