#include "app/result_controls.h"

#include "app/form_model.h"

#include <cstddef>

namespace zeltar {

namespace {

using F = calc::ResultField;

struct ResultPlace {
    calc::ResultField field;
    Control control;
};

constexpr std::array<ResultPlace, calc::kResultFieldCount> kResultPlaces{{
    {F::StructureMaterialTextA, Control::StructureMaterialTextA},
    {F::StructureMaterialTextB, Control::StructureMaterialTextB},
    {F::StructureMaterialTextC, Control::StructureMaterialTextC},
    {F::StructureMaterialTextD, Control::StructureMaterialTextD},
    {F::StructureMaterialTextCeiling, Control::StructureMaterialTextCeiling},
    {F::ProductEnthalpyDifference, Control::ProductEnthalpyDifference},
    {F::PackagingEnthalpyDifference, Control::PackagingEnthalpyDifference},
    {F::RespirationHeat, Control::RespirationHeat},
    {F::RoomArea, Control::RoomArea},
    {F::RoomVolume, Control::RoomVolume},
    {F::GrossCapacity, Control::GrossCapacity},
    {F::NetCapacity, Control::NetCapacity},
    {F::PackagingShare, Control::PackagingShare},
    {F::DailyTurnover, Control::DailyTurnover},
    {F::EnclosureHeatGainA, Control::EnclosureHeatGainA},
    {F::SolarTemperatureDifferenceA, Control::SolarTemperatureDifferenceA},
    {F::SolarHeatGainA, Control::SolarHeatGainA},
    {F::EnclosureHeatGainB, Control::EnclosureHeatGainB},
    {F::SolarTemperatureDifferenceB, Control::SolarTemperatureDifferenceB},
    {F::SolarHeatGainB, Control::SolarHeatGainB},
    {F::EnclosureHeatGainC, Control::EnclosureHeatGainC},
    {F::SolarTemperatureDifferenceC, Control::SolarTemperatureDifferenceC},
    {F::SolarHeatGainC, Control::SolarHeatGainC},
    {F::EnclosureHeatGainD, Control::EnclosureHeatGainD},
    {F::SolarTemperatureDifferenceD, Control::SolarTemperatureDifferenceD},
    {F::SolarHeatGainD, Control::SolarHeatGainD},
    {F::EnclosureHeatGainCeiling, Control::EnclosureHeatGainCeiling},
    {F::SolarTemperatureDifferenceCeiling, Control::SolarTemperatureDifferenceCeiling},
    {F::SolarHeatGainCeiling, Control::SolarHeatGainCeiling},
    {F::EnclosureHeatGainFloor, Control::EnclosureHeatGainFloor},
    {F::HeatGainQ1, Control::HeatGainQ1},
    {F::HeatGainQ12, Control::HeatGainQ12},
    {F::HeatGainQ3, Control::HeatGainQ3},
    {F::HeatGainQ21, Control::HeatGainQ21},
    {F::HeatGainQ22, Control::HeatGainQ22},
    {F::HeatGainQ2, Control::HeatGainQ2},
    {F::HeatGainQ5, Control::HeatGainQ5},
    {F::VehiclePasses, Control::VehiclePasses},
    {F::DoorOpenTime, Control::DoorOpenTime},
    {F::DoorHeatGain, Control::DoorHeatGain},
    {F::LightingHeatGain, Control::LightingHeatGain},
    {F::StaffHeatGain, Control::StaffHeatGain},
    {F::VehicleHeatGain, Control::VehicleHeatGain},
    {F::ConsumerHeatGain, Control::ConsumerHeatGain},
    {F::FanHeatGain, Control::FanHeatGain},
    {F::HeatGainQ4, Control::HeatGainQ4},
    {F::TotalHeatGain, Control::TotalHeatGain},
    {F::EquipmentCapacity, Control::EquipmentCapacity},
    {F::SummaryQ1, Control::SummaryQ1},
    {F::SummaryQ12, Control::SummaryQ12},
    {F::SummaryQ2, Control::SummaryQ2},
    {F::SummaryQ3, Control::SummaryQ3},
    {F::SummaryQ4, Control::SummaryQ4},
    {F::SummaryQ5, Control::SummaryQ5},
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

constinit const std::array<Control, calc::kResultFieldCount> kResultControls = [] {
    std::array<Control, calc::kResultFieldCount> controls{};
    for (std::size_t i = 0; i < kResultPlaces.size(); ++i)
        controls[i] = kResultPlaces[i].control;
    return controls;
}();

namespace {

calc::Warning WarningOf(const FormModel& model, Control control)
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
