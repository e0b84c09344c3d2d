#include "model/startup_state.h"

#include "plan/compass.h"
#include "refdata/cities.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

namespace zeltar {

namespace {

constexpr int kDefaultWallStructure = 8;    // "железобетон"
constexpr int kDefaultCeilingStructure = 4; // "железобетон"
constexpr int kDefaultFloorStructure = 11;  // "железобетон"
constexpr int kDefaultWallInsulation = 6;   // "пенополиуретан"
constexpr int kDefaultOtherInsulation = 5;  // "пенополиуретан" (ceiling and floor lists)

// Creation of the window: thicknesses 0, every surface flag 1, outer coefficients 23, inner 10,
// plan orientation 0 (walls facing south, east, north and west); then the surfaces' materials.
void SetSurfaceDefaults(ProjectState& s)
{
    for (int r = 0; r < kRowCount; ++r) {
        EnclosureRow& row = s.rows[r];
        row.structureThickness = 0;
        row.insulationThickness = 0;
        row.outsideFacing = 1;
        row.sunlit = 1;
        row.outerSurfaceCoefficient = kOutsideAirCoefficient;
        row.innerSurfaceCoefficient = kInnerSurfaceCoefficient;
        row.surfaceFinish = 0;
    }
    s.planOrientation = 0;
    const auto directions = plan::WallDirections(s.planOrientation);
    for (int wall = WallA; wall <= WallD; ++wall)
        s.rows[wall].facing = directions[static_cast<std::size_t>(wall)];

    // Start-up defaults.
    s.floorType = 0;
    for (int wall = WallA; wall <= WallD; ++wall) {
        s.rows[wall].structureMaterial = kDefaultWallStructure;
        s.rows[wall].insulationMaterial = kDefaultWallInsulation;
    }
    s.rows[Ceiling].structureMaterial = kDefaultCeilingStructure;
    s.rows[Ceiling].insulationMaterial = kDefaultOtherInsulation;
    s.rows[Floor].structureMaterial = kDefaultFloorStructure;
    s.rows[Floor].insulationMaterial = kDefaultOtherInsulation;
}

// The default city's climate, outside every surface.
void SetClimateDefaults(ProjectState& s)
{
    s.city = refdata::kDefaultCity;
    const refdata::City& city = refdata::kCities[static_cast<std::size_t>(s.city)];
    s.outsideDesignTemperature = refdata::CityDesignTemperature(s.city);
    s.latitude = city.latitude;
    s.outsideRelativeHumidity = city.relativeHumidity / 100.0;
    for (EnclosureRow& row : s.rows)
        row.outsideTemperature = s.outsideDesignTemperature;
}

// The room, its goods, doors, lighting, staff, vehicles, fans and consumers.
void SetRoomDefaults(ProjectState& s)
{
    s.roomType = 0;
    const refdata::RoomType& roomType = refdata::kRoomTypes[static_cast<std::size_t>(s.roomType)];
    const refdata::RoomGroupPreset preset = refdata::PresetOf(roomType.group);
    s.product = 0;
    s.productGroup = refdata::kProducts[0].group;
    s.cryoscopicTemperature = refdata::kProducts[0].cryoscopicPoint;
    s.packagingMaterial = 0;
    s.doorProtection = 0;
    s.doorType = 0;

    s.roomLength = 0;
    s.roomWidth = 0;
    s.roomHeight = 0;
    s.roomTemperature = roomType.roomTemperature;
    s.roomRelativeHumidity = roomType.roomHumidityPercent / 100.0;
    s.equipmentRunningHours = 18;
    s.capacityReserve = 10;
    s.airExchangeRate = 0;
    s.stackHeight = 0;
    s.stackDensity = preset.stackDensity;
    s.packagingShare = 0;
    s.netCapacity = 0;
    s.dailyTurnoverPercent = refdata::kStoreDailyTurnoverPercent;
    s.dailyTurnover = 0;
    s.productInletTemperature = roomType.productInletTemperature;
    s.productFinalTemperature = roomType.productFinalTemperature;
    s.highTurnover = 0;
    s.doorHeight = 2;
    s.doorWidth = 2;
    s.loadUnitMass = 1000;
    s.doorTimeMode = 0;
    s.doorOpenTime = 0;
    s.lightingPowerDensity = 5;
    s.lightingHours = 8;
    s.staffCount = 0;
    s.vehiclePower = 0;
    s.vehicleHours = 0;
    s.fanSharePercent = 10;
    s.fanDetailedCalculation = 0;
    s.fanPower = 0;
    s.fanCount = 0;
    s.consumer1Name = "Электропотребитель № 1";
    s.consumer1Power = 0;
    s.consumer1Hours = 0;
    s.consumer2Name = "Электропотребитель № 2";
    s.consumer2Power = 0;
    s.consumer2Hours = 0;
}

} // namespace

ProjectState StartupState(std::string today)
{
    ProjectState s;
    SetSurfaceDefaults(s);
    SetClimateDefaults(s);
    SetRoomDefaults(s);
    s.clientName.clear();
    s.contractorName.clear();
    s.siteName.clear();
    s.projectDate = std::move(today);
    s.projectName.clear();
    return s;
}

} // namespace zeltar
