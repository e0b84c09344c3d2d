#include "app/result_controls.h"

#include "app/form_model.h"

#include <cstddef>

namespace zeltar {

namespace {

using F = calc::ResultField;

struct ResultPlace {
    calc::ResultField field;
    std::string_view control;
};

constexpr std::array<ResultPlace, calc::kResultFieldCount> kResultPlaces{{
    {F::StructureMaterialTextA, "Edit31"},
    {F::StructureMaterialTextB, "Edit32"},
    {F::StructureMaterialTextC, "Edit33"},
    {F::StructureMaterialTextD, "Edit34"},
    {F::StructureMaterialTextCeiling, "Edit35"},
    {F::ProductEnthalpyDifference, "Edit84"},
    {F::PackagingEnthalpyDifference, "Edit85"},
    {F::RespirationHeat, "Edit88"},
    {F::RoomArea, "Edit115"},
    {F::RoomVolume, "Edit25"},
    {F::GrossCapacity, "Edit77"},
    {F::NetCapacity, "Edit78"},
    {F::PackagingShare, "Edit76"},
    {F::DailyTurnover, "Edit124"},
    {F::EnclosureHeatGainA, "Edit36"},
    {F::SolarTemperatureDifferenceA, "Edit62"},
    {F::SolarHeatGainA, "Edit67"},
    {F::EnclosureHeatGainB, "Edit37"},
    {F::SolarTemperatureDifferenceB, "Edit63"},
    {F::SolarHeatGainB, "Edit68"},
    {F::EnclosureHeatGainC, "Edit38"},
    {F::SolarTemperatureDifferenceC, "Edit64"},
    {F::SolarHeatGainC, "Edit69"},
    {F::EnclosureHeatGainD, "Edit39"},
    {F::SolarTemperatureDifferenceD, "Edit65"},
    {F::SolarHeatGainD, "Edit70"},
    {F::EnclosureHeatGainCeiling, "Edit40"},
    {F::SolarTemperatureDifferenceCeiling, "Edit66"},
    {F::SolarHeatGainCeiling, "Edit71"},
    {F::EnclosureHeatGainFloor, "Edit41"},
    {F::HeatGainQ1, "Edit42"},
    {F::HeatGainQ12, "Edit72"},
    {F::HeatGainQ3, "Edit73"},
    {F::HeatGainQ21, "Edit86"},
    {F::HeatGainQ22, "Edit87"},
    {F::HeatGainQ2, "Edit89"},
    {F::HeatGainQ5, "Edit90"},
    {F::VehiclePasses, "Edit94"},
    {F::DoorOpenTime, "Edit131"},
    {F::DoorHeatGain, "Edit98"},
    {F::LightingHeatGain, "Edit100"},
    {F::StaffHeatGain, "Edit99"},
    {F::VehicleHeatGain, "Edit104"},
    {F::ConsumerHeatGain, "Edit113"},
    {F::FanHeatGain, "Edit105"},
    {F::HeatGainQ4, "Edit117"},
    {F::TotalHeatGain, "Edit106"},
    {F::EquipmentCapacity, "Edit116"},
    {F::SummaryQ1, "Edit118"},
    {F::SummaryQ12, "Edit119"},
    {F::SummaryQ2, "Edit120"},
    {F::SummaryQ3, "Edit121"},
    {F::SummaryQ4, "Edit122"},
    {F::SummaryQ5, "Edit123"},
}};

constexpr bool InResultFieldOrder()
{
    for (std::size_t i = 0; i < kResultPlaces.size(); ++i)
        if (static_cast<std::size_t>(kResultPlaces[i].field) != i)
            return false;
    return true;
}
static_assert(InResultFieldOrder(), "one row per result, in the order of calc::ResultField");

} // namespace

constinit const std::array<std::string_view, calc::kResultFieldCount> kResultControls = [] {
    std::array<std::string_view, calc::kResultFieldCount> controls{};
    for (std::size_t i = 0; i < kResultPlaces.size(); ++i)
        controls[i] = kResultPlaces[i].control;
    return controls;
}();

namespace {

calc::Warning WarningOf(const FormModel& model, std::string_view control)
{
    return model.control(control).color == ControlColor::Red ? calc::Warning::Red : calc::Warning::White;
}

} // namespace

std::vector<calc::ListingLine> ResultListingOf(const FormModel& model)
{
    const auto textAfterPass = [&](calc::ResultField field) { return model.control(ResultControl(field)).text; };
    return calc::ResultListing(textAfterPass, WarningOf(model, kRoomTemperatureControl),
                               WarningOf(model, kProductInletTemperatureControl),
                               WarningOf(model, kProductFinalTemperatureControl));
}

} // namespace zeltar
