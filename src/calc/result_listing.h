// The results of one pass as a listing of NAME and TEXT, sorted by NAME in byte order: every field
// the pass writes under its parameter name, texts as the window shows them after the pass, and the
// warning colours of the three temperature fields ("RoomTemperature.Color" red or white).
#pragma once

#include "calc/recalculate.h"

#include <functional>
#include <string>
#include <vector>

namespace zeltar::calc {

// Texts the two fields hold before the pass (the form model's listing of one pass reads them); they stay where the pass leaves the field as it is
// (the packaging share outside rail rooms, the door-open time in time mode).
struct TextsBeforePass {
    std::string packagingShare; // PackagingShare
    std::string doorOpenTime;   // DoorOpenTime
};

struct ListingLine {
    std::string name;
    std::string text;
    friend bool operator==(const ListingLine&, const ListingLine&) = default;
};

// The listing from the texts of the result fields as they stand after the pass and the warning
// colours of RoomTemperature, ProductInletTemperature and ProductFinalTemperature. The results of
// the extensions (DefrostHeatGain) are listed only with `extensionResults`, so a project using no
// extension lists exactly what it listed before they existed.
std::vector<ListingLine> ResultListing(const std::function<std::string(ResultField)>& textAfterPass,
                                       Warning roomTemperature, Warning productInletTemperature,
                                       Warning productFinalTemperature, bool extensionResults = false);

// Whether the project's listing holds the extensions' results: it uses the defrost gain.
bool ListsExtensionResults(const ProjectState& state);

} // namespace zeltar::calc
