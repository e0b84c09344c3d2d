// The controls of the six enclosure rows, in the row order A, B, C, D, ceiling, floor (nullopt where
// a row has none): the inputs and tile texts here, the results' fields from the pass's per-row results.
#pragma once

#include "calc/results.h"
#include "fields/control.h"
#include "model/project_state.h"

#include <array>
#include <optional>

namespace zeltar {

using RowControls = std::array<std::optional<Control>, kRowCount>;

inline constexpr RowControls kStructureThicknessFields{
    Control::StructureThicknessA, Control::StructureThicknessB,       Control::StructureThicknessC,
    Control::StructureThicknessD, Control::StructureThicknessCeiling, Control::StructureThicknessFloor};
inline constexpr RowControls kInsulationThicknessFields{
    Control::InsulationThicknessA, Control::InsulationThicknessB,       Control::InsulationThicknessC,
    Control::InsulationThicknessD, Control::InsulationThicknessCeiling, Control::InsulationThicknessFloor};
inline constexpr RowControls kOutsideTemperatureFields{
    Control::OutsideTemperatureA, Control::OutsideTemperatureB,       Control::OutsideTemperatureC,
    Control::OutsideTemperatureD, Control::OutsideTemperatureCeiling, Control::OutsideTemperatureFloor};
inline constexpr RowControls kStructureMaterialLists{
    Control::StructureMaterialA, Control::StructureMaterialB,       Control::StructureMaterialC,
    Control::StructureMaterialD, Control::StructureMaterialCeiling, Control::StructureMaterialFloor};
inline constexpr RowControls kInsulationMaterialLists{
    Control::InsulationMaterialA, Control::InsulationMaterialB,       Control::InsulationMaterialC,
    Control::InsulationMaterialD, Control::InsulationMaterialCeiling, Control::InsulationMaterialFloor};
inline constexpr RowControls kSurfaceFinishLists{Control::SurfaceFinishA, Control::SurfaceFinishB,
                                                 Control::SurfaceFinishC, Control::SurfaceFinishD,
                                                 Control::SurfaceFinishCeiling, std::nullopt};
// The texts the surface tiles write: sunlit or not (solar tab), outside or inside (enclosure tab)
// and its copy on the solar tab.
inline constexpr RowControls kSunlitTexts{Control::SunlitTextA, Control::SunlitTextB, Control::SunlitTextC,
                                          Control::SunlitTextD, Control::SunlitTextCeiling, std::nullopt};
inline constexpr RowControls kOutsideFacingTexts{Control::OutsideFacingTextA, Control::OutsideFacingTextB,
                                                 Control::OutsideFacingTextC, Control::OutsideFacingTextD,
                                                 Control::OutsideFacingTextCeiling, std::nullopt};
inline constexpr RowControls kOutsideFacingCopies{Control::OutsideFacingCopyA, Control::OutsideFacingCopyB,
                                                  Control::OutsideFacingCopyC, Control::OutsideFacingCopyD,
                                                  Control::OutsideFacingCopyCeiling, std::nullopt};
// The fields that show a result of each row.
constexpr RowControls ShownBy(const calc::RowResults& results)
{
    RowControls controls{};
    for (std::size_t row = 0; row < results.size(); ++row)
        controls[row] = results[row] ? std::optional(calc::RowOf(*results[row]).control) : std::nullopt;
    return controls;
}
// The construction material names copied onto the solar tab.
inline constexpr RowControls kStructureMaterialTexts = ShownBy(calc::kStructureMaterialTextResults);

// Direction texts of walls A to D on the solar tab.
inline constexpr RowControls kWallDirectionFields{Control::WallDirectionA, Control::WallDirectionB,
                                                  Control::WallDirectionC, Control::WallDirectionD,
                                                  std::nullopt,           std::nullopt};

} // namespace zeltar
