// The window's control that shows each result of the recalculation pass: the pass knows its
// results by name only, the form model shows them in these controls.
#pragma once

#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "fields/control.h"

#include <array>
#include <vector>

namespace zeltar {

class FormModel;

// Indexed by calc::ResultField.
extern const std::array<Control, calc::kResultFieldCount> kResultControls;
inline Control ResultControl(calc::ResultField field) { return kResultControls[static_cast<int>(field)]; }

// The fields whose colour warns of a temperature out of its range.
inline constexpr Control kRoomTemperatureControl = Control::RoomTemperature;
inline constexpr Control kProductInletTemperatureControl = Control::ProductInletTemperature;
inline constexpr Control kProductFinalTemperatureControl = Control::ProductFinalTemperature;

// Every result of a form model as `zeltar-cli calc` lists it: the result fields' texts after the
// last pass and the warning colours of the three temperature fields, sorted by name.
std::vector<calc::ListingLine> ResultListingOf(const FormModel& model);

} // namespace zeltar
