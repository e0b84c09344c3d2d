// The controls of the six enclosure rows, in the row order A, B, C, D, ceiling, floor (nullopt where
// a row has none).
#pragma once

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
// and its copy on the solar tab; the construction material names copied onto the solar tab.
inline constexpr RowControls kSunlitTexts{Control::SunlitTextA, Control::SunlitTextB, Control::SunlitTextC,
                                          Control::SunlitTextD, Control::SunlitTextCeiling, std::nullopt};
inline constexpr RowControls kOutsideFacingTexts{Control::OutsideFacingTextA, Control::OutsideFacingTextB,
                                                 Control::OutsideFacingTextC, Control::OutsideFacingTextD,
                                                 Control::OutsideFacingTextCeiling, std::nullopt};
inline constexpr RowControls kOutsideFacingCopies{Control::OutsideFacingCopyA, Control::OutsideFacingCopyB,
                                                  Control::OutsideFacingCopyC, Control::OutsideFacingCopyD,
                                                  Control::OutsideFacingCopyCeiling, std::nullopt};
inline constexpr RowControls kStructureMaterialTexts{Control::StructureMaterialTextA, Control::StructureMaterialTextB,
                                                     Control::StructureMaterialTextC, Control::StructureMaterialTextD,
                                                     Control::StructureMaterialTextCeiling, std::nullopt};
// Direction texts of walls A to D on the solar tab.
inline constexpr std::array<Control, 4> kWallDirectionFields{Control::WallDirectionA, Control::WallDirectionB,
                                                             Control::WallDirectionC, Control::WallDirectionD};
// The «Дополнительно» page: per row its U-value and three extra layers (material list, thickness);
// the small buttons beside the rows of the enclosure page that lead there.
inline constexpr RowControls kUValueFields{Control::UValueA, Control::UValueB, Control::UValueC,
                                    Control::UValueD, Control::UValueCeiling, Control::UValueFloor};
inline constexpr RowControls kLayer1Lists{Control::ExtraLayerMaterial1A, Control::ExtraLayerMaterial1B,
                                   Control::ExtraLayerMaterial1C, Control::ExtraLayerMaterial1D,
                                   Control::ExtraLayerMaterial1Ceiling, Control::ExtraLayerMaterial1Floor};
inline constexpr RowControls kLayer1Fields{Control::ExtraLayerThickness1A, Control::ExtraLayerThickness1B,
                                    Control::ExtraLayerThickness1C, Control::ExtraLayerThickness1D,
                                    Control::ExtraLayerThickness1Ceiling, Control::ExtraLayerThickness1Floor};
inline constexpr RowControls kLayer2Lists{Control::ExtraLayerMaterial2A, Control::ExtraLayerMaterial2B,
                                   Control::ExtraLayerMaterial2C, Control::ExtraLayerMaterial2D,
                                   Control::ExtraLayerMaterial2Ceiling, Control::ExtraLayerMaterial2Floor};
inline constexpr RowControls kLayer2Fields{Control::ExtraLayerThickness2A, Control::ExtraLayerThickness2B,
                                    Control::ExtraLayerThickness2C, Control::ExtraLayerThickness2D,
                                    Control::ExtraLayerThickness2Ceiling, Control::ExtraLayerThickness2Floor};
inline constexpr RowControls kLayer3Lists{Control::ExtraLayerMaterial3A, Control::ExtraLayerMaterial3B,
                                   Control::ExtraLayerMaterial3C, Control::ExtraLayerMaterial3D,
                                   Control::ExtraLayerMaterial3Ceiling, Control::ExtraLayerMaterial3Floor};
inline constexpr RowControls kLayer3Fields{Control::ExtraLayerThickness3A, Control::ExtraLayerThickness3B,
                                    Control::ExtraLayerThickness3C, Control::ExtraLayerThickness3D,
                                    Control::ExtraLayerThickness3Ceiling, Control::ExtraLayerThickness3Floor};
inline constexpr RowControls kExtraRowButtons{Control::ExtraRowButtonA, Control::ExtraRowButtonB,
                                       Control::ExtraRowButtonC, Control::ExtraRowButtonD,
                                       Control::ExtraRowButtonCeiling, Control::ExtraRowButtonFloor};

} // namespace zeltar
