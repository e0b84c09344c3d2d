// The controls of the six enclosure rows, in the row order A, B, C, D, ceiling, floor ("" where a
// row has none).
#pragma once

#include "model/project_state.h"

#include <array>
#include <string_view>

namespace zeltar {

using RowControls = std::array<std::string_view, kRowCount>;

inline constexpr RowControls kStructureThicknessFields{"Edit1", "Edit2", "Edit3", "Edit4", "Edit13", "Edit16"};
inline constexpr RowControls kInsulationThicknessFields{"Edit5", "Edit6", "Edit7", "Edit8", "Edit14", "Edit17"};
inline constexpr RowControls kOutsideTemperatureFields{"Edit9", "Edit10", "Edit11", "Edit12", "Edit15", "Edit18"};
inline constexpr RowControls kStructureMaterialLists{"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                                     "ComboBox9", "ComboBox11"};
inline constexpr RowControls kInsulationMaterialLists{"ComboBox5", "ComboBox6", "ComboBox7", "ComboBox8",
                                                      "ComboBox10", "ComboBox12"};
inline constexpr RowControls kSurfaceFinishLists{"ComboBox14", "ComboBox15", "ComboBox16", "ComboBox17",
                                                 "ComboBox18", ""};
// Direction texts of walls A to D on the solar tab.
inline constexpr std::array<std::string_view, 4> kWallDirectionFields{"Edit26", "Edit27", "Edit28", "Edit29"};

} // namespace zeltar
