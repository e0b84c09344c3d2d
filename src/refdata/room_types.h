// Room types with their presets, floor placements and the door lists of the operational gains.
// The order of every list is binding: project files store the selected position.
#pragma once

#include <array>
#include <string_view>

namespace zeltar::refdata {

// The calculation distinguishes only these groups of room types.
enum class RoomGroup { Store, Chamber, Rail };

struct RoomType {
    std::string_view name;
    RoomGroup group;
    double roomTemperature;         // °C
    int roomHumidityPercent;        // %
    double productInletTemperature; // °C
    double productFinalTemperature; // °C
};

inline constexpr std::array<RoomType, 8> kRoomTypes{{
    {"хранение мороженых грузов", RoomGroup::Store, -20, 95, -10, -20},
    {"хранение охлажденных грузов", RoomGroup::Store, 2, 90, 10, 2},
    {"камера охлаждения", RoomGroup::Chamber, -3, 95, 35, 2},
    {"камера замораживания", RoomGroup::Chamber, -30, 98, 20, -18},
    {"охлаждение мяса на путях", RoomGroup::Rail, -3, 95, 35, 2},
    {"замораживание мяса на путях", RoomGroup::Rail, -30, 98, 20, -18},
    {"экспедиция / сортировка", RoomGroup::Store, 0, 90, 10, 0},
    {"свой вариант", RoomGroup::Store, 0, 85, 10, 0},
}};

// Presets that a room type applies by its group.
struct RoomGroupPreset {
    double stackDensity;        // kg/m3
    bool resetsTurnoverPercent; // stores set the daily turnover back to 10 %
    bool highTurnoverEnabled;   // chambers and rails disable and clear the box
    std::string_view runningHoursCaption;
    bool capacityFieldsVisible; // stack height, density, packaging share, gross capacity
    bool turnoverFieldsVisible; // daily turnover in % and t/day
};

inline constexpr double kStoreDailyTurnoverPercent = 10;
inline constexpr std::string_view kRunningHoursCaption = "Время работы оборуд., ч/сут";
inline constexpr std::string_view kProcessingTimeCaption = "Время термообработки, ч";

inline constexpr RoomGroupPreset PresetOf(RoomGroup group)
{
    switch (group) {
    case RoomGroup::Store: return {350, true, true, kRunningHoursCaption, true, true};
    case RoomGroup::Chamber: return {200, false, false, kProcessingTimeCaption, true, false};
    case RoomGroup::Rail: return {200, false, false, kProcessingTimeCaption, false, false};
    }
    return {350, true, true, kRunningHoursCaption, true, true};
}

// Whether a stored position names a room type of the list.
inline constexpr bool IsRoomType(int roomType)
{
    return roomType >= 0 && roomType < static_cast<int>(kRoomTypes.size());
}

inline constexpr RoomGroup GroupOf(int roomType)
{
    return kRoomTypes[static_cast<std::size_t>(roomType)].group;
}

// Floor placement: the outer surface coefficient of the floor in W/(m2 K).
struct FloorType {
    std::string_view name;
    double outerSurfaceCoefficient;
};

inline constexpr std::array<FloorType, 4> kFloorTypes{{
    {"на сваях", 23},
    {"над помещением", 10},
    {"на грунте", 100000},
    {"на грунте с  Э/П", 100000},
}};

inline constexpr int kFloorOnGround = 2;            // floor row by ground zones
inline constexpr int kFloorOnHeatedGround = 3;      // heated base kept at 1 °C
inline constexpr double kHeatedBaseTemperature = 1; // °C

// Door protection: share of the door gain that the device stops.
struct DoorProtection {
    std::string_view name;
    double efficiency;
};

inline constexpr std::array<DoorProtection, 3> kDoorProtections{{
    {"отсутствует", 0},
    {"штора", 0.2},
    {"воздушная завеса", 0.7},
}};

// Door type: seconds of open door per vehicle pass.
struct DoorType {
    std::string_view name;
    double secondsPerPass;
};

inline constexpr std::array<DoorType, 2> kDoorTypes{{
    {"ручная", 25},
    {"электроприводная", 15},
}};

} // namespace zeltar::refdata
