// The controls of the six enclosure rows that stand for no member of the record, in the row order A,
// B, C, D, ceiling, floor (nullopt where a row has none), and the fields of the pass's per-row results.
#pragma once

#include "calc/results.h"
#include "fields/control.h"
#include "model/project_state.h"
#include "projectfile/record_fields.h"

#include <array>
#include <optional>

namespace zeltar {

// The inputs and tile texts of the rows (RowControls, kStructureThicknessFields ...) stand with the
// members they edit in projectfile/record_fields.h. The copies of the outside/inside texts on the
// solar tab:
inline constexpr RowControls kOutsideFacingCopies{Control::OutsideFacingCopyA,       Control::OutsideFacingCopyB,
                                                  Control::OutsideFacingCopyC,       Control::OutsideFacingCopyD,
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
inline constexpr RowControls kWallDirectionFields{Control::WallDirectionA,
                                                  Control::WallDirectionB,
                                                  Control::WallDirectionC,
                                                  Control::WallDirectionD,
                                                  std::nullopt,
                                                  std::nullopt};
// The small buttons beside the rows of the enclosure page that lead to the row's U-value and extra
// layers on the «Дополнительно» page.
inline constexpr RowControls kExtraRowButtons{Control::ExtraRowButtonA,       Control::ExtraRowButtonB,
                                              Control::ExtraRowButtonC,       Control::ExtraRowButtonD,
                                              Control::ExtraRowButtonCeiling, Control::ExtraRowButtonFloor};

} // namespace zeltar
