// The window's texts for a known project: a cold store in Абакан with a few rows changed, as the
// window shows them (numbers with their two display blanks, list texts padded with blanks).
#pragma once

#include "recording_canvas.h"

// Data rows aligned by hand:
// clang-format off
namespace zeltar::report::testing {

inline FakeSource KnownProject()
{
    FakeSource source;
    source.selectedRoomType = 0;
    source.texts = {
        {Control::City, "Абакан                        "},
        {Control::Latitude, "  53"}, {Control::OutsideDesignTemperature, "  26,2"}, {Control::OutsideRelativeHumidity, "  51"},
        {Control::RoomLength, "  12"}, {Control::RoomWidth, "  6"}, {Control::RoomHeight, "  4,5"}, {Control::RoomArea, "  72"}, {Control::RoomVolume, "  324"},
        {Control::RoomType, "хранение мороженых грузов     "},
        {Control::RoomTemperature, "  -20"}, {Control::RoomRelativeHumidity, "  95"}, {Control::RunningHoursCaption, "Время работы оборуд., ч/сут"},
        {Control::EquipmentRunningHours, "  18"}, {Control::CapacityReserve, "  10"},
        // Enclosure rows А, Б, В, Г, ceiling, floor; wall В faces an inner room.
        {Control::OutsideFacingTextA, " нар"}, {Control::OutsideFacingTextB, " нар"}, {Control::OutsideFacingTextC, "  вн"}, {Control::OutsideFacingTextD, " нар"}, {Control::OutsideFacingTextCeiling, " нар"},
        {Control::StructureMaterialA, "железобетон                   "}, {Control::StructureMaterialB, "железобетон                   "},
        {Control::StructureMaterialC, "кирпич силикатный сплошной    "}, {Control::StructureMaterialD, "железобетон                   "},
        {Control::StructureMaterialCeiling, "железобетон                   "}, {Control::StructureMaterialFloor, "железобетон"},
        {Control::StructureThicknessA, "  200"}, {Control::StructureThicknessB, "  200"}, {Control::StructureThicknessC, "  250"}, {Control::StructureThicknessD, "  200"}, {Control::StructureThicknessCeiling, "  220"},
        {Control::StructureThicknessFloor, "  300"},
        {Control::InsulationMaterialA, "пенополиуретан                "}, {Control::InsulationMaterialB, "пенополиуретан                "},
        {Control::InsulationMaterialC, "пенополиуретан                "}, {Control::InsulationMaterialD, "пенополиуретан                "},
        {Control::InsulationMaterialCeiling, "пенополиуретан                "}, {Control::InsulationMaterialFloor, "пенополиуретан"},
        {Control::InsulationThicknessA, "  150"}, {Control::InsulationThicknessB, "  150"}, {Control::InsulationThicknessC, "  100"}, {Control::InsulationThicknessD, "  150"}, {Control::InsulationThicknessCeiling, "  200"},
        {Control::InsulationThicknessFloor, "  150"},
        {Control::OutsideTemperatureA, "  26,2"}, {Control::OutsideTemperatureB, "  26,2"}, {Control::OutsideTemperatureC, "  5"}, {Control::OutsideTemperatureD, "  26,2"}, {Control::OutsideTemperatureCeiling, "  26,2"},
        {Control::OutsideTemperatureFloor, "  -2"},
        {Control::EnclosureHeatGainA, "  0,42"}, {Control::EnclosureHeatGainB, "  0,21"}, {Control::EnclosureHeatGainC, "  0,11"}, {Control::EnclosureHeatGainD, "  0,21"}, {Control::EnclosureHeatGainCeiling, "  0,65"},
        {Control::EnclosureHeatGainFloor, "  0,39"}, {Control::HeatGainQ1, "  1,99"},
        // Solar rows.
        {Control::WallDirectionA, "     Ю"}, {Control::WallDirectionB, "     В"}, {Control::WallDirectionC, "     С"}, {Control::WallDirectionD, "     З"},
        {Control::SunlitTextA, "   да"}, {Control::SunlitTextB, "   да"}, {Control::SunlitTextC, "  нет"}, {Control::SunlitTextD, "   да"}, {Control::SunlitTextCeiling, "   да"},
        {Control::SurfaceFinishA, "без покрытия (окраски)        "}, {Control::SurfaceFinishB, "без покрытия (окраски)        "},
        {Control::SurfaceFinishC, "без покрытия (окраски)        "}, {Control::SurfaceFinishD, "без покрытия (окраски)        "},
        {Control::SurfaceFinishCeiling, "без покрытия (окраски)        "},
        {Control::SolarTemperatureDifferenceA, "  5,7"}, {Control::SolarTemperatureDifferenceB, "  8,4"}, {Control::SolarTemperatureDifferenceC, "  0"}, {Control::SolarTemperatureDifferenceD, "  8,4"}, {Control::SolarTemperatureDifferenceCeiling, "  17,7"},
        {Control::SolarHeatGainA, "  0,02"}, {Control::SolarHeatGainB, "  0,03"}, {Control::SolarHeatGainC, "  0"}, {Control::SolarHeatGainD, "  0,02"}, {Control::SolarHeatGainCeiling, "  0,08"},
        {Control::HeatGainQ12, "  0,15"},
        {Control::AirExchangeRate, "  2"}, {Control::HeatGainQ3, "  0,59"},
        // Goods.
        {Control::ProductInletTemperature, "  -10"}, {Control::ProductFinalTemperature, "  -20"}, {Control::GrossCapacity, "  88,2"}, {Control::NetCapacity, "  70,56"}, {Control::PackagingShare, "  0"},
        {Control::Product, "говядина тощая                "}, {Control::PackagingMaterial, "без тары                      "},
        {Control::DailyTurnoverPercent, "  10"}, {Control::DailyTurnover, "  7,05"},
        {Control::HeatGainQ21, "  0,6"}, {Control::HeatGainQ22, "  0"}, {Control::HeatGainQ2, "  0,6"}, {Control::HeatGainQ5, "  0"},
        // Operational gains.
        {Control::DoorType, "ручная                        "}, {Control::DoorProtection, "отсутствует"},
        {Control::DoorHeight, "  2"}, {Control::DoorWidth, "  1,8"}, {Control::DoorHeatGain, "  0,37"},
        {Control::LightingPowerDensity, "  5"}, {Control::LightingHours, "  8"}, {Control::LightingHeatGain, "  0,12"},
        {Control::StaffCount, "  2"}, {Control::StaffHeatGain, "  0,09"},
        {Control::VehiclePower, "  0"}, {Control::VehicleHours, "  0"}, {Control::VehicleHeatGain, "  0"}, {Control::FanHeatGain, "  0,38"},
        {Control::Consumer1Name, "Электропотребитель № 1"}, {Control::Consumer1Power, "  1,5"}, {Control::Consumer1Hours, "  4"},
        {Control::Consumer2Name, "Электропотребитель № 2"}, {Control::Consumer2Power, "  0"}, {Control::Consumer2Hours, "  0"}, {Control::ConsumerHeatGain, "  0,25"},
        {Control::HeatGainQ4, "  1,21"}, {Control::TotalHeatGain, "  4,54"}, {Control::EquipmentCapacity, "  6,66"},
        // Header.
        {Control::ClientName, "  Хладокомбинат"}, {Control::SiteName, "Склад №3"}, {Control::ContractorName, "Иванов"}, {Control::ProjectDate, "01.02.2027"},
        {Control::ProjectName, "Абакан-склад"},
    };
    return source;
}

} // namespace zeltar::report::testing
// clang-format on
