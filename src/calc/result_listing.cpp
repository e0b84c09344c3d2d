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

std::vector<ListingLine> ResultListing(const std::function<std::string(ResultField)>& textAfterPass,
                                       Warning roomTemperature, Warning productInletTemperature,
                                       Warning productFinalTemperature)
{
    std::vector<ListingLine> lines;
    lines.reserve(kResultFieldCount + 3);
    for (int i = 0; i < kResultFieldCount; ++i)
        lines.push_back({std::string(kResultFieldNames[i]), textAfterPass(static_cast<ResultField>(i))});
    lines.push_back({"RoomTemperature.Color", ColourName(roomTemperature)});
    lines.push_back({"ProductInletTemperature.Color", ColourName(productInletTemperature)});
    lines.push_back({"ProductFinalTemperature.Color", ColourName(productFinalTemperature)});
    std::sort(lines.begin(), lines.end(), [](const ListingLine& a, const ListingLine& b) { return a.name < b.name; });
    return lines;
}

std::vector<ListingLine> ResultListing(const RecalcResult& result, const TextsBeforePass& before)
{
    return ResultListing([&](ResultField field) { return TextAfterPass(result, field, before); },
                         result.roomTemperatureColor, result.productInletTemperatureColor,
                         result.productFinalTemperatureColor);
}

} // namespace zeltar::calc
