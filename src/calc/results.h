// Every result of the recalculation pass, one row each: its name (the command-line listing prints
// it), the control that shows it, and how the form model writes its value there. Adding a result
// takes an entry in ResultField, its row here, the pass that computes it, and its place in the layout.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Data rows aligned by hand:
// clang-format off
namespace zeltar::calc {

// Every result the pass gives, in the order it gives them.
enum class ResultField : int {
    StructureMaterialTextA, StructureMaterialTextB, StructureMaterialTextC, StructureMaterialTextD,
    StructureMaterialTextCeiling,
    ProductEnthalpyDifference, PackagingEnthalpyDifference, RespirationHeat,
    RoomArea, RoomVolume,
    GrossCapacity, NetCapacity, PackagingShare, DailyTurnover,
    EnclosureHeatGainA, SolarTemperatureDifferenceA, SolarHeatGainA,
    EnclosureHeatGainB, SolarTemperatureDifferenceB, SolarHeatGainB,
    EnclosureHeatGainC, SolarTemperatureDifferenceC, SolarHeatGainC,
    EnclosureHeatGainD, SolarTemperatureDifferenceD, SolarHeatGainD,
    EnclosureHeatGainCeiling, SolarTemperatureDifferenceCeiling, SolarHeatGainCeiling,
    EnclosureHeatGainFloor,
    HeatGainQ1, HeatGainQ12, HeatGainQ3, HeatGainQ21, HeatGainQ22, HeatGainQ2, HeatGainQ5,
    VehiclePasses, DoorOpenTime, DoorHeatGain, LightingHeatGain, StaffHeatGain, VehicleHeatGain,
    ConsumerHeatGain, FanHeatGain, DefrostHeatGain, HeatGainQ4, TotalHeatGain, EquipmentCapacity,
    SummaryQ1, SummaryQ12, SummaryQ2, SummaryQ3, SummaryQ4, SummaryQ5,
    Count
};
inline constexpr int kResultFieldCount = static_cast<int>(ResultField::Count);

// How a result's value becomes the text of its field.
enum class ResultDisplay {
    Name,    // a name from a list, as it stands
    Plain,   // the number in its display form, all its digits
    Cut,     // the number cut (not rounded) to `decimals`, in its display form
    CutWide, // as Cut, one blank more in front (a wider field)
};

struct ResultRow {
    ResultField field;
    std::string_view name;
    Control control;
    int decimals; // for Cut and CutWide
    ResultDisplay display;
    bool extension = false; // a result of the own project file's extensions: listed only when used
};

namespace result_rows {
using F = ResultField;
using D = ResultDisplay;
inline constexpr std::array<ResultRow, kResultFieldCount> kRows{{
    {F::StructureMaterialTextA, "StructureMaterialTextA", Control::StructureMaterialTextA, 0, D::Name},
    {F::StructureMaterialTextB, "StructureMaterialTextB", Control::StructureMaterialTextB, 0, D::Name},
    {F::StructureMaterialTextC, "StructureMaterialTextC", Control::StructureMaterialTextC, 0, D::Name},
    {F::StructureMaterialTextD, "StructureMaterialTextD", Control::StructureMaterialTextD, 0, D::Name},
    {F::StructureMaterialTextCeiling, "StructureMaterialTextCeiling", Control::StructureMaterialTextCeiling, 0, D::Name},
    {F::ProductEnthalpyDifference, "ProductEnthalpyDifference", Control::ProductEnthalpyDifference, 0, D::Plain},
    {F::PackagingEnthalpyDifference, "PackagingEnthalpyDifference", Control::PackagingEnthalpyDifference, 0, D::Plain},
    {F::RespirationHeat, "RespirationHeat", Control::RespirationHeat, 0, D::Plain},
    {F::RoomArea, "RoomArea", Control::RoomArea, 2, D::Cut},
    {F::RoomVolume, "RoomVolume", Control::RoomVolume, 2, D::Cut},
    {F::GrossCapacity, "GrossCapacity", Control::GrossCapacity, 1, D::Cut},
    {F::NetCapacity, "NetCapacity", Control::NetCapacity, 1, D::Cut},
    {F::PackagingShare, "PackagingShare", Control::PackagingShare, 0, D::Plain},
    {F::DailyTurnover, "DailyTurnover", Control::DailyTurnover, 0, D::Plain},
    {F::EnclosureHeatGainA, "EnclosureHeatGainA", Control::EnclosureHeatGainA, 2, D::Cut},
    {F::SolarTemperatureDifferenceA, "SolarTemperatureDifferenceA", Control::SolarTemperatureDifferenceA, 1, D::Cut},
    {F::SolarHeatGainA, "SolarHeatGainA", Control::SolarHeatGainA, 2, D::Cut},
    {F::EnclosureHeatGainB, "EnclosureHeatGainB", Control::EnclosureHeatGainB, 2, D::Cut},
    {F::SolarTemperatureDifferenceB, "SolarTemperatureDifferenceB", Control::SolarTemperatureDifferenceB, 1, D::Cut},
    {F::SolarHeatGainB, "SolarHeatGainB", Control::SolarHeatGainB, 2, D::Cut},
    {F::EnclosureHeatGainC, "EnclosureHeatGainC", Control::EnclosureHeatGainC, 2, D::Cut},
    {F::SolarTemperatureDifferenceC, "SolarTemperatureDifferenceC", Control::SolarTemperatureDifferenceC, 1, D::Cut},
    {F::SolarHeatGainC, "SolarHeatGainC", Control::SolarHeatGainC, 2, D::Cut},
    {F::EnclosureHeatGainD, "EnclosureHeatGainD", Control::EnclosureHeatGainD, 2, D::Cut},
    {F::SolarTemperatureDifferenceD, "SolarTemperatureDifferenceD", Control::SolarTemperatureDifferenceD, 1, D::Cut},
    {F::SolarHeatGainD, "SolarHeatGainD", Control::SolarHeatGainD, 2, D::Cut},
    {F::EnclosureHeatGainCeiling, "EnclosureHeatGainCeiling", Control::EnclosureHeatGainCeiling, 2, D::Cut},
    {F::SolarTemperatureDifferenceCeiling, "SolarTemperatureDifferenceCeiling", Control::SolarTemperatureDifferenceCeiling, 1, D::Cut},
    {F::SolarHeatGainCeiling, "SolarHeatGainCeiling", Control::SolarHeatGainCeiling, 2, D::Cut},
    {F::EnclosureHeatGainFloor, "EnclosureHeatGainFloor", Control::EnclosureHeatGainFloor, 2, D::Cut},
    {F::HeatGainQ1, "HeatGainQ1", Control::HeatGainQ1, 2, D::Cut},
    {F::HeatGainQ12, "HeatGainQ12", Control::HeatGainQ12, 2, D::Cut},
    {F::HeatGainQ3, "HeatGainQ3", Control::HeatGainQ3, 2, D::Cut},
    {F::HeatGainQ21, "HeatGainQ21", Control::HeatGainQ21, 2, D::Cut},
    {F::HeatGainQ22, "HeatGainQ22", Control::HeatGainQ22, 2, D::Cut},
    {F::HeatGainQ2, "HeatGainQ2", Control::HeatGainQ2, 2, D::Cut},
    {F::HeatGainQ5, "HeatGainQ5", Control::HeatGainQ5, 2, D::Cut},
    {F::VehiclePasses, "VehiclePasses", Control::VehiclePasses, 0, D::Plain},
    {F::DoorOpenTime, "DoorOpenTime", Control::DoorOpenTime, 2, D::Cut},
    {F::DoorHeatGain, "DoorHeatGain", Control::DoorHeatGain, 2, D::CutWide},
    {F::LightingHeatGain, "LightingHeatGain", Control::LightingHeatGain, 2, D::Cut},
    {F::StaffHeatGain, "StaffHeatGain", Control::StaffHeatGain, 2, D::Cut},
    {F::VehicleHeatGain, "VehicleHeatGain", Control::VehicleHeatGain, 2, D::Cut},
    {F::ConsumerHeatGain, "ConsumerHeatGain", Control::ConsumerHeatGain, 2, D::Cut},
    {F::FanHeatGain, "FanHeatGain", Control::FanHeatGain, 2, D::Cut},
    {F::DefrostHeatGain, "DefrostHeatGain", Control::DefrostHeatGain, 2, D::Cut, true},
    {F::HeatGainQ4, "HeatGainQ4", Control::HeatGainQ4, 2, D::Cut},
    {F::TotalHeatGain, "TotalHeatGain", Control::TotalHeatGain, 2, D::Cut},
    {F::EquipmentCapacity, "EquipmentCapacity", Control::EquipmentCapacity, 2, D::Cut},
    {F::SummaryQ1, "SummaryQ1", Control::SummaryQ1, 2, D::Cut},
    {F::SummaryQ12, "SummaryQ12", Control::SummaryQ12, 2, D::Cut},
    {F::SummaryQ2, "SummaryQ2", Control::SummaryQ2, 2, D::Cut},
    {F::SummaryQ3, "SummaryQ3", Control::SummaryQ3, 2, D::Cut},
    {F::SummaryQ4, "SummaryQ4", Control::SummaryQ4, 2, D::Cut},
    {F::SummaryQ5, "SummaryQ5", Control::SummaryQ5, 2, D::Cut},
}};
} // namespace result_rows

inline constexpr const std::array<ResultRow, kResultFieldCount>& kResultRows = result_rows::kRows;

constexpr bool CoversEveryResultInOrder(const std::array<ResultRow, kResultFieldCount>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (static_cast<std::size_t>(rows[i].field) != i || rows[i].name.empty())
            return false;
    return true;
}
static_assert(CoversEveryResultInOrder(kResultRows), "one row per result, in the order of ResultField");

inline constexpr const ResultRow& RowOf(ResultField field) { return kResultRows[static_cast<std::size_t>(field)]; }
inline constexpr std::string_view ResultFieldName(ResultField field) { return RowOf(field).name; }

// A result of each enclosure row, in the row order A, B, C, D, ceiling, floor (nullopt where a row
// has none). The pass writes them row by row; the window's tab pages show them as columns.
using RowResults = std::array<std::optional<ResultField>, kRowCount>;
// The construction's name copied onto the solar tab.
inline constexpr RowResults kStructureMaterialTextResults{
    ResultField::StructureMaterialTextA, ResultField::StructureMaterialTextB, ResultField::StructureMaterialTextC,
    ResultField::StructureMaterialTextD, ResultField::StructureMaterialTextCeiling, std::nullopt};
inline constexpr RowResults kEnclosureHeatGainResults{
    ResultField::EnclosureHeatGainA, ResultField::EnclosureHeatGainB, ResultField::EnclosureHeatGainC,
    ResultField::EnclosureHeatGainD, ResultField::EnclosureHeatGainCeiling, ResultField::EnclosureHeatGainFloor};
inline constexpr RowResults kSolarTemperatureDifferenceResults{
    ResultField::SolarTemperatureDifferenceA, ResultField::SolarTemperatureDifferenceB,
    ResultField::SolarTemperatureDifferenceC, ResultField::SolarTemperatureDifferenceD,
    ResultField::SolarTemperatureDifferenceCeiling, std::nullopt};
inline constexpr RowResults kSolarHeatGainResults{
    ResultField::SolarHeatGainA, ResultField::SolarHeatGainB, ResultField::SolarHeatGainC,
    ResultField::SolarHeatGainD, ResultField::SolarHeatGainCeiling, std::nullopt};

// Each row's result is the one named after the row ("...A" for wall A, "...Ceiling").
constexpr bool NamedAfterTheirRows(const RowResults& results)
{
    for (std::size_t row = 0; row < results.size(); ++row)
        if (results[row] && !ResultFieldName(*results[row]).ends_with(kRowSuffixes[row]))
            return false;
    return true;
}
static_assert(NamedAfterTheirRows(kStructureMaterialTextResults) && NamedAfterTheirRows(kEnclosureHeatGainResults)
                  && NamedAfterTheirRows(kSolarTemperatureDifferenceResults) && NamedAfterTheirRows(kSolarHeatGainResults),
              "each row's result in its row");

// The summary column repeats the six partial sums, in the window's order.
struct SummaryCopy {
    ResultField summary;
    ResultField source;
};
inline constexpr std::array<SummaryCopy, 6> kSummaryCopies{{
    {ResultField::SummaryQ1, ResultField::HeatGainQ1},
    {ResultField::SummaryQ12, ResultField::HeatGainQ12},
    {ResultField::SummaryQ2, ResultField::HeatGainQ2},
    {ResultField::SummaryQ3, ResultField::HeatGainQ3},
    {ResultField::SummaryQ4, ResultField::HeatGainQ4},
    {ResultField::SummaryQ5, ResultField::HeatGainQ5},
}};
// "SummaryQ12" copies "HeatGainQ12".
constexpr bool CopiesItsNamesake(const SummaryCopy& copy)
{
    constexpr std::string_view kSummary = "Summary";
    constexpr std::string_view kHeatGain = "HeatGain";
    const std::string_view summary = ResultFieldName(copy.summary);
    const std::string_view source = ResultFieldName(copy.source);
    return summary.starts_with(kSummary) && source.starts_with(kHeatGain)
           && summary.substr(kSummary.size()) == source.substr(kHeatGain.size());
}
static_assert(CopiesItsNamesake(kSummaryCopies[0]) && CopiesItsNamesake(kSummaryCopies[1])
                  && CopiesItsNamesake(kSummaryCopies[2]) && CopiesItsNamesake(kSummaryCopies[3])
                  && CopiesItsNamesake(kSummaryCopies[4]) && CopiesItsNamesake(kSummaryCopies[5]),
              "each summary field copies the partial sum of its name");

} // namespace zeltar::calc
// clang-format on
