#include "calc/result_listing.h"

#include "model/project_extensions.h"

#include <algorithm>

namespace zeltar::calc {

namespace {

const char* ColourName(Warning w)
{
    return w == Warning::Red ? "red" : "white";
}

} // namespace

std::vector<ListingLine> ResultListing(const std::function<std::string(ResultField)>& textAfterPass,
                                       Warning roomTemperature, Warning productInletTemperature,
                                       Warning productFinalTemperature, bool extensionResults)
{
    std::vector<ListingLine> lines;
    lines.reserve(kResultFieldCount + 3);
    for (const ResultRow& row : kResultRows)
        if (extensionResults || !row.extension)
            lines.push_back({std::string(row.name), textAfterPass(row.field)});
    lines.push_back({"RoomTemperature.Color", ColourName(roomTemperature)});
    lines.push_back({"ProductInletTemperature.Color", ColourName(productInletTemperature)});
    lines.push_back({"ProductFinalTemperature.Color", ColourName(productFinalTemperature)});
    std::sort(lines.begin(), lines.end(), [](const ListingLine& a, const ListingLine& b) { return a.name < b.name; });
    return lines;
}

bool ListsExtensionResults(const ProjectState& state)
{
    return DefrostUsed(state);
}

} // namespace zeltar::calc
