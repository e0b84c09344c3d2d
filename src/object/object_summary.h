// The summary of an object: its rows, and for each temperature level and for the whole object the
// sums of the total heat gains and of the equipment capacities and the plant capacity (the latter
// sum × the simultaneity factor). Sums are taken over the full values and then cut to two
// decimals as the window cuts its results. Rooms that could not be loaded are left out of the sums;
// they have no temperature and so no level, and the object total counts them as excluded.
#pragma once

#include "object/object_file.h"
#include "object/summary_row.h"

#include <array>
#include <string>
#include <vector>

namespace zeltar::object {

inline constexpr std::string_view kObjectTotalName = "итого по объекту";

struct LevelTotals {
    std::string name;               // kMediumLevelName, kLowLevelName or kObjectTotalName
    int rooms = 0;                  // rooms counted in the sums
    int excluded = 0;               // rooms left out because they could not be loaded
    double totalHeatGainKw = 0;     // sum of Q сум., full
    double equipmentCapacityKw = 0; // sum of Q об., full
    double plantCapacityKw = 0;     // equipmentCapacityKw × simultaneity factor, full
    std::string totalHeatGainText;  // the three cut to two decimals, no display blanks ("12,34")
    std::string equipmentCapacityText;
    std::string plantCapacityText;
};

struct ObjectSummary {
    std::string objectName;
    ObjectOptions options;
    std::vector<SummaryRow> rows;
    std::array<LevelTotals, 2> levels; // [0] medium, [1] low: index by static_cast<int>(Level)
    LevelTotals total;

    const LevelTotals& level(Level l) const { return levels[static_cast<int>(l)]; }
};

// A figure as the summary shows it: cut to two decimals, decimal comma, no display blanks.
std::string SummaryFigureText(double value);
// The simultaneity factor with two decimals, as it is entered and printed: "1,00", "0,85".
std::string SimultaneityFactorText(double factor);
// Where a row's file lies when that needs saying: outside the object's folder, or the same file
// as an earlier row; the parts joined by "; ", empty when neither holds.
std::string RowPlaceNote(const SummaryRow& row);

// Levels and totals of rows already loaded (the rows' levels are set again against the options'
// boundary, so that changing the boundary needs no reload).
ObjectSummary Summarize(std::string objectName, const ObjectOptions& options, std::vector<SummaryRow> rows);
// Marks rows listing a file an earlier row lists already (same file after following links).
void MarkRepeatedFiles(std::vector<SummaryRow>& rows);

// Loads every room of a document whose room paths are absolute (as ReadObjectFile gives them),
// `objectFolder` deciding which rows lie outside, and summarises.
ObjectSummary SummarizeObject(const ObjectDocument& document, const std::string& objectFolder);
// The summary of loose room files (the command line without an object file): paths as given,
// relative ones against the working folder; no row lies outside.
ObjectSummary SummarizeFiles(const std::vector<std::string>& paths, const ObjectOptions& options);

} // namespace zeltar::object
