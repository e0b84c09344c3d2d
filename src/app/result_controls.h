// The window's control that shows each result of the recalculation pass and the text it shows
// there: the pass gives values, the form model makes their texts by the rows of calc/results.h.
#pragma once

#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "fields/control.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zeltar {

class FormModel;

// Indexed by calc::ResultField (the controls of calc::kResultRows).
extern const std::array<Control, calc::kResultFieldCount> kResultControls;
inline Control ResultControl(calc::ResultField field)
{
    return kResultControls[static_cast<int>(field)];
}

// The fields whose colour warns of a temperature out of its range.
inline constexpr Control kRoomTemperatureControl = Control::RoomTemperature;
inline constexpr Control kProductInletTemperatureControl = Control::ProductInletTemperature;
inline constexpr Control kProductFinalTemperatureControl = Control::ProductFinalTemperature;

// The text of a result as its field shows it; nullopt where the pass leaves the field as it is.
std::optional<std::string> ShownResult(const calc::RecalcResult& result, calc::ResultField field);

// The listing of one pass over fields that held `before`, as `zeltar-cli calc` prints it (the
// extensions' results with `extensionResults`, see calc::ListsExtensionResults).
std::vector<calc::ListingLine> ResultListing(const calc::RecalcResult& result, const calc::TextsBeforePass& before,
                                             bool extensionResults = false);

// Every result of a form model as `zeltar-cli calc` lists it: the result fields' texts after the
// last pass and the warning colours of the three temperature fields, sorted by name.
std::vector<calc::ListingLine> ResultListingOf(const FormModel& model);

} // namespace zeltar
