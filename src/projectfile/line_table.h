// The project file's lines as data: besides each line's public description (kind, control, parameter,
// flag condition, meaning), where its value goes in the project record and which rule a sound value
// must meet. The reader, the checks and ApplyToState all walk this one table.
#pragma once

#include "model/project_state.h"
#include "projectfile/project_file.h"
#include "projectfile/record_fields.h"

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

namespace zeltar::projectfile::detail {

static_assert(std::is_same_v<std::int32_t, int>, "whole-number parameters are held as int");

// Where a line's value is stored: nowhere (display texts, captions, display states), a member of
// the record, or a member of one enclosure row; the controls' members come from record_fields.h.
using StateSlot = RecordSlot;

// What a sound value of the line must also meet, beyond converting as its kind says.
enum class ValueRule {
    None,
    LayerThickness, // mm, 0 or more: a negative layer can cancel the surface resistances
    Temperature,    // °C, above absolute zero (air densities divide by t + 273,15) and not above
                    // kHottestTemperature
    FieldMinimum,   // not below the smallest value the control's field accepts: running hours
                    // (1 h) and load-unit mass (5 kg) divide gains, a tiny one overflows them
    Humidity,       // %, 0 to 100
    ListIndex,      // 0 to listSize - 1
    SurfaceFlag,    // 0 or 1
    Orientation,    // degrees: 0 to 675, a multiple of 45
};

struct LineEntry {
    LineSpec lineSpec;
    StateSlot slot;
    ValueRule rule = ValueRule::None;
    int listSize = 0; // entries of the list, for ListIndex lines
};

// Lines 1..131 at indices 0..130.
extern const std::array<LineEntry, kLineCount> kLineEntries;

inline constexpr double kAbsoluteZeroCelsius = -273.15;
// Far above any temperature field (walls hold at most 300 °C). Beyond about 1e5 °C the saturation
// moisture content of the air, extrapolated from its table, grows so large that the moisture of
// saturated air is no longer a number.
inline constexpr double kHottestTemperature = 10000;
// No field can hold a larger magnitude; beyond it products of inputs could overflow.
inline constexpr double kLargestFieldMagnitude = 1e9;
inline constexpr int kFullTurnDegrees = 360;

} // namespace zeltar::projectfile::detail
