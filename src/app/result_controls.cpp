#include "app/result_controls.h"

#include "app/form_model.h"

namespace zeltar {

const std::array<std::string_view, calc::kResultFieldCount> kResultControls{
    "Edit31", // StructureMaterialTextA
    "Edit32", // StructureMaterialTextB
    "Edit33", // StructureMaterialTextC
    "Edit34", // StructureMaterialTextD
    "Edit35", // StructureMaterialTextCeiling
    "Edit84", // ProductEnthalpyDifference
    "Edit85", // PackagingEnthalpyDifference
    "Edit88", // RespirationHeat
    "Edit115", // RoomArea
    "Edit25", // RoomVolume
    "Edit77", // GrossCapacity
    "Edit78", // NetCapacity
    "Edit76", // PackagingShare
    "Edit124", // DailyTurnover
    "Edit36", // EnclosureHeatGainA
    "Edit62", // SolarTemperatureDifferenceA
    "Edit67", // SolarHeatGainA
    "Edit37", // EnclosureHeatGainB
    "Edit63", // SolarTemperatureDifferenceB
    "Edit68", // SolarHeatGainB
    "Edit38", // EnclosureHeatGainC
    "Edit64", // SolarTemperatureDifferenceC
    "Edit69", // SolarHeatGainC
    "Edit39", // EnclosureHeatGainD
    "Edit65", // SolarTemperatureDifferenceD
    "Edit70", // SolarHeatGainD
    "Edit40", // EnclosureHeatGainCeiling
    "Edit66", // SolarTemperatureDifferenceCeiling
    "Edit71", // SolarHeatGainCeiling
    "Edit41", // EnclosureHeatGainFloor
    "Edit42", // HeatGainQ1
    "Edit72", // HeatGainQ12
    "Edit73", // HeatGainQ3
    "Edit86", // HeatGainQ21
    "Edit87", // HeatGainQ22
    "Edit89", // HeatGainQ2
    "Edit90", // HeatGainQ5
    "Edit94", // VehiclePasses
    "Edit131", // DoorOpenTime
    "Edit98", // DoorHeatGain
    "Edit100", // LightingHeatGain
    "Edit99", // StaffHeatGain
    "Edit104", // VehicleHeatGain
    "Edit113", // ConsumerHeatGain
    "Edit105", // FanHeatGain
    "Edit117", // HeatGainQ4
    "Edit106", // TotalHeatGain
    "Edit116", // EquipmentCapacity
    "Edit118", // SummaryQ1
    "Edit119", // SummaryQ12
    "Edit120", // SummaryQ2
    "Edit121", // SummaryQ3
    "Edit122", // SummaryQ4
    "Edit123", // SummaryQ5
};

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
