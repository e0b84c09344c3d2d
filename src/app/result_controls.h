// The window's control that shows each result of the recalculation pass: the pass knows its
// results by name only, the form model shows them in these controls.
#pragma once

#include "calc/recalculate.h"
#include "calc/result_listing.h"

#include <array>
#include <string_view>
#include <vector>

namespace zeltar {

class FormModel;

// Indexed by calc::ResultField.
extern const std::array<std::string_view, calc::kResultFieldCount> kResultControls;
inline std::string_view ResultControl(calc::ResultField field) { return kResultControls[static_cast<int>(field)]; }

// The fields whose colour warns of a temperature out of its range.
inline constexpr std::string_view kRoomTemperatureControl = "Edit43";
inline constexpr std::string_view kProductInletTemperatureControl = "Edit82";
inline constexpr std::string_view kProductFinalTemperatureControl = "Edit83";

// Every result of a form model as `zeltar-cli calc` lists it: the result fields' texts after the
// last pass and the warning colours of the three temperature fields, sorted by name.
std::vector<calc::ListingLine> ResultListingOf(const FormModel& model);

} // namespace zeltar
