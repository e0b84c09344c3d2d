#include "app/result_controls.h"

#include "app/form_model.h"
#include "fields/number_text.h"

#include <cstddef>
#include <variant>

namespace zeltar {

constinit const std::array<Control, calc::kResultFieldCount> kResultControls = [] {
    std::array<Control, calc::kResultFieldCount> controls{};
    for (std::size_t i = 0; i < calc::kResultRows.size(); ++i)
        controls[i] = calc::kResultRows[i].control;
    return controls;
}();

std::optional<std::string> ShownResult(const calc::RecalcResult& result, calc::ResultField field)
{
    const std::optional<calc::ResultValue>& value = result.result(field);
    if (!value)
        return std::nullopt;
    if (const auto* name = std::get_if<std::string>(&*value))
        return std::string(*name);
    const double number = std::get<double>(*value);
    const calc::ResultRow& row = calc::RowOf(field);
    switch (row.display) {
    case calc::ResultDisplay::Name:
    case calc::ResultDisplay::Plain: return fields::DisplayText(number);
    case calc::ResultDisplay::Cut: return fields::ResultText(number, row.decimals);
    case calc::ResultDisplay::CutWide: return " " + fields::ResultText(number, row.decimals);
    }
    return fields::DisplayText(number);
}

std::vector<calc::ListingLine> ResultListing(const calc::RecalcResult& result, const calc::TextsBeforePass& before,
                                             bool extensionResults)
{
    const auto textAfterPass = [&](calc::ResultField field) {
        if (std::optional<std::string> text = ShownResult(result, field))
            return *text;
        if (field == calc::ResultField::PackagingShare)
            return before.packagingShare;
        if (field == calc::ResultField::DoorOpenTime)
            return before.doorOpenTime;
        return std::string();
    };
    return calc::ResultListing(textAfterPass, result.roomTemperatureColor, result.productInletTemperatureColor,
                               result.productFinalTemperatureColor, extensionResults);
}

namespace {

calc::Warning WarningOf(const FormModel& model, Control control)
{
    return model.control(control).color == ControlColor::Red ? calc::Warning::Red : calc::Warning::White;
}

} // namespace

std::vector<calc::ListingLine> ResultListingOf(const FormModel& model)
{
    const auto textAfterPass = [&](calc::ResultField field) { return model.control(ResultControl(field)).text; };
    return calc::ResultListing(
        textAfterPass, WarningOf(model, kRoomTemperatureControl), WarningOf(model, kProductInletTemperatureControl),
        WarningOf(model, kProductFinalTemperatureControl), calc::ListsExtensionResults(model.state()));
}

} // namespace zeltar
