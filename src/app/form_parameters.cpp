#include "app/form_parameters.h"

#include <stdexcept>

namespace zeltar {

namespace {

template <class T>
struct Member {
    std::string_view name;
    T ProjectState::*member;
};

template <class T>
struct RowMember {
    std::string_view base; // the row suffix follows: "StructureThickness" + "Ceiling"
    T EnclosureRow::*member;
};

constexpr RowMember<double> kRowReals[]{
    {"StructureThickness", &EnclosureRow::structureThickness},
    {"InsulationThickness", &EnclosureRow::insulationThickness},
    {"OutsideTemperature", &EnclosureRow::outsideTemperature},
    {"OuterSurfaceCoefficient", &EnclosureRow::outerSurfaceCoefficient},
    {"InnerSurfaceCoefficient", &EnclosureRow::innerSurfaceCoefficient},
    {"UValue", &EnclosureRow::uValue},
    {"ExtraLayerThickness1", &EnclosureRow::extraLayerThickness1},
    {"ExtraLayerThickness2", &EnclosureRow::extraLayerThickness2},
    {"ExtraLayerThickness3", &EnclosureRow::extraLayerThickness3},
};

constexpr RowMember<int> kRowWholes[]{
    {"StructureMaterial", &EnclosureRow::structureMaterial},
    {"InsulationMaterial", &EnclosureRow::insulationMaterial},
    {"OutsideFacing", &EnclosureRow::outsideFacing},
    {"Sunlit", &EnclosureRow::sunlit},
    {"SurfaceFinish", &EnclosureRow::surfaceFinish},
    {"ExtraLayerMaterial1", &EnclosureRow::extraLayerMaterial1},
    {"ExtraLayerMaterial2", &EnclosureRow::extraLayerMaterial2},
    {"ExtraLayerMaterial3", &EnclosureRow::extraLayerMaterial3},
};

constexpr Member<double> kReals[]{
    {"Latitude", &ProjectState::latitude},
    {"OutsideDesignTemperature", &ProjectState::outsideDesignTemperature},
    {"OutsideRelativeHumidity", &ProjectState::outsideRelativeHumidity},
    {"RoomLength", &ProjectState::roomLength},
    {"RoomWidth", &ProjectState::roomWidth},
    {"RoomHeight", &ProjectState::roomHeight},
    {"RoomTemperature", &ProjectState::roomTemperature},
    {"RoomRelativeHumidity", &ProjectState::roomRelativeHumidity},
    {"EquipmentRunningHours", &ProjectState::equipmentRunningHours},
    {"CapacityReserve", &ProjectState::capacityReserve},
    {"AirExchangeRate", &ProjectState::airExchangeRate},
    {"StackHeight", &ProjectState::stackHeight},
    {"StackDensity", &ProjectState::stackDensity},
    {"NetCapacity", &ProjectState::netCapacity},
    {"DailyTurnoverPercent", &ProjectState::dailyTurnoverPercent},
    {"DailyTurnover", &ProjectState::dailyTurnover},
    {"CryoscopicTemperature", &ProjectState::cryoscopicTemperature},
    {"ProductInletTemperature", &ProjectState::productInletTemperature},
    {"ProductFinalTemperature", &ProjectState::productFinalTemperature},
    {"DoorHeight", &ProjectState::doorHeight},
    {"DoorWidth", &ProjectState::doorWidth},
    {"LoadUnitMass", &ProjectState::loadUnitMass},
    {"DoorOpenTime", &ProjectState::doorOpenTime},
    {"LightingPowerDensity", &ProjectState::lightingPowerDensity},
    {"LightingHours", &ProjectState::lightingHours},
    {"VehiclePower", &ProjectState::vehiclePower},
    {"VehicleHours", &ProjectState::vehicleHours},
    {"FanPower", &ProjectState::fanPower},
    {"Consumer1Power", &ProjectState::consumer1Power},
    {"Consumer1Hours", &ProjectState::consumer1Hours},
    {"Consumer2Power", &ProjectState::consumer2Power},
    {"Consumer2Hours", &ProjectState::consumer2Hours},
    {"DefrostHeaterPower", &ProjectState::defrostHeaterPower},
    {"DefrostsPerDay", &ProjectState::defrostsPerDay},
    {"DefrostDuration", &ProjectState::defrostDuration},
    {"DefrostRoomShare", &ProjectState::defrostRoomShare},
    {"StaffHours", &ProjectState::staffHours},
};

constexpr Member<int> kWholes[]{
    {"City", &ProjectState::city},
    {"PlanOrientation", &ProjectState::planOrientation},
    {"FloorType", &ProjectState::floorType},
    {"RoomType", &ProjectState::roomType},
    {"PackagingShare", &ProjectState::packagingShare},
    {"Product", &ProjectState::product},
    {"ProductGroup", &ProjectState::productGroup},
    {"PackagingMaterial", &ProjectState::packagingMaterial},
    {"HighTurnover", &ProjectState::highTurnover},
    {"DoorProtection", &ProjectState::doorProtection},
    {"DoorType", &ProjectState::doorType},
    {"DoorTimeMode", &ProjectState::doorTimeMode},
    {"StaffCount", &ProjectState::staffCount},
    {"FanSharePercent", &ProjectState::fanSharePercent},
    {"FanDetailedCalculation", &ProjectState::fanDetailedCalculation},
    {"FanCount", &ProjectState::fanCount},
    {"DefrostCoolerCount", &ProjectState::defrostCoolerCount},
    {"StaffOwnHours", &ProjectState::staffOwnHours},
    {"DoorOpenAllDay", &ProjectState::doorOpenAllDay},
    {"LightingTwoDecimals", &ProjectState::lightingTwoDecimals},
};

constexpr Member<std::string> kTexts[]{
    {"Consumer1Name", &ProjectState::consumer1Name},
    {"Consumer2Name", &ProjectState::consumer2Name},
    {"ClientName", &ProjectState::clientName},
    {"ContractorName", &ProjectState::contractorName},
    {"SiteName", &ProjectState::siteName},
    {"ProjectDate", &ProjectState::projectDate},
    {"ProjectName", &ProjectState::projectName},
};

// Row of a per-row parameter name: the suffix after `base`, or -1.
int RowOf(std::string_view name, std::string_view base)
{
    if (!name.starts_with(base))
        return -1;
    const std::string_view suffix = name.substr(base.size());
    for (int row = 0; row < kRowCount; ++row)
        if (suffix == kRowSuffixes[static_cast<std::size_t>(row)])
            return row;
    return -1;
}

} // namespace

ParameterSlot FindParameter(ProjectState& state, std::string_view name)
{
    for (const auto& m : kReals)
        if (m.name == name)
            return {&(state.*m.member), nullptr, nullptr};
    for (const auto& m : kWholes)
        if (m.name == name)
            return {nullptr, &(state.*m.member), nullptr};
    for (const auto& m : kTexts)
        if (m.name == name)
            return {nullptr, nullptr, &(state.*m.member)};
    for (const auto& m : kRowReals)
        if (const int row = RowOf(name, m.base); row >= 0)
            return {&(state.rows[static_cast<std::size_t>(row)].*m.member), nullptr, nullptr};
    for (const auto& m : kRowWholes)
        if (const int row = RowOf(name, m.base); row >= 0)
            return {nullptr, &(state.rows[static_cast<std::size_t>(row)].*m.member), nullptr};
    throw std::out_of_range("no project parameter named " + std::string(name));
}

double ParameterValue(const ProjectState& state, std::string_view name)
{
    // Only read through the slot.
    const ParameterSlot slot = FindParameter(const_cast<ProjectState&>(state), name);
    if (slot.real)
        return *slot.real;
    if (slot.whole)
        return *slot.whole;
    throw std::out_of_range("the project parameter " + std::string(name) + " is text, not a number");
}

} // namespace zeltar
