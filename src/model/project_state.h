// The one record of a project's inputs: everything the engineer enters, in the units of the method
// (°C, m, mm, kW, fractions for the two relative humidities). Results are not held here: the
// recalculation pass computes them afresh from this record (see calc/recalculate.h).
#pragma once

#include "plan/directions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeltar {

// The six enclosure rows, always in this order.
enum Row : int { WallA = 0, WallB, WallC, WallD, Ceiling, Floor };
inline constexpr int kRowCount = 6;
// Walls A to D and the ceiling have sun and outside/inside tiles, finishes and solar rows.
inline constexpr int kSurfaceRowCount = 5;
// Row suffixes of the parameter names ("StructureThicknessCeiling").
inline constexpr std::array<const char*, kRowCount> kRowSuffixes{"A", "B", "C", "D", "Ceiling", "Floor"};

inline constexpr double kOutsideAirCoefficient = 23;   // W/(m2 K), outer surface in outside air
inline constexpr double kInnerRoomCoefficient = 10;    // W/(m2 K), outer surface in another room
inline constexpr double kInnerSurfaceCoefficient = 10; // W/(m2 K), room side of every row

// A material of the user's own library, as a project holds it: name, conductivity in W/(m K), and
// the bare-surface solar factor used when it is the construction layer of a wall or the ceiling.
struct OwnMaterial {
    std::string name;
    double conductivity = 0;
    double solarFactor = 1;

    bool operator==(const OwnMaterial&) const = default;
};

// Share of the defrost heaters' heat that ends up in the room air when nothing better is known.
inline constexpr double kDefaultDefrostRoomShare = 0.3;

struct EnclosureRow {
    int structureMaterial = 0;                                 // index into the row's construction list
    double structureThickness = 0;                             // mm
    int insulationMaterial = 0;                                // index into the row's insulation list
    double insulationThickness = 0;                            // mm
    double outsideTemperature = 0;                             // °C on the far side of the row
    int outsideFacing = 1;                                     // 1 outside air, 0 another room (walls and ceiling)
    double outerSurfaceCoefficient = kOutsideAirCoefficient;   // W/(m2 K)
    double innerSurfaceCoefficient = kInnerSurfaceCoefficient; // W/(m2 K)
    int sunlit = 1;                                            // 1 the row receives sun (walls and ceiling)
    int surfaceFinish = 0;                                     // index into the finishes (walls and ceiling)
    std::optional<plan::Direction> facing; // compass direction the wall faces (walls; none before the plan is drawn)

    // Extensions of the own project file (see project_extensions.h); zero leaves the row as above.
    double uValue = 0;               // W/(m2 K) typed for the row (a maker's panel), overriding its layers
    int extraLayerMaterial1 = 0;     // index into the extra-layer materials, then the own materials
    double extraLayerThickness1 = 0; // mm; 0: no such layer
    int extraLayerMaterial2 = 0;
    double extraLayerThickness2 = 0;
    int extraLayerMaterial3 = 0;
    double extraLayerThickness3 = 0;

    bool operator==(const EnclosureRow&) const = default;
};

struct ProjectState {
    std::array<EnclosureRow, kRowCount> rows;

    // Site and climate
    int city = 0;
    double latitude = 0;                 // degrees north
    double outsideDesignTemperature = 0; // °C
    double outsideRelativeHumidity = 0;  // fraction

    // Room
    double roomLength = 0;            // m
    double roomWidth = 0;             // m
    double roomHeight = 0;            // m
    std::int32_t planOrientation = 0; // degrees, 0..315 in steps of 45
    int floorType = 0;
    int roomType = 0;
    double roomTemperature = 0;      // °C
    double roomRelativeHumidity = 0; // fraction

    // Equipment
    double equipmentRunningHours = 0; // h/day (processing time of one load for chambers and rails)
    double capacityReserve = 0;       // %

    // Ventilation
    double airExchangeRate = 0; // air changes per day

    // Goods
    double stackHeight = 0;          // m
    double stackDensity = 0;         // kg/m3
    std::int32_t packagingShare = 0; // % of the goods mass
    double netCapacity = 0;          // t; written back by each recalculation, read by the turnover fields
    double dailyTurnoverPercent = 0; // % of the net capacity per day
    double dailyTurnover = 0;        // t/day
    int product = 0;
    int productGroup = 0;
    double cryoscopicTemperature = 0;   // °C of the selected product, for the respiration test
    double productInletTemperature = 0; // °C
    double productFinalTemperature = 0; // °C
    int packagingMaterial = 0;
    int highTurnover = 0; // flag

    // Operational loads
    double doorHeight = 0;   // m
    double doorWidth = 0;    // m
    double loadUnitMass = 0; // kg per vehicle pass
    int doorProtection = 0;
    int doorType = 0;
    int doorTimeMode = 0;            // flag: door gain from the open time instead of the passes
    double doorOpenTime = 0;         // h/day
    double lightingPowerDensity = 0; // W/m2
    double lightingHours = 0;        // h/day
    std::int32_t staffCount = 0;
    double vehiclePower = 0;          // kW
    double vehicleHours = 0;          // h/day
    std::int32_t fanSharePercent = 0; // % of the other gains
    int fanDetailedCalculation = 0;   // flag: fans from power and count
    double fanPower = 0;              // kW per fan
    std::int32_t fanCount = 0;
    std::string consumer1Name;
    double consumer1Power = 0; // kW
    double consumer1Hours = 0; // h/day
    std::string consumer2Name;
    double consumer2Power = 0; // kW
    double consumer2Hours = 0; // h/day

    // Extensions of the own project file (see project_extensions.h); each is off at its default.
    std::vector<OwnMaterial> ownMaterials;              // the user's materials this project uses, copied into it
    double defrostHeaterPower = 0;                      // kW of the defrost heaters of one air cooler
    std::int32_t defrostCoolerCount = 0;                // air coolers defrosted
    double defrostsPerDay = 0;                          // defrosts of each cooler per day
    double defrostDuration = 0;                         // min of heating per defrost
    double defrostRoomShare = kDefaultDefrostRoomShare; // fraction of the heater heat that enters the room
    int staffOwnHours = 0;                              // flag: the staff works its own hours, not the lighting hours
    double staffHours = 0;                              // h/day, with staffOwnHours
    int doorOpenAllDay = 0;                             // flag: the door-open time may reach 24 h/day (else 8 h)
    int lightingTwoDecimals = 0;                        // flag: the lighting density takes two decimals (else one)

    // Header of the report
    std::string clientName;
    std::string contractorName;
    std::string siteName;
    std::string projectDate;
    std::string projectName;

    bool operator==(const ProjectState&) const = default;
};

} // namespace zeltar
