// The recalculation pass: a pure function from the project's inputs to every result the window
// shows (values and names, warning colours; the form model makes their texts) and to the two values the window stores back into the project (net capacity, and the
// computed door-open time in passes mode).
#pragma once

#include "calc/calc_trace.h"
#include "calc/results.h"
#include "model/project_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zeltar::calc {

enum class Warning { White, Red };

// A result: a number in the unit of its field, or a name from a list (the walls' materials). The
// name is a copy: an own material's name lives in the project, which may change or go first.
using ResultValue = std::variant<double, std::string>;

// Full (uncut) values of the pass, in the units of the method: gains in kW.
struct RecalcValues {
    std::array<double, 6> heatTransferCoefficient{};    // W/(m2 K), by row
    std::array<double, 6> enclosureHeatGain{};          // kW, by row
    std::array<double, 5> solarTemperatureDifference{}; // K, walls and ceiling
    std::array<double, 5> solarHeatGain{};              // kW, walls and ceiling
    double roomArea = 0, roomVolume = 0;
    double productEnthalpyDifference = 0, packagingEnthalpyDifference = 0; // kJ/kg, cut as used
    double respirationHeat = 0;                                            // W/t
    double netCapacity = 0, grossCapacity = 0, packagingMass = 0;          // t
    double roomAirDensity = 0;                                             // kg/m3
    double outsideAirMoisture = 0, outsideAirEnthalpy = 0;                 // kg/kg, J/kg
    double q1 = 0, q12 = 0, q3 = 0, q21 = 0, q22 = 0, q2 = 0, q5 = 0;
    double vehiclePasses = 0, doorOpenShare = 0;
    double doorHeatGain = 0, lightingHeatGain = 0, staffHeatGain = 0, vehicleHeatGain = 0;
    double consumerHeatGain = 0, fanHeatGain = 0, q4 = 0;
    double defrostHeatGain = 0; // kW, a part of q4 (0 without the defrost extension)
    double totalHeatGain = 0, equipmentCapacity = 0;
};

struct RecalcResult {
    // Value per result; nullopt where the pass leaves the field as it is (the packaging share
    // outside rail rooms, the door-open time in time mode).
    std::array<std::optional<ResultValue>, kResultFieldCount> results;

    // Warning colours of the room temperature and the goods' inlet and final temperatures.
    Warning roomTemperatureColor = Warning::White;
    Warning productInletTemperatureColor = Warning::White;
    Warning productFinalTemperatureColor = Warning::White;

    // Written back into the project by the window.
    double netCapacity = 0;
    std::optional<double> doorOpenTime; // the shown (cut) open time in passes mode

    RecalcValues values;

    const std::optional<ResultValue>& result(ResultField f) const { return results[static_cast<int>(f)]; }
};

// A pure function of the state. With a `trace`, the pass also records every intermediate value
// into it as it computes it (the protocol `zeltar-cli explain` prints); the results are the same.
RecalcResult Recalculate(const ProjectState& state, CalcTrace* trace = nullptr);

} // namespace zeltar::calc
