#include "calc/result_listing.h"

#include <algorithm>

namespace zeltar::calc {

namespace {

const char* ColourName(Warning w)
{
    return w == Warning::Red ? "red" : "white";
}

std::string TextAfterPass(const RecalcResult& result, ResultField field, const TextsBeforePass& before)
{
    if (const auto& text = result.text(field))
        return *text;
    if (field == ResultField::PackagingShare)
        return before.packagingShare;
    if (field == ResultField::DoorOpenTime)
        return before.doorOpenTime;
    return {};
}

} // namespace

std::vector<ListingLine> ResultListing(const RecalcResult& result, const TextsBeforePass& before)
{
    std::vector<ListingLine> lines;
    lines.reserve(kResultFieldCount + 3);
    for (int i = 0; i < kResultFieldCount; ++i) {
        lines.push_back({std::string(kResultFields[i].parameter),
                         TextAfterPass(result, static_cast<ResultField>(i), before)});
    }
    lines.push_back({"RoomTemperature.Color", ColourName(result.roomTemperatureColor)});
    lines.push_back({"ProductInletTemperature.Color", ColourName(result.productInletTemperatureColor)});
    lines.push_back({"ProductFinalTemperature.Color", ColourName(result.productFinalTemperatureColor)});
    std::sort(lines.begin(), lines.end(), [](const ListingLine& a, const ListingLine& b) { return a.name < b.name; });
    return lines;
}

} // namespace zeltar::calc
